// The totals tables: the add operations and their rounding, unit weights and weights, weld
// conversion with interpolation, total rows and the ordering.
#include "totals/totals_finish.h"
#include "totals/totals_tables.h"
#include "totals_fixtures.h"

#include <QTest>

using namespace tv::totals;
using namespace tv::registries;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<tv::registries::KansanRow>)

class TestTotalsTables : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void addQuantityText_data();
    void addQuantityText();
    void sumsRoundAfterEveryAddition();
    void steelRowsMergeDisplayNamesAndKeepTheLastCode();
    void jointPlatesAndBoltsNeverShareARow();
    void galvanizedLengthsAndAreasNeverShareARow();
    void unitWeightLookup_data();
    void unitWeightLookup();
    void weightsAndTotalRows();
    void emptyTablesGetZeroTotals();
    void weldRate_data();
    void weldRate();
    void weldRowsAreConvertedAndFlagged();
    void orderingRenumbersSteelGroups();
    void orderingSortsNumbersByValueAndTextByBytes();
};

void TestTotalsTables::addQuantityText_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("added");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("half gets two decimals") << u""_s << u"0.5"_s << 0 << u"0.50"_s;
    QTest::newRow("whole number gets two decimals") << u""_s << u"12"_s << 0 << u"12.00"_s;
    QTest::newRow("sum rounds half away from zero") << u"1.00"_s << u"0.005"_s << 0 << u"1.01"_s;
    QTest::newRow("text reads as zero") << u"abc"_s << u"2.5"_s << 0 << u"2.50"_s;
    QTest::newRow("count adds whole numbers") << u"16"_s << u"4"_s << 1 << u"20"_s;
    QTest::newRow("zero count is empty") << u"3"_s << u"-3"_s << 1 << u""_s;
    QTest::newRow("empty count added keeps the count") << u"20"_s << u""_s << 1 << u"20"_s;
}

void TestTotalsTables::addQuantityText() {
    QFETCH(QString, current);
    QFETCH(QString, added);
    QFETCH(int, mode);
    QFETCH(QString, expected);
    QCOMPARE(AddQuantityText(current, added, mode), expected);
}

void TestTotalsTables::sumsRoundAfterEveryAddition() {
    TotalsTables t;
    t.AddWeld(u"HT2"_s, u"9"_s, u"0.004"_s);
    t.AddWeld(u"HT2"_s, u"9"_s, u"0.004"_s);
    t.AddBolt(u"HTB-F10T"_s, u"M20"_s, u"60"_s, u"3"_s);
    t.AddBolt(u"HTB-F10T"_s, u"M20"_s, u"60"_s, u"-3"_s);
    TV_COMPARE_ROWS(t.table(TableId::Weld),
                    QList<QStringList>({{u""_s, u"HT2"_s, u"9"_s, u"0.00"_s, u""_s, u""_s}}));
    TV_COMPARE_ROWS(t.table(TableId::Bolt),
                    QList<QStringList>({{u""_s, u"HTB-F10T"_s, u"M20"_s, u"60"_s, u""_s}}));
}

void TestTotalsTables::steelRowsMergeDisplayNamesAndKeepTheLastCode() {
    TotalsTables t;
    t.AddSteel(u"04"_s, u"C鋼"_s, u"SS400"_s, u"C-100×50"_s, u"1.5"_s, u"m"_s);
    t.AddSteel(u"02"_s, u"C形鋼"_s, u"SS400"_s, u"C-100×50"_s, u"2"_s, u"m2"_s);
    t.AddSteel(u"14"_s, u"2C鋼"_s, u"SS400"_s, u"C-100×50"_s, u"1"_s, u"m"_s);
    TV_COMPARE_ROWS(
        t.table(TableId::Steel),
        QList<QStringList>(
            {{u"02"_s, u"C形鋼"_s, u"SS400"_s, u"C-100×50"_s, u"3.50"_s, u"m2"_s, u""_s, u""_s, u""_s},
             {u"14"_s, u"2C形鋼"_s, u"SS400"_s, u"C-100×50"_s, u"1.00"_s, u"m"_s, u""_s, u""_s, u""_s}}));
}

void TestTotalsTables::galvanizedLengthsAndAreasNeverShareARow() {
    TotalsTables t;
    t.AddGalvanized(u"1"_s, u"H鋼"_s, u"H-400×200×8×13"_s, u"7"_s, u"m"_s);
    t.AddGalvanized(u"1"_s, u"H鋼"_s, u"H-400×200×8×13"_s, u"2"_s, u"m2"_s);
    t.AddGalvanized(u"1"_s, u"H鋼"_s, u"H-400×200×8×13"_s, u"6"_s, u"m"_s);
    TV_COMPARE_ROWS(t.table(TableId::Galv),
                    QList<QStringList>(
                        {{u"1"_s, u"H鋼"_s, u"H-400×200×8×13"_s, u"13.00"_s, u"m"_s, u""_s, u""_s, u""_s},
                         {u"1"_s, u"H鋼"_s, u"H-400×200×8×13"_s, u"2.00"_s, u"m2"_s, u""_s, u""_s, u""_s}}));
}

void TestTotalsTables::jointPlatesAndBoltsNeverShareARow() {
    TotalsTables t;
    // A plate whose grade and thickness spell what a bolt's kind and size spell.
    t.AddJointPlate(u"HTBM20："_s, u"60"_s, u"0.5"_s);
    t.AddJointBolt(u"HTB"_s, u"M20"_s, u"60"_s, u"8"_s);
    t.AddJointBolt(u"HTB"_s, u"M20"_s, u"60"_s, u"8"_s);
    t.AddJointPlate(u"SS400"_s, u"9"_s, u"0.25"_s);
    t.AddJointPlate(u"SS400"_s, u"9"_s, u"0.25"_s);
    TV_COMPARE_ROWS(
        t.table(TableId::Joint),
        QList<QStringList>(
            {{u"1"_s, u"普通鋼板"_s, u"HTBM20："_s, u"60"_s, u"0.50"_s, u"m2"_s, u""_s, u""_s, u""_s},
             {u"2"_s, u"BOLT"_s, u"HTB"_s, u"M20：60"_s, u"16"_s, u"本"_s, u""_s, u""_s, u""_s},
             {u"1"_s, u"普通鋼板"_s, u"SS400"_s, u"9"_s, u"0.50"_s, u"m2"_s, u""_s, u""_s, u""_s}}));
}

namespace {

BuzaiWeightTable weightRegistry() {
    BuzaiWeightTable registry;
    registry.rows = {
        {u"H鋼"_s, u"400*200*8*13"_s, u"60"_s, {}},
        {u"H鋼"_s, u"400*200*8*13"_s, u"66"_s, {}}, // a later match wins
        {u"普通鋼板"_s, u"9"_s, u"70.65"_s, {}},
        {u"C鋼"_s, u"100*50*5*7.5"_s, u"9.36"_s, {}},
        {u"丸鋼"_s, u"22"_s, u"2.98"_s, {}},
        {u"平鋼"_s, u"9*75"_s, u"5.3"_s, {}},
        {u"山形鋼"_s, u"6*65*65"_s, u"5.91"_s, {}},
        {u"山形鋼"_s, u""_s, u"1"_s, {}}, // deleted
        {u""_s, u"50"_s, u"2"_s, {}},     // no name
    };
    return registry;
}

} // namespace

void TestTotalsTables::unitWeightLookup_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("unit");
    QTest::newRow("H size after the dash, last match")
        << u"H鋼"_s << u"H-400×200×8×13"_s << u"66"_s << u"kg/m"_s;
    QTest::newRow("plate per square metre") << u"普通鋼板"_s << u"9"_s << u"70.65"_s << u"kg/m2"_s;
    QTest::newRow("joint plate name reads the plate")
        << u"普通鋼板(J)"_s << u"9"_s << u"70.65"_s << u"kg/m2"_s;
    QTest::newRow("C形鋼 never finds C鋼") << u"C形鋼"_s << u"C-100×50×5×7.5"_s << u"?"_s << u"kg/m"_s;
    QTest::newRow("C鋼 is looked up as C形鋼") << u"C鋼"_s << u"C-100×50×5×7.5"_s << u"?"_s << u"kg/m"_s;
    QTest::newRow("round bar without φ") << u"丸鋼"_s << u"φ22"_s << u"2.98"_s << u"kg/m"_s;
    QTest::newRow("flat bar") << u"平鋼"_s << u"FLB-9×75"_s << u"5.3"_s << u"kg/m"_s;
    QTest::newRow("two dashes: the piece between them")
        << u"平鋼"_s << u"FLB-9×75-X"_s << u"5.3"_s << u"kg/m"_s;
    QTest::newRow("no dash: × as *") << u"山形鋼"_s << u"6×65×65"_s << u"5.91"_s << u"kg/m"_s;
    QTest::newRow("deleted row is never found") << u"山形鋼"_s << u""_s << u"?"_s << u"kg/m"_s;
    QTest::newRow("nameless row is never found") << u""_s << u"50"_s << u"?"_s << u"kg/m"_s;
}

void TestTotalsTables::unitWeightLookup() {
    QFETCH(QString, name);
    QFETCH(QString, size);
    const UnitWeight found = LookupUnitWeight(weightRegistry(), name, size);
    QTEST(found.value, "value");
    QTEST(found.unit, "unit");
}

void TestTotalsTables::weightsAndTotalRows() {
    TotalsTables t;
    t.AddSteel(u"01"_s, u"H鋼"_s, u"SN490B"_s, u"H-400×200×8×13"_s, u"7.00"_s, u"m"_s);
    t.AddSteel(u"13"_s, u"普通鋼板"_s, u"SS400"_s, u"9"_s, u"2.40"_s, u"m2"_s);
    t.AddSteel(u"15"_s, u"床版"_s, u"SS400"_s, u""_s, u"10"_s, u"m2"_s);
    t.AddSteel(u"09"_s, u"C形鋼"_s, u"SS400"_s, u"C-100×50×5×7.5"_s, u"3"_s, u"m"_s);
    t.AddJointBolt(u"HTB"_s, u"M20"_s, u"60"_s, u"8"_s);
    const FinishFlags flags = finishTables(t, weightRegistry(), KansanTable{});
    QVERIFY(flags.unitWeightMissing);
    QVERIFY(!flags.weldRateMissing);
    const tv::services::TextGrid& steel = t.table(TableId::Steel);
    TV_COMPARE_ROWS(steel,
                    QList<QStringList>({
                        {u"01"_s, u"H鋼"_s, u"SN490B"_s, u"H-400×200×8×13"_s, u"7.00"_s, u"m"_s, u"66"_s,
                         u"kg/m"_s, u"462.00"_s},
                        {u"13"_s, u"普通鋼板"_s, u"SS400"_s, u"9"_s, u"2.40"_s, u"m2"_s, u"70.65"_s,
                         u"kg/m2"_s, u"169.56"_s},
                        {u"15"_s, u"床版"_s, u"SS400"_s, u""_s, u"10.00"_s, u"m2"_s, u"-"_s, u""_s, u""_s},
                        {u"09"_s, u"C形鋼"_s, u"SS400"_s, u"C-100×50×5×7.5"_s, u"3.00"_s, u"m"_s, u"?"_s,
                         u"kg/m"_s, u""_s},
                        {u"99"_s, u"合計"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"631.56"_s},
                    }));
    QCOMPARE(steel.backColor(5, 0), std::optional(kTotalRowColor));
    QCOMPARE(steel.backColor(5, 8), std::optional(kTotalRowColor));
    QCOMPARE(steel.backColor(4, 0), std::nullopt);
    TV_COMPARE_ROWS(t.table(TableId::Joint),
                    QList<QStringList>(
                        {{u"2"_s, u"BOLT"_s, u"HTB"_s, u"M20：60"_s, u"8"_s, u"本"_s, u"-"_s, u""_s, u""_s},
                         {u"99"_s, u"合計"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"0.00"_s}}));
}

void TestTotalsTables::emptyTablesGetZeroTotals() {
    TotalsTables t;
    QVERIFY(finishTables(t, BuzaiWeightTable{}, KansanTable{}).unitWeightMissing == false);
    orderTables(t);
    TV_COMPARE_ROWS(t.table(TableId::Steel), QList<QStringList>({{u"A"_s, u"合計"_s, u""_s, u""_s, u""_s,
                                                                  u""_s, u""_s, u""_s, u"0.00"_s}}));
    TV_COMPARE_ROWS(t.table(TableId::Weld),
                    QList<QStringList>({{u""_s, u"合計"_s, u""_s, u""_s, u""_s, u"0.000"_s}}));
    TV_COMPARE_ROWS(t.table(TableId::Galv),
                    QList<QStringList>({{u"A"_s, u"合計"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"0.00"_s}}));
    QCOMPARE(t.table(TableId::Bolt).rowCount(), 1);
    QCOMPARE(t.table(TableId::Coating).rowCount(), 1);
}

void TestTotalsTables::weldRate_data() {
    QTest::addColumn<QList<KansanRow>>("rows");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<QString>("rate");
    const KansanRow at9{u"HT2"_s, u"9"_s, u"1.5"_s};
    const KansanRow at10{u"HT2"_s, u"10"_s, u"1.8"_s};
    const KansanRow other{u"HT1"_s, u"10"_s, u"2.5"_s};
    QTest::newRow("exact") << QList<KansanRow>{at9, at10} << u"9"_s << u"1.500"_s;
    QTest::newRow("interpolated") << QList<KansanRow>{at9, at10} << u"9.5"_s << u"1.650"_s;
    QTest::newRow("no upper row keeps the lower rate")
        << QList<KansanRow>{at9, other} << u"9.5"_s << u"1.500"_s;
    QTest::newRow("no lower row") << QList<KansanRow>{at10} << u"9.5"_s << u"?"_s;
    QTest::newRow("9.0 is looked up as 9") << QList<KansanRow>{at9, at10} << u"9.0"_s << u"1.500"_s;
    QTest::newRow("exact lookup compares numbers")
        << QList<KansanRow>{{u"HT2"_s, u"09"_s, u"1.5"_s}} << u"9"_s << u"1.500"_s;
    QTest::newRow("later exact match wins")
        << QList<KansanRow>{at9, {u"HT2"_s, u"9"_s, u"1.6"_s}} << u"9"_s << u"1.600"_s;
    QTest::newRow("empty rate is missing") << QList<KansanRow>{{u"HT2"_s, u"9"_s, u""_s}} << u"9"_s << u"?"_s;
    QTest::newRow("unknown class") << QList<KansanRow>{other} << u"10"_s << u"?"_s;
}

void TestTotalsTables::weldRate() {
    QFETCH(QList<KansanRow>, rows);
    QFETCH(QString, thickness);
    KansanTable registry;
    registry.rows = rows;
    QTEST(LookupWeldRate(registry, u"HT2"_s, thickness), "rate");
}

void TestTotalsTables::weldRowsAreConvertedAndFlagged() {
    TotalsTables t;
    t.AddWeld(u"HT2"_s, u"9.5"_s, u"4"_s);
    t.AddWeld(u"HT9"_s, u"9"_s, u"3"_s);
    t.AddWeld(u"HT2"_s, u"9"_s, u"16.5"_s);
    KansanTable rates;
    rates.rows = {{u"HT2"_s, u"9"_s, u"1.5"_s}, {u"HT2"_s, u"10"_s, u"1.8"_s}};
    QVERIFY(finishTables(t, BuzaiWeightTable{}, rates).weldRateMissing);
    TV_COMPARE_ROWS(t.table(TableId::Weld),
                    QList<QStringList>({
                        {u""_s, u"HT2"_s, u"9.5"_s, u"4.00"_s, u"1.650"_s, u"6.600"_s},
                        {u""_s, u"HT9"_s, u"9"_s, u"3.00"_s, u"?"_s, u"0.000"_s},
                        {u""_s, u"HT2"_s, u"9"_s, u"16.50"_s, u"1.500"_s, u"24.750"_s},
                        {u""_s, u"合計"_s, u""_s, u""_s, u""_s, u"31.350"_s},
                    }));
}

void TestTotalsTables::orderingRenumbersSteelGroups() {
    TotalsTables t;
    for (const auto& [code, size] : {std::pair{u"13"_s, u"9"_s},
                                     {u"05"_s, u"a"_s},
                                     {u"01"_s, u"b"_s},
                                     {u"13"_s, u"12"_s},
                                     {u"1"_s, u"c"_s}})
        t.AddSteel(code, u"X"_s, u"G"_s, size, u"1"_s, u"m"_s);
    finishTables(t, BuzaiWeightTable{}, KansanTable{});
    orderTables(t);
    const tv::services::TextGrid& steel = t.table(TableId::Steel);
    QStringList numbers, sizes;
    for (int row = 1; row < steel.rowCount(); ++row) {
        numbers.append(steel.text(row, 0));
        sizes.append(steel.text(row, 3));
    }
    // "01" and "1" are one group; the 13 rows sort their sizes by value.
    QCOMPARE(numbers, QStringList({u"1"_s, u"1"_s, u"2"_s, u"3"_s, u"3"_s, u"A"_s}));
    QCOMPARE(sizes, QStringList({u"b"_s, u"c"_s, u"a"_s, u"9"_s, u"12"_s, u""_s}));
    // Group numbers and names show once for their run of rows.
    QVERIFY(steel.spans().contains(tv::services::CellSpan{1, 0, 2, 1}));
    QVERIFY(steel.spans().contains(tv::services::CellSpan{4, 0, 2, 1}));
    QVERIFY(steel.spans().contains(tv::services::CellSpan{1, 1, 2, 1}));
    QVERIFY(steel.spans().contains(tv::services::CellSpan{0, 4, 1, 2}));
}

void TestTotalsTables::orderingSortsNumbersByValueAndTextByBytes() {
    TotalsTables t;
    t.AddBolt(u"普通ボルト"_s, u"M16"_s, u"40"_s, u"1"_s);
    t.AddBolt(u"htb"_s, u"M20"_s, u"100"_s, u"1"_s);
    t.AddBolt(u"HTB"_s, u"M20"_s, u"75"_s, u"1"_s);
    t.AddBolt(u"HTB-F10T"_s, u"M20"_s, u"75"_s, u"1"_s);
    t.AddCoating(u"耐火被覆"_s, u"25"_s, u"1"_s);
    t.AddCoating(u"さび止塗装"_s, u""_s, u"1"_s);
    orderTables(t);
    // Letters compare without case, equal rows keep their order, and kana sort before kanji.
    QStringList bolts;
    for (const QStringList& row : tv::test::dataRows(t.table(TableId::Bolt)))
        bolts.append(row[1] + u' ' + row[3]);
    QCOMPARE(bolts, QStringList({u"HTB 75"_s, u"htb 100"_s, u"HTB-F10T 75"_s, u"普通ボルト 40"_s}));
    QCOMPARE(t.table(TableId::Coating).text(1, 1), u"さび止塗装"_s);
}

QTEST_GUILESS_MAIN(TestTotalsTables)
#include "tst_totals_tables.moc"
