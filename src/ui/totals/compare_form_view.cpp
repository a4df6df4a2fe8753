// The comparison window: it only draws the model's grids and forwards the commands.
#include "ui/totals/compare_form_view.h"

#include "ui/common/command_label.h"
#include "ui/common/text_grid_view.h"
#include "ui/common/window_look.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

namespace tv::ui {

using totals::CompareForm;

CompareFormView::CompareFormView(CompareForm& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_caption(new QLabel(this)),
      m_tables(new TextGridView(model.tablesGridForView(), this)),
      m_entries(new TextGridView(model.entriesGridForView(), this)) {
    setWindowTitle(CompareForm::title());
    setModal(true);
    paintRegistryBackground(this);
    m_caption->setObjectName(QStringLiteral("CompareCaption"));
    m_tables->setObjectName(QStringLiteral("TablesGrid"));
    m_entries->setObjectName(QStringLiteral("EntriesGrid"));
    for (TextGridView* grid : {m_tables, m_entries}) {
        grid->setWidenToTexts(true);
        grid->setSelectionMode(QAbstractItemView::NoSelection);
    }

    auto* commands = new QHBoxLayout;
    for (const int index : {1, 2, 3, 0}) {
        auto* command = makeRegistryCommand(index, CompareForm::commandCaption(index), this);
        commands->addWidget(command);
        connect(command, &CommandLabel::clicked, &m_model, &CompareForm::command);
    }
    commands->addStretch(1);
    auto* grids = new QSplitter(Qt::Vertical, this);
    grids->addWidget(m_tables);
    grids->addWidget(m_entries);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(commands);
    layout->addWidget(m_caption);
    layout->addWidget(grids, 1);

    connect(&m_model, &CompareForm::changed, this, &CompareFormView::showState);
    connect(&m_model, &CompareForm::closeRequested, this, &QDialog::accept);
    showState();
    QSize size(twipsToPixels(this, 15000), twipsToPixels(this, 10000));
    if (const QScreen* s = screen())
        size = size.boundedTo(s->availableGeometry().size() - QSize(16, 64));
    resize(size);
}

void CompareFormView::showState() {
    m_caption->setText(m_model.caption().isEmpty()
                           ? QStringLiteral("「比較する物件…」で比較する物件ファイルを選びます。")
                           : m_model.caption());
    m_tables->refresh();
    m_entries->refresh();
}

void showCompareForm(QWidget* parent, const shell::DataRoot& root, CompareForm::Ports ports) {
    CompareForm model(root, ports);
    CompareFormView view(model, parent);
    view.show();
    model.chooseAndCompare();
    view.exec();
}

} // namespace tv::ui
