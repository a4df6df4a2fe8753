// The sheet printout: pages of 35 rows, which rows print, titles, and the positions of texts and
// rules in twips.
#include "sheets/sheet_layout.h"
#include "sheets/sheet_print.h"
#include "sheets/work_file.h"

#include <QTest>

using namespace tv::sheets;
using namespace Qt::StringLiterals;
using tv::services::PrintDocument;
using tv::services::PrintLine;
using tv::services::PrintText;
using tv::services::TextGrid;

namespace {

// A sheet with `rows` data rows and 100 spare rows below them.
TextGrid sheet(int rows, SheetKind kind = SheetKind::Column) {
    TextGrid grid;
    setUpSheetGrid(grid, kind);
    grid.resize(kFirstDataRow + rows + kSpareRows, kSheetColumns);
    return grid;
}

// The texts of a page below the caption band: the printed cells.
QStringList cellTexts(const tv::services::PrintPage& page) {
    QStringList texts;
    for (const PrintText& t : page.texts)
        if (t.y >= tv::services::mmToTwips(16) && t.pointSize == 8.5)
            texts.append(t.text);
    return texts;
}

const PrintText* findText(const tv::services::PrintPage& page, const QString& text) {
    for (const PrintText& t : page.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

} // namespace

class TestSheetPrint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seventyRowsGiveTwoPages();
    void rowsWithoutPrintedTextTakeNoBand();
    void textPositionsInTwips_data();
    void textPositionsInTwips();
    void rulesOfTheTable();
};

void TestSheetPrint::seventyRowsGiveTwoPages() {
    TextGrid grid = sheet(70);
    for (int i = 0; i < 70; ++i)
        grid.setText(kFirstDataRow + i, kMarkColumn, u"C%1"_s.arg(i + 1));
    const PrintDocument document = sheetPrintout(grid, SheetKind::Column);
    QCOMPARE(document.pages.size(), 2);
    QCOMPARE(document.pages[0].texts.first().text, u"柱積算-1"_s);
    QCOMPARE(document.pages[1].texts.first().text, u"柱積算-2"_s);
    QCOMPARE(cellTexts(document.pages[0]).size(), 35);
    QCOMPARE(cellTexts(document.pages[1]).last(), u"C70"_s);
    for (const auto& page : document.pages)
        QVERIFY(page.landscape);
    grid.setText(kFirstDataRow + 70, 23, u"8"_s);
    QCOMPARE(sheetPrintout(grid, SheetKind::Beam).pages.size(), 3);
    QCOMPARE(sheetPrintout(grid, SheetKind::Beam).pages[2].texts.first().text, u"梁積算-3"_s);
}

void TestSheetPrint::rowsWithoutPrintedTextTakeNoBand() {
    TextGrid grid = sheet(4);
    grid.setText(kFirstDataRow, kKindColumn, u"柱"_s);             // only the entry kind
    grid.setText(kFirstDataRow, kFirstEntryText + 1, u"hidden"_s); // and a hidden text
    grid.setText(kFirstDataRow + 2, 7, u"PL-9×100×100"_s);
    const PrintDocument document = sheetPrintout(grid, SheetKind::Column);
    QCOMPARE(document.pages.size(), 1);
    QCOMPARE(cellTexts(document.pages[0]), QStringList{u"PL-9×100×100"_s});
    // It stands in the first band, clear of its rules.
    QCOMPARE(findText(document.pages[0], u"PL-9×100×100"_s)->y, 1021);

    // An empty sheet still gives its first page, with no row on it.
    const PrintDocument empty = sheetPrintout(sheet(0), SheetKind::Column);
    QCOMPARE(empty.pages.size(), 1);
    QVERIFY(cellTexts(empty.pages[0]).isEmpty());
}

void TestSheetPrint::textPositionsInTwips_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    // band 0: 17 to 22 mm, the text's box 17.5 to 21.5 mm; the text (8.5 × 25/72 mm high) centred in it
    QTest::newRow("left: 1 mm right of the column's left edge") << 7 << u"サイズ"_s << 4422 << 1021;
    QTest::newRow("right: 1 mm left of the column's right edge") << 8 << u"3500"_s << 6470 << 1021;
    QTest::newRow("centre: on the column's middle") << 3 << u"C1"_s << 1475 << 1021;
}

void TestSheetPrint::textPositionsInTwips() {
    QFETCH(int, column);
    QFETCH(QString, text);
    QFETCH(int, x);
    QFETCH(int, y);
    TextGrid grid = sheet(1);
    grid.setText(kFirstDataRow, column, text);
    const PrintDocument document = sheetPrintout(grid, SheetKind::Column);
    const PrintText* printed = findText(document.pages[0], text);
    QVERIFY(printed);
    QCOMPARE(printed->x, x);
    QCOMPARE(printed->y, y);
    QCOMPARE(printed->font, u"ＭＳ Ｐ明朝"_s);
    QCOMPARE(printed->pointSize, 8.5);

    const PrintText* title = findText(document.pages[0], u"柱積算-1"_s);
    QCOMPARE(title->x, 935);
    QCOMPARE(title->y, 246);
    QCOMPARE(title->pointSize, 10.5);
    const PrintText* joint = findText(document.pages[0], u"JOINT"_s);
    QCOMPARE(joint->x, 7404);
    QCOMPARE(joint->y, 733); // in the caption band (12.5…16.5 mm), no longer across the frame's top
    QCOMPARE(joint->pointSize, 9.0);
}

void TestSheetPrint::rulesOfTheTable() {
    const QList<PrintLine> lines = sheetPrintout(sheet(0), SheetKind::Column).pages[0].lines;
    QVERIFY(lines.contains(PrintLine{963, 680, 15989, 680, 7}));     // frame top
    QVERIFY(lines.contains(PrintLine{963, 963, 15989, 963, 7}));     // under the caption band
    QVERIFY(lines.contains(PrintLine{963, 1247, 15989, 1247, 1}));   // under the first row band
    QVERIFY(lines.contains(PrintLine{9553, 963, 9553, 10886, 1}));   // 厚: below the caption band
    QVERIFY(lines.contains(PrintLine{10234, 680, 10234, 10886, 1})); // 溶接 group end: from the top
    QCOMPARE(lines.size(), 5 + 34 + 22);
}

QTEST_GUILESS_MAIN(TestSheetPrint)
#include "tst_sheets_print.moc"
