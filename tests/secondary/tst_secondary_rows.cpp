// The secondary-member row: its computed quantities, and WorkData-3.ini read and written back.
#include "secondary/zatu_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::secondary;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

ZatuRow rowOf(std::initializer_list<std::pair<int, QString>> cells) {
    ZatuRow row;
    for (const auto& [k, text] : cells)
        row.setCell(k, text);
    return row;
}

} // namespace

class TestSecondaryRows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void recalc_data();
    void recalc();
    void lineFormatAndApostrophe();
    void emptySheetWritesEmptyFileAndRowsKeepTheirOrder();
    void shortAndLongLinesAndHiddenCells();
    void missingAndUndecodableFiles();
    void failedSaveKeepsTheOldFile();

private:
    QTemporaryDir m_dir;
};

void TestSecondaryRows::recalc_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("inputs");     // L(m), ×, weld L(m), ×, 糸尺(m), ×
    QTest::addColumn<QStringList>("quantities"); // 数量, weld 数量, painting 数量

    QTest::newRow("formula times count")
        << u"胴縁"_s << QStringList{u"3.5*2"_s, u"4"_s, {}, {}, {}, {}} << QStringList{u"28.00"_s, {}, {}};
    QTest::newRow("empty count") << u"ブレース"_s << QStringList{u"6"_s, {}, {}, {}, {}, {}}
                                 << QStringList{{}, {}, {}};
    QTest::newRow("zero count") << u"雑-1"_s << QStringList{u"6"_s, u"0"_s, {}, {}, {}, {}}
                                << QStringList{{}, {}, {}};
    QTest::newRow("zero length") << u"雑-2"_s << QStringList{u"1-1"_s, u"3"_s, {}, {}, {}, {}}
                                 << QStringList{{}, {}, {}};
    QTest::newRow("bolt rows have no quantity")
        << u"BOLT"_s << QStringList{u"6"_s, u"4"_s, {}, {}, {}, {}} << QStringList{{}, {}, {}};
    QTest::newRow("weld and painting") << u"胴縁"_s << QStringList{{}, {}, u"12"_s, u"2"_s, u"0.6"_s, u"10"_s}
                                       << QStringList{{}, u"24.00"_s, u"6.00"_s};
    QTest::newRow("weld and painting on a bolt row")
        << u"BOLT"_s << QStringList{{}, {}, u"1.5"_s, u"2"_s, u"0.25"_s, u"3"_s}
        << QStringList{{}, u"3.00"_s, u"0.75"_s};
    QTest::newRow("unclosed parenthesis")
        << u"床版"_s << QStringList{u"(2+3"_s, u"2"_s, {}, {}, {}, {}} << QStringList{{}, {}, {}};
    QTest::newRow("length rounded before the product")
        << u"胴縁"_s << QStringList{u"1.005"_s, u"3"_s, {}, {}, {}, {}} << QStringList{u"3.03"_s, {}, {}};
}

void TestSecondaryRows::recalc() {
    QFETCH(QString, category);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, quantities);
    ZatuRow row = rowOf({{BuzaiCell, category},
                         {LengthCell, inputs[0]},
                         {CountCell, inputs[1]},
                         {WeldLengthCell, inputs[2]},
                         {WeldCountCell, inputs[3]},
                         {GirthCell, inputs[4]},
                         {PaintCountCell, inputs[5]},
                         {QuantityCell, u"stale"_s},
                         {WeldQuantityCell, u"stale"_s},
                         {PaintQuantityCell, u"stale"_s}});
    RecalcZatuRow(row);
    QCOMPARE(row.cell(QuantityCell), quantities[0]);
    QCOMPARE(row.cell(WeldQuantityCell), quantities[1]);
    QCOMPARE(row.cell(PaintQuantityCell), quantities[2]);
}

void TestSecondaryRows::lineFormatAndApostrophe() {
    ZatuRow row;
    for (int k = 1; k <= kZatuCells; ++k)
        row.setCell(k, QString::number(k));
    row.setCell(BuzaiCell, u"ブレース"_s);
    row.setCell(PositionCell, u"Tom's"_s);
    const QString path = m_dir.filePath(u"format/WorkData-3.ini"_s);
    writeBytes(path, {});
    QVERIFY(SaveZatuRows(path, {row}).ok());
    QCOMPARE(
        readBytes(path),
        cp932Lines({u"ZZ03'ブレース'2'Tom’s'4'5'6'7'8'9'10'11'12'13'14'15'16'17'18'19'20'21'22'23'24'25"_s}));

    const ZatuRowsResult loaded = LoadZatuRows(path);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.rows.size(), 1);
    QCOMPARE(loaded.rows[0].cell(PositionCell), u"Tom’s"_s);
    QCOMPARE(loaded.rows[0].cell(25), u"25"_s);
}

void TestSecondaryRows::emptySheetWritesEmptyFileAndRowsKeepTheirOrder() {
    const QString path = m_dir.filePath(u"order/WorkData-3.ini"_s);
    writeCp932Lines(path, {u"ZZ03'old"_s});
    QVERIFY(SaveZatuRows(path, {ZatuRow{}, ZatuRow{}}).ok());
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(readBytes(path), QByteArray());

    const QList<ZatuRow> rows{rowOf({{BuzaiCell, u"胴縁"_s}}), ZatuRow{}, rowOf({{FloorCell, u"3"_s}}),
                              ZatuRow{}, rowOf({{BuzaiCell, u"BOLT"_s}})};
    QVERIFY(SaveZatuRows(path, rows).ok());
    const ZatuRowsResult loaded = LoadZatuRows(path);
    QVERIFY(loaded.ok() && loaded.exists);
    QCOMPARE(loaded.rows, (QList<ZatuRow>{rows[0], rows[2], rows[4]}));
}

void TestSecondaryRows::shortAndLongLinesAndHiddenCells() {
    const QString path = m_dir.filePath(u"short/WorkData-3.ini"_s);
    // LF line ends, an empty line, a short line, a foreign tag, hidden cells, and 27 fields.
    const QString hidden = u"ZZ03"_s + QString(21, u'\'') + u"h21"_s + QString(4, u'\'') + u"h25"_s;
    const QString full = u"ZZ03'1'2'3'4'5'6'7'8'9'10'11'12'13'14'15'16'17'18'19'20'21'22'23'24'25"_s;
    writeBytes(path, cp932Lines({u"XX99'胴縁'2"_s}).replace("\r\n", "\n") + "\n" +
                         cp932Lines({hidden, full + u"'26"_s}));
    const ZatuRowsResult loaded = LoadZatuRows(path);
    QVERIFY(loaded.ok());
    QCOMPARE(loaded.rows.size(), 3);
    QCOMPARE(loaded.rows[0], rowOf({{BuzaiCell, u"胴縁"_s}, {FloorCell, u"2"_s}}));
    QCOMPARE(loaded.rows[1], rowOf({{21, u"h21"_s}, {25, u"h25"_s}}));
    QCOMPARE(loaded.rows[2].cell(25), u"25"_s);

    // The hidden cells are written back as they came; a row filled only there is kept.
    QVERIFY(SaveZatuRows(path, loaded.rows).ok());
    QCOMPARE(readBytes(path), cp932Lines({u"ZZ03'胴縁'2"_s + QString(23, u'\''), hidden, full}));
}

void TestSecondaryRows::missingAndUndecodableFiles() {
    // A lost work file is named, never taken for a sheet without rows.
    const QString none = m_dir.filePath(u"none/WorkData-3.ini"_s);
    const ZatuRowsResult missing = LoadZatuRows(none);
    QCOMPARE(missing.error, u"ファイル「%1」がありません。"_s.arg(QDir::toNativeSeparators(none)));
    QVERIFY(!missing.exists);
    QVERIFY(missing.rows.isEmpty());

    const QString path = m_dir.filePath(u"bad/WorkData-3.ini"_s);
    writeBytes(path, cp932Lines({u"ZZ03'胴縁"_s}) + QByteArray("ZZ03'\x81\x7f\xff'x\r\n"));
    const ZatuRowsResult bad = LoadZatuRows(path);
    QVERIFY(!bad.ok());
    QVERIFY(bad.exists);
    QVERIFY(bad.rows.isEmpty());
    QVERIFY2(bad.error.contains(u"WorkData-3.ini"_s), qPrintable(bad.error));
}

void TestSecondaryRows::failedSaveKeepsTheOldFile() {
    const QString path = m_dir.filePath(u"keep/WorkData-3.ini"_s);
    const QByteArray old = cp932Lines({u"ZZ03'胴縁'1"_s});
    writeBytes(path, old);
    const tv::services::Status saved = SaveZatuRows(path, {rowOf({{PositionCell, u"X1 \U0001F600"_s}})});
    QVERIFY(!saved.ok());
    QCOMPARE(readBytes(path), old);
}

QTEST_GUILESS_MAIN(TestSecondaryRows)
#include "tst_secondary_rows.moc"
