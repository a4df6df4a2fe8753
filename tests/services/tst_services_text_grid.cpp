// TextGrid: cells and colours through insertions and removals, spans, positions and the row sort.
#include "services/text_grid.h"

#include <QTest>

#include <algorithm>

using namespace tv::services;
using namespace Qt::StringLiterals;

namespace {

constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kBlue{0, 0, 255};

// Column 0 of every row, read top to bottom.
QStringList firstColumn(const TextGrid& grid) {
    QStringList texts;
    for (int r = 0; r < grid.rowCount(); ++r)
        texts.append(grid.text(r, 0));
    return texts;
}

// A grid of one label column followed by the given key columns, one row per entry.
TextGrid table(const QList<QStringList>& rows) {
    TextGrid grid(int(rows.size()), int(rows.value(0).size()));
    for (int r = 0; r < rows.size(); ++r)
        grid.setRowTexts(r, rows[r]);
    return grid;
}

} // namespace

class TestTextGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void insertAndRemoveMoveTextsAndColours();
    void outsideTheGridReadsEmptyAndIgnoresWrites();
    void spansFollowInsertedAndRemovedRows();
    void positionsStayInsideTheGrid();
    void resizeKeepsContent();
    void compareCells_data();
    void compareCells();
    void sortTable_data();
    void sortTable();
    void sortSubRangeMovesWholeRowsOnly();
    void sortMixedColumnKeepsEveryRow();
    void sortsManyRowsByTwoKeys();
};

void TestTextGrid::insertAndRemoveMoveTextsAndColours() {
    TextGrid grid(3, 2);
    grid.setRowTexts(0, {u"a"_s, u"A"_s});
    grid.setRowTexts(1, {u"b"_s, u"B"_s});
    grid.setRowTexts(2, {u"c"_s, u"C"_s});
    grid.setBackColor(1, 1, kYellow);
    grid.setBackColor(2, 0, kBlue);

    grid.insertRow(1, {u"new"_s, u"NEW"_s, u"dropped"_s});
    QCOMPARE(grid.rowCount(), 4);
    QCOMPARE(firstColumn(grid), (QStringList{u"a"_s, u"new"_s, u"b"_s, u"c"_s}));
    QCOMPARE(grid.rowTexts(1), (QStringList{u"new"_s, u"NEW"_s}));
    QCOMPARE(grid.backColor(1, 1), std::nullopt);
    QCOMPARE(grid.backColor(2, 1), kYellow);
    QCOMPARE(grid.backColor(3, 0), kBlue);

    grid.insertRow(grid.rowCount(), {u"end"_s});
    QCOMPARE(grid.rowTexts(4), (QStringList{u"end"_s, QString()}));

    grid.removeRow(0);
    QCOMPARE(firstColumn(grid), (QStringList{u"new"_s, u"b"_s, u"c"_s, u"end"_s}));
    QCOMPARE(grid.backColor(1, 1), kYellow);
    QCOMPARE(grid.backColor(2, 0), kBlue);
    QCOMPARE(grid.backColor(3, 0), std::nullopt);

    grid.removeRow(7); // outside: nothing happens
    QCOMPARE(grid.rowCount(), 4);
}

void TestTextGrid::outsideTheGridReadsEmptyAndIgnoresWrites() {
    TextGrid grid(2, 2);
    grid.setText(2, 0, u"x"_s);
    grid.setText(0, -1, u"x"_s);
    grid.setBackColor(0, 2, kBlue);
    QCOMPARE(grid.text(2, 0), QString());
    QCOMPARE(grid.text(-1, 0), QString());
    QCOMPARE(grid.backColor(0, 2), std::nullopt);
    QCOMPARE(grid.rowTexts(5), QStringList());
    for (int r = 0; r < 2; ++r)
        QCOMPARE(grid.rowTexts(r), (QStringList{QString(), QString()}));
}

void TestTextGrid::spansFollowInsertedAndRemovedRows() {
    TextGrid grid(6, 4);
    grid.addSpan({0, 0, 2, 1}); // header rows 0-1
    grid.addSpan({0, 1, 1, 3}); // header row 0, columns 1-3
    grid.addSpan({4, 0, 1, 2}); // body row 4
    grid.addSpan({3, 3, 1, 1}); // a single cell is no span
    QCOMPARE(grid.spans().size(), 3);

    grid.insertRow(1); // inside the first span, before the last
    QCOMPARE(grid.spans(), (QList<CellSpan>{{0, 0, 3, 1}, {0, 1, 1, 3}, {5, 0, 1, 2}}));
    grid.removeRow(5); // the last span's only row
    grid.removeRow(0);
    QCOMPARE(grid.spans(), (QList<CellSpan>{{0, 0, 2, 1}}));
    grid.clearSpans();
    QVERIFY(grid.spans().isEmpty());
}

void TestTextGrid::positionsStayInsideTheGrid() {
    TextGrid grid(10, 3);
    grid.setFixedRows(2);
    QCOMPARE(grid.topRow(), 2);
    grid.setCurrent(7, 2);
    grid.setTopRow(5);
    QCOMPARE(grid.currentRow(), 7);
    QCOMPARE(grid.currentColumn(), 2);
    QCOMPARE(grid.topRow(), 5);

    grid.setTopRow(0);
    QCOMPARE(grid.topRow(), 2); // the header rows never scroll
    grid.setCurrent(20, -1);
    QCOMPARE(grid.currentRow(), 9);
    QCOMPARE(grid.currentColumn(), 0);

    grid.setTopRow(9);
    grid.removeRow(9);
    grid.removeRow(8);
    QCOMPARE(grid.currentRow(), 7);
    QCOMPARE(grid.topRow(), 7);
    grid.resize(0, 0);
    QCOMPARE(grid.currentRow(), 0);
    QCOMPARE(grid.currentColumn(), 0);
    QCOMPARE(grid.topRow(), 2);
}

void TestTextGrid::resizeKeepsContent() {
    TextGrid grid(2, 2);
    grid.setText(1, 1, u"keep"_s);
    grid.setBackColor(1, 1, kYellow);
    grid.setAlignment(1, CellAlignment::Right);
    grid.setColumnWidth(1, 1500);
    grid.resize(4, 5);
    QCOMPARE(grid.text(1, 1), u"keep"_s);
    QCOMPARE(grid.backColor(1, 1), kYellow);
    QCOMPARE(grid.alignment(1), CellAlignment::Right);
    QCOMPARE(grid.columnWidth(1), 1500);
    QCOMPARE(grid.columnWidth(4), TextGrid::kDefaultColumnWidth);
    QCOMPARE(grid.rowTexts(3).size(), 5);
    QCOMPARE(grid.text(3, 4), QString());

    grid.setText(3, 4, u"gone"_s);
    grid.resize(2, 2);
    grid.resize(4, 5);
    QCOMPARE(grid.text(1, 1), u"keep"_s);
    QCOMPARE(grid.text(3, 4), QString()); // cut cells come back empty
}

void TestTextGrid::compareCells_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected");
    QTest::newRow("numbers by value") << u"9"_s << u"10"_s << -1;
    QTest::newRow("negative numbers") << u"-1"_s << u"2"_s << -1;
    QTest::newRow("decimals by value") << u"1.5"_s << u"1.25"_s << 1;
    QTest::newRow("blanks around, sign, exponent") << u" +100 "_s << u"1E2"_s << 0;
    QTest::newRow("D exponent") << u"1d-1"_s << u"0.1"_s << 0;
    QTest::newRow("full-width blanks around") << u"\u30009\u3000"_s << u"10"_s << -1;
    QTest::newRow("point without digits before") << u".5"_s << u"0.4"_s << 1;
    QTest::newRow("text after a number is text") << u"50e"_s << u"6"_s << -1;
    QTest::newRow("a trailing sign is text") << u"12-"_s << u"9"_s << -1;
    QTest::newRow("an inner blank is text") << u"1 2"_s << u"9"_s << -1;
    QTest::newRow("two points are text") << u"1.2.3"_s << u"1.1"_s << 1;
    QTest::newRow("hexadecimal is text") << u"&H10"_s << u"9"_s << -1;
    QTest::newRow("number against text by bytes") << u"10"_s << u"9a"_s << -1;
    QTest::newRow("empty before numbers") << QString() << u"-5"_s << -1;
    QTest::newRow("empty before text") << QString() << u" "_s << -1;
    QTest::newRow("ASCII case folded") << u"abc"_s << u"ABC"_s << 0;
    QTest::newRow("folded to lower case") << u"_"_s << u"A"_s << -1;
    QTest::newRow("full-width letters not folded") << u"ａ"_s << u"Ａ"_s << 1;
    QTest::newRow("hiragana in JIS order") << u"あ"_s << u"い"_s << -1;
    QTest::newRow("katakana after hiragana") << u"い"_s << u"ア"_s << -1;
    QTest::newRow("half-width katakana after hiragana") << u"ｱ"_s << u"あ"_s << 1;
    QTest::newRow("half-width katakana before kanji led by 0xE0 and up") << u"ｱ"_s << u"燹"_s << -1;
    QTest::newRow("half-width voiced katakana") << u"ｶﾞ"_s << u"ガ"_s << 1;
    QTest::newRow("kanji in JIS order, not Unicode") << u"鋼"_s << u"柱"_s << -1;
    QTest::newRow("trail bytes are not folded") << u"ア"_s << u"ヂ"_s << -1;
    QTest::newRow("unencodable after every character") << u"\u00e9"_s << u"\uFFE2"_s << 1;
    QTest::newRow("prefix first") << u"H-200"_s << u"H-200x100"_s << -1;
}

void TestTextGrid::compareCells() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
    QCOMPARE(compareGridCells(a, b), expected);
    QCOMPARE(compareGridCells(b, a), -expected);
}

void TestTextGrid::sortTable_data() {
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<int>("firstColumn");
    QTest::addColumn<int>("lastColumn");
    QTest::addColumn<QStringList>("expected"); // column 0 after the sort
    QTest::newRow("numbers by value")
        << QList<QStringList>{{u"r1"_s, u"10"_s}, {u"r2"_s, u"9"_s}, {u"r3"_s, u"-1"_s}, {u"r4"_s, u"1.25"_s}}
        << 1 << 1 << QStringList{u"r3"_s, u"r4"_s, u"r2"_s, u"r1"_s};
    QTest::newRow("Japanese in JIS order")
        << QList<QStringList>{{u"r1"_s, u"ア"_s}, {u"r2"_s, u"い"_s}, {u"r3"_s, u"ｱ"_s}, {u"r4"_s, u"あ"_s}}
        << 1 << 1 << QStringList{u"r4"_s, u"r2"_s, u"r1"_s, u"r3"_s};
    QTest::newRow("case folded, stable") << QList<QStringList>{{u"r1"_s, u"abc"_s},
                                                               {u"r2"_s, u"B"_s},
                                                               {u"r3"_s, u"ABC"_s},
                                                               {u"r4"_s, u"Abc"_s}}
                                         << 1 << 1 << QStringList{u"r1"_s, u"r3"_s, u"r4"_s, u"r2"_s};
    QTest::newRow("empty cells first") << QList<QStringList>{{u"r1"_s, u"5"_s},
                                                             {u"r2"_s, QString()},
                                                             {u"r3"_s, u"a"_s},
                                                             {u"r4"_s, QString()}}
                                       << 1 << 1 << QStringList{u"r2"_s, u"r4"_s, u"r1"_s, u"r3"_s};
    QTest::newRow("second column breaks ties") << QList<QStringList>{{u"r1"_s, u"柱"_s, u"20"_s},
                                                                     {u"r2"_s, u"梁"_s, u"3"_s},
                                                                     {u"r3"_s, u"柱"_s, u"3"_s},
                                                                     {u"r4"_s, u"柱"_s, u"20"_s}}
                                               << 1 << 2 << QStringList{u"r3"_s, u"r1"_s, u"r4"_s, u"r2"_s};
    QTest::newRow("columns given backwards")
        << QList<QStringList>{{u"r1"_s, u"b"_s, u"2"_s}, {u"r2"_s, u"a"_s, u"2"_s}, {u"r3"_s, u"c"_s, u"1"_s}}
        << 2 << 1 << QStringList{u"r2"_s, u"r1"_s, u"r3"_s};
}

void TestTextGrid::sortTable() {
    QFETCH(QList<QStringList>, rows);
    QFETCH(int, firstColumn);
    QFETCH(int, lastColumn);
    QFETCH(QStringList, expected);
    TextGrid grid = table(rows);
    grid.sortRows(0, grid.rowCount() - 1, firstColumn, lastColumn);
    QCOMPARE(::firstColumn(grid), expected);
}

void TestTextGrid::sortSubRangeMovesWholeRowsOnly() {
    TextGrid grid = table(
        {{u"head"_s, u"z"_s}, {u"r1"_s, u"c"_s}, {u"r2"_s, u"b"_s}, {u"r3"_s, u"a"_s}, {u"tail"_s, u"0"_s}});
    grid.setBackColor(1, 0, kYellow);
    grid.setBackColor(3, 1, kBlue);
    grid.sortRows(1, 3, 1, 1);
    QCOMPARE(firstColumn(grid), (QStringList{u"head"_s, u"r3"_s, u"r2"_s, u"r1"_s, u"tail"_s}));
    QCOMPARE(grid.rowTexts(1), (QStringList{u"r3"_s, u"a"_s}));
    QCOMPARE(grid.backColor(1, 1), kBlue);
    QCOMPARE(grid.backColor(3, 0), kYellow);
    QCOMPARE(grid.backColor(2, 0), std::nullopt);

    grid.sortRows(3, 99, 0, 9); // clipped to the grid
    QCOMPARE(firstColumn(grid), (QStringList{u"head"_s, u"r3"_s, u"r2"_s, u"r1"_s, u"tail"_s}));
}

void TestTextGrid::sortMixedColumnKeepsEveryRow() {
    // "2" < "10" by value, "10" < "1x" and "1x" < "2" as text: no order satisfies all three, but the
    // sort must still give back every row once.
    const QStringList keys{u"1x"_s, u"10"_s, u"2"_s, u"1x"_s, u"2"_s, u"10"_s, u"3"_s, u"1a"_s};
    for (int rotation = 0; rotation < keys.size(); ++rotation) {
        TextGrid grid(int(keys.size()), 1);
        for (int r = 0; r < keys.size(); ++r)
            grid.setText(r, 0, keys[(r + rotation) % keys.size()]);
        grid.sortRows(0, grid.rowCount() - 1, 0, 0);
        QStringList sorted = firstColumn(grid);
        QStringList expected = keys;
        std::sort(sorted.begin(), sorted.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(sorted, expected);
    }
}

void TestTextGrid::sortsManyRowsByTwoKeys() {
    constexpr int kRows = 50000;
    TextGrid grid(kRows, 3);
    for (int r = 0; r < kRows; ++r) {
        const int k = (r * 7919) % kRows;
        grid.setRowTexts(r, {QString::number(r), u"鋼材%1"_s.arg(k % 97), QString::number(k * 0.5)});
    }
    grid.sortRows(0, kRows - 1, 1, 2);
    for (int r = 1; r < kRows; ++r) {
        const int byName = compareGridCells(grid.text(r - 1, 1), grid.text(r, 1));
        QVERIFY(byName < 0 || (byName == 0 && compareGridCells(grid.text(r - 1, 2), grid.text(r, 2)) <= 0));
    }
}

QTEST_GUILESS_MAIN(TestTextGrid)
#include "tst_services_text_grid.moc"
