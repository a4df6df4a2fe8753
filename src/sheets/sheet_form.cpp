// The sheet windows' model: opening, selection, the entry dialog and the row commands.
#include "sheets/sheet_form.h"

#include "lists/list_files.h"
#include "services/grid_rows_step.h"
#include "sheets/column_entry_expansion.h"
#include "sheets/sheet_print.h"
#include "sheets/work_file.h"
#include "shell/missing_files.h"
#include "shell/working_files.h"

namespace tv::sheets {

using services::PromptAnswer;
using services::PromptButtons;

namespace {
const QString kConfirm = QStringLiteral("確認");
} // namespace

SheetForm::SheetForm(SheetKind kind, shell::ShellState& shell, lists::MemberLists& lists, Ports ports,
                     QObject* parent)
    : QObject(parent), m_traits(sheetTraits(kind)), m_shell(shell), m_lists(lists), m_ports(ports) {
    setUpSheetGrid(m_grid, kind);
}

QString SheetForm::commandCaption(int index) {
    static const QStringList captions{QStringLiteral("終了"),
                                      QStringLiteral("新規入力・修正"),
                                      QStringLiteral("空白行削除"),
                                      QStringLiteral("次ページ"),
                                      QStringLiteral("前ページ"),
                                      QStringLiteral("先頭ページ"),
                                      QStringLiteral("選択行を先頭にする"),
                                      QStringLiteral("入力説明"),
                                      QStringLiteral("空白行挿入"),
                                      QStringLiteral("選択行削除"),
                                      QStringLiteral("印刷")};
    return captions.value(index);
}

QString SheetForm::workFilePath() const {
    return m_shell.dataRoot.file(shell::kWorkDataFolder, m_traits.fileName);
}

bool SheetForm::open() {
    if (!shell::offerToCreateMissing({workFilePath()}, m_ports.prompter))
        return false;
    // The lists serve the entry dialog only; the sheet works without them.
    const services::Status lists = lists::LoadLists(m_shell.dataRoot, m_lists);
    if (!lists.ok())
        m_ports.prompter.tellFailure(lists.error);
    const services::Status loaded = loadSheet(m_grid, workFilePath());
    if (!loaded.ok()) {
        m_ports.prompter.tellFailure(loaded.error);
        return false;
    }
    m_selected = m_previous = m_highlighted = -1;
    m_grid.setTopRow(kFirstDataRow);
    Q_EMIT changed();
    return true;
}

void SheetForm::command(int index) {
    switch (index) {
    case Close:
        Q_EMIT closeRequested();
        break;
    case NewInput:
        newInput();
        break;
    case DeleteBlankRow:
        deleteBlankRow();
        break;
    case NextPage:
        nextPage();
        break;
    case PreviousPage:
        previousPage();
        break;
    case FirstPage:
        firstPage();
        break;
    case SelectedRowToTop:
        selectedRowToTop();
        break;
    case Help:
        showHelp();
        break;
    case InsertBlankRow:
        insertBlankRow();
        break;
    case DeleteEntry:
        deleteEntry();
        break;
    case Print:
        print();
        break;
    default:
        break;
    }
}

void SheetForm::clickRow(int row) {
    if (row < kFirstDataRow || row >= m_grid.rowCount())
        return;
    int first = row;
    if (!isEmptyRow(m_grid, row) && !startsEntry(m_grid, row)) {
        while (first > kFirstDataRow && !startsEntry(m_grid, first))
            --first;
    }
    const int unpainted = m_highlighted;
    select(first);
    Q_EMIT rowsRepainted(unpainted, m_selected);
}

void SheetForm::select(int row) {
    m_previous = m_selected;
    m_selected = row;
    paintSelection();
}

void SheetForm::paintSelection() {
    if (m_selected >= m_grid.rowCount())
        m_selected = -1;
    if (m_highlighted == m_selected)
        return;
    for (int c = kFirstCell; c <= kLastCell; ++c) {
        if (m_highlighted >= 0)
            m_grid.setBackColor(m_highlighted, c, std::nullopt);
        if (m_selected >= 0)
            m_grid.setBackColor(m_selected, c, kSelectedRowColor);
    }
    m_highlighted = m_selected;
}

bool SheetForm::requireSelection() {
    if (m_selected >= kFirstDataRow && m_selected < m_grid.rowCount())
        return true;
    m_ports.prompter.tell(QStringLiteral("入力する行を選択してください。"), kConfirm);
    return false;
}

void SheetForm::insertEmptyRows(int at, int count) {
    for (int i = 0; i < count; ++i)
        m_grid.insertRow(at);
    if (m_highlighted >= at)
        m_highlighted += count;
}

void SheetForm::removeRows(int first, int last) {
    for (int row = last; row >= first; --row)
        m_grid.removeRow(row);
    if (m_highlighted >= first && m_highlighted <= last)
        m_highlighted = -1;
    else if (m_highlighted > last)
        m_highlighted -= last - first + 1;
}

// Empties the entry's first row and removes its further rows, and any empty rows, down to the next
// entry; below the last entry, down to the last row with text.
void SheetForm::removeEntryBelow(int row) {
    for (int c = kFirstCell; c <= kLastCell; ++c)
        m_grid.setText(row, c, QString());
    int next = row + 1;
    while (next < m_grid.rowCount() && !startsEntry(m_grid, next))
        ++next;
    const int last = next < m_grid.rowCount() ? next - 1 : lastUsedRow(m_grid);
    if (last > row)
        removeRows(row + 1, last);
}

void SheetForm::beginChange() {
    m_rowsBefore = services::gridRows(m_grid, kFirstDataRow);
    m_selectionBefore = {m_selected, m_previous};
}

// Saves the change that beginChange() started, records it as one step when it changed any row (a
// save that failed is reported and the step kept, as the rows are), and redraws.
void SheetForm::finishChange() {
    saveAndShow();
    services::RowsChange change =
        services::diffRows(m_rowsBefore, services::gridRows(m_grid, kFirstDataRow), kFirstDataRow, 1);
    m_rowsBefore.clear();
    if (change.isEmpty())
        return;
    using Step = services::GridRowsStep<Selection>;
    m_history.record(std::make_unique<Step>(
        std::move(change), m_selectionBefore, Selection{m_selected, m_previous},
        [this](int first, int count, const QList<QStringList>& rows, const Selection& selection) {
            restoreRows(first, count, rows, selection);
        }));
}

void SheetForm::saveAndShow() {
    const services::Status saved = saveSheet(m_grid, workFilePath(), m_traits.tag.toString());
    if (!saved.ok())
        m_ports.prompter.tellFailure(saved.error);
    paintSelection();
    renumber(m_grid);
    Q_EMIT changed();
}

void SheetForm::restoreRows(int first, int count, const QList<QStringList>& rows, const Selection& selection) {
    select(-1); // unpaints the selected row while its index still holds
    services::replaceRows(m_grid, first, count, rows);
    m_selected = selection.selected;
    m_previous = selection.previous;
    saveAndShow();
}

QList<QStringList> SheetForm::entryRows(const EntryDialogResult& result) const {
    if (m_traits.kind == SheetKind::Column)
        return ExpandColumnEntry(result.payload);
    // The beam dialog lays out its rows; the entry kind and the texts stand on the first row only,
    // so that the block stays one entry whatever the rows hold.
    QList<QStringList> rows = result.rows;
    if (rows.isEmpty())
        rows.append(QStringList());
    for (qsizetype r = 0; r < rows.size(); ++r) {
        QStringList& row = rows[r];
        row.resize(kSheetColumns);
        row[0].clear();
        row[kKindColumn] = r == 0 ? m_traits.entryKind.toString() : QString();
        for (int i = 0; i < int(result.payload.size()); ++i)
            row[kFirstEntryText + i] = r == 0 ? result.payload[size_t(i)] : QString();
    }
    while (rows.size() > 1 && [&] {
        for (int c = kFirstCell; c <= kLastCell; ++c)
            if (!rows.last()[c].isEmpty())
                return false;
        return true;
    }())
        rows.removeLast();
    return rows;
}

void SheetForm::newInput() {
    if (!requireSelection())
        return;
    const int row = m_selected;
    const QString& kind = m_grid.text(row, kKindColumn);
    if (!kind.isEmpty() && kind != m_traits.entryKind) {
        m_ports.prompter.tell(QStringLiteral("選択行に%1以外の入力をする場合は、一旦削除してください。")
                                  .arg(m_traits.entryKind),
                              kConfirm);
        return;
    }
    EntryPayload payload;
    for (int i = 0; i < int(payload.size()); ++i)
        payload[size_t(i)] = m_grid.text(row, kFirstEntryText + i);
    const std::optional<EntryDialogResult> result = m_ports.dialog.edit(payload);
    beginChange();
    if (result && !result->payload[size_t(m_traits.payloadMainText)].isEmpty()) {
        const QList<QStringList> rows = entryRows(*result);
        int first = row;
        if (result->addAsNew && startsEntry(m_grid, row)) {
            // The opened entry stays; the new one follows its last row and becomes the selection.
            first = row + 1;
            while (first < m_grid.rowCount() && !startsEntry(m_grid, first) && !isEmptyRow(m_grid, first))
                ++first;
            insertEmptyRows(first, int(rows.size()));
            select(first);
        } else {
            removeEntryBelow(row);
            insertEmptyRows(row + 1, int(rows.size()) - 1);
        }
        for (int r = 0; r < rows.size(); ++r)
            for (int c = kFirstCell; c <= kLastCell; ++c)
                m_grid.setText(first + r, c, storedCellText(rows[r][c]));
    }
    ensureSpareRows(m_grid);
    finishChange();
}

void SheetForm::deleteBlankRow() {
    if (!requireSelection())
        return;
    if (!isEmptyRow(m_grid, m_selected)) {
        m_ports.prompter.tell(QStringLiteral("空白行ではないので削除できません。"), kConfirm);
        return;
    }
    beginChange();
    removeRows(m_selected, m_selected);
    finishChange();
}

void SheetForm::insertBlankRow() {
    if (!requireSelection())
        return;
    const int row = m_selected;
    beginChange();
    insertEmptyRows(row, 1);
    m_previous = row + 1;
    finishChange();
}

void SheetForm::deleteEntry() {
    if (!requireSelection())
        return;
    const int row = m_selected;
    if (startsEntry(m_grid, row)) {
        const QString question = m_grid.text(row, kKindColumn) + u'-' + m_grid.text(row, kFloorColumn) +
                                 QStringLiteral("階") + m_grid.text(row, kMarkColumn) +
                                 QStringLiteral("を削除します。");
        if (m_ports.prompter.ask(question, kConfirm, PromptButtons::OkCancel) != PromptAnswer::Ok)
            return;
    }
    beginChange();
    if (startsEntry(m_grid, row))
        removeEntryBelow(row);
    clearSelection();
    finishChange();
}

void SheetForm::nextPage() {
    clearSelection();
    const int top = m_grid.topRow();
    bool numbered = false;
    for (int row = top; row < top + kPageRows && row < m_grid.rowCount(); ++row)
        numbered = numbered || !m_grid.text(row, 0).isEmpty();
    if (numbered && top + kPageRows < m_grid.rowCount() - 1)
        m_grid.setTopRow(top + kPageRows);
    Q_EMIT changed();
}

void SheetForm::previousPage() {
    clearSelection();
    const int target = m_grid.topRow() - kPageRows;
    if (target >= kPageRows)
        m_grid.setTopRow(target);
    else if (target >= 1)
        m_grid.setTopRow(kFirstDataRow);
    Q_EMIT changed();
}

void SheetForm::firstPage() {
    clearSelection();
    m_grid.setTopRow(kFirstDataRow);
    Q_EMIT changed();
}

void SheetForm::selectedRowToTop() {
    if (m_selected >= kFirstDataRow)
        m_grid.setTopRow(m_selected);
    Q_EMIT changed();
}

void SheetForm::showHelp() {
    m_shell.project.helpFilePath = m_shell.dataRoot.file(shell::kInfoFolder, m_traits.helpFile);
    m_ports.opener.open(services::WindowId::InfoForm);
}

void SheetForm::print() {
    const QString title = m_traits.windowTitle.toString();
    const QString question = title + QStringLiteral("の入力を印刷します。\n"
                                                    "プリンターの電源を入れA4用紙をセット後OKしてください。\n"
                                                    "(通常使うプリンターに出力されます)");
    if (m_ports.prompter.ask(question, kConfirm, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    const services::Status printed = m_ports.printer.print(sheetPrintout(m_grid, m_traits.kind));
    if (!printed.ok()) {
        m_ports.prompter.tell(printed.error, QStringLiteral("印刷"));
        return;
    }
    m_ports.prompter.tell(QStringLiteral("終了しました。"), QStringLiteral("印刷"));
}

} // namespace tv::sheets
