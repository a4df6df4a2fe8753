// HasiraInpCommands: commands, Enter moves, cell editors and row commands of the column dialog.
#include "column_input/hasira_inp_commands.h"

#include "column_input/coating.h"
#include "column_input/plate_lines.h"
#include "column_input/weld_rows.h"
#include "registries/input_codes.h"
#include "services/text.h"
#include "services/typed_text.h"

namespace tv::column_input {

namespace {

const QString kConfirm = QStringLiteral("確認");
constexpr services::Rgb kWhite{255, 255, 255};
constexpr services::Rgb kSelectedRowColor{238, 252, 188};

CellEditor list(int index) {
    return {CellEditor::Kind::List, index};
}

CellEditor text() {
    return {CellEditor::Kind::Text, -1};
}

} // namespace

QString hasiraCommandCaption(int index) {
    static const char16_t* const captions[kHasiraCommands] = {
        u"OK",         u"キャンセル",     u"入力済データ読込", u"選択行入力削除", u"空白行削除",
        u"空白行挿入", u"選択行入力削除", u"空白行削除",       u"空白行挿入",     u"入力説明"};
    return index >= 0 && index < kHasiraCommands ? QString::fromUtf16(captions[index]) : QString();
}

int inputAfterEnter(int index) {
    switch (index) {
    case LengthInput:
        return CountInput;
    case CountInput:
        return SecondPlacesInput;
    default:
        return LengthInput;
    }
}

int plateColumnAfterEnter(int column) {
    if (column >= PlateGrade && column <= PlateBoltDiameter)
        return column + 1;
    if (column == PlateBoltGrip)
        return PlateBoltsPerPlate;
    return -1;
}

int coatingColumnAfterEnter(int column, const QString& shapeText) {
    switch (column) {
    case CoatingThickness:
        return CoatingShape;
    case CoatingShape:
        return shapeText == QStringLiteral("0") ? CoatingGirth : CoatingLength;
    case CoatingGirth:
        return CoatingLength;
    case CoatingLength:
        return CoatingCount;
    default:
        return -1;
    }
}

CellEditor plateCellEditor(int column) {
    switch (column) {
    case PlateName:
        return list(KouhoPlateName);
    case PlateGrade:
        return list(KouhoPlateGrade);
    case PlateWeldMethod:
        return list(KouhoWeldMethod);
    case PlateWeldJoint:
        return list(KouhoWeldJoint);
    case PlateWeldSides:
        return list(KouhoWeldSides);
    case PlateBoltKind:
        return list(KouhoBoltKind);
    case PlateBoltDiameter:
        return list(KouhoBoltDiameter);
    case PlateThickness:
    case PlateWidth:
    case PlateLength:
    case PlateCount:
    case PlateWeldLength:
    case PlateBoltGrip:
    case PlateBoltsPerPlate:
        return text();
    default:
        return {};
    }
}

CellEditor coatingCellEditor(int column) {
    if (column == CoatingKind)
        return list(KouhoCoatingKind);
    if (column == CoatingGirth || column < CoatingKind || column >= kCoatingGridColumns)
        return {};
    return text();
}

CellEditor weldCellEditor(int column) {
    switch (column) {
    case WeldMethod:
        return list(KouhoWeldMethod);
    case WeldJoint:
        return list(KouhoWeldJoint);
    case WeldSides:
        return list(KouhoWeldSides);
    default:
        return {};
    }
}

CellEditor cellEditor(int which, int column) {
    switch (which) {
    case FirstWeldGrid:
    case SecondWeldGrid:
        return weldCellEditor(column);
    case PlateGrid:
        return plateCellEditor(column);
    case CoatingGrid:
        return coatingCellEditor(column);
    default:
        return {};
    }
}

HasiraInpCommands::HasiraInpCommands(HasiraInpForm& form, services::Prompter& prompter, Picker picker,
                                     HelpViewer help)
    : m_form(form), m_prompter(prompter), m_picker(std::move(picker)), m_help(std::move(help)) {}

void HasiraInpCommands::command(int index) {
    switch (index) {
    case CommandOk:
        m_form.ok();
        break;
    case CommandCancel:
        m_form.cancel();
        break;
    case CommandLoadEntered:
        loadEnteredData();
        break;
    case CommandClearPlateRow:
    case CommandClearCoatingRow:
        clearSelectedRow(index == CommandClearPlateRow ? PlateGrid : CoatingGrid);
        break;
    case CommandDeleteBlankPlateRow:
    case CommandDeleteBlankCoatingRow:
        deleteBlankRow(index == CommandDeleteBlankPlateRow ? PlateGrid : CoatingGrid);
        break;
    case CommandInsertBlankPlateRow:
    case CommandInsertBlankCoatingRow:
        insertBlankRow(index == CommandInsertBlankPlateRow ? PlateGrid : CoatingGrid);
        break;
    case CommandHelp:
        if (m_help)
            m_help();
        break;
    default:
        break;
    }
}

void HasiraInpCommands::loadEnteredData() {
    if (m_form.KaiTx().isEmpty()) {
        m_prompter.tell(QStringLiteral("階を入力してください。"), kConfirm);
        return;
    }
    if (m_form.InfoGd(3).isEmpty()) {
        m_prompter.tell(QStringLiteral("符号を選択してください。"), kConfirm);
        return;
    }
    if (!m_picker)
        return;
    const PickedPayload picked = m_picker();
    if (picked[0].isEmpty())
        return;
    HasiraInpForm::RecordedChange change(m_form.m_snapshots);
    ColumnEntryTexts texts;
    texts.EntryMainRecord = picked[0];
    texts.EntryWeldListA = picked[1];
    texts.EntryWeldListB = picked[2];
    texts.EntryPlateList = picked[3];
    texts.EntryPaintList = picked[4];
    const ColumnEntryTexts own = m_form.EntryPayload();
    m_form.setEntryPayload(texts);
    if (!m_form.DataReadProc(ReadPickedEntry))
        m_form.setEntryPayload(own);
}

services::TextGrid* HasiraInpCommands::grid(int which) {
    switch (which) {
    case FirstWeldGrid:
    case SecondWeldGrid:
    case PlateGrid:
        return &m_form.m_dataGrid[which];
    case CoatingGrid:
        return &m_form.m_hifukuGrid;
    case MarkGrid:
        return &m_form.m_indexGrid;
    default:
        return nullptr;
    }
}

int HasiraInpCommands::firstDataRow(int which) const {
    return which == PlateGrid ? kPlateFirstRow : 1;
}

int HasiraInpCommands::lastDataColumn(int which) const {
    return which == PlateGrid ? kPlateGridColumns - 1 : kCoatingGridColumns - 1;
}

bool HasiraInpCommands::isDataRow(int which, int row) const {
    const int first = firstDataRow(which);
    return (which == PlateGrid || which == CoatingGrid) && row >= first && row < first + kPlateLines;
}

bool HasiraInpCommands::rowIsFilled(int which, int row) const {
    const services::TextGrid& g = *const_cast<HasiraInpCommands*>(this)->grid(which);
    for (int column = 1; column <= lastDataColumn(which); ++column) {
        if (!g.text(row, column).isEmpty())
            return true;
    }
    return false;
}

void HasiraInpCommands::highlightRow(int which, int row) {
    services::TextGrid& g = *grid(which);
    const int first = firstDataRow(which);
    for (int r = first; r < first + kPlateLines; ++r) {
        for (int column = 1; column < g.columnCount(); ++column)
            g.setBackColor(r, column, r == row ? kSelectedRowColor : kWhite);
    }
}

void HasiraInpCommands::renumber(int which) {
    services::TextGrid& g = *grid(which);
    const int first = firstDataRow(which);
    for (int line = 0; line < kPlateLines; ++line)
        g.setText(first + line, 0, QString::number(line + 1));
}

CellEditor HasiraInpCommands::clickCell(int which, int row, int column) {
    services::TextGrid* g = grid(which);
    if (!g || row < g->fixedRows() || row >= g->rowCount() || column < 1 || column >= g->columnCount())
        return {};
    g->setCurrent(row, column);
    m_form.m_history.endStep(); // typing into the cell now is a step of its own
    if (which == PlateGrid || which == CoatingGrid) {
        highlightRow(which, row);
        Q_EMIT m_form.changed();
    }
    return cellEditor(which, column);
}

bool HasiraInpCommands::pickItem(int which, int row, int column, const QString& typed) {
    // A pick from the list, or the text of an item typed into the cell: either way the cell takes
    // the item itself; text that names no item changes nothing.
    const CellEditor editor = cellEditor(which, column);
    services::TextGrid* g = grid(which);
    if (editor.kind != CellEditor::Kind::List || !g)
        return false;
    const std::optional<QString> chosen = services::ItemTyped(m_form.KouhoList(editor.list), typed);
    if (!chosen) {
        if (!services::Trim(typed).isEmpty())
            m_prompter.tell(services::notAnItemMessage(typed, g->text(g->fixedRows() - 1, column)), kConfirm);
        return false;
    }
    // An explained weld code ("T  T継手（完全溶込み）") is stored as its code.
    const QString item = registries::storedCode(*chosen);
    HasiraInpForm::RecordedChange change(m_form.m_snapshots);
    switch (which) {
    case FirstWeldGrid:
    case SecondWeldGrid:
        m_form.pickWeldCell(which, row, column, item);
        break;
    case PlateGrid:
        if (column < kPlateGridColumns - 1)
            grid(which)->setCurrent(row, column + 1);
        m_form.setPlateCell(row, column, item);
        break;
    case CoatingGrid:
        grid(which)->setCurrent(row, CoatingThickness);
        m_form.pickCoatingKind(row, item);
        break;
    default:
        break;
    }
    return true;
}

void HasiraInpCommands::typeText(int which, int row, int column, const QString& text) {
    if (which == PlateGrid)
        m_form.setPlateCell(row, column, text);
    else if (which == CoatingGrid)
        m_form.setCoatingCell(row, column, text);
}

bool HasiraInpCommands::rightClickCell(int which, int row, int column) {
    if (!isDataRow(which, row) || column < 1 || column > lastDataColumn(which))
        return false;
    if (which == PlateGrid)
        m_form.clearPlateCell(row, column);
    else
        m_form.clearCoatingCell(row, column);
    return true;
}

void HasiraInpCommands::clearSelectedRow(int which) {
    const int row = grid(which)->currentRow();
    if (!isDataRow(which, row))
        return;
    if (m_prompter.ask(QStringLiteral("選択行を削除します。"), kConfirm, services::PromptButtons::OkCancel) !=
        services::PromptAnswer::Ok)
        return;
    HasiraInpForm::RecordedChange change(m_form.m_snapshots);
    services::TextGrid& g = *grid(which);
    for (int column = 1; column <= lastDataColumn(which); ++column)
        g.setText(row, column, QString());
    if (which == PlateGrid)
        recomputePlateLines(g);
    Q_EMIT m_form.changed();
}

void HasiraInpCommands::deleteBlankRow(int which) {
    services::TextGrid& g = *grid(which);
    const int row = g.currentRow();
    if (!isDataRow(which, row) || rowIsFilled(which, row))
        return;
    HasiraInpForm::RecordedChange change(m_form.m_snapshots);
    g.removeRow(row);
    g.insertRow(firstDataRow(which) + kPlateLines - 1);
    renumber(which);
    highlightRow(which, row);
    Q_EMIT m_form.changed();
}

void HasiraInpCommands::insertBlankRow(int which) {
    services::TextGrid& g = *grid(which);
    const int row = g.currentRow();
    const int last = firstDataRow(which) + kPlateLines - 1;
    if (rowIsFilled(which, last)) {
        m_prompter.tell(QStringLiteral("最下行に入力がありますので、挿入できません。"), kConfirm);
        return;
    }
    if (!isDataRow(which, row))
        return;
    HasiraInpForm::RecordedChange change(m_form.m_snapshots);
    g.removeRow(last);
    g.insertRow(row);
    renumber(which);
    highlightRow(which, row);
    Q_EMIT m_form.changed();
}

} // namespace tv::column_input
