// 隅肉6㍉換算率登録 on screen, with the symbol-name dialog beside it.
#include "ui/registries/kansan_form_view.h"

#include "registries/kigou_form.h"
#include "ui/common/qt_file_chooser.h"
#include "ui/common/qt_prompter.h"
#include "ui/common/screen_fit.h"
#include "ui/registries/kigou_form_view.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QScrollBar>

namespace tv::ui {

using registries::KansanForm;

KansanFormView::KansanFormView(KansanForm& model, services::Prompter& prompter, QWidget* parent)
    : RegistryFormView(model, KansanForm::title(), &KansanForm::commandCaption, KansanForm::label1(), parent),
      m_prompter(prompter) {
    model.setAskSymbol([this] { return askSymbol(); });

    // The form's size in twips, or larger where the font's grid needs it: no horizontal scroll bar,
    // and all 37 thicknesses in view where the screen is tall enough (otherwise the grid scrolls).
    mainLayout()->setContentsMargins(6, 6, 6, 6);
    TextGridView* view = grid();
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int gridWidth = view->horizontalHeader()->length() + view->verticalScrollBar()->sizeHint().width() +
                          2 * view->frameWidth() + 12;
    const int allRows = view->verticalHeader()->length() + 2 * view->frameWidth();
    placeOnScreen(
        this, 1500,
        QSize(qMax(twipsToPixels(this, 2400), gridWidth),
              qMax(twipsToPixels(this, 10350), sizeHint().height() - view->sizeHint().height() + allRows)));
}

QString KansanFormView::askSymbol() {
    registries::KigouForm model(m_prompter);
    KigouFormView dialog(model, this);
    dialog.adjustSize();
    fitOnScreen(&dialog, dialog.size(), QPoint(frameGeometry().right() + 1, frameGeometry().top()));
    dialog.exec();
    return model.result();
}

void showKansanForm(QWidget* parent, const shell::DataRoot& root) {
    QtPrompter prompter(parent);
    KansanForm model(root, prompter);
    if (!model.open())
        return;
    KansanFormView view(model, prompter, parent);
    prompter.setParentWidget(&view);
    QtFileChooser chooser(&view);
    model.setFileChooser(&chooser);
    view.exec();
}

} // namespace tv::ui
