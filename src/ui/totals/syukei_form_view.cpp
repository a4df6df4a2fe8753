// 集計 on screen: option buttons choose the shown frame; the view only draws the model's tables.
#include "ui/totals/syukei_form_view.h"

#include "ui/common/qt_clipboard.h"
#include "ui/common/qt_file_chooser.h"
#include "ui/common/qt_printer.h"
#include "ui/common/qt_prompter.h"
#include "ui/common/text_grid_view.h"
#include "ui/common/window_look.h"
#include "ui/totals/compare_form_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tv::ui {

using totals::SyukeiForm;

SyukeiFormView::SyukeiFormView(SyukeiForm& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_options(new QButtonGroup(this)),
      m_bnameCh(new QCheckBox(SyukeiForm::bnameCaption(), this)), m_frames(new QStackedWidget(this)) {
    setWindowTitle(SyukeiForm::title());
    setModal(true);
    paintRegistryBackground(this);

    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(SyukeiForm::displayLabel(), this));
    for (int i = 0; i < totals::kTableCount; ++i) {
        auto* option = new QRadioButton(SyukeiForm::optionCaption(i), this);
        option->setObjectName(QStringLiteral("HyojiOp_%1").arg(i));
        m_options->addButton(option, i);
        side->addWidget(option);
    }
    side->addSpacing(12);
    m_bnameCh->setObjectName(QStringLiteral("BnameCh"));
    side->addWidget(m_bnameCh);
    side->addSpacing(12);
    for (const int index : {1, 2, 3, 4, 0}) {
        auto* command = makeRegistryCommand(index, SyukeiForm::commandCaption(index), this);
        side->addWidget(command);
        connect(command, &CommandLabel::clicked, &m_model, &SyukeiForm::command);
    }
    auto* compare = makeRegistryCommand(5, compareCaption(), this);
    side->insertWidget(side->count() - 1, compare); // above 終了
    connect(compare, &CommandLabel::clicked, this, [this] {
        if (m_compare)
            m_compare();
    });
    side->addStretch(1);

    for (int i = 0; i < totals::kTableCount; ++i) {
        auto* frame = new QGroupBox(SyukeiForm::optionCaption(i), m_frames);
        auto* grid = new TextGridView(m_model.gridForView(i), frame);
        grid->setObjectName(QStringLiteral("SyukeiGrid_%1").arg(i));
        grid->setWidenToTexts(true);
        m_grids.append(grid);
        auto* frameLayout = new QVBoxLayout(frame);
        frameLayout->addWidget(grid, 1);
        if (!SyukeiForm::note(i).isEmpty()) {
            auto* note = new QLabel(SyukeiForm::note(i), frame);
            note->setWordWrap(true);
            frameLayout->addWidget(note);
        }
        m_frames->addWidget(frame);
    }

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(side);
    layout->addWidget(m_frames, 1);

    connect(m_options, &QButtonGroup::idClicked, &m_model, &SyukeiForm::selectTable);
    connect(m_bnameCh, &QCheckBox::toggled, this, [this](bool ticked) { m_model.setBnameCh(ticked); });
    connect(&m_model, &SyukeiForm::shownTableChanged, this, &SyukeiFormView::showTable);
    connect(&m_model, &SyukeiForm::tablesChanged, this, &SyukeiFormView::refreshTables);
    connect(&m_model, &SyukeiForm::closeRequested, this, &QDialog::accept);

    showTable();
    // Wide enough for the widest table without scrolling, within the screen.
    QSize size(twipsToPixels(this, 13000), twipsToPixels(this, 9000));
    if (const QScreen* s = screen())
        size = size.boundedTo(s->availableGeometry().size() - QSize(16, 64));
    resize(size.expandedTo(minimumSizeHint()));
}

void SyukeiFormView::showTable() {
    const int shown = m_model.HyojiOp();
    m_options->button(shown)->setChecked(true);
    m_frames->setCurrentIndex(shown);
}

void SyukeiFormView::refreshTables() {
    for (TextGridView* grid : m_grids)
        grid->refresh();
}

void showSyukeiForm(QWidget* parent, AppState& state) {
    QtPrompter prompter(parent);
    QtFileChooser chooser(parent);
    QtPrinter printer(prompter, chooser, pdfPlace(state));
    QtClipboard clipboard;
    SyukeiForm model(state.shell.dataRoot, state.shell.project.projectName, state.lists, prompter, printer,
                     clipboard, chooser);
    if (!model.open())
        return;
    SyukeiFormView view(model, parent);
    prompter.setParentWidget(&view);
    chooser.setParentWidget(&view);
    printer.setParentWidget(&view);
    view.setCompareCommand([&] {
        showCompareForm(&view, state.shell.dataRoot, {prompter, printer, clipboard, chooser});
    });
    view.exec();
}

} // namespace tv::ui
