// The secondary-member printout: frame, titles, the placement of texts, page breaks, skipped rows.
#include "secondary/zatu_print.h"

#include <QTest>

using namespace tv::secondary;
using namespace Qt::StringLiterals;
using tv::services::PrintDocument;
using tv::services::PrintLine;
using tv::services::PrintPage;
using tv::services::PrintText;

namespace {

ZatuRow filledRow(int number) {
    ZatuRow row;
    row.setCell(BuzaiCell, u"胴縁"_s);
    row.setCell(FloorCell, QString::number(number));
    return row;
}

PrintText mincho(int x, int y, double size, const QString& text) {
    PrintText t;
    t.x = x;
    t.y = y;
    t.font = u"ＭＳ Ｐ明朝"_s;
    t.pointSize = size;
    t.text = text;
    return t;
}

// Where a text is placed, without the cell it is fitted into when drawn.
PrintText placed(PrintText text) {
    text.cell = {};
    text.align = tv::services::PrintAlign::Left;
    return text;
}

QList<PrintText> placed(const QList<PrintText>& texts) {
    QList<PrintText> result;
    for (const PrintText& text : texts)
        result.append(placed(text));
    return result;
}

const PrintText* findText(const PrintPage& page, const QString& text) {
    for (const PrintText& t : page.texts)
        if (t.text == text)
            return &t;
    return nullptr;
}

} // namespace

class TestSecondaryPrint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void emptySheetPrintsFrameAndTitleOnly();
    void pageBreaks_data();
    void pageBreaks();
    void rowsArePlacedWithoutGaps();
};

void TestSecondaryPrint::emptySheetPrintsFrameAndTitleOnly() {
    ZatuRow hiddenOnly;
    hiddenOnly.setCell(FirstHiddenCell, u"x"_s);
    const PrintDocument document = ZatuPrintLayout({ZatuRow{}, hiddenOnly});
    QCOMPARE(document.pages.size(), 1);
    const PrintPage& page = document.pages[0];
    QVERIFY(page.landscape);
    // Title 10.5 pt at (17 + 3 − 3.5, 12 − 2 − 10.5 × 25/72 − 2) mm; captions 9 pt on the base line T + 4.
    QCOMPARE(placed(page.texts),
             (QList<PrintText>{mincho(935, 246, 10.5, u"副部材積算-1"_s), mincho(5868, 616, 9, u"部材"_s),
                               mincho(10631, 616, 9, u"溶接"_s), mincho(13522, 616, 9, u"塗装"_s)}));
    // The outer frame (width 7), the caption band, bands 2 to 35, and one vertical line per column.
    QCOMPARE(page.lines.size(), 4 + 1 + 34 + 20);
    QCOMPARE(page.lines[0], (PrintLine{765, 567, 15790, 567, 7}));
    QCOMPARE(page.lines[4], (PrintLine{765, 850, 15790, 850, 1}));
    QCOMPARE(page.lines[5], (PrintLine{765, 1134, 15790, 1134, 1}));
    QCOMPARE(page.lines[38], (PrintLine{765, 10489, 15790, 10489, 1}));
    QCOMPARE(page.lines[39], (PrintLine{1445, 567, 1445, 10773, 1})); // 部材名 | 階: from the top
    QCOMPARE(page.lines[41], (PrintLine{2806, 850, 2806, 10773, 1})); // 位置/ｺﾒﾝﾄ: under the captions
    QCOMPARE(page.lines[58], (PrintLine{14571, 567, 14571, 10773, 1})); // the last 数量
}

void TestSecondaryPrint::pageBreaks_data() {
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("pages");
    QTest::addColumn<int>("textsOnLastPage");
    QTest::newRow("34 rows fit one page") << 34 << 1 << 4 + 34 * 2;
    QTest::newRow("35 rows start an empty second page") << 35 << 2 << 4;
    QTest::newRow("the 36th row opens page 2") << 36 << 2 << 4 + 2;
    QTest::newRow("70 rows start page 3") << 70 << 3 << 4;
}

void TestSecondaryPrint::pageBreaks() {
    QFETCH(int, rows);
    QFETCH(int, pages);
    QFETCH(int, textsOnLastPage);
    QList<ZatuRow> sheet;
    for (int i = 1; i <= rows; ++i)
        sheet.append(filledRow(i));
    const PrintDocument document = ZatuPrintLayout(sheet);
    QCOMPARE(document.pages.size(), pages);
    const PrintPage& last = document.pages.last();
    QCOMPARE(last.texts.size(), textsOnLastPage);
    QCOMPARE(last.lines, document.pages.first().lines);
    QVERIFY(findText(last, u"副部材積算-"_s + QString::number(pages)));
    if (rows % kPrintRowsPerPage) // the first row of the last page sits in band 1
        QCOMPARE(findText(last, QString::number(rows - rows % kPrintRowsPerPage + 1))->y, 909);
}

void TestSecondaryPrint::rowsArePlacedWithoutGaps() {
    ZatuRow first;
    first.setCell(BuzaiCell, u"胴縁"_s);
    first.setCell(QuantityCell, u"28.00"_s);
    first.setCell(PositionCell, u"X1"_s);
    first.setCell(FirstHiddenCell, u"hidden"_s);
    ZatuRow hiddenOnly;
    hiddenOnly.setCell(25, u"x"_s);
    ZatuRow second;
    second.setCell(PaintQuantityCell, u"6.00"_s);
    const PrintDocument document = ZatuPrintLayout({ZatuRow{}, first, ZatuRow{}, hiddenOnly, second});
    QCOMPARE(document.pages.size(), 1);
    const PrintPage& page = document.pages[0];
    QCOMPARE(page.texts.size(), 4 + 4);
    // 8.5 pt: centred, left-aligned and right-aligned on the base line T + 9, then T + 14.
    QCOMPARE(placed(*findText(page, u"胴縁"_s)), mincho(938, 909, 8.5, u"胴縁"_s));
    QCOMPARE(placed(*findText(page, u"X1"_s)), mincho(1842, 909, 8.5, u"X1"_s));
    QCOMPARE(placed(*findText(page, u"28.00"_s)), mincho(8738, 909, 8.5, u"28.00"_s));
    QCOMPARE(findText(page, u"6.00"_s)->y, 1193);
    QVERIFY(!findText(page, u"hidden"_s));
}

QTEST_GUILESS_MAIN(TestSecondaryPrint)
#include "tst_secondary_print.moc"
