// A column entered through the column dialog model on the column sheet: the rows the sheet lays out
// from the dialog's texts, the work file, and the entry reloaded and reopened unchanged.
#include "column_input/column_entry_dialog.h"
#include "lists/list_files.h"
#include "registries/reference_lists.h"
#include "sheets/sheet_form.h"
#include "sheets/sheet_layout.h"
#include "shell/record_file.h"
#include "support/recording_printer.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>
#include <memory>

using namespace tv::column_input;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

class NoWindows : public tv::services::WindowOpener {
public:
    bool open(tv::services::WindowId) override { return false; }
};

// One sheet row as the cells that hold text, column → text (columns 1 to 23).
using Cells = std::map<int, QString>;

Cells visibleCells(const tv::services::TextGrid& grid, int row) {
    Cells cells;
    for (int column = 1; column <= 23; ++column) {
        if (!grid.text(row, column).isEmpty())
            cells[column] = grid.text(row, column);
    }
    return cells;
}

// The user of the dialog: column C2 of floor 2 (H with one cut T), two plates, one coating line.
void enterC2(HasiraInpForm& form) {
    form.chooseMark(2);
    QCOMPARE(form.InfoGd(3), u"C2"_s);
    form.setInpTx(LengthInput, u"3500"_s);
    form.setInpTx(CountInput, u"2"_s);
    form.setInpTx(SecondPlacesInput, u"4"_s);
    form.setInpTx(CommentInput, u"X1-Y2"_s);
    form.setJointCh(true);
    form.setInpTx(JointMarkInput, u"J1"_s);
    const QList<QStringList> plates{{u"ベースプレート"_s,
                                     u"SN490B"_s,
                                     u"36"_s,
                                     u"500"_s,
                                     u"500"_s,
                                     u"2"_s,
                                     u"H"_s,
                                     u"L"_s,
                                     u"1"_s,
                                     {},
                                     u"1600"_s,
                                     {},
                                     u"A.BOLT(1)"_s,
                                     u"M24"_s,
                                     u"600"_s,
                                     {},
                                     u"4"_s},
                                    {u"平鋼"_s,
                                     u"SS400"_s,
                                     u"9"_s,
                                     u"65"_s,
                                     u"300"_s,
                                     u"4"_s,
                                     {},
                                     {},
                                     {},
                                     {},
                                     {},
                                     {},
                                     u"HTB-F10T"_s,
                                     u"M20"_s,
                                     u"40"_s,
                                     {},
                                     u"2"_s}};
    for (int line = 0; line < plates.size(); ++line) {
        for (int column = 1; column <= plates[line].size(); ++column) {
            if (!plates[line][column - 1].isEmpty())
                form.setPlateCell(2 + line, column, plates[line][column - 1]);
        }
    }
    form.pickCoatingKind(1, u"吹付材"_s);
    form.setCoatingCell(1, 2, u"20"_s);
    form.setCoatingCell(1, 3, u"1"_s);
    form.setCoatingCell(1, 5, u"3000"_s);
    form.setCoatingCell(1, 6, u"2"_s);
    QVERIFY(form.ok());
}

} // namespace

class TestColumnOnTheSheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enteredColumnExpandsSavesAndReloads();
    void otherMarkReplacesOrAddsAsAsked_data();
    void otherMarkReplacesOrAddsAsAsked();
};

void TestColumnOnTheSheet::enteredColumnExpandsSavesAndReloads() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    makeDataRoot(dir.path());
    tv::shell::ShellState shell;
    shell.dataRoot = tv::shell::DataRoot(dir.path());
    writeCp932Lines(shell.dataRoot.file(tv::shell::kSetFolder, tv::registries::kHtbKataFile),
                    {u"HTB-F10T"_s});
    tv::lists::MemberLists lists;
    const QString h = u"SN490C･H･400･200･8･13"_s;
    for (const QString& mark : {u"C1"_s, u"C2"_s}) {
        tv::lists::appendEntry(
            lists.HasiraList, tv::lists::HasiraListEntry{u"2"_s,
                                                         mark,
                                                         u"H鋼"_s,
                                                         h,
                                                         mark == u"C2" ? u"SN490B･200･150･9･12"_s : u"････"_s,
                                                         u"････"_s,
                                                         {},
                                                         {}});
    }
    QVERIFY(tv::lists::SaveLists(shell.dataRoot, lists).ok());

    tv::lists::MemberLists sheetLists; // the sheet loads the lists when it opens
    tv::InputDialogState shared;
    shared.LastFloor = u"2"_s;
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    NoWindows windows;
    ColumnEntryDialog dialog(shell.dataRoot, sheetLists, shared, prompter, enterC2);
    tv::sheets::MainInputForm sheet(shell, sheetLists, {prompter, printer, windows, dialog});
    QVERIFY(sheet.open());
    const int first = tv::sheets::kFirstDataRow;
    sheet.clickRow(first);
    sheet.newInput();
    TV_VERIFY_PROMPTS(prompter);

    // Row by row, as the sheet lays out the dialog's texts:
    const QList<Cells> expected{
        // entry number; 柱, floor, mark, comment; main member SN490C H-400×200×8×13, length and count;
        // joint J1; イ部 weld 1 (2 × 0.400 = 0.80); painted with girth 2.27 (2266 mm) and area
        // 3.5 × 2.27 × 2 = 15.89; the base plate's anchor bolts: length 600, 2 plates × 4 = 8
        {{1, u"柱"_s},
         {2, u"2"_s},
         {3, u"C2"_s},
         {4, u"X1-Y2"_s},
         {5, u"SN490C"_s},
         {6, u"H鋼"_s},
         {7, u"H-400×200×8×13"_s},
         {8, u"3500"_s},
         {9, u"2"_s},
         {10, u"J1"_s},
         {11, u"1"_s},
         {12, u"H"_s},
         {13, u"T"_s},
         {14, u"1"_s},
         {15, u"13"_s},
         {16, u"0.80"_s},
         {17, u"塗装有"_s},
         {18, u"2.27"_s},
         {19, u"15.89"_s},
         {20, u"A.BOLT(1)"_s},
         {21, u"M24"_s},
         {22, u"600"_s},
         {23, u"8"_s}},
        // the cut T with the same length and count; イ部 weld 2 (2 × 0.374 = 0.748); the coating line
        // 吹付材 20 mm, girth 0.592, area 592 × 3.000 × 0.002; the flat bar's bolts: 40 + 30 = 70 long,
        // 4 × 2 = 8
        {{5, u"SN490B"_s},
         {6, u"CT鋼"_s},
         {7, u"CT-200×150×9×12"_s},
         {8, u"3500"_s},
         {9, u"2"_s},
         {12, u"H"_s},
         {13, u"F"_s},
         {14, u"2"_s},
         {15, u"8"_s},
         {16, u"0.75"_s},
         {17, u"吹付材:20"_s},
         {18, u"0.592"_s},
         {19, u"3.552"_s},
         {20, u"HTB-F10T"_s},
         {21, u"M20"_s},
         {22, u"70"_s},
         {23, u"8"_s}},
        // the base plate, 2 of them; イ部 weld 3: the CT flange, b2 150 mm × 2
        {{5, u"SN490B"_s},
         {6, u"BASE.PL"_s},
         {7, u"PL-36×500×500"_s},
         {9, u"2"_s},
         {12, u"H"_s},
         {13, u"T"_s},
         {14, u"1"_s},
         {15, u"12"_s},
         {16, u"0.30"_s}},
        // the flat bar with its length in column 8; イ部 weld 4: the CT web, 188 mm × 2 = 0.376
        {{5, u"SS400"_s},
         {6, u"FLB.PL"_s},
         {7, u"FLB-9×65"_s},
         {8, u"300"_s},
         {9, u"4"_s},
         {12, u"H"_s},
         {13, u"F"_s},
         {14, u"2"_s},
         {15, u"9"_s},
         {16, u"0.38"_s}},
        // イ部 weld 5: the CT along the length, 3.500 m × 2
        {{12, u"H"_s}, {13, u"F"_s}, {14, u"2"_s}, {15, u"9"_s}, {16, u"7.00"_s}},
        // ロ部 welds with 4 places: 1.60, 1.496 → 1.50, 0.60, 0.752 → 0.75
        {{12, u"H"_s}, {13, u"T"_s}, {14, u"1"_s}, {15, u"13"_s}, {16, u"1.60"_s}},
        {{12, u"H"_s}, {13, u"F"_s}, {14, u"2"_s}, {15, u"8"_s}, {16, u"1.50"_s}},
        {{12, u"H"_s}, {13, u"T"_s}, {14, u"1"_s}, {15, u"12"_s}, {16, u"0.60"_s}},
        {{12, u"H"_s}, {13, u"F"_s}, {14, u"2"_s}, {15, u"9"_s}, {16, u"0.75"_s}},
        // the base plate's weld: (厚) 36, 1600 mm × 2 plates = 3.20 m
        {{12, u"H"_s}, {13, u"L"_s}, {14, u"1"_s}, {15, u"36"_s}, {16, u"3.20"_s}},
    };
    const tv::services::TextGrid& grid = sheet.DataGrid();
    for (int i = 0; i < expected.size(); ++i) {
        QCOMPARE(visibleCells(grid, first + i), expected[i]);
    }
    QCOMPARE(grid.text(first, 0), u"1"_s);
    QVERIFY(visibleCells(grid, first + int(expected.size())).empty());
    QVERIFY(grid.text(first + 1, 24).isEmpty());

    // The work file holds the rows with the five texts on the first; reloaded, the sheet is the same.
    const QString workFile = shell.dataRoot.file(tv::shell::kWorkDataFolder, u"WorkData-1.ini");
    const QStringList saved = tv::shell::readLines(workFile).lines;
    QCOMPARE(saved.size(), expected.size());
    ColumnEntryDialog reopen(shell.dataRoot, sheetLists, shared, prompter, [](HasiraInpForm& form) {
        QCOMPARE(form.InfoGd(3), u"C2"_s);
        QCOMPARE(form.DataGrid(0).rowCount(), 6);
        QVERIFY(form.ok());
    });
    tv::sheets::MainInputForm reloaded(shell, sheetLists, {prompter, printer, windows, reopen});
    QVERIFY(reloaded.open());
    for (int row = first; row < first + int(expected.size()); ++row)
        QCOMPARE(reloaded.DataGrid().rowTexts(row), grid.rowTexts(row));
    // Reopening the entry and confirming it unchanged writes the same file.
    reloaded.clickRow(first + 3);
    QCOMPARE(reloaded.selectedRow(), first);
    reloaded.newInput();
    QCOMPARE(tv::shell::readLines(workFile).lines, saved);
    TV_VERIFY_PROMPTS(prompter);
}

void TestColumnOnTheSheet::otherMarkReplacesOrAddsAsAsked_data() {
    using tv::services::PromptAnswer;
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("marksOnSheet");
    QTest::newRow("はい replaces C1") << int(PromptAnswer::Yes) << QStringList{u"C2"_s};
    QTest::newRow("いいえ adds C2 after C1") << int(PromptAnswer::No) << QStringList{u"C1"_s, u"C2"_s};
    QTest::newRow("キャンセル goes back to the dialog") << int(PromptAnswer::Cancel) << QStringList{u"C1"_s};
}

void TestColumnOnTheSheet::otherMarkReplacesOrAddsAsAsked() {
    QFETCH(int, answer);
    QFETCH(QStringList, marksOnSheet);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    makeDataRoot(dir.path());
    tv::shell::ShellState shell;
    shell.dataRoot = tv::shell::DataRoot(dir.path());
    tv::lists::MemberLists lists;
    for (const QString& mark : {u"C1"_s, u"C2"_s})
        tv::lists::appendEntry(
            lists.HasiraList,
            tv::lists::HasiraListEntry{
                u"2"_s, mark, u"H鋼"_s, u"SN490C･H･400･200･8･13"_s, u"････"_s, u"････"_s, {}, {}});
    QVERIFY(tv::lists::SaveLists(shell.dataRoot, lists).ok());
    tv::lists::MemberLists sheetLists;
    tv::InputDialogState shared;
    shared.LastFloor = u"2"_s;
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    NoWindows windows;
    std::function<void(HasiraInpForm&)> session;
    ColumnEntryDialog dialog(shell.dataRoot, sheetLists, shared, prompter,
                             [&session](HasiraInpForm& form) { session(form); });
    tv::sheets::MainInputForm sheet(shell, sheetLists, {prompter, printer, windows, dialog});
    QVERIFY(sheet.open());
    const int first = tv::sheets::kFirstDataRow;
    const auto enter = [](int markRow) {
        return [markRow](HasiraInpForm& form) {
            form.chooseMark(markRow);
            form.setInpTx(LengthInput, u"3500"_s);
            form.setInpTx(CountInput, u"2"_s);
            form.setInpTx(SecondPlacesInput, u"4"_s);
        };
    };
    // C1 as a new entry, then opened again and confirmed unchanged: no question either time.
    session = [&](HasiraInpForm& form) {
        enter(1)(form);
        QVERIFY(form.ok());
    };
    sheet.clickRow(first);
    sheet.newInput();
    session = [](HasiraInpForm& form) { QVERIFY(form.ok()); };
    sheet.newInput();
    TV_VERIFY_PROMPTS(prompter);
    const QStringList c1 = sheet.DataGrid().rowTexts(first);

    prompter.expect(u"2階 C1 の入力を 2階 C2 で置き換えますか？"_s, u"確認"_s,
                    tv::services::PromptButtons::YesNoCancel, tv::services::PromptAnswer(answer));
    session = [&](HasiraInpForm& form) {
        enter(2)(form);
        if (answer == int(tv::services::PromptAnswer::Cancel)) {
            QVERIFY(!form.ok());
            QVERIFY(!form.isClosed());
            form.cancel();
            return;
        }
        QVERIFY(form.ok());
    };
    sheet.newInput();
    TV_VERIFY_PROMPTS(prompter);

    QStringList marks;
    QList<int> entries;
    for (int row = first; row < sheet.DataGrid().rowCount(); ++row)
        if (!sheet.DataGrid().text(row, 1).isEmpty()) {
            marks.append(sheet.DataGrid().text(row, 3));
            entries.append(row);
        }
    QCOMPARE(marks, marksOnSheet);
    if (answer == int(tv::services::PromptAnswer::No)) {
        QCOMPARE(sheet.DataGrid().rowTexts(first), c1);
        QVERIFY(entries[1] > first + 1); // C1 keeps its weld rows
        QCOMPARE(sheet.selectedRow(), entries[1]);
        QVERIFY(sheet.undo());
        QCOMPARE(sheet.DataGrid().text(entries[1], 1), QString());
        QCOMPARE(sheet.DataGrid().rowTexts(first), c1);
    }
}

QTEST_GUILESS_MAIN(TestColumnOnTheSheet)
#include "tst_column_input_sheet.moc"
