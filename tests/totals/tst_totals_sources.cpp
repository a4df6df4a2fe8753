// The totals' sources: how column, beam and secondary rows and joint marks add to the tables.
#include "lists/member_lists.h"
#include "totals/totals_sources.h"
#include "totals_fixtures.h"

#include <QTest>

using namespace tv::totals;
using namespace tv::test;
using namespace Qt::StringLiterals;

using Cells = QMap<int, QString>;
using Rows = QList<QStringList>;

Q_DECLARE_METATYPE(Cells)

namespace {

// A steel row as the sources leave it, before the finishing writes weights.
QStringList steel(const QString& code, const QString& name, const QString& grade, const QString& size,
                  const QString& quantity, const QString& unit) {
    return {code, name, grade, size, quantity, unit, u""_s, u""_s, u""_s};
}

tv::lists::JointListEntry joint(const QString& mark, const QString& flange, const QString& web,
                                const QString& galvanized = u"0"_s) {
    tv::lists::JointListEntry entry;
    entry.Mark = mark;
    entry.FlangeLines[0] = flange;
    entry.WebLines[0] = web;
    entry.Galvanized = galvanized;
    return entry;
}

} // namespace

class TestTotalsSources : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sheetMembers_data();
    void sheetMembers();
    void jointMarksExpandThroughTheJointList();
    void jointThicknessesComeFromTheHSize();
    void weldsBoltsAndCoating();
    void galvanizedBlocksCountSharedRowsTwice();
    void secondaryRows();
};

void TestTotalsSources::sheetMembers_data() {
    QTest::addColumn<Cells>("cells");
    QTest::addColumn<Rows>("expected");
    const Cells h{{5, u"SN490B"_s}, {6, u"H鋼"_s}, {7, u"H-400×200×8×13"_s}, {8, u"3500"_s}, {9, u"2"_s}};
    QTest::newRow("H鋼 3500 × 2 is 7.00 m, code 01")
        << h << Rows{steel(u"01"_s, u"H鋼"_s, u"SN490B"_s, u"H-400×200×8×13"_s, u"7.00"_s, u"m"_s)};
    QTest::newRow("shape without size") << Cells{{6, u"H鋼"_s}, {8, u"3500"_s}, {9, u"2"_s}} << Rows{};
    QTest::newRow("BOLT adds no steel")
        << Cells{{6, u"BOLT"_s}, {7, u"M20"_s}, {8, u"60"_s}, {9, u"4"_s}} << Rows{};
    QTest::newRow("floor deck keeps its quantity")
        << Cells{{5, u"SS400"_s}, {6, u"床版"_s}, {9, u"25.5"_s}}
        << Rows{steel(u"16"_s, u"床版"_s, u"SS400"_s, u""_s, u"25.50"_s, u"m2"_s)};
    QTest::newRow("plate with three pieces")
        << Cells{{5, u"SS400"_s}, {6, u"PL"_s}, {7, u"PL-9×300×400"_s}, {9, u"2"_s}}
        << Rows{steel(u"14"_s, u"普通鋼板"_s, u"SS400"_s, u"9"_s, u"0.24"_s, u"m2"_s)};
    QTest::newRow("plate with two pieces counts the third as 0")
        << Cells{{5, u"SS400"_s}, {6, u"PL"_s}, {7, u"PL-9×300"_s}, {9, u"2"_s}}
        << Rows{steel(u"14"_s, u"普通鋼板"_s, u"SS400"_s, u"9"_s, u"0.00"_s, u"m2"_s)};
    QTest::newRow("flat bar")
        << Cells{{5, u"SS400"_s}, {6, u"PL"_s}, {7, u"FLB-9×75"_s}, {8, u"1000"_s}, {9, u"4"_s}}
        << Rows{steel(u"15"_s, u"平鋼"_s, u"SS400"_s, u"FLB-9×75"_s, u"4.00"_s, u"m"_s)};
    QTest::newRow("plate by length")
        << Cells{{5, u"SS400"_s}, {6, u"PL"_s}, {7, u"PL-12"_s}, {8, u"500"_s}, {9, u"1"_s}}
        << Rows{steel(u"14"_s, u"普通鋼板"_s, u"SS400"_s, u"12"_s, u"0.50"_s, u"m2"_s)};
    QTest::newRow("C鋼 is grouped and shown as C形鋼")
        << Cells{{5, u"SS400"_s}, {6, u"C鋼"_s}, {7, u"C-100×50"_s}, {8, u"6000"_s}, {9, u"3"_s}}
        << Rows{steel(u"09"_s, u"C形鋼"_s, u"SS400"_s, u"C-100×50"_s, u"18.00"_s, u"m"_s)};
    QTest::newRow("text pieces read as 0")
        << Cells{{6, u"H鋼"_s}, {7, u"H-1"_s}, {8, u"abc"_s}, {9, u"2"_s}}
        << Rows{steel(u"01"_s, u"H鋼"_s, u""_s, u"H-1"_s, u"0.00"_s, u"m"_s)};
}

void TestTotalsSources::sheetMembers() {
    QFETCH(Cells, cells);
    QFETCH(Rows, expected);
    TotalsTables t;
    addSheetRows(t, {sheetRecord(cells)}, {});
    TV_COMPARE_ROWS(t.table(TableId::Steel), expected);
    // A line cut short after cell 9 counts the same.
    TotalsTables shortLine;
    addSheetRows(shortLine, {sheetRecord(cells).mid(0, 10)}, {});
    TV_COMPARE_ROWS(shortLine.table(TableId::Steel), expected);
}

void TestTotalsSources::jointMarksExpandThroughTheJointList() {
    const QList<tv::lists::JointListEntry> joints{
        joint(u"J1"_s, u"SN490B･9･150･400･2･HTB-F10T･M20･8"_s, u"･････普通ボルト･M16･2"_s),
        joint(u"J2"_s, u"SS400･12･100･300･1･･･"_s, u""_s, u"1"_s),
        joint(u""_s, u"SS400･99･100･300･1･･･"_s, u""_s), // deleted
        joint(u"J2"_s, u"SS400･12･100･300･1･･･"_s, u""_s, u"1"_s),
    };
    const Rows rows{
        sheetRecord({{6, u"PL"_s}, {9, u"2"_s}, {10, u"J1"_s}, {11, u"2"_s}}),
        sheetRecord({{9, u"4"_s}, {10, u"Ｊ２"_s}, {11, u"1"_s}}), // typed in full width
        sheetRecord({{9, u"4"_s}, {10, u"J9"_s}, {11, u"1"_s}}),   // not registered
    };
    TotalsTables t;
    addSheetRows(t, rows, joints);
    // Plates go to the steel and the joint tables (and galvanizing for J2); bolts to the bolt and
    // the joint tables. J1 flange: grip 2 × 9 + 12 = 30, 30 + 30 → 60; web: grip 9, 9 + 30 = 39 → 40.
    TV_COMPARE_ROWS(t.table(TableId::Steel),
                    Rows({steel(u"14"_s, u"普通鋼板"_s, u"SN490B"_s, u"9"_s, u"0.48"_s, u"m2"_s),
                          steel(u"14"_s, u"普通鋼板"_s, u"SS400"_s, u"12"_s, u"0.24"_s, u"m2"_s)}));
    TV_COMPARE_ROWS(t.table(TableId::Bolt), Rows({{u""_s, u"HTB-F10T"_s, u"M20"_s, u"60"_s, u"32"_s},
                                                  {u""_s, u"普通ボルト"_s, u"M16"_s, u"40"_s, u"8"_s}}));
    TV_COMPARE_ROWS(
        t.table(TableId::Joint),
        Rows({{u"1"_s, u"普通鋼板"_s, u"SN490B"_s, u"9"_s, u"0.48"_s, u"m2"_s, u""_s, u""_s, u""_s},
              {u"2"_s, u"BOLT"_s, u"HTB-F10T"_s, u"M20：60"_s, u"32"_s, u"本"_s, u""_s, u""_s, u""_s},
              {u"2"_s, u"BOLT"_s, u"普通ボルト"_s, u"M16：40"_s, u"8"_s, u"本"_s, u""_s, u""_s, u""_s},
              {u"1"_s, u"普通鋼板"_s, u"SS400"_s, u"12"_s, u"0.24"_s, u"m2"_s, u""_s, u""_s, u""_s}}));
    TV_COMPARE_ROWS(t.table(TableId::Galv),
                    Rows({{u"2"_s, u"普通鋼板"_s, u"12"_s, u"0.24"_s, u"m2"_s, u""_s, u""_s, u""_s}}));
}

void TestTotalsSources::jointThicknessesComeFromTheHSize() {
    // The web bolt's grip is 2 × 6 + web; 35 + grip rounds to the 5 mm step.
    const QList<tv::lists::JointListEntry> joints{joint(u"J1"_s, u""_s, u"･6････HTB-F8T･M20･1"_s)};
    const auto lengthFor = [&](const Rows& rows) {
        TotalsTables t;
        addSheetRows(t, rows, joints);
        return t.table(TableId::Bolt).text(1, 3);
    };
    const auto withMark = [](const QString& size) {
        return sheetRecord({{7, size}, {9, u"1"_s}, {10, u"J1"_s}, {11, u"1"_s}});
    };
    // Web 8 of the own size: 35 + 20 = 55.
    QCOMPARE(lengthFor({withMark(u"H-400×200×8×13"_s)}), u"55"_s);
    // The next row's H size wins when the row continues the entry: web 16, 35 + 28 = 63 → 65.
    QCOMPARE(lengthFor({withMark(u"H-400×200×8×13"_s), sheetRecord({{7, u"H-400×200×16×13"_s}})}), u"65"_s);
    // The first row of the next entry (kind, floor or mark filled) never decides.
    for (const int k : {1, 2, 3})
        QCOMPARE(lengthFor(
                     {withMark(u"H-400×200×8×13"_s), sheetRecord({{k, u"B1"_s}, {7, u"H-400×200×16×13"_s}})}),
                 u"55"_s);
    // No H size: the default web 9, 35 + 21 = 56 → 55.
    QCOMPARE(lengthFor({withMark(u"□-350×350×9"_s), sheetRecord({{7, u"H-400×200×16×13"_s}})}), u"55"_s);
}

void TestTotalsSources::weldsBoltsAndCoating() {
    const Rows rows{
        sheetRecord({{6, u"BOLT"_s},
                     {12, u"H"_s},
                     {13, u"T"_s},
                     {14, u"2"_s},
                     {15, u"9"_s},
                     {16, u"10.5"_s},
                     {17, u"耐火被覆:25"_s},
                     {19, u"12.5"_s},
                     {20, u"HTB-F10T"_s},
                     {21, u"M20"_s},
                     {22, u"75"_s},
                     {23, u"16"_s}}),
        sheetRecord({{12, u"H"_s},
                     {13, u"T"_s},
                     {14, u"2"_s},
                     {15, u"9"_s},
                     {16, u"4"_s},
                     {17, u"塗装有"_s},
                     {19, u"30.25"_s}}),
        sheetRecord({{17, u"塗装無"_s}, {19, u"9"_s}, {20, u"HTB-F10T"_s}, {21, u"M20"_s}, {22, u"75"_s}}),
        sheetRecord({{17, u"耐火被覆:25"_s}, {19, u"0.5"_s}}),
    };
    TotalsTables t;
    addSheetRows(t, rows, {});
    QCOMPARE(t.table(TableId::Steel).rowCount(), 1);
    TV_COMPARE_ROWS(t.table(TableId::Weld), Rows({{u""_s, u"HT2"_s, u"9"_s, u"14.50"_s, u""_s, u""_s}}));
    TV_COMPARE_ROWS(t.table(TableId::Bolt), Rows({{u""_s, u"HTB-F10T"_s, u"M20"_s, u"75"_s, u"16"_s}}));
    TV_COMPARE_ROWS(t.table(TableId::Coating), Rows({{u""_s, u"耐火被覆"_s, u"25"_s, u"13.00"_s},
                                                     {u""_s, u"さび止塗装"_s, u""_s, u"30.25"_s}}));
}

void TestTotalsSources::galvanizedBlocksCountSharedRowsTwice() {
    const Rows rows{
        sheetRecord({{1, u"梁"_s},
                     {6, u"C鋼"_s},
                     {7, u"C-100×50"_s},
                     {8, u"6000"_s},
                     {9, u"3"_s},
                     {17, u"溶融亜鉛"_s}}),
        sheetRecord({{6, u"PL"_s}, {7, u"FLB-9×75"_s}, {8, u"1000"_s}, {9, u"4"_s}, {17, u"溶融亜鉛"_s}}),
        sheetRecord({{6, u"PL"_s}, {7, u"PL-9×300×400"_s}, {9, u"2"_s}}),
        sheetRecord({{6, u"BOLT"_s}}), // no size: not counted
        sheetRecord({{1, u"梁"_s}, {6, u"PL"_s}, {7, u"PL-12"_s}, {8, u"500"_s}, {9, u"1"_s}}), // next entry
    };
    TotalsTables t;
    addSheetRows(t, rows, {});
    TV_COMPARE_ROWS(t.table(TableId::Galv),
                    Rows({{u"1"_s, u"C鋼"_s, u"C-100×50"_s, u"18.00"_s, u"m"_s, u""_s, u""_s, u""_s},
                          {u"3"_s, u"平鋼"_s, u"FLB-9×75"_s, u"8.00"_s, u"m"_s, u""_s, u""_s, u""_s},
                          {u"2"_s, u"普通鋼板"_s, u"9"_s, u"0.48"_s, u"m2"_s, u""_s, u""_s, u""_s}}));
}

void TestTotalsSources::secondaryRows() {
    const Rows rows{
        secondaryRecord({{1, u"胴縁"_s},
                         {4, u"SS400"_s},
                         {5, u"C形鋼"_s},
                         {6, u"C-100×50×20×2.3"_s},
                         {9, u"24.00"_s},
                         {10, u"H"_s},
                         {11, u"T"_s},
                         {12, u"2"_s},
                         {13, u"9"_s},
                         {16, u"6.00"_s},
                         {17, u"塗装有"_s},
                         {20, u"3.00"_s}}),
        secondaryRecord({{1, u"BOLT"_s}, {4, u"HTB-F10T"_s}, {5, u"M20"_s}, {6, u"75"_s}, {8, u"4"_s}}),
        QStringList({u"ZZ03"_s, u"BOLT"_s, u""_s, u""_s, u"HTB-F10T"_s, u"M20"_s, u"75"_s}), // no multiplier
        secondaryRecord({{1, u"ブレース"_s},
                         {4, u"SS400"_s},
                         {5, u"丸鋼"_s},
                         {6, u"φ22"_s},
                         {9, u"10.00"_s},
                         {17, u"溶融亜鉛"_s}}),
        secondaryRecord({{1, u"雑-1"_s},
                         {4, u"SS400"_s},
                         {5, u"普通鋼板"_s},
                         {6, u"PL-9"_s},
                         {9, u"1.5"_s},
                         {17, u"溶融亜鉛"_s}}),
        secondaryRecord({{1, u"雑-2"_s},
                         {4, u"SS400"_s},
                         {5, u"平鋼"_s},
                         {6, u"FLB-9×75"_s},
                         {9, u"2"_s},
                         {17, u"溶融亜鉛"_s}}),
        secondaryRecord({{1, u"床版"_s}, {4, u"SS400"_s}, {9, u"12.5"_s}}),
        secondaryRecord({{1, u"雑-3"_s}, {4, u"SS400"_s}, {5, u"BH鋼"_s}, {6, u"BH-1"_s}, {9, u"1"_s}}),
    };
    TotalsTables t;
    addSecondaryRows(t, rows);
    TV_COMPARE_ROWS(t.table(TableId::Steel),
                    Rows({steel(u"09"_s, u"C形鋼"_s, u"SS400"_s, u"C-100×50×20×2.3"_s, u"24.00"_s, u"m"_s),
                          steel(u"12"_s, u"丸鋼"_s, u"SS400"_s, u"φ22"_s, u"10.00"_s, u"m"_s),
                          steel(u"14"_s, u"普通鋼板"_s, u"SS400"_s, u"9"_s, u"1.50"_s, u"m2"_s),
                          steel(u"15"_s, u"平鋼"_s, u"SS400"_s, u"FLB-9×75"_s, u"2.00"_s, u"m"_s),
                          steel(u"16"_s, u"床版"_s, u"SS400"_s, u""_s, u"12.50"_s, u"m2"_s)}));
    TV_COMPARE_ROWS(t.table(TableId::Bolt), Rows({{u""_s, u"HTB-F10T"_s, u"M20"_s, u"75"_s, u"4"_s}}));
    TV_COMPARE_ROWS(t.table(TableId::Weld), Rows({{u""_s, u"HT2"_s, u"9"_s, u"6.00"_s, u""_s, u""_s}}));
    TV_COMPARE_ROWS(t.table(TableId::Coating), Rows({{u""_s, u"さび止塗装"_s, u""_s, u"3.00"_s}}));
    TV_COMPARE_ROWS(t.table(TableId::Galv),
                    Rows({{u"1"_s, u"丸鋼"_s, u"φ22"_s, u"10.00"_s, u"m"_s, u""_s, u""_s, u""_s},
                          {u"2"_s, u"普通鋼板"_s, u"9"_s, u"1.50"_s, u"m2"_s, u""_s, u""_s, u""_s},
                          {u"3"_s, u"平鋼"_s, u"FLB-9×75"_s, u"2.00"_s, u"m"_s, u""_s, u""_s, u""_s}}));
}

QTEST_GUILESS_MAIN(TestTotalsSources)
#include "tst_totals_sources.moc"
