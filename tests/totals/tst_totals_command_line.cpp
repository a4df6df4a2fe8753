// `torvanel totals` and `torvanel print totals-NAME` on the prepared project: the tables as TAB text,
// the run's messages on standard error and the exit codes.
#include "totals/totals_print.h"
#include "totals/totals_tables.h"
#include "totals_project.h"
#include "workbook_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run torvanel(const QString& root, const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(TV_EXECUTABLE), QStringList{u"--data-root"_s, root} + args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QString tableLines(int index) {
    QString text = tv::totals::headerTexts(tv::totals::TableId(index)).join(u'\t') + u'\n';
    const QList<QList<QStringList>> tables = expectedTables();
    for (const QStringList& row : tables[index])
        text += row.join(u'\t') + u'\n';
    return text;
}

const QString kMessages =
    u"単位重量が登録されていない部材があります。 / 登録後再度集計してください。\n終了しました。\n"_s;

} // namespace

class TestTotalsCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void printsEveryTable();
    void printsOneTable();
    void unreadableWorkFileExitsTwo();
    void printsATableAsPdf();
    void writesTheTablesAsAWorkbook();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root;
};

void TestTotalsCommandLine::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    m_root = m_dir->path();
    makeDataFolders(m_root);
    writeTotalsProject(tv::shell::DataRoot(m_root));
}

void TestTotalsCommandLine::printsEveryTable() {
    const Run run = torvanel(m_root, {u"totals"_s});
    QString expected;
    const QStringList names{u"steel"_s, u"weld"_s, u"bolt"_s, u"coating"_s, u"galv"_s, u"joint"_s};
    for (int i = 0; i < 6; ++i)
        expected += u"# "_s + names[i] + u'\n' + tableLines(i) + u'\n';
    QCOMPARE(run.out, expected);
    QCOMPARE(run.err, kMessages);
    QCOMPARE(run.exitCode, 1); // a unit weight is missing
}

void TestTotalsCommandLine::printsOneTable() {
    const Run run = torvanel(m_root, {u"totals"_s, u"--table"_s, u"weld"_s});
    QCOMPARE(run.out, tableLines(1));
    QVERIFY(run.out.startsWith(u"\t分類\t厚\t数量\t換算率\t隅肉6㍉換算(m)\n"_s)); // 6 mm fillet
    QCOMPARE(run.exitCode, 1);
    // Registered, the run is complete.
    const QString weights = tv::shell::DataRoot(m_root).file(tv::shell::kSetFolder, u"BuzaiWeight.ini"_s);
    writeBytes(weights, readBytes(weights) + cp932Lines({u"ZZBW'C形鋼'100*50*5*7.5'9.36'"_s}));
    const Run complete = torvanel(m_root, {u"totals"_s, u"--table"_s, u"coating"_s});
    QCOMPARE(complete.out, tableLines(3));
    QCOMPARE(complete.err, u"終了しました。\n"_s);
    QCOMPARE(complete.exitCode, 0);
    QCOMPARE(torvanel(m_root, {u"totals"_s, u"--table"_s, u"paint"_s}).exitCode, 2);
}

void TestTotalsCommandLine::unreadableWorkFileExitsTwo() {
    const QString file = tv::shell::DataRoot(m_root).file(tv::shell::kWorkDataFolder, u"WorkData-2.ini"_s);
    writeBytes(file, QByteArray("ZZ02'\x81\x20'\r\n"));
    const Run run = torvanel(m_root, {u"totals"_s});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(u"WorkData-2.ini"_s), qPrintable(run.err));
    // A lost work file is reported, never laid down again as an empty one.
    writeCp932Lines(file, {});
    const QString secondary =
        tv::shell::DataRoot(m_root).file(tv::shell::kWorkDataFolder, u"WorkData-3.ini"_s);
    QVERIFY(QFile::remove(secondary));
    const Run lost =
        torvanel(m_root, {u"print"_s, u"totals-steel"_s, u"--pdf"_s, m_dir->filePath(u"s.pdf"_s)});
    QCOMPARE(lost.exitCode, 2);
    QVERIFY2(lost.err.contains(u"WorkData-3.ini」がありません。"_s), qPrintable(lost.err));
    QVERIFY(!QFile::exists(secondary));
    QVERIFY(!QFile::exists(m_dir->filePath(u"s.pdf"_s)));
}

void TestTotalsCommandLine::printsATableAsPdf() {
    const QString pdf = m_dir->filePath(u"joint.pdf"_s);
    const Run run = torvanel(m_root, {u"print"_s, u"totals-joint"_s, u"--pdf"_s, pdf});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(u"PDFファイルに保存しました"_s), qPrintable(run.err));
    // One page: the title, then every row of the table with its cells in order on a line of its own.
    const QString printed = pdfText(pdf);
    QCOMPARE(printed.count(u'\f'), 1);
    QList<QStringList> printedLines;
    for (const QString& text : printed.split(u'\n'))
        printedLines.append(text.split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts));
    QCOMPARE(printedLines.value(0), QStringList{u"JOINTの数量集計表"_s});
    for (QStringList row : expectedJoint()) {
        row.removeAll(QString());
        QVERIFY2(printedLines.contains(row), qPrintable(row.join(u' ') + u" missing in:\n"_s + printed));
    }
}

void TestTotalsCommandLine::writesTheTablesAsAWorkbook() {
    const QString file = m_dir->filePath(u"集計.xlsx"_s);
    const Run run = torvanel(m_root, {u"totals"_s, u"--xlsx"_s, file});
    QCOMPARE(run.exitCode, 1); // written, with a unit weight missing
    QVERIFY(run.out.isEmpty());
    QCOMPARE(run.err,
             kMessages + u"Excelファイルに保存しました: "_s + QDir::toNativeSeparators(file) + u'\n');
    const Workbook book = readWorkbook(file);
    QCOMPARE(book.sheets.size(), tv::totals::kTableCount);
    for (int i = 0; i < tv::totals::kTableCount; ++i)
        QCOMPARE(book.sheets[i].name, tv::totals::tableCaption(tv::totals::TableId(i)));

    const QString lost = m_dir->filePath(u"無い/集計.xlsx"_s);
    const Run failed = torvanel(m_root, {u"totals"_s, u"--xlsx"_s, lost});
    QCOMPARE(failed.exitCode, 1);
    QVERIFY2(failed.err.contains(u"保存先のフォルダがありません。"_s), qPrintable(failed.err));
    QVERIFY(!QFileInfo::exists(QFileInfo(lost).absolutePath()));
    QCOMPARE(torvanel(m_root, {u"totals"_s, u"--xlsx"_s}).exitCode, 2);
}

QTEST_GUILESS_MAIN(TestTotalsCommandLine)
#include "tst_totals_command_line.moc"
