// Sheet rows and work files: saving and loading, numbering, spare rows, apostrophes, short lines and
// files that cannot be read.
#include "sheet_fixtures.h"
#include "sheets/sheet_layout.h"
#include "sheets/work_file.h"
#include "shell/record_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::sheets;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::TextGrid;

namespace {

const QString kTag = u"ZZ01"_s;

// Three entries of 1, 4 and 2 rows with an empty row between the second and the third.
QStringList threeEntryLines() {
    return {
        workLine(kTag, {u"柱"_s, u"1"_s, u"C1"_s}),
        workLine(kTag, {u"柱"_s, u"2"_s, u"C2"_s, {}, u"SN490B"_s}),
        workLine(kTag, {{}, {}, {}, {}, u"SN490B"_s, u"DIA.PL"_s}),
        workLine(kTag, {{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, u"F"_s}),
        workLine(kTag, {{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, u"F"_s}),
        workLine(kTag, {u"柱"_s, u"3"_s, u"C3"_s}),
        workLine(kTag, {{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, u"耐火:1.5"_s}),
    };
}

TextGrid sheetGrid() {
    TextGrid grid;
    setUpSheetGrid(grid, SheetKind::Column);
    return grid;
}

} // namespace

class TestSheetWorkFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.isValid()); }
    void entriesAreNumberedAndSavedWithoutEmptyRows();
    void apostropheIsStoredAsTheTypographicOne();
    void emptyOrMissingFileGivesOneRowAndSpareRows_data();
    void emptyOrMissingFileGivesOneRowAndSpareRows();
    void shortLineLoadsWithEmptyCellsAndKeepsItsText();
    void undecodableFileIsRefusedAndTheGridKept();
    void spareRowsFollowTheLastUsedRow();
    void headerCaptionsAndHiddenColumns();

private:
    QString path() const { return m_dir.filePath(u"WorkData-1.ini"_s); }
    QTemporaryDir m_dir;
};

void TestSheetWorkFile::entriesAreNumberedAndSavedWithoutEmptyRows() {
    QStringList lines = threeEntryLines();
    lines.insert(5, QString()); // an empty line is skipped like an empty row
    writeCp932Lines(path(), lines);
    TextGrid grid = sheetGrid();
    QVERIFY(loadSheet(grid, path()).ok());
    QCOMPARE(grid.rowCount(), kHeaderRows + 7 + 1 + kSpareRows);
    QStringList numbers;
    for (int row = kFirstDataRow; row < kFirstDataRow + 8; ++row)
        numbers.append(grid.text(row, 0));
    QCOMPARE(numbers, (QStringList{u"1"_s, u"2"_s, {}, {}, {}, u"3"_s, {}, {}}));

    // An empty row inserted between two entries is not saved: the entries close up again.
    grid.insertRow(kFirstDataRow + 5);
    renumber(grid);
    QCOMPARE(grid.text(kFirstDataRow + 6, 0), u"3"_s);
    QVERIFY(saveSheet(grid, path(), kTag).ok());
    QCOMPARE(readBytes(path()), cp932Lines(threeEntryLines()));
}

void TestSheetWorkFile::apostropheIsStoredAsTheTypographicOne() {
    TextGrid grid = sheetGrid();
    grid.resize(kFirstDataRow + 1, kSheetColumns);
    grid.setText(kFirstDataRow, kKindColumn, u"柱"_s);
    grid.setText(kFirstDataRow, 4, u"X1'通り"_s);
    QVERIFY(saveSheet(grid, path(), kTag).ok());
    QCOMPARE(readBytes(path()), cp932Lines({workLine(kTag, {u"柱"_s, {}, {}, u"X1’通り"_s})}));
    TextGrid loaded = sheetGrid();
    QVERIFY(loadSheet(loaded, path()).ok());
    QCOMPARE(loaded.text(kFirstDataRow, 4), u"X1’通り"_s);
}

void TestSheetWorkFile::emptyOrMissingFileGivesOneRowAndSpareRows_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("empty file") << true;
    QTest::newRow("missing file") << false;
}

void TestSheetWorkFile::emptyOrMissingFileGivesOneRowAndSpareRows() {
    QFETCH(bool, exists);
    if (exists)
        writeBytes(path(), {});
    TextGrid grid = sheetGrid();
    QVERIFY(loadSheet(grid, path()).ok());
    QCOMPARE(grid.rowCount(), kHeaderRows + 1 + kSpareRows);
    QCOMPARE(lastUsedRow(grid), kHeaderRows - 1);
    QVERIFY(sheetLines(grid, kTag).isEmpty());
}

void TestSheetWorkFile::shortLineLoadsWithEmptyCellsAndKeepsItsText() {
    writeCp932Lines(path(), {u"ZZ01'柱'2'C5"_s, u"ZZ01"_s});
    TextGrid grid = sheetGrid();
    QVERIFY(loadSheet(grid, path()).ok());
    QCOMPARE(rowCells(grid, kFirstDataRow), workLine(kTag, {u"柱"_s, u"2"_s, u"C5"_s}).split(u'\'').mid(1));
    QCOMPARE(grid.text(kFirstDataRow, 0), u"1"_s);
    QVERIFY(saveSheet(grid, path(), kTag).ok());
    QCOMPARE(readBytes(path()), cp932Lines({workLine(kTag, {u"柱"_s, u"2"_s, u"C5"_s})}));
}

void TestSheetWorkFile::undecodableFileIsRefusedAndTheGridKept() {
    writeBytes(path(), cp932Lines({workLine(kTag, {u"柱"_s})}) + QByteArray("ZZ01'\x81\x20\r\n"));
    TextGrid grid = sheetGrid();
    grid.resize(kFirstDataRow + 1, kSheetColumns);
    grid.setText(kFirstDataRow, 3, u"kept"_s);
    const tv::services::Status loaded = loadSheet(grid, path());
    QVERIFY(!loaded.ok());
    QVERIFY2(loaded.error.contains(u"2行目"_s), qPrintable(loaded.error));
    QCOMPARE(grid.rowCount(), kFirstDataRow + 1);
    QCOMPARE(grid.text(kFirstDataRow, 3), u"kept"_s);
}

void TestSheetWorkFile::spareRowsFollowTheLastUsedRow() {
    TextGrid grid = sheetGrid();
    ensureSpareRows(grid);
    QCOMPARE(grid.rowCount(), kHeaderRows + kSpareRows);
    grid.setText(kFirstDataRow + 49, 20, u"HTB"_s);
    ensureSpareRows(grid);
    QCOMPARE(grid.rowCount(), kFirstDataRow + 50 + kSpareRows);
    ensureSpareRows(grid); // enough already: nothing added
    QCOMPARE(grid.rowCount(), kFirstDataRow + 50 + kSpareRows);
}

void TestSheetWorkFile::headerCaptionsAndHiddenColumns() {
    TextGrid column = sheetGrid();
    TextGrid beam;
    setUpSheetGrid(beam, SheetKind::Beam);
    QCOMPARE(column.text(1, 4), u"位置/ｺﾒﾝﾄ"_s);
    QCOMPARE(column.text(0, 17), u"塗装/耐火被覆"_s);
    QVERIFY(column.spans().contains(tv::services::CellSpan{0, 1, 1, 9}));
    QVERIFY(column.spans().contains(tv::services::CellSpan{0, 20, 1, 9}));
    for (int c = kFirstEntryText; c <= kLastCell; ++c)
        QCOMPARE(column.columnWidth(c), 0);
    QCOMPARE((QList<int>{column.columnWidth(15), column.columnWidth(16), column.columnWidth(18)}),
             (QList<int>{400, 730, 530}));
    QCOMPARE((QList<int>{beam.columnWidth(15), beam.columnWidth(16), beam.columnWidth(18)}),
             (QList<int>{350, 750, 550}));
}

QTEST_GUILESS_MAIN(TestSheetWorkFile)
#include "tst_sheets_work_file.moc"
