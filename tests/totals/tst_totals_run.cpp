// The totals run end to end on a prepared project, its refusal of unreadable work files, and the
// totals window: its messages, printing, the clipboard hand-over and the workbook.
#include "support/fake_clipboard.h"
#include "support/recording_printer.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_prompter.h"
#include "totals/syukei_form.h"
#include "totals/totals_print.h"
#include "totals/totals_run.h"
#include "totals_project.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::totals;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

class TestTotalsRun : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void runTotalsOnAPreparedProject();
    void unreadableWorkFileChangesNoTable_data();
    void unreadableWorkFileChangesNoTable();
    void windowRunsAndReports();
    void windowDoesNotOpenOnAnUnreadableList();
    void printsTheShownTableAfterTheQuestion();
    void printLayoutSpreadsRowsOverPages();
    void sendsTheShownTableToTheClipboard();
    void savesTheTablesAsAWorkbook();

private:
    QString workFile(const QString& name) const { return m_root.file(tv::shell::kWorkDataFolder, name); }
    std::unique_ptr<QTemporaryDir> m_dir;
    tv::shell::DataRoot m_root;
};

void TestTotalsRun::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataRoot(m_dir->path());
    m_root = tv::shell::DataRoot(m_dir->path());
    writeTotalsProject(m_root);
}

void TestTotalsRun::runTotalsOnAPreparedProject() {
    TotalsTables tables;
    const TotalsOutcome outcome = runTotalsOn(m_root, tables);
    QVERIFY2(outcome.ok(), qPrintable(outcome.error));
    QVERIFY(outcome.flags.unitWeightMissing);
    QVERIFY(!outcome.flags.weldRateMissing);
    const QList<QList<QStringList>> expected = expectedTables();
    for (int i = 0; i < kTableCount; ++i) {
        QCOMPARE(tables.table(TableId(i)).rowTexts(0), headerTexts(TableId(i)));
        TV_COMPARE_ROWS(tables.table(TableId(i)), expected[i]);
    }
    // A second run starts from empty tables.
    QVERIFY(runTotalsOn(m_root, tables).ok());
    TV_COMPARE_ROWS(tables.table(TableId::Steel), expectedSteel());
}

void TestTotalsRun::unreadableWorkFileChangesNoTable_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("remove");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing beam sheet") << u"WorkData-2.ini"_s << true << u"がありません。"_s;
    QTest::newRow("missing secondary sheet") << u"WorkData-3.ini"_s << true << u"がありません。"_s;
    QTest::newRow("column sheet not Shift-JIS") << u"WorkData-1.ini"_s << false << u"読み込めません。"_s;
}

void TestTotalsRun::unreadableWorkFileChangesNoTable() {
    QFETCH(QString, file);
    QFETCH(bool, remove);
    QFETCH(QString, message);
    TotalsRegistries registries;
    QVERIFY(loadTotalsRegistries(m_root, registries.lists, registries.weights, registries.rates).ok());
    TotalsTables tables;
    QVERIFY(RunTotals(tables, m_root, registries.lists.JointList, registries.weights, registries.rates).ok());
    if (remove)
        QVERIFY(QFile::remove(workFile(file)));
    else
        writeBytes(workFile(file), QByteArray("ZZ01'\x81\x20'\r\n"));
    const TotalsOutcome outcome =
        RunTotals(tables, m_root, registries.lists.JointList, registries.weights, registries.rates);
    QVERIFY(!outcome.ok());
    QVERIFY2(outcome.error.contains(file) && outcome.error.contains(message), qPrintable(outcome.error));
    TV_COMPARE_ROWS(tables.table(TableId::Steel), expectedSteel());
    QVERIFY(!QFile::exists(workFile(file)) == remove); // never created by the totals
}

void TestTotalsRun::windowRunsAndReports() {
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    FakeClipboard clipboard;
    ScriptedFileChooser chooser;
    tv::lists::MemberLists lists;
    SyukeiForm form(m_root, u"A棟"_s, lists, prompter, printer, clipboard, chooser);
    QVERIFY(form.open());
    QCOMPARE(form.SyukeiGrid(0).rowCount(), 1); // not run on opening
    prompter
        .expectOk(u"単位重量が登録されていない部材があります。\n登録後再度集計してください。"_s, u"確認"_s)
        .expectOk(u"終了しました。"_s, u"集計"_s);
    form.command(SyukeiForm::Run);
    TV_COMPARE_ROWS(form.SyukeiGrid(4), expectedGalv());
    // Both missing: both requests, in order.
    writeBytes(m_root.file(tv::shell::kSetFolder, u"Kansan.ini"_s), {});
    SyukeiForm fresh(m_root, u"A棟"_s, lists, prompter, printer, clipboard, chooser);
    QVERIFY(fresh.open());
    prompter
        .expectOk(u"単位重量が登録されていない部材があります。\n登録後再度集計してください。"_s, u"確認"_s)
        .expectOk(u"溶接換算率が登録されていない部材があります。\n登録後再度集計してください。"_s, u"確認"_s)
        .expectOk(u"終了しました。"_s, u"集計"_s);
    fresh.runTotals();
    // A lost work file: its message only, the tables as they were.
    QFile::remove(workFile(u"WorkData-1.ini"_s));
    prompter.expectOk(u"ファイル「%1」がありません。\n集計は行いませんでした。"_s.arg(
                          QDir::toNativeSeparators(workFile(u"WorkData-1.ini"_s))),
                      u"エラー"_s);
    fresh.runTotals();
    TV_COMPARE_ROWS(fresh.SyukeiGrid(0), expectedSteel());
    TV_VERIFY_PROMPTS(prompter);
}

void TestTotalsRun::windowDoesNotOpenOnAnUnreadableList() {
    writeBytes(m_root.file(tv::shell::kListFolder, u"JointListData.ini"_s), QByteArray("ZZLJ'\x81\x20'\r\n"));
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    FakeClipboard clipboard;
    ScriptedFileChooser chooser;
    tv::lists::MemberLists lists;
    SyukeiForm form(m_root, u"A棟"_s, lists, prompter, printer, clipboard, chooser);
    prompter.expectOk(
        u"ファイル「%1」を読み込めません。\n1行目にShift-JISの文字として読めないデータがあります。"_s.arg(
            QDir::toNativeSeparators(m_root.file(tv::shell::kListFolder, u"JointListData.ini"_s))),
        u"エラー"_s);
    QVERIFY(!form.open());
    TV_VERIFY_PROMPTS(prompter);
}

void TestTotalsRun::printsTheShownTableAfterTheQuestion() {
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    FakeClipboard clipboard;
    ScriptedFileChooser chooser;
    tv::lists::MemberLists lists;
    SyukeiForm form(m_root, u"A棟"_s, lists, prompter, printer, clipboard, chooser);
    QVERIFY(form.open());
    const QString question =
        u"「%1」の集計結果を印刷します。\nプリンターの電源を入れA4用紙をセット後OKしてください。\n"
        u"(通常使うプリンターに出力されます)"_s;
    prompter.expect(question.arg(u"鋼材"_s), u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Cancel);
    form.command(SyukeiForm::Print);
    QVERIFY(printer.documents.isEmpty());

    prompter.expect(question.arg(u"溶融亜鉛メッキ"_s), u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok)
        .expectOk(u"終了しました。"_s, u"印刷"_s);
    form.selectTable(4);
    form.setBnameCh(true);
    form.print();
    QCOMPARE(printer.documents.size(), 1);
    const tv::services::PrintPage& page = printer.documents[0].pages.value(0);
    QCOMPARE(page.texts.value(0).text, u"溶融亜鉛メッキ集計表：A棟"_s);
    // Before any run only the header row prints, without the second 数量 and 単位重量 cells.
    QStringList printed;
    for (const tv::services::PrintText& text : page.texts.mid(1))
        printed.append(text.text);
    QCOMPARE(printed, QStringList({u"分類"_s, u"サイズ"_s, u"数量"_s, u"単位重量"_s, u"総重量(Kg)"_s}));
    TV_VERIFY_PROMPTS(prompter);

    // A printer that fails: its message instead of "終了しました。".
    struct FailingPrinter : tv::services::PrinterPort {
        tv::services::Status print(const tv::services::PrintDocument&) override {
            return tv::services::Status::failure(u"プリンターがありません。"_s);
        }
    } failing;
    ScriptedPrompter failed;
    SyukeiForm offline(m_root, u"A棟"_s, lists, failed, failing, clipboard, chooser);
    QVERIFY(offline.open());
    failed.expect(question.arg(u"鋼材"_s), u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok)
        .expectOk(u"プリンターがありません。"_s, u"印刷"_s);
    offline.print();
    TV_VERIFY_PROMPTS(failed);
}

void TestTotalsRun::printLayoutSpreadsRowsOverPages() {
    tv::services::TextGrid steel = TotalsTables().table(TableId::Steel);
    for (int i = 1; i < 50; ++i)
        steel.insertRow(i, {u"1"_s, u"H鋼"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"462.00"_s});
    const tv::services::PrintDocument document = PrintTotalsTable(steel, TableId::Steel, u"A棟"_s);
    QCOMPARE(document.pages.size(), 2);
    const auto texts = [&](int page) { return document.pages[page].texts; };
    // Page 1: title, 6 header cells (column 0 is empty, two are merged away), 41 rows of three cells.
    QCOMPARE(texts(0).size(), 1 + 6 + 41 * 3);
    QCOMPARE(texts(1).size(), 1 + 8 * 3);
    for (int page = 0; page < 2; ++page) {
        QCOMPARE(texts(page)[0].text, u"鋼材集計表：A棟"_s);
        QCOMPARE(texts(page)[0].x, 878); // 16 + 3 - 3.5 mm
        QCOMPARE(texts(page)[0].y, 540); // 18 - 3 - (10 × 25/72 + 2) mm
        // Frame: border, 41 inner rules, one rule right of each of the nine print columns.
        const QList<tv::services::PrintLine>& lines = document.pages[page].lines;
        QCOMPARE(lines.size(), 4 + 41 + 9);
        QCOMPARE(lines[0], (tv::services::PrintLine{907, 1020, 10773, 1020, 7}));
        QCOMPARE(lines.last(), (tv::services::PrintLine{10432, 1020, 10432, 15309, 1}));
    }
    // Header "名称" centred in 24…44 mm, in the first row (18…24 mm) between its rules.
    QCOMPARE(texts(0)[1].text, u"名称"_s);
    QCOMPARE(texts(0)[1].x, 1730);
    QCOMPARE(texts(0)[1].y, 1092);
    QCOMPARE(texts(0)[1].font, u"ＭＳ Ｐ明朝"_s);
    QCOMPARE(texts(0)[1].pointSize, 10.0);
    // The second page starts with data row 42, on its first grid row; weights end 2 mm left of 184 mm.
    QCOMPARE(texts(1)[1].text, u"1"_s);
    QCOMPARE(texts(1)[3].text, u"462.00"_s);
    QCOMPARE(texts(1)[3].x, 9729);
    QCOMPARE(texts(1)[3].y, 1092);
}

void TestTotalsRun::sendsTheShownTableToTheClipboard() {
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    FakeClipboard clipboard;
    ScriptedFileChooser chooser;
    tv::lists::MemberLists lists;
    SyukeiForm form(m_root, u"A棟"_s, lists, prompter, printer, clipboard, chooser);
    QVERIFY(form.open());
    form.gridForView(0)->insertRow(1, {u"1"_s, u"H鋼"_s, u"SN490B"_s, u"H-400×200×8×13"_s, u"7.00"_s, u"m"_s,
                                       u"66"_s, u"kg/m"_s, u"462.00"_s});
    form.gridForView(0)->insertRow(
        2, {u"A"_s, u"合計"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"462.00"_s});
    prompter.expect(
        u"「鋼材」の集計結果をExcelのシートに貼り付けできます。\n①Excelの貼り付けしたいシート上の任意のセ"
        u"ルをクリックします。\n②Excel上で「編集」＞「貼り付け」を実行します。"_s,
        u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Cancel);
    form.command(SyukeiForm::SendToExcel);
    // Header, data row and total row, cells joined by TAB and rows by CR, nothing after the last.
    QCOMPARE(clipboard.texts,
             QStringList{u"\t名称\t規格\tサイズ\t数量\t数量\t単位重量\t単位重量\t総重量(Kg)\r"
                         u"1\tH鋼\tSN490B\tH-400×200×8×13\t7.00\tm\t66\tkg/m\t462.00\r"
                         u"A\t合計\t\t\t\t\t\t\t462.00"_s});
    TV_VERIFY_PROMPTS(prompter);
}

void TestTotalsRun::savesTheTablesAsAWorkbook() {
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    FakeClipboard clipboard;
    ScriptedFileChooser chooser;
    tv::lists::MemberLists lists;
    SyukeiForm form(m_root, u"A棟"_s, lists, prompter, printer, clipboard, chooser);
    QVERIFY(form.open());
    const QString path = m_root.file(tv::shell::kDataFolder, u"A棟-集計.xlsx"_s);
    chooser.choose(path).choose(path).cancel();
    prompter.expectOk(u"Excelファイルに保存しました。\n"_s + QDir::toNativeSeparators(path), u"確認"_s)
        .expect(u"「A棟-集計.xlsx」は既にあります。\n上書きしますか？"_s, u"確認"_s, PromptButtons::OkCancel,
                PromptAnswer::Cancel);
    form.command(SyukeiForm::SaveWorkbook);
    const tv::services::FileDialogRequest& request = chooser.requests().value(0);
    QCOMPARE(request.kind, tv::services::FileDialogRequest::Kind::Save);
    QCOMPARE(request.title, u"Excelファイルに保存"_s);
    QCOMPARE(request.initialFolder, m_root.folder(tv::shell::kDataFolder));
    QCOMPARE(request.fileName, u"A棟-集計.xlsx"_s);
    QCOMPARE(request.defaultExtension, u"xlsx"_s);
    const QByteArray saved = readBytes(path);
    QVERIFY(saved.startsWith("PK"));
    // An existing file is kept when the user declines; a cancelled dialog writes nothing.
    form.command(SyukeiForm::SaveWorkbook);
    form.command(SyukeiForm::SaveWorkbook);
    QCOMPARE(readBytes(path), saved);
    QVERIFY(chooser.allUsed());
    TV_VERIFY_PROMPTS(prompter);
}

QTEST_GUILESS_MAIN(TestTotalsRun)
#include "tst_totals_run.moc"
