// The totals workbook read back from its package: every table as its clipboard text, numbers as
// numeric cells with the table's decimals, the header row bold and frozen, the print setup; and a
// failed write that leaves nothing behind.
#include "services/text.h"
#include "shell/durable_file.h"
#include "totals/totals_print.h"
#include "totals/totals_workbook.h"
#include "totals_project.h"
#include "workbook_reader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::totals;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

// A cell as the spreadsheet shows it: a number with the decimals of its format.
QString shown(const WorkbookCell& cell) {
    if (!cell.number)
        return cell.value;
    const qsizetype point = cell.numberFormat.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(cell.numberFormat.size() - point - 1);
    return QString::number(cell.value.toDouble(), 'f', decimals);
}

// The summed column of each table.
constexpr int kSumColumns[kTableCount] = {4, 3, 4, 3, 3, 4};

} // namespace

class TestTotalsWorkbook : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void writesEveryTableAsItsClipboardText();
    void failedWriteLeavesNoFile_data();
    void failedWriteLeavesNoFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    TotalsTables m_tables;
};

void TestTotalsWorkbook::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataRoot(m_dir->path());
    const tv::shell::DataRoot root(m_dir->path());
    writeTotalsProject(root);
    m_tables = TotalsTables();
    QVERIFY(runTotalsOn(root, m_tables).ok());
}

void TestTotalsWorkbook::writesEveryTableAsItsClipboardText() {
    const QString path = m_dir->filePath(u"A&B棟-集計.xlsx"_s);
    const tv::services::Status written = writeTotalsWorkbook(m_tables, u"A&B棟"_s, path);
    QVERIFY2(written.ok(), qPrintable(written.error));
    const Workbook book = readWorkbook(path);
    QCOMPARE(book.sheets.size(), kTableCount);
    QCOMPARE(book.printTitles.size(), kTableCount);
    for (int i = 0; i < kTableCount; ++i) {
        const tv::services::TextGrid& table = m_tables.table(TableId(i));
        const WorkbookSheet& sheet = book.sheets[i];
        QCOMPARE(sheet.name, tableCaption(TableId(i)));
        const QStringList lines = tableText(table, u"\n").split(u'\n');
        for (int row = 0; row < table.rowCount(); ++row) {
            const QStringList texts = lines[row].split(u'\t');
            for (int column = 0; column < table.columnCount(); ++column) {
                const WorkbookCell cell = sheet.cells.value({row, column});
                QVERIFY2(shown(cell) == texts[column],
                         qPrintable(u"%1 row %2 column %3: %4 (%5) for %6"_s.arg(sheet.name)
                                        .arg(row)
                                        .arg(column)
                                        .arg(cell.value, cell.numberFormat, texts[column])));
                if (!texts[column].isEmpty())
                    QCOMPARE(cell.bold, row == 0);
                // Full-width characters count two in the column's width.
                QVERIFY(sheet.widths.value(column) >= tv::services::AnsiByteLength(texts[column]));
            }
            if (row > 0 && !texts[kSumColumns[i]].isEmpty())
                QVERIFY2(sheet.cells.value({row, kSumColumns[i]}).number, qPrintable(sheet.name));
        }
        QCOMPARE(sheet.pane, u"frozen 1"_s);
        QVERIFY(book.printTitles[i].endsWith(u"!$1:$1"_s));
        QCOMPARE(sheet.paperSize, u"9"_s); // A4
        QCOMPARE(sheet.orientation, u"landscape"_s);
        QCOMPARE(sheet.header, u"&LA&&B棟&C"_s + tableCaption(TableId(i)) + u"集計表"_s);
        QCOMPARE(sheet.footer, u"&C&P / &N"_s);
    }

    // Each number with the decimals its table shows; what is not a number stays text.
    const auto cell = [&](TableId id, int row, int column) {
        return book.sheets[int(id)].cells.value({row, column});
    };
    QCOMPARE(m_tables.table(TableId::Steel).text(1, 8), u"462.00"_s);
    QCOMPARE(cell(TableId::Steel, 1, 8).value, u"462"_s);
    QCOMPARE(cell(TableId::Steel, 1, 8).numberFormat, u"0.00"_s);
    QCOMPARE(cell(TableId::Weld, 2, 4).value, u"1.5"_s);
    QCOMPARE(cell(TableId::Weld, 2, 4).numberFormat, u"0.000"_s);
    QCOMPARE(cell(TableId::Bolt, 1, 4).numberFormat, u"0"_s);
    QCOMPARE(cell(TableId::Joint, 1, 6).numberFormat, u"0.0"_s); // 47.1 as registered
    QCOMPARE(cell(TableId::Joint, 4, 6).number, false);          // "-" of a bolt row
    QVERIFY(!cell(TableId::Bolt, 1, 3).number);                  // a bolt length is a key
    int missing = 0;
    const tv::services::TextGrid& steel = m_tables.table(TableId::Steel);
    for (int row = 1; row < steel.rowCount(); ++row) {
        if (steel.text(row, 6) == u"?") {
            QVERIFY(!cell(TableId::Steel, row, 6).number);
            QCOMPARE(cell(TableId::Steel, row, 6).value, u"?"_s);
            ++missing;
        }
    }
    QVERIFY(missing > 0);
}

void TestTotalsWorkbook::failedWriteLeavesNoFile_data() {
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<int>("opens");
    QTest::addColumn<int>("syncs");
    QTest::addColumn<int>("renames");
    QTest::addColumn<QString>("reason");
    QTest::newRow("disk full") << qint64(2000) << -1 << -1 << -1 << u"ディスクの空き容量が不足しています。"_s;
    QTest::newRow("no permission") << qint64(-1) << 0 << -1 << -1 << u"書き込み権限がありません。"_s;
    QTest::newRow("sync fails") << qint64(-1) << -1 << 0 << -1
                                << u"ディスクの読み書きでエラーが起きました。"_s;
    QTest::newRow("rename fails") << qint64(-1) << -1 << -1 << 0
                                  << u"ディスクの読み書きでエラーが起きました。"_s;
}

void TestTotalsWorkbook::failedWriteLeavesNoFile() {
    QFETCH(qint64, bytes);
    QFETCH(int, opens);
    QFETCH(int, syncs);
    QFETCH(int, renames);
    QFETCH(QString, reason);
    QDir folder(m_dir->filePath(u"out"_s));
    QVERIFY(folder.mkpath(u"."_s));
    const QString path = folder.filePath(u"集計.xlsx"_s);
    const auto entries = [&] { return folder.entryList(QDir::Files | QDir::Hidden | QDir::System); };
    for (const bool existing : {false, true}) {
        if (existing)
            writeBytes(path, "old");
        tv::shell::ScopedWriteFaults faults({bytes, syncs, renames, opens});
        const tv::services::Status written = writeTotalsWorkbook(m_tables, u"A棟"_s, path);
        QVERIFY(!written.ok());
        QVERIFY2(written.error.contains(QDir::toNativeSeparators(path)) && written.error.contains(reason),
                 qPrintable(written.error));
        QCOMPARE(entries(), existing ? QStringList{u"集計.xlsx"_s} : QStringList());
        if (existing)
            QCOMPARE(readBytes(path), QByteArray("old"));
    }
    // Without the faults the same write succeeds.
    QVERIFY(writeTotalsWorkbook(m_tables, u"A棟"_s, path).ok());
    QCOMPARE(entries(), QStringList{u"集計.xlsx"_s});
    QCOMPARE(readWorkbook(path).sheets.size(), kTableCount);
}

QTEST_GUILESS_MAIN(TestTotalsWorkbook)
#include "tst_totals_workbook.moc"
