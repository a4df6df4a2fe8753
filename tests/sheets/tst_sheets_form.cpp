// The column and beam sheet windows: selection, new input and modify through the entry dialog, row
// and entry commands, paging, help, printing and saving after every change.
#include "sheet_fixtures.h"
#include "sheets/column_entry_expansion.h"
#include "sheets/sheet_form.h"
#include "sheets/work_file.h"
#include "support/recording_printer.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv::sheets;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;
using tv::services::WindowId;

namespace {

const QString kConfirm = u"確認"_s;
const QString kSelectFirst = u"入力する行を選択してください。"_s;
constexpr int R = kFirstDataRow; // the first data row

class RecordingOpener : public tv::services::WindowOpener {
public:
    bool open(WindowId id) override {
        opened.append(id);
        return true;
    }
    QList<WindowId> opened;
};

// The work-file lines of a column entry as the sheet expands it.
QStringList columnLines(const QString& mark, int rows = 1) {
    QStringList lines;
    for (const QStringList& row : ExpandColumnEntry(columnPayload(mark, rows)))
        lines.append(workLine(u"ZZ01"_s, row.mid(1)));
    return lines;
}

} // namespace

class TestSheetForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void clickingAnEntrySelectsItsFirstRow_data();
    void clickingAnEntrySelectsItsFirstRow();
    void commandsNeedASelectedRow_data();
    void commandsNeedASelectedRow();
    void newInputOnASpareRowAppendsTheEntry();
    void newInputReplacesTheWholeBlock_data();
    void newInputReplacesTheWholeBlock();
    void cancelledDialogChangesNoRowAndStillSaves_data();
    void cancelledDialogChangesNoRowAndStillSaves();
    void eachSheetRefusesTheOtherKind_data();
    void eachSheetRefusesTheOtherKind();
    void beamSheetTakesTheDialogsRows();
    void deleteBlankRowOnlyOnEmptyRows();
    void insertBlankRowSelectsTheNewRow();
    void deleteEntryAsksAndClearsTheSelection();
    void pagingMovesTheTopRow();
    void failedSaveTellsTheUserAndKeepsTheFile();
    void unreadableWorkFileKeepsTheWindowShut();
    void helpAndPrint();

private:
    QString workFile(QStringView name = u"WorkData-1.ini") const {
        return m_state->dataRoot.file(tv::shell::kWorkDataFolder, name);
    }
    QStringList savedLines(QStringView name = u"WorkData-1.ini") const {
        return tv::shell::readLines(workFile(name)).lines;
    }
    // Opens a sheet of `kind` on `lines` (written to its work file first).
    SheetForm& openSheet(const QStringList& lines, SheetKind kind = SheetKind::Column);

    QTemporaryDir m_dir;
    std::unique_ptr<tv::shell::ShellState> m_state;
    tv::lists::MemberLists m_lists;
    ScriptedPrompter* m_prompter = nullptr;
    RecordingPrinter m_printer;
    RecordingOpener m_opener;
    ScriptedEntryDialog* m_dialog = nullptr;
    std::unique_ptr<SheetForm> m_form;
};

void TestSheetForm::init() {
    QVERIFY(m_dir.isValid());
    const QString root = m_dir.filePath(u"Torvanel"_s);
    makeDataRoot(root);
    m_state = std::make_unique<tv::shell::ShellState>();
    m_state->dataRoot = tv::shell::DataRoot(root);
    m_prompter = new ScriptedPrompter;
    m_dialog = new ScriptedEntryDialog;
    m_printer.documents.clear();
    m_opener.opened.clear();
}

void TestSheetForm::cleanup() {
    m_form.reset();
    if (m_prompter) {
        const QStringList failures = m_prompter->failures();
        const bool allShown = m_prompter->allShown();
        delete m_prompter;
        m_prompter = nullptr;
        delete std::exchange(m_dialog, nullptr);
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join(u'\n')));
        QVERIFY2(allShown, "not every scripted message was shown");
    }
    QDir(m_dir.path()).removeRecursively();
}

SheetForm& TestSheetForm::openSheet(const QStringList& lines, SheetKind kind) {
    const SheetTraits& traits = sheetTraits(kind);
    writeCp932Lines(workFile(traits.fileName), lines);
    SheetForm::Ports ports{*m_prompter, m_printer, m_opener, *m_dialog};
    m_form = std::make_unique<SheetForm>(kind, *m_state, m_lists, ports);
    m_form->open();
    return *m_form;
}

void TestSheetForm::clickingAnEntrySelectsItsFirstRow_data() {
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("selected");
    QTest::newRow("first row of an entry") << R + 1 << R + 1;
    QTest::newRow("third row of an entry") << R + 3 << R + 1;
    QTest::newRow("orphan row at the top") << R << R;
    QTest::newRow("empty row") << R + 5 << R + 5;
    QTest::newRow("header row changes nothing") << 1 << -1;
    QTest::newRow("row beyond the grid changes nothing") << 100000 << -1;
}

void TestSheetForm::clickingAnEntrySelectsItsFirstRow() {
    QFETCH(int, clicked);
    QFETCH(int, selected);
    QStringList lines{workLine(u"ZZ01"_s, {{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, u"F"_s})};
    lines += columnLines(u"C1"_s, 3);
    lines += columnLines(u"C2"_s);
    SheetForm& form = openSheet(lines);
    form.clickRow(clicked);
    QCOMPARE(form.selectedRow(), selected);
    for (int row = R; row < R + 8; ++row)
        QCOMPARE(form.DataGrid().backColor(row, 5),
                 row == selected ? std::optional(kSelectedRowColor) : std::nullopt);
    form.clickRow(R + 4); // another entry: the highlight moves
    QCOMPARE(form.selectedRow(), R + 4);
    QCOMPARE(form.previousRow(), selected);
    if (selected >= 0)
        QCOMPARE(form.DataGrid().backColor(selected, 5), std::nullopt);
}

void TestSheetForm::commandsNeedASelectedRow_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("new input") << int(SheetForm::NewInput);
    QTest::newRow("delete blank row") << int(SheetForm::DeleteBlankRow);
    QTest::newRow("insert blank row") << int(SheetForm::InsertBlankRow);
    QTest::newRow("delete entry") << int(SheetForm::DeleteEntry);
}

void TestSheetForm::commandsNeedASelectedRow() {
    QFETCH(int, command);
    const QStringList lines = columnLines(u"C1"_s);
    SheetForm& form = openSheet(lines);
    m_prompter->expectOk(kSelectFirst, kConfirm);
    form.command(command);
    QVERIFY(m_dialog->received.isEmpty());
    QCOMPARE(form.DataGrid().rowCount(), R + 2 + kSpareRows);
    QCOMPARE(readBytes(workFile()), cp932Lines(lines));
}

void TestSheetForm::newInputOnASpareRowAppendsTheEntry() {
    SheetForm& form = openSheet(columnLines(u"C1"_s));
    form.clickRow(R + 5);
    m_dialog->answer(columnResult(u"C2"_s, 2));
    form.newInput();
    QCOMPARE(m_dialog->received, QList<EntryPayload>{EntryPayload{}});
    QCOMPARE(savedLines(), columnLines(u"C1"_s) + columnLines(u"C2"_s, 2));
    QCOMPARE(form.selectedRow(), R + 5); // stays selected for a modification at once
    QCOMPARE(form.DataGrid().text(R + 5, 0), u"2"_s);
    QCOMPARE(form.DataGrid().rowCount() - 1 - lastUsedRow(form.DataGrid()), kSpareRows);
}

void TestSheetForm::newInputReplacesTheWholeBlock_data() {
    QTest::addColumn<int>("newRows");
    QTest::newRow("shorter") << 1;
    QTest::newRow("longer") << 3;
}

void TestSheetForm::newInputReplacesTheWholeBlock() {
    QFETCH(int, newRows);
    SheetForm& form = openSheet(columnLines(u"C1"_s) + columnLines(u"C2"_s, 2) + columnLines(u"C3"_s));
    form.clickRow(R + 2); // the second row of C2
    QCOMPARE(form.selectedRow(), R + 1);
    m_dialog->answer(columnResult(u"C9"_s, newRows));
    form.newInput();
    QCOMPARE(m_dialog->received, QList<EntryPayload>{columnPayload(u"C2"_s, 2)});
    QCOMPARE(savedLines(), columnLines(u"C1"_s) + columnLines(u"C9"_s, newRows) + columnLines(u"C3"_s));
    QCOMPARE(form.DataGrid().text(R + 1 + newRows, 0), u"3"_s);

    // The last entry, with empty rows below it, is replaced down to its last row only.
    form.clickRow(R + 1 + newRows);
    m_dialog->answer(columnResult(u"C4"_s, 2));
    form.newInput();
    QCOMPARE(savedLines(), columnLines(u"C1"_s) + columnLines(u"C9"_s, newRows) + columnLines(u"C4"_s, 2));
}

void TestSheetForm::cancelledDialogChangesNoRowAndStillSaves_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("emptyMainText");
    QTest::newRow("column dialog cancelled") << int(SheetKind::Column) << false;
    QTest::newRow("column dialog with an empty main record") << int(SheetKind::Column) << true;
    QTest::newRow("beam dialog cancelled") << int(SheetKind::Beam) << false;
    QTest::newRow("beam dialog with an empty option text") << int(SheetKind::Beam) << true;
}

void TestSheetForm::cancelledDialogChangesNoRowAndStillSaves() {
    QFETCH(int, kind);
    QFETCH(bool, emptyMainText);
    const SheetTraits& traits = sheetTraits(SheetKind(kind));
    const QString tag = traits.tag.toString();
    // A hand-made short line: the save after the cancelled dialog writes it out in full.
    SheetForm& form = openSheet({tag + u"'"_s + traits.entryKind.toString() + u"'2'G1"_s}, SheetKind(kind));
    form.clickRow(R);
    if (emptyMainText) {
        EntryPayload texts{u"a"_s, u"b"_s, u"c"_s, u"d"_s, u"e"_s};
        texts[size_t(traits.payloadMainText)].clear();
        m_dialog->answer(EntryDialogResult{texts, {QStringList(kSheetColumns, u"x"_s)}});
    } else {
        m_dialog->answer(std::nullopt);
    }
    const QList<QStringList> before = [&] {
        QList<QStringList> rows;
        for (int row = 0; row < form.DataGrid().rowCount(); ++row)
            rows.append(form.DataGrid().rowTexts(row));
        return rows;
    }();
    form.newInput();
    for (int row = 0; row < form.DataGrid().rowCount(); ++row)
        QCOMPARE(form.DataGrid().rowTexts(row), before.value(row));
    QCOMPARE(savedLines(traits.fileName),
             QStringList{workLine(tag, {traits.entryKind.toString(), u"2"_s, u"G1"_s})});
}

void TestSheetForm::eachSheetRefusesTheOtherKind_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("otherKind");
    QTest::addColumn<QString>("message");
    QTest::newRow("column sheet, beam row")
        << int(SheetKind::Column) << u"梁"_s << u"選択行に柱以外の入力をする場合は、一旦削除してください。"_s;
    QTest::newRow("beam sheet, column row")
        << int(SheetKind::Beam) << u"柱"_s << u"選択行に梁以外の入力をする場合は、一旦削除してください。"_s;
}

void TestSheetForm::eachSheetRefusesTheOtherKind() {
    QFETCH(int, kind);
    QFETCH(QString, otherKind);
    QFETCH(QString, message);
    const SheetTraits& traits = sheetTraits(SheetKind(kind));
    const QStringList lines{workLine(traits.tag.toString(), {otherKind, u"2"_s, u"X1"_s})};
    SheetForm& form = openSheet(lines, SheetKind(kind));
    form.clickRow(R);
    m_prompter->expectOk(message, kConfirm);
    form.newInput();
    QVERIFY(m_dialog->received.isEmpty());
    QCOMPARE(readBytes(workFile(traits.fileName)), cp932Lines(lines));
}

void TestSheetForm::beamSheetTakesTheDialogsRows() {
    SheetForm& form = openSheet({}, SheetKind::Beam);
    form.clickRow(R);
    const EntryPayload texts{u"coat"_s, u"plate"_s, u"input"_s, u"caption"_s, u"option"_s};
    QStringList first(kSheetColumns);
    first[2] = u"3"_s;
    first[3] = u"G1"_s;
    QStringList second(kSheetColumns);
    second[1] = u"梁"_s; // a continuation row never starts an entry
    second[20] = u"HTB"_s;
    m_dialog->answer(EntryDialogResult{texts, {first, second, QStringList(kSheetColumns)}});
    form.newInput();
    QStringList firstCells = first.mid(1);
    firstCells[0] = u"梁"_s;
    for (int i = 0; i < 5; ++i)
        firstCells[kFirstEntryText - 1 + i] = texts[size_t(i)];
    QStringList secondCells = second.mid(1);
    secondCells[0].clear();
    QCOMPARE(savedLines(u"WorkData-2.ini"),
             (QStringList{workLine(u"ZZ02"_s, firstCells), workLine(u"ZZ02"_s, secondCells)}));
    QCOMPARE(form.DataGrid().text(R, 0), u"1"_s);
    QCOMPARE(form.DataGrid().text(R + 1, 0), QString());

    // Texts are stored on screen as in the file: "'" as "’", a line break (which would split the
    // row's line) as a blank.
    form.clickRow(R);
    second[4] = u"X1'\nY2"_s;
    m_dialog->answer(EntryDialogResult{texts, {first, second}});
    form.newInput();
    QCOMPARE(form.DataGrid().text(R + 1, 4), u"X1’ Y2"_s);
    QCOMPARE(savedLines(u"WorkData-2.ini").size(), 2);
}

void TestSheetForm::deleteBlankRowOnlyOnEmptyRows() {
    const QStringList lines = columnLines(u"C1"_s) + columnLines(u"C2"_s);
    SheetForm& form = openSheet(lines);
    form.clickRow(R);
    m_prompter->expectOk(u"空白行ではないので削除できません。"_s, kConfirm);
    form.deleteBlankRow();
    QCOMPARE(form.DataGrid().text(R, kMarkColumn), u"C1"_s);

    form.insertBlankRow(); // an empty row above C1, selected
    QCOMPARE(form.DataGrid().text(R + 1, kMarkColumn), u"C1"_s);
    const int rows = form.DataGrid().rowCount();
    form.deleteBlankRow(); // C1 moves up into its place and is selected
    QCOMPARE(form.DataGrid().rowCount(), rows - 1);
    QCOMPARE(form.selectedRow(), R);
    QCOMPARE(form.DataGrid().text(R, kMarkColumn), u"C1"_s);
    QCOMPARE(form.DataGrid().backColor(R, 1), std::optional(kSelectedRowColor));
    QCOMPARE(savedLines(), lines);
}

void TestSheetForm::insertBlankRowSelectsTheNewRow() {
    SheetForm& form = openSheet(columnLines(u"C1"_s) + columnLines(u"C2"_s));
    form.clickRow(R + 1);
    form.insertBlankRow();
    QCOMPARE(form.selectedRow(), R + 1);
    QVERIFY(isEmptyRow(form.DataGrid(), R + 1));
    QCOMPARE(form.DataGrid().backColor(R + 1, 1), std::optional(kSelectedRowColor));
    QCOMPARE(form.DataGrid().backColor(R + 2, 1), std::nullopt);
    QCOMPARE(form.DataGrid().text(R + 2, 0), u"2"_s);
    QCOMPARE(savedLines(), columnLines(u"C1"_s) + columnLines(u"C2"_s)); // the empty row is not saved
}

void TestSheetForm::deleteEntryAsksAndClearsTheSelection() {
    SheetForm& form = openSheet(columnLines(u"C1"_s) + columnLines(u"C2"_s, 3) + columnLines(u"C3"_s));
    const QString question = u"柱-2階C2を削除します。"_s;
    form.clickRow(R + 2);
    m_prompter->expect(question, kConfirm, PromptButtons::OkCancel, PromptAnswer::Cancel);
    form.deleteEntry();
    QCOMPARE(form.selectedRow(), R + 1);
    QCOMPARE(form.DataGrid().text(R + 1, kMarkColumn), u"C2"_s);

    m_prompter->expect(question, kConfirm, PromptButtons::OkCancel, PromptAnswer::Ok);
    form.deleteEntry();
    QCOMPARE(form.selectedRow(), -1);
    QVERIFY(isEmptyRow(form.DataGrid(), R + 1)); // the emptied first row stays
    QCOMPARE(form.DataGrid().text(R + 2, kMarkColumn), u"C3"_s);
    QCOMPARE(form.DataGrid().text(R + 2, 0), u"2"_s);
    QCOMPARE(savedLines(), columnLines(u"C1"_s) + columnLines(u"C3"_s));

    form.clickRow(R + 1); // an empty row: no question, only the selection goes
    form.deleteEntry();
    QCOMPARE(form.selectedRow(), -1);
    QCOMPARE(form.DataGrid().text(R + 2, kMarkColumn), u"C3"_s);
    QCOMPARE(form.DataGrid().backColor(R + 1, 1), std::nullopt);
}

void TestSheetForm::pagingMovesTheTopRow() {
    QStringList lines;
    for (int i = 1; i <= 50; ++i)
        lines += columnLines(u"C%1"_s.arg(i));
    SheetForm& form = openSheet(lines);
    const auto top = [&form] { return form.DataGrid().topRow(); };
    QCOMPARE(top(), R);
    form.clickRow(R + 3);
    form.nextPage();
    QCOMPARE(top(), R + kPageRows);
    QCOMPARE(form.selectedRow(), -1);
    form.nextPage(); // rows 40 to 77 still show entries 39 to 50
    QCOMPARE(top(), R + 2 * kPageRows);
    form.nextPage(); // no entry number on this page: stays
    QCOMPARE(top(), R + 2 * kPageRows);
    form.previousPage();
    QCOMPARE(top(), R + kPageRows);
    form.previousPage(); // from the second page back to the first data row
    QCOMPARE(top(), R);
    form.previousPage();
    QCOMPARE(top(), R);

    form.clickRow(R + 20);
    form.selectedRowToTop();
    QCOMPARE(top(), R + 20);
    QCOMPARE(form.selectedRow(), R + 20);
    form.firstPage();
    QCOMPARE(top(), R);
    QCOMPARE(form.selectedRow(), -1);
    form.selectedRowToTop(); // nothing selected: nothing moves
    QCOMPARE(top(), R);
}

void TestSheetForm::failedSaveTellsTheUserAndKeepsTheFile() {
    const QStringList lines = columnLines(u"C1"_s);
    SheetForm& form = openSheet(lines);
    form.clickRow(R + 1);
    m_dialog->answer(columnResult(u"C\U0001F600"_s)); // a mark CP932 cannot hold
    m_prompter->expectOk(
        u"文字「\U0001F600」(U+1F600)はShift-JISで保存できません(2行目)。\nファイル「%1」は保存されませんでした。"_s
            .arg(QDir::toNativeSeparators(workFile())),
        u"エラー"_s);
    form.newInput();
    QCOMPARE(readBytes(workFile()), cp932Lines(lines));
    QCOMPARE(form.DataGrid().text(R + 1, kMarkColumn), u"C\U0001F600"_s); // the rows on screen stay
}

void TestSheetForm::unreadableWorkFileKeepsTheWindowShut() {
    writeBytes(workFile(), QByteArray("ZZ01'\x82\r\n"));
    SheetForm::Ports ports{*m_prompter, m_printer, m_opener, *m_dialog};
    MainInputForm form(*m_state, m_lists, ports);
    m_prompter->expectOk(
        u"ファイル「%1」を読み込めません。\n1行目にShift-JISの文字として読めないデータがあります。"_s.arg(
            QDir::toNativeSeparators(workFile())),
        u"エラー"_s);
    QVERIFY(!form.open());
    QCOMPARE(readBytes(workFile()), QByteArray("ZZ01'\x82\r\n"));
}

void TestSheetForm::helpAndPrint() {
    SheetForm& form = openSheet(columnLines(u"C1"_s), SheetKind::Beam);
    form.command(SheetForm::Help);
    QCOMPARE(m_opener.opened, QList<WindowId>{WindowId::InfoForm});
    QCOMPARE(m_state->project.helpFilePath, m_state->dataRoot.file(tv::shell::kInfoFolder, u"info-2.txt"));

    const QString question =
        u"梁積算の入力を印刷します。\nプリンターの電源を入れA4用紙をセット後OKしてください。\n"
        "(通常使うプリンターに出力されます)"_s;
    m_prompter->expect(question, kConfirm, PromptButtons::OkCancel, PromptAnswer::Cancel);
    form.command(SheetForm::Print);
    QVERIFY(m_printer.documents.isEmpty());
    m_prompter->expect(question, kConfirm, PromptButtons::OkCancel, PromptAnswer::Ok);
    m_prompter->expectOk(u"終了しました。"_s, u"印刷"_s);
    form.command(SheetForm::Print);
    QCOMPARE(m_printer.documents.size(), 1);
    QCOMPARE(m_printer.documents[0].pages.size(), 1);
}

QTEST_GUILESS_MAIN(TestSheetForm)
#include "tst_sheets_form.moc"
