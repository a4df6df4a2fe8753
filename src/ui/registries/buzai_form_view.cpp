// 部材単位重量登録 on screen.
#include "ui/registries/buzai_form_view.h"

#include "ui/common/qt_file_chooser.h"
#include "ui/common/qt_prompter.h"

namespace tv::ui {

using registries::BuzaiForm;

BuzaiFormView::BuzaiFormView(BuzaiForm& model, QWidget* parent)
    : RegistryFormView(model, BuzaiForm::title(), &BuzaiForm::commandCaption, {}, parent) {
    placeOnScreen(this, 1500, QSize(twipsToPixels(this, 4080), twipsToPixels(this, 11055)));
}

void showBuzaiForm(QWidget* parent, const shell::DataRoot& root) {
    QtPrompter prompter(parent);
    BuzaiForm model(root, prompter);
    if (!model.open())
        return;
    BuzaiFormView view(model, parent);
    prompter.setParentWidget(&view);
    QtFileChooser chooser(&view);
    model.setFileChooser(&chooser);
    view.exec();
}

} // namespace tv::ui
