// The column dialog's commands and cell editing over its model: row commands of the plate and
// coating grids, right clicks, where Enter moves, which editor a cell opens, and loading another
// entry's content through the entry picker.
#include "column_input/coating.h"
#include "column_input/hasira_inp_commands.h"
#include "column_input/plate_lines.h"
#include "support/scripted_prompter.h"

#include <QTest>

using namespace tv::column_input;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;
using tv::services::TextGrid;

namespace {

const QString kConfirm = u"確認"_s;

tv::lists::MemberLists sampleLists() {
    tv::lists::MemberLists lists;
    for (const QString& mark : {u"C1"_s, u"C2"_s})
        tv::lists::appendEntry(
            lists.HasiraList,
            tv::lists::HasiraListEntry{
                u"2"_s, mark, u"H鋼"_s, u"SN490C･H･400･200･8･13"_s, u"････"_s, u"････"_s, {}, {}});
    return lists;
}

// A dialog on a new entry with its commands; the picker hands back `picked`.
struct Fixture {
    tv::lists::MemberLists lists = sampleLists();
    tv::InputDialogState shared;
    ScriptedPrompter prompter;
    HasiraInpForm form{lists, shared,
                       ColumnReferenceLists{{u"HTB-F10T"_s, u"普通ボルト"_s},
                                            {u"M12"_s, u"M16"_s, u"M20"_s, u"M24"_s},
                                            {u"ベースプレート"_s, u"スチフナー"_s},
                                            {u"SS400"_s, u"SN490B"_s}},
                       prompter};
    PickedPayload picked;
    int pickerShown = 0;
    HasiraInpCommands commands{form,
                               prompter,
                               [this] {
                                   ++pickerShown;
                                   return picked;
                               },
                               {}};

    Fixture() { form.open({}); }

    // Fills data line `line` (0 to 4) of the plate or coating grid with a few typed cells.
    void fillLine(int which, int line, const QString& tag) {
        if (which == PlateGrid) {
            form.setPlateCell(kPlateFirstRow + line, PlateName, tag);
            form.setPlateCell(kPlateFirstRow + line, PlateCount, u"2"_s);
            form.setPlateCell(kPlateFirstRow + line, PlateWeldLength, u"250"_s);
        } else {
            form.pickCoatingKind(1 + line, u"吹付材"_s);
            form.setCoatingCell(1 + line, CoatingThickness, tag);
        }
    }
    const TextGrid& grid(int which) { return *commands.grid(which); }
    int firstRow(int which) const { return which == PlateGrid ? kPlateFirstRow : 1; }
    // Column 1 and the label of each data line, to follow lines as they move.
    QStringList lines(int which) {
        QStringList texts;
        for (int line = 0; line < kPlateLines; ++line) {
            const int row = firstRow(which) + line;
            const int column = which == PlateGrid ? int(PlateName) : int(CoatingThickness);
            texts.append(grid(which).text(row, 0) + u':' + grid(which).text(row, column));
        }
        return texts;
    }
};

} // namespace

class TestColumnInputCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowCommandsKeepFiveLines_data();
    void rowCommandsKeepFiveLines();
    void clearSelectedRowAsksAndRecomputesPlates();
    void rightClicksEmptyDataCellsOnly();
    void enterMovesAndCellEditors();
    void typedListCells_data();
    void typedListCells();
    void pickerListsFirstRowsOnly();
    void pickerSlotOrderPerCaller();
    void loadEnteredDataKeepsFloorAndMark();
};

void TestColumnInputCommands::rowCommandsKeepFiveLines_data() {
    QTest::addColumn<int>("which");
    QTest::newRow("plates") << int(PlateGrid);
    QTest::newRow("coating") << int(CoatingGrid);
}

void TestColumnInputCommands::rowCommandsKeepFiveLines() {
    QFETCH(int, which);
    Fixture f;
    f.fillLine(which, 0, u"10"_s);
    f.fillLine(which, 2, u"30"_s);
    const int first = f.firstRow(which);

    // Delete blank row on a filled line: nothing happens, nothing is said.
    f.commands.clickCell(which, first, 2);
    const QStringList before = f.lines(which);
    f.commands.deleteBlankRow(which);
    QCOMPARE(f.lines(which), before);

    // Insert on line 2 (empty): lines 2 to 4 move down by one, the last (empty) line drops off.
    f.commands.clickCell(which, first + 1, 2);
    f.commands.insertBlankRow(which);
    QCOMPARE(f.lines(which), (QStringList{u"1:10"_s, u"2:"_s, u"3:"_s, u"4:30"_s, u"5:"_s}));
    QCOMPARE(f.grid(which).rowCount(), first + kPlateLines);
    // The clicked line alone shows the selection colour.
    QCOMPARE(f.grid(which).backColor(first + 1, 1), (tv::services::Rgb{238, 252, 188}));
    QCOMPARE(f.grid(which).backColor(first, 1), (tv::services::Rgb{255, 255, 255}));

    // Delete blank row on line 2 takes it out and appends an empty line.
    f.commands.deleteBlankRow(which);
    QCOMPARE(f.lines(which), (QStringList{u"1:10"_s, u"2:"_s, u"3:30"_s, u"4:"_s, u"5:"_s}));

    // With the last line filled no line can be inserted.
    f.fillLine(which, 4, u"50"_s);
    const QStringList full = f.lines(which);
    f.prompter.expectOk(u"最下行に入力がありますので、挿入できません。"_s, kConfirm);
    f.commands.insertBlankRow(which);
    TV_VERIFY_PROMPTS(f.prompter);
    QCOMPARE(f.lines(which), full);

    // On a header row the commands do nothing and ask nothing.
    f.commands.grid(which)->setCurrent(0, 1);
    f.commands.clearSelectedRow(which);
    f.commands.deleteBlankRow(which);
    QCOMPARE(f.lines(which), full);
    TV_VERIFY_PROMPTS(f.prompter);
}

void TestColumnInputCommands::clearSelectedRowAsksAndRecomputesPlates() {
    Fixture f;
    f.fillLine(PlateGrid, 0, u"ベースプレート"_s);
    f.fillLine(PlateGrid, 1, u"平鋼"_s);
    const int row = kPlateFirstRow + 1;
    f.commands.clickCell(PlateGrid, row, PlateName);
    f.prompter.expect(u"選択行を削除します。"_s, kConfirm, PromptButtons::OkCancel, PromptAnswer::Cancel);
    f.commands.command(CommandClearPlateRow);
    QCOMPARE(f.grid(PlateGrid).text(row, PlateName), u"平鋼"_s);
    f.prompter.expect(u"選択行を削除します。"_s, kConfirm, PromptButtons::OkCancel, PromptAnswer::Ok);
    f.commands.command(CommandClearPlateRow);
    TV_VERIFY_PROMPTS(f.prompter);
    for (int column = 1; column < kPlateGridColumns; ++column)
        QVERIFY(f.grid(PlateGrid).text(row, column).isEmpty());
    QCOMPARE(f.grid(PlateGrid).text(row, 0), u"2"_s);
    QCOMPARE(f.grid(PlateGrid).text(kPlateFirstRow, PlateName), u"ベースプレート"_s);
}

void TestColumnInputCommands::rightClicksEmptyDataCellsOnly() {
    Fixture f;
    f.fillLine(PlateGrid, 0, u"ベースプレート"_s);
    const int row = kPlateFirstRow;
    // 2 plates × 250 mm: the computed weld quantity 0.50 empties on a right click and comes back at
    // the next change of the line.
    QCOMPARE(f.grid(PlateGrid).text(row, PlateWeldQuantity), u"0.50"_s);
    f.commands.rightClickCell(PlateGrid, row, PlateWeldQuantity);
    QVERIFY(f.grid(PlateGrid).text(row, PlateWeldQuantity).isEmpty());
    f.commands.typeText(PlateGrid, row, PlateWeldLength, u"300"_s);
    QCOMPARE(f.grid(PlateGrid).text(row, PlateWeldQuantity), u"0.60"_s);

    // Right clicks on header rows (and on the label column) change nothing.
    for (int header = 0; header < kPlateFirstRow; ++header)
        f.commands.rightClickCell(PlateGrid, header, PlateName);
    f.commands.rightClickCell(PlateGrid, row, 0);
    f.commands.rightClickCell(CoatingGrid, 0, CoatingKind);
    QCOMPARE(f.grid(PlateGrid).rowTexts(1), makePlateGrid().rowTexts(1));
    QCOMPARE(f.grid(PlateGrid).text(row, 0), u"1"_s);
    QCOMPARE(f.grid(CoatingGrid).rowTexts(0), makeCoatingGrid().rowTexts(0));

    f.fillLine(CoatingGrid, 0, u"20"_s);
    f.commands.rightClickCell(CoatingGrid, 1, CoatingThickness);
    QVERIFY(f.grid(CoatingGrid).text(1, CoatingThickness).isEmpty());
}

void TestColumnInputCommands::enterMovesAndCellEditors() {
    // Enter in the text fields: length → count → ロ部 places → length; joint and comment → length.
    QCOMPARE((QList<int>{inputAfterEnter(0), inputAfterEnter(1), inputAfterEnter(2), inputAfterEnter(3),
                         inputAfterEnter(4)}),
             (QList<int>{1, 3, 0, 0, 0}));
    // Plate editor: one column right from 規格 to 呼径, 締付L straight to 単位本, nowhere from 名称,
    // 単位本 or the last column.
    const QList<std::pair<int, int>> plateMoves{{1, -1},  {2, 3},   {6, 7},   {14, 15},
                                                {15, 17}, {16, -1}, {17, -1}, {18, -1}};
    for (const auto& [from, to] : plateMoves)
        QCOMPARE(plateColumnAfterEnter(from), to);
    // Coating editor: 厚 → 形状 → 単位L (or 糸尺 for shape "0") → 本, nowhere from 本.
    QCOMPARE(coatingColumnAfterEnter(CoatingThickness, {}), int(CoatingShape));
    QCOMPARE(coatingColumnAfterEnter(CoatingShape, u"3"_s), int(CoatingLength));
    QCOMPARE(coatingColumnAfterEnter(CoatingShape, u"0"_s), int(CoatingGirth));
    QCOMPARE(coatingColumnAfterEnter(CoatingGirth, {}), int(CoatingLength));
    QCOMPARE(coatingColumnAfterEnter(CoatingLength, {}), int(CoatingCount));
    QCOMPARE(coatingColumnAfterEnter(CoatingCount, {}), -1);

    using Kind = CellEditor::Kind;
    QCOMPARE(plateCellEditor(PlateGrade), (CellEditor{Kind::List, KouhoPlateGrade}));
    QCOMPARE(plateCellEditor(PlateBoltKind), (CellEditor{Kind::List, KouhoBoltKind}));
    QCOMPARE(plateCellEditor(PlateBoltGrip), (CellEditor{Kind::Text, -1}));
    for (int computed : {PlateWeldThickness, PlateWeldQuantity, PlateBoltLength, PlateBoltCount})
        QCOMPARE(plateCellEditor(computed).kind, Kind::None);
    QCOMPARE(coatingCellEditor(CoatingKind), (CellEditor{Kind::List, KouhoCoatingKind}));
    QCOMPARE(coatingCellEditor(CoatingGirth).kind, Kind::None);
    QCOMPARE(coatingCellEditor(CoatingShape).kind, Kind::Text);
    QCOMPARE(weldCellEditor(3), (CellEditor{Kind::List, KouhoWeldSides}));
    QCOMPARE(weldCellEditor(4).kind, Kind::None);

    // Picking in the plate grid moves one column right, in the coating grid to 厚.
    Fixture f;
    f.commands.clickCell(PlateGrid, kPlateFirstRow, PlateGrade);
    f.commands.pickItem(PlateGrid, kPlateFirstRow, PlateGrade, u"SS400"_s);
    QCOMPARE(f.grid(PlateGrid).currentColumn(), int(PlateThickness));
    f.commands.pickItem(CoatingGrid, 2, CoatingKind, u"板材"_s);
    QCOMPARE(f.grid(CoatingGrid).currentRow(), 2);
    QCOMPARE(f.grid(CoatingGrid).currentColumn(), int(CoatingThickness));
    QCOMPARE(f.grid(CoatingGrid).text(2, CoatingKind), u"板材"_s);
}

namespace {

// A sheet grid of two header rows and 29 columns; each entry's first row holds its number.
TextGrid sheetWith(const QList<QStringList>& rows) {
    TextGrid sheet(2, 29);
    for (const QStringList& row : rows)
        sheet.insertRow(sheet.rowCount(), row);
    return sheet;
}

QStringList entryRow(const QString& number, const QString& mark) {
    QStringList cells(29);
    cells[0] = number;
    cells[2] = u"2"_s;
    cells[3] = mark;
    cells[4] = mark + u"-comment"_s;
    for (int c = 24; c <= 28; ++c)
        cells[c] = mark + u"-cell"_s + QString::number(c);
    return cells;
}

} // namespace

// A cell that takes the items of its list takes exactly the item whose text was typed; other text
// is refused with a message naming the column and the cell keeps what it had.
void TestColumnInputCommands::typedListCells_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored"); // empty: refused
    QTest::addColumn<QString>("caption");
    const int plates = PlateGrid, welds = FirstWeldGrid, coating = CoatingGrid;
    QTest::newRow("an item typed, not the list's first")
        << plates << int(PlateBoltDiameter) << u"M24"_s << u"M24"_s << u"呼径"_s;
    QTest::newRow("full width and another case name the item")
        << plates << int(PlateBoltDiameter) << u" ｍ２４"_s << u"M24"_s << u"呼径"_s;
    QTest::newRow("a diameter not in the list")
        << plates << int(PlateBoltDiameter) << u"M27"_s << u""_s << u"呼径"_s;
    QTest::newRow("a bolt kind") << plates << int(PlateBoltKind) << u"普通ボルト"_s << u"普通ボルト"_s
                                 << u"規格"_s;
    QTest::newRow("part of a bolt kind") << plates << int(PlateBoltKind) << u"F10T"_s << u""_s << u"規格"_s;
    QTest::newRow("a weld joint type") << welds << 2 << u"fl"_s << u"FL"_s << u"継手"_s;
    QTest::newRow("a weld side count out of the list") << welds << 3 << u"3"_s << u""_s << u"面"_s;
    QTest::newRow("a weld joint picked with its meaning")
        << welds << 2 << u"B  突合せ（完全溶込み）"_s << u"B"_s << u"継手"_s;
    QTest::newRow("a plate's weld method picked with its meaning")
        << plates << int(PlateWeldMethod) << u"A  自動"_s << u"A"_s << u"工法"_s;
    QTest::newRow("a meaning alone names no code") << welds << 1 << u"自動"_s << u""_s << u"工法"_s;
    QTest::newRow("a coating kind") << coating << int(CoatingKind) << u"板材"_s << u"板材"_s << u"種類"_s;
}

void TestColumnInputCommands::typedListCells() {
    QFETCH(int, which);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(QString, caption);
    Fixture f;
    f.form.setKaiTx(u"2"_s);
    f.form.chooseMark(1);
    const int row = which == PlateGrid ? kPlateFirstRow : 1;
    f.commands.clickCell(which, row, column);
    QVERIFY(f.commands.pickItem(which, row, column, f.form.KouhoList(cellEditor(which, column).list)[0]));
    const QString before = f.grid(which).text(row, column);
    f.commands.clickCell(which, row, column);
    if (stored.isEmpty())
        f.prompter.expectOk(u"「%1」は「%2」の一覧にありません。\n一覧の中から選んでください。"_s.arg(
                                typed.trimmed(), caption),
                            kConfirm);
    QCOMPARE(f.commands.pickItem(which, row, column, typed), !stored.isEmpty());
    QCOMPARE(f.grid(which).text(row, column), stored.isEmpty() ? before : stored);
    // Nothing typed is no choice: no message, no change.
    QVERIFY(!f.commands.pickItem(which, row, column, u" "_s));
    TV_VERIFY_PROMPTS(f.prompter);
}

void TestColumnInputCommands::pickerListsFirstRowsOnly() {
    ScriptedPrompter prompter;
    // No entries: the header row only, and OK asks for a choice and stays open.
    MaeInpForm empty(sheetWith({}), ColumnPicker, prompter);
    QCOMPARE(empty.KouhoGrid().rowCount(), 1);
    QCOMPARE(empty.KouhoGrid().rowTexts(0).mid(1, 3), (QStringList{u"階"_s, u"符号"_s, u"位置/ｺﾒﾝﾄ"_s}));
    prompter.expectOk(u"選択してください。"_s, kConfirm);
    QVERIFY(!empty.ok());
    QVERIFY(!empty.isClosed());

    // Continuation rows (column 0 empty) and the header rows are not listed.
    QStringList continuation(29);
    continuation[3] = u"X"_s;
    continuation[28] = u"stray"_s;
    MaeInpForm picker(
        sheetWith({entryRow(u"1"_s, u"C1"_s), continuation, continuation, entryRow(u"2"_s, u"C2"_s)}),
        ColumnPicker, prompter);
    QCOMPARE(picker.KouhoGrid().rowCount(), 3);
    QCOMPARE(picker.KouhoGrid().rowTexts(2).mid(0, 4),
             (QStringList{u"2"_s, u"2"_s, u"C2"_s, u"C2-comment"_s}));
    picker.clickRow(0); // the header row selects nothing
    QCOMPARE(picker.selectedRow(), -1);
    // Cancel after a selection hands back nothing.
    picker.clickRow(2);
    picker.cancel();
    QVERIFY(picker.isClosed());
    QVERIFY(picker.Picked()[0].isEmpty());
    TV_VERIFY_PROMPTS(prompter);
}

void TestColumnInputCommands::pickerSlotOrderPerCaller() {
    ScriptedPrompter prompter;
    const TextGrid sheet = sheetWith({entryRow(u"1"_s, u"C1"_s), entryRow(u"2"_s, u"G1"_s)});
    // The column dialog gets the cells 25, 26, 27, 28, 24 (main record first, paint list last); the
    // beam dialog the cells from the last backwards, then 24.
    const QList<std::pair<int, QList<int>>> cases{{ColumnPicker, {25, 26, 27, 28, 24}},
                                                  {BeamPicker, {28, 27, 26, 25, 24}}};
    for (const auto& [source, cells] : cases) {
        MaeInpForm picker(sheet, source, prompter);
        picker.clickRow(1);
        picker.clickRow(2);
        QCOMPARE(picker.KouhoGrid().backColor(1, 1), (tv::services::Rgb{255, 255, 255}));
        QCOMPARE(picker.KouhoGrid().backColor(2, 1), (tv::services::Rgb{238, 252, 188}));
        QVERIFY(picker.ok());
        for (int slot = 0; slot < 5; ++slot)
            QCOMPARE(picker.Picked()[slot], u"G1-cell"_s + QString::number(cells[slot]));
    }
}

void TestColumnInputCommands::loadEnteredDataKeepsFloorAndMark() {
    // The content of C1 as the dialog packs it: length 3000, count 2, one plate line.
    Fixture source;
    source.form.setKaiTx(u"2"_s);
    source.form.chooseMark(1);
    source.form.setInpTx(LengthInput, u"3000"_s);
    source.form.setInpTx(CountInput, u"2"_s);
    source.form.setInpTx(SecondPlacesInput, u"4"_s);
    source.fillLine(PlateGrid, 0, u"ベースプレート"_s);
    source.form.setPlateCell(kPlateFirstRow, PlateGrade, u"SS400"_s);
    QVERIFY(source.form.ok());
    const ColumnEntryTexts c1 = source.form.EntryPayload();

    Fixture f;
    f.picked = {c1.EntryMainRecord, c1.EntryWeldListA, c1.EntryWeldListB, c1.EntryPlateList,
                c1.EntryPaintList};
    // Without floor or mark the picker does not open.
    f.form.setKaiTx({});
    f.prompter.expectOk(u"階を入力してください。"_s, kConfirm);
    f.commands.command(CommandLoadEntered);
    f.form.setKaiTx(u"2"_s);
    f.prompter.expectOk(u"符号を選択してください。"_s, kConfirm);
    f.commands.command(CommandLoadEntered);
    QCOMPARE(f.pickerShown, 0);

    f.form.chooseMark(2);
    f.commands.command(CommandLoadEntered);
    TV_VERIFY_PROMPTS(f.prompter);
    QCOMPARE(f.pickerShown, 1);
    QCOMPARE(f.form.InfoGd(3), u"C2"_s);
    QCOMPARE(f.form.InfoGd(2), u"2階"_s);
    QCOMPARE(f.form.InpTx(LengthInput), u"3000"_s);
    QCOMPARE(f.form.InpTx(CountInput), u"2"_s);
    QCOMPARE(f.form.DataGrid(2).rowTexts(kPlateFirstRow), source.form.DataGrid(2).rowTexts(kPlateFirstRow));

    // An empty pick (Cancel in the picker) loads nothing; nor does an entry with more weld rows
    // than the grids hold, which is named in the message.
    f.form.setInpTx(CountInput, u"5"_s);
    f.picked = {};
    f.commands.command(CommandLoadEntered);
    QCOMPARE(f.form.InpTx(CountInput), u"5"_s);
    f.picked = {c1.EntryMainRecord, QStringList(9 * 7, u"H"_s).join(u'･'), c1.EntryWeldListB,
                c1.EntryPlateList, c1.EntryPaintList};
    f.prompter.expectOk(u"2階C1の溶接は8行を超えているため、読み込めません。"_s, kConfirm);
    f.commands.command(CommandLoadEntered);
    TV_VERIFY_PROMPTS(f.prompter);
    QCOMPARE(f.form.InpTx(CountInput), u"5"_s);
    QCOMPARE(f.form.EntryPayload().EntryWeldListA, c1.EntryWeldListA); // as the last load left it
    QVERIFY(f.form.ok());
    QVERIFY(f.form.EntryPayload().EntryMainRecord.contains(u"C2"_s));
}

QTEST_GUILESS_MAIN(TestColumnInputCommands)
#include "tst_column_input_commands.moc"
