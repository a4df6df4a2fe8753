// The help viewer: the list it shows, the print question and the printout's pages and positions.
#include "shell/info_form.h"
#include "support/recording_printer.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

namespace {

const QString kPrintQuestion = u"説明を印刷します。\nプリンターの電源を入れA4用紙をセット後OKしてください。\n"
                               u"(通常使うプリンターに出力されます)"_s;

struct FailingPrinter : tv::services::PrinterPort {
    tv::services::Status print(const tv::services::PrintDocument&) override {
        return tv::services::Status::failure(u"プリンターが見つかりません。"_s);
    }
};

QStringList numberedLines(int count) {
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(u"説明%1"_s.arg(i));
    return lines;
}

} // namespace

class TestInfoForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void listShowsTheFile_data();
    void listShowsTheFile();
    void printDropsEmptyLinesAndPlacesEachLine();
    void printQuestionCancelled();
    void emptyFilePrintsNoLine();
    void longTextGoesOnOverFurtherPages();
    void unprintableFileOrPrinterSaysWhy();

private:
    QString helpFile() const { return QDir(m_dir->path()).filePath(u"info/info-0.txt"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
    ProjectState m_project;
};

void TestInfoForm::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataFolders(m_dir->path());
    m_project.helpFilePath = helpFile();
}

void TestInfoForm::listShowsTheFile_data() {
    QTest::addColumn<QByteArray>("bytes"); // empty with `missing` for no file at all
    QTest::addColumn<bool>("missing");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("empty lines are empty items")
        << cp932Lines({u"【概要】"_s, QString(), u"　字下げ"_s, QString()}) << false
        << QStringList{u"【概要】"_s, QString(), u"　字下げ"_s, QString()};
    QTest::newRow("empty file, empty list") << QByteArray() << false << QStringList();
    QTest::newRow("last line without a line break")
        << QByteArray("abc\r\n\x82\xa0") << false << QStringList{u"abc"_s, u"あ"_s};
    QTest::newRow("missing file is a note")
        << QByteArray() << true << QStringList{u"説明ファイル「info-0.txt」がありません。"_s};
}

void TestInfoForm::listShowsTheFile() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, missing);
    QFETCH(QStringList, items);
    if (!missing)
        writeBytes(helpFile(), bytes);
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    InfoForm form(m_project, prompter, printer);
    QCOMPARE(form.infoList, items);
    TV_VERIFY_PROMPTS(prompter);
}

void TestInfoForm::printDropsEmptyLinesAndPlacesEachLine() {
    writeCp932Lines(helpFile(), {u"【概要】"_s, QString(), u"入力します。"_s});
    ScriptedPrompter prompter;
    prompter.expect(kPrintQuestion, u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok);
    prompter.expectOk(u"終了しました。"_s, u"印刷"_s);
    RecordingPrinter printer;
    InfoForm form(m_project, prompter, printer);
    form.command(1);
    TV_VERIFY_PROMPTS(prompter);
    QCOMPARE(printer.documents.size(), 1);
    const auto& pages = printer.documents[0].pages;
    QCOMPARE(pages.size(), 1);
    QVERIFY(!pages[0].landscape);
    QVERIFY(pages[0].lines.isEmpty());
    // x = trunc((16 - 3.5) × 56.7); y = trunc((18 + 6k - 11 × 25/72 - 2) × 56.7) for k = 1, 2. Each
    // line's box is its own line, 1 mm higher and lower, to 12.5 mm from the right edge of A4.
    using tv::services::PrintAlign;
    const QList<tv::services::PrintText> expected{{708,
                                                   1030,
                                                   u"ＭＳ Ｐ明朝"_s,
                                                   11,
                                                   false,
                                                   false,
                                                   u"【概要】"_s,
                                                   {708, 974, 10490, 328},
                                                   PrintAlign::Left},
                                                  {708,
                                                   1371,
                                                   u"ＭＳ Ｐ明朝"_s,
                                                   11,
                                                   false,
                                                   false,
                                                   u"入力します。"_s,
                                                   {708, 1315, 10490, 328},
                                                   PrintAlign::Left}};
    QCOMPARE(pages[0].texts, expected);
}

void TestInfoForm::printQuestionCancelled() {
    writeCp932Lines(helpFile(), {u"一行"_s});
    ScriptedPrompter prompter;
    prompter.expect(kPrintQuestion, u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Cancel);
    RecordingPrinter printer;
    InfoForm form(m_project, prompter, printer);
    bool closed = false;
    form.closeRequested = [&] { closed = true; };
    form.command(1);
    TV_VERIFY_PROMPTS(prompter);
    QVERIFY(printer.documents.isEmpty());
    QVERIFY(!closed);
    form.command(0);
    QVERIFY(closed);
}

void TestInfoForm::emptyFilePrintsNoLine() {
    writeBytes(helpFile(), QByteArray("\r\n\r\n"));
    ScriptedPrompter prompter;
    prompter.expect(kPrintQuestion, u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok);
    prompter.expectOk(u"終了しました。"_s, u"印刷"_s);
    RecordingPrinter printer;
    InfoForm form(m_project, prompter, printer);
    QCOMPARE(form.infoList, (QStringList{QString(), QString()}));
    form.command(1);
    TV_VERIFY_PROMPTS(prompter);
    QVERIFY(printer.documents.isEmpty());
}

void TestInfoForm::longTextGoesOnOverFurtherPages() {
    const tv::services::PrintDocument document = InfoForm::layout(numberedLines(120));
    QCOMPARE(document.pages.size(), 3);
    QList<int> counts;
    for (const auto& page : document.pages) {
        counts.append(int(page.texts.size()));
        QCOMPARE(page.texts.first().y, 1030); // every page starts at the first line's place
        // The last line ends at least 15 mm above the paper's bottom edge (11 pt = 220 twips).
        QVERIFY(page.texts.last().y + 220 <= tv::services::mmToTwips(297 - 15));
    }
    QCOMPARE(counts, (QList<int>{44, 44, 32}));
    QCOMPARE(document.pages[1].texts.first().text, u"説明45"_s);
    QCOMPARE(document.pages[2].texts.last().text, u"説明120"_s);
    // One more line per page would end too low.
    const int nextTop = tv::services::mmToTwips(18 + 6 * (InfoForm::kLinesPerPage + 1) - 11.0 * 25 / 72 - 2);
    QVERIFY(nextTop + 220 > tv::services::mmToTwips(297 - 15));
}

void TestInfoForm::unprintableFileOrPrinterSaysWhy() {
    // A help file that vanished after the viewer opened.
    ScriptedPrompter prompter;
    prompter.expect(kPrintQuestion, u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok);
    prompter.expectOk(u"説明ファイル「info-0.txt」がありません。"_s, u"印刷"_s);
    RecordingPrinter printer;
    InfoForm missing(m_project, prompter, printer);
    missing.command(1);
    TV_VERIFY_PROMPTS(prompter);
    QVERIFY(printer.documents.isEmpty());

    // A file that is not CP932 text: the viewer shows the refusal, and printing refuses it too.
    writeBytes(helpFile(), QByteArray("ok\r\n\x82\r\n"));
    ScriptedPrompter refusing;
    InfoForm unreadable(m_project, refusing, printer);
    QCOMPARE(unreadable.infoList.size(), 1);
    QVERIFY2(unreadable.infoList[0].contains(u"info-0.txt"_s), qPrintable(unreadable.infoList[0]));
    QVERIFY(InfoForm::printout(helpFile()).error == unreadable.infoList[0]);

    // The printer fails: its message, and no claim that printing finished.
    writeCp932Lines(helpFile(), {u"一行"_s});
    ScriptedPrompter failing;
    failing.expect(kPrintQuestion, u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok);
    failing.expectOk(u"プリンターが見つかりません。"_s, u"印刷"_s);
    FailingPrinter broken;
    InfoForm form(m_project, failing, broken);
    form.command(1);
    TV_VERIFY_PROMPTS(failing);
}

QTEST_GUILESS_MAIN(TestInfoForm)
#include "tst_shell_info_form.moc"
