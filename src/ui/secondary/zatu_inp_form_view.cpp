// 副部材 on screen: draws the sheet model, hands clicks, picks, typing and keys to it.
#include "ui/secondary/zatu_inp_form_view.h"

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
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace tv::ui {

using secondary::ZatuInpForm;

namespace {

// The commands in the order they stand beside the grid.
constexpr int kCommandOrder[] = {ZatuInpForm::EndCommand,           ZatuInpForm::PrintCommand,
                                 ZatuInpForm::HelpCommand,          ZatuInpForm::NextPageCommand,
                                 ZatuInpForm::PreviousPageCommand,  ZatuInpForm::FirstPageCommand,
                                 ZatuInpForm::SelectedToTopCommand, ZatuInpForm::InsertBlankCommand,
                                 ZatuInpForm::DeleteBlankCommand,   ZatuInpForm::DeleteSelectedCommand};

// The grid's text size: small enough for a page of 38 rows on a notebook screen.
constexpr double kGridPointSize = 9;

} // namespace

ZatuInpFormView::ZatuInpFormView(ZatuInpForm& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_grid(new TextGridView(model.gridForView(), this)),
      m_editor(m_grid->lineEditor()) {
    setWindowTitle(ZatuInpForm::title());
    m_grid->setObjectName(QStringLiteral("DataGrid"));
    QFont gridFont = m_grid->font();
    gridFont.setPointSizeF(kGridPointSize);
    m_grid->setFont(gridFont);
    m_editor->setFont(gridFont);
    m_grid->popupList()->setFont(gridFont);
    m_grid->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridFont).height() + 4);

    auto* side = new QVBoxLayout;
    for (const int index : kCommandOrder) {
        CommandLabel* command = makeRegistryCommand(index, ZatuInpForm::commandCaption(index), this);
        side->addWidget(command);
        connect(command, &CommandLabel::clicked, &m_model, &ZatuInpForm::command);
    }
    side->addSpacing(fontMetrics().height());
    for (const QString& note : ZatuInpForm::notes()) {
        auto* label = new QLabel(note, this);
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        side->addWidget(label);
    }
    side->addStretch(1);
    auto* sideWidget = new QWidget(this);
    sideWidget->setLayout(side);
    sideWidget->setFixedWidth(fontMetrics().horizontalAdvance(ZatuInpForm::commandCaption(6)) +
                              2 * fontMetrics().height());

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addWidget(sideWidget);

    bindGrid();
    connect(&m_model, &ZatuInpForm::closeRequested, this, [this] { QDialog::reject(); });
    m_grid->refresh();
    adjustColumnWidths();
    fitToScreen();
}

void ZatuInpFormView::bindGrid() {
    m_grid->setOfferCallback([this](int row, int column) { return m_model.clickCell(row, column); });
    m_grid->setCommitCallback(
        [this](int row, int column, const QString& text) { m_model.commitCell(row, column, text); });
    m_grid->setErrorCallback([this](int, int, char32_t character) { m_model.refuseCharacter(character); });
    // textChanged, not textEdited: an editor opened by typing a character starts with that text.
    connect(m_editor, &QLineEdit::textChanged, this, &ZatuInpFormView::editorTextChanged);
    // Installed after the grid's own filter, so it sees Enter and Shift+Left first.
    m_editor->installEventFilter(this);
    // A right click empties a cell; on the row numbers and the captions it opens 元に戻す / やり直し.
    const UndoActions undo = addUndoActions(
        this, m_model.history(), [this] { m_model.undo(); }, [this] { m_model.redo(); });
    passSpentUndoKeys(m_editor);
    connect(m_grid, &TextGridView::cellRightClicked, this, [this, undo](int row, int column) {
        if (row < ZatuInpForm::kFirstDataRow || column < 1)
            showUndoMenu(undo, QCursor::pos());
        else
            m_model.rightClickCell(row, column);
    });
    // Queued: the model may ask for the move while the view is still handing it a click or a pick.
    connect(&m_model, &ZatuInpForm::editorMoved, this, &ZatuInpFormView::openCurrentCell,
            Qt::QueuedConnection);
    connect(&m_model, &ZatuInpForm::gridChanged, m_grid, &TextGridView::refresh);
    connect(&m_model, &ZatuInpForm::gridChanged, this, &ZatuInpFormView::adjustColumnWidths);
    connect(&m_model, &ZatuInpForm::rowsChanged, m_grid, &TextGridView::refreshRows);
    connect(&m_model, &ZatuInpForm::scrolled, this,
            [this] { m_grid->scrollToRow(m_model.DataGrid().topRow()); });
    connect(&m_model, &ZatuInpForm::changed, this, [this] {
        if (!m_model.isEditorVisible() && m_grid->isEditing())
            m_grid->cancelEditor();
    });
}

void ZatuInpFormView::editorTextChanged(const QString& text) {
    if (!m_grid->isEditing())
        return;
    const auto& grid = m_model.DataGrid();
    const bool taken = m_model.editorTextChanged(text);
    const QString& cell = grid.text(grid.currentRow(), grid.currentColumn());
    if (m_editor->text() != cell) { // refused, or stored in half-width
        const int cursor = m_editor->cursorPosition();
        m_editor->setText(cell);
        m_editor->setCursorPosition(qMin(cursor, int(cell.size())));
    }
    if (!taken && m_grid->isEditing())
        m_editor->setFocus(Qt::OtherFocusReason);
}

void ZatuInpFormView::openCurrentCell() {
    const auto& grid = m_model.DataGrid();
    const int row = grid.currentRow();
    const int column = grid.currentColumn();
    if (m_grid->isEditing())
        m_grid->cancelEditor(); // its text is already in its cell
    m_grid->setCurrentIndex(m_grid->model()->index(row, column));
    m_grid->activateCell(row, column);
}

bool ZatuInpFormView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_editor && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            m_model.editorKey(ZatuInpForm::EditorKey::Enter);
            return true; // swallowed, whether it moved or not
        }
        if (key->key() == Qt::Key_Left && (key->modifiers() & Qt::ShiftModifier))
            return m_model.editorKey(ZatuInpForm::EditorKey::ShiftLeft);
    }
    return QDialog::eventFilter(watched, event);
}

void ZatuInpFormView::reject() {
    if (m_model.isClosed())
        QDialog::reject();
    else
        m_model.command(ZatuInpForm::EndCommand);
}

void ZatuInpFormView::adjustColumnWidths() {
    // The sheet's widths suit a narrower font than the installed one: the number columns are widened
    // to hold their usual texts whole (the others show their texts whole at the sheet's widths).
    static const std::pair<int, QString> samples[] = {
        {secondary::CountCell, QStringLiteral("999")},
        {secondary::QuantityCell, QStringLiteral("9999.99")},
        {secondary::WeldThickCell, QStringLiteral("99")},
        {secondary::WeldLengthCell, QStringLiteral("99.99")},
        {secondary::WeldCountCell, QStringLiteral("999")},
        {secondary::WeldQuantityCell, QStringLiteral("9999.99")},
        {secondary::GirthCell, QStringLiteral("9.999")},
        {secondary::PaintCountCell, QStringLiteral("999")},
        {secondary::PaintQuantityCell, QStringLiteral("9999.99")}};
    const QFontMetrics metrics(m_grid->font());
    const int padding = metrics.horizontalAdvance(u'0');
    for (const auto& [column, sample] : samples)
        m_grid->setColumnWidth(
            column, std::max(m_grid->columnWidth(column), metrics.horizontalAdvance(sample) + padding));
    // On a narrow screen the two widest text columns give up what the window lacks.
    for (const int column : {secondary::SizeCell, secondary::LengthCell})
        m_grid->setColumnWidth(column, m_grid->columnWidth(column) - m_narrowing / 2);
}

void ZatuInpFormView::fitToScreen() {
    // The grid's full width, and a page of 38 rows under the two header rows where the screen allows.
    int gridWidth = 2 * m_grid->frameWidth() + m_grid->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < m_grid->model()->columnCount(); ++c)
        gridWidth += m_grid->isColumnHidden(c) ? 0 : m_grid->columnWidth(c);
    const int rowHeight = m_grid->verticalHeader()->defaultSectionSize();
    const int gridHeight = 2 * m_grid->frameWidth() + (ZatuInpForm::kPageRows + 2) * rowHeight;
    const QMargins margins = layout()->contentsMargins();
    QSize size(gridWidth + layout()->spacing() + minimumSizeHint().width() -
                   m_grid->minimumSizeHint().width(),
               gridHeight + margins.top() + margins.bottom());
    if (const QScreen* s = screen()) {
        const QRect available = s->availableGeometry();
        const QSize room = available.size() - QSize(16, 64);
        // At most a third of the two wide columns is given up; beyond that the grid scrolls.
        const int spare =
            (m_grid->columnWidth(secondary::SizeCell) + m_grid->columnWidth(secondary::LengthCell)) / 3;
        m_narrowing = std::clamp(size.width() - room.width(), 0, spare);
        if (m_narrowing > 0) {
            adjustColumnWidths();
            size.rwidth() -= m_narrowing / 2 * 2;
        }
        size = size.boundedTo(room);
        move(available.left() + (available.width() - size.width()) / 2, available.top());
    }
    resize(size);
}

void showZatuInpForm(QWidget* parent, AppState& state) {
    QtPrompter prompter(parent);
    QtFileChooser chooser(parent);
    QtPrinter printer(prompter, chooser, pdfPlace(state));
    QtWindowOpener opener(parent, state);
    ZatuInpForm model(state.shell, prompter, printer, opener);
    if (!model.open())
        return; // the work file could not be read: the message has been shown
    ZatuInpFormView view(model, parent);
    prompter.setParentWidget(&view);
    chooser.setParentWidget(&view);
    printer.setParentWidget(&view);
    opener.setParentWidget(&view);
    view.exec();
}

} // namespace tv::ui
