// The sheet window: a grid that shows tens of thousands of rows without a widget per cell, and the
// command captions in one row above it.
#include "ui/sheets/sheet_form_view.h"

#include "ui/common/column_drag.h"
#include "ui/common/command_label.h"
#include "ui/common/qt_file_chooser.h"
#include "ui/common/qt_printer.h"
#include "ui/common/qt_prompter.h"
#include "ui/common/qt_window_opener.h"
#include "ui/common/text_grid_view.h"
#include "ui/common/undo_actions.h"
#include "ui/common/window_look.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace tv::ui {

using sheets::SheetForm;

namespace {

// The sheet's rows as tall as the form was designed with, or taller where the font needs it.
constexpr int kRowHeightTwips = 240;
constexpr int kVisibleRows = 43;
constexpr double kGridPointSize = 9;

// The longest text each column commonly holds. The widths in twips were made for a narrower screen
// font than the installed one, so a column is widened where such a text would not fit.
const char16_t* const kTypicalTexts[sheets::kSheetColumns] = {
    u"9999",   u"柱",       u"10",  u"C10",    u"X1-Y1通り", u"SN490B", u"鋼管(角)", u"PL-25×500×500",
    u"12000",  u"10",       u"J10", u"10",     u"工場",      u"T",      u"2",        u"12",
    u"123.45", u"耐火:1.5", u"1.4", u"123.45", u"HTB-F10T",  u"M20",    u"100",      u"100",
    u"",       u"",         u"",    u"",       u""};

} // namespace

SheetFormView::SheetFormView(SheetForm& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_grid(new TextGridView(model.gridForView(), this)),
      m_header(new QTableView(this)) {
    setWindowTitle(model.traits().windowTitle.toString());
    setObjectName(model.traits().kind == sheets::SheetKind::Column ? QStringLiteral("MainInputForm")
                                                                   : QStringLiteral("MainInput2Form"));
    m_grid->setObjectName(QStringLiteral("DataGrid"));
    QFont gridFont = font();
    gridFont.setPointSizeF(kGridPointSize);
    m_grid->setFont(gridFont);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->verticalHeader()->setDefaultSectionSize(
        qMax(twipsToPixels(this, kRowHeightTwips), m_grid->fontMetrics().height() + 4));
    // A click anywhere in a row selects it (or its entry); no cell offers an editor.
    m_grid->setOfferCallback([this](int row, int) {
        m_model.clickRow(row);
        return services::CellOffer{};
    });

    auto* commands = new QHBoxLayout;
    commands->setSpacing(2);
    for (int i = 0; i < SheetForm::kCommandCount; ++i) {
        auto* label = makeRegistryCommand(i, SheetForm::commandCaption(i), this);
        m_commands.append(label);
        commands->addWidget(label);
        connect(label, &CommandLabel::clicked, &m_model, &SheetForm::command);
    }
    commands->addStretch(1);
    setUpHeader();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    layout->addLayout(commands);
    layout->addSpacing(4);
    layout->addWidget(m_header);
    layout->addWidget(m_grid, 1);

    connect(&m_model, &SheetForm::changed, this, &SheetFormView::showState);
    connect(&m_model, &SheetForm::rowsRepainted, this, [this](int first, int second) {
        for (const int row : {first, second})
            if (row >= 0)
                m_grid->refreshRows(row, row);
    });
    connect(&m_model, &SheetForm::closeRequested, this, &QDialog::accept);
    const UndoActions undo = addUndoActions(
        this, m_model.history(), [this] { m_model.undo(); }, [this] { m_model.redo(); });
    connect(m_grid, &TextGridView::cellRightClicked, this,
            [undo](int, int) { showUndoMenu(undo, QCursor::pos()); });
    showState();
    fitToScreen();
}

// The two header rows stay in view above the scrolling rows: a second view over the same grid that
// shows only them, with the grid's spans and column widths and its horizontal scroll.
void SheetFormView::setUpHeader() {
    m_header->setObjectName(QStringLiteral("HeaderGrid"));
    m_header->setModel(m_grid->model());
    m_header->setFont(m_grid->font());
    m_header->horizontalHeader()->hide();
    m_header->verticalHeader()->hide();
    m_header->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_header->verticalHeader()->setDefaultSectionSize(m_grid->verticalHeader()->defaultSectionSize());
    m_header->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_header->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_header->setSelectionMode(QAbstractItemView::NoSelection);
    m_header->setFocusPolicy(Qt::NoFocus);
    m_header->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_header->setFrameShape(QFrame::NoFrame);
    m_header->setFixedHeight(sheets::kHeaderRows * m_header->verticalHeader()->defaultSectionSize());
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, m_header->horizontalScrollBar(),
            &QScrollBar::setValue);
    m_dragged = loadColumnWidths(m_model.traits().kind);
    new ColumnDrag(
        m_header, [this](int column, int pixels) { resizeColumn(column, pixels); },
        [this] { saveColumnWidths(m_model.traits().kind, m_dragged); });
}

void SheetFormView::resizeColumn(int column, int pixels) {
    if (pixels < 0) {
        m_dragged.remove(column);
        showState();
        return;
    }
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    m_dragged.insert(column, (pixels * 1440 + dpi / 2) / dpi);
    m_grid->setColumnWidth(column, pixels);
    m_header->setColumnWidth(column, pixels);
}

void SheetFormView::showState() {
    const int top = m_model.DataGrid().topRow();
    m_grid->refresh();
    widenColumns();
    for (auto it = m_dragged.cbegin(); it != m_dragged.cend(); ++it)
        m_grid->setColumnWidth(it.key(), twipsToPixels(this, it.value()));
    m_header->clearSpans();
    for (const services::CellSpan& span : m_model.DataGrid().spans())
        m_header->setSpan(span.row, span.column, span.rowSpan, span.columnSpan);
    for (int c = 0; c < sheets::kSheetColumns; ++c) {
        m_header->setColumnHidden(c, m_grid->isColumnHidden(c));
        m_header->setColumnWidth(c, m_grid->columnWidth(c));
    }
    m_header->scrollToTop();
    m_header->horizontalScrollBar()->setValue(m_grid->horizontalScrollBar()->value());
    // The grid shows its data rows only; with the header rows hidden, scroll position n is the n-th
    // data row.
    for (int row = 0; row < sheets::kHeaderRows; ++row)
        m_grid->setRowHidden(row, true);
    m_grid->verticalScrollBar()->setValue(qMax(0, top - sheets::kHeaderRows));
    m_model.gridForView()->setTopRow(top);
}

void SheetFormView::widenColumns() {
    const QFontMetrics metrics(m_grid->font());
    const int padding = metrics.averageCharWidth() + 8;
    for (int c = 0; c < sheets::kSheetColumns; ++c) {
        if (m_grid->isColumnHidden(c))
            continue;
        const int wanted = qMax(metrics.horizontalAdvance(QString::fromUtf16(kTypicalTexts[c])),
                                metrics.horizontalAdvance(sheets::columnCaption(c))) +
                           padding;
        if (m_grid->columnWidth(c) < wanted)
            m_grid->setColumnWidth(c, wanted);
    }
}

// As wide as the grid's columns and 43 rows high, at the screen's top left corner; on a smaller
// screen the window keeps within it and the grid scrolls.
void SheetFormView::fitToScreen() {
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    const int gridWidth = m_grid->horizontalHeader()->length() +
                          m_grid->verticalScrollBar()->sizeHint().width() + 2 * m_grid->frameWidth();
    const int gridHeight =
        kVisibleRows * m_grid->verticalHeader()->defaultSectionSize() + 2 * m_grid->frameWidth();
    const int chrome = sizeHint().height() - m_grid->sizeHint().height();
    QSize size(qMax(gridWidth + 8, sizeHint().width()), gridHeight + chrome);
    if (const QScreen* s = screen()) {
        const QRect available = s->availableGeometry();
        size = size.boundedTo(QSize(available.width() - 16, available.height() - 48));
        move(available.topLeft());
    }
    resize(size);
}

void showSheetForm(QWidget* parent, AppState& state, QtPrompter& prompter, sheets::EntryDialog& dialog,
                   sheets::SheetKind kind, const std::function<void(sheets::SheetForm&, QWidget*)>& opened) {
    QtFileChooser chooser(parent);
    QtPrinter printer(prompter, chooser, pdfPlace(state));
    QtWindowOpener opener(parent, state);
    SheetForm model(kind, state.shell, state.lists, {prompter, printer, opener, dialog});
    if (!model.open())
        return;
    SheetFormView view(model, parent);
    prompter.setParentWidget(&view);
    chooser.setParentWidget(&view);
    printer.setParentWidget(&view);
    opener.setParentWidget(&view);
    if (opened)
        opened(model, &view);
    view.exec();
}

} // namespace tv::ui
