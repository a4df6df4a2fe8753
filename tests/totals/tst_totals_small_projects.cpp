// Small projects run end to end, each a few work-file rows where rows of different sheets or
// entries meet in one table: galvanized decks, lengths and plates, the joint bolts of a column
// followed by another entry, and the kind groups of the steel table.
#include "totals_project.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tv::totals;
using namespace tv::test;
using namespace Qt::StringLiterals;

using Rows = QList<QStringList>;
using Cells = QMap<int, QString>;
using Records = QList<Cells>;

Q_DECLARE_METATYPE(Records)
Q_DECLARE_METATYPE(TableId)

namespace {

// Every size these projects use is registered, so a run has nothing to report.
const QStringList kWeights{
    u"ZZBW'H鋼'400*200*8*13'66'"_s,       u"ZZBW'H鋼'600*200*11*17'106'"_s,
    u"ZZBW'SH鋼'200*100*3.2*4.5'10.5'"_s, u"ZZBW'鋼管(角)'100*100*3.2'9.52'"_s,
    u"ZZBW'C形鋼'100*50*20*2.3'4.06'"_s,  u"ZZBW'普通鋼板'6'47.1'"_s,
    u"ZZBW'普通鋼板'9'70.65'"_s,          u"ZZBW'平鋼'9*75'5.3'"_s,
};

const QString kJoint = u"ZZLJ'J1'0'SN490B･9･150･400･2･HTB-F10T･M20･8'SN490B･6･100･200･2･HTB-F10T･M20･4'"_s;

QStringList lines(const Records& records, QStringList (*record)(const QMap<int, QString>&)) {
    QStringList result;
    for (const Cells& cells : records)
        result.append(line(record(cells)));
    return result;
}

QStringList beamRecord(const QMap<int, QString>& cells) {
    return workRecord(u"ZZ02"_s, cells, 28);
}

// A member or plate row: grade, name, size, length and pieces (an empty length left out).
Cells part(const QString& grade, const QString& name, const QString& size, const QString& length,
           const QString& pieces) {
    Cells cells{{5, grade}, {6, name}, {7, size}, {9, pieces}};
    if (!length.isEmpty())
        cells.insert(8, length);
    return cells;
}

// The first row of an entry: its kind (柱 or 梁), floor and mark, then its member.
Cells entry(const QString& kind, const QString& floor, const QString& mark, const Cells& member) {
    Cells cells{{1, kind}, {2, floor}, {3, mark}};
    cells.insert(member);
    return cells;
}

// The column C1 of 2 pieces of 3500 mm, with more cells as given.
Cells columnC1(const Cells& more = {}) {
    Cells cells =
        entry(u"柱"_s, u"1"_s, u"C1"_s, part(u"SN490B"_s, u"H鋼"_s, u"H-400×200×8×13"_s, u"3500"_s, u"2"_s));
    cells.insert(more);
    return cells;
}

const Cells kGalvanized{{17, u"溶融亜鉛"_s}};

// A galvanized row of the secondary sheet's miscellaneous members.
Cells galvanizedMisc(const QString& grade, const QString& name, const QString& size,
                     const QString& quantity) {
    return {{1, u"雑-1"_s}, {4, grade}, {5, name}, {6, size}, {9, quantity}, {17, u"溶融亜鉛"_s}};
}

} // namespace

class TestTotalsSmallProjects : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void tableRows_data();
    void tableRows();
};

void TestTotalsSmallProjects::tableRows_data() {
    QTest::addColumn<Records>("columns");
    QTest::addColumn<Records>("beams");
    QTest::addColumn<Records>("secondary");
    QTest::addColumn<TableId>("table");
    QTest::addColumn<Rows>("expected");

    // A deck carries no weight: "-", no unit weight to register, nothing to report.
    QTest::newRow("a galvanized deck is a 床版 row without weight")
        << Records{} << Records{}
        << Records{{{1, u"床版"_s}, {4, u"SS400"_s}, {9, u"12.5"_s}, {17, u"溶融亜鉛"_s}}} << TableId::Galv
        << Rows{{u"4"_s, u"床版"_s, u""_s, u"12.50"_s, u"m2"_s, u"-"_s, u""_s, u""_s},
                {u"A"_s, u"合計"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"0.00"_s}};

    // 7.00 m from the column sheet and 6.00 m from the secondary sheet; the flat bar 1 m × 4. The
    // total weight is what it was when these rows were labelled m2.
    QTest::newRow("galvanized sections and flat bars are lengths")
        << Records{columnC1(kGalvanized), part(u"SS400"_s, u"FLB.PL"_s, u"FLB-9×75"_s, u"1000"_s, u"4"_s)}
        << Records{} << Records{galvanizedMisc(u"SN490B"_s, u"H鋼"_s, u"H-400×200×8×13"_s, u"6.00"_s)}
        << TableId::Galv
        << Rows{{u"1"_s, u"H鋼"_s, u"H-400×200×8×13"_s, u"13.00"_s, u"m"_s, u"66"_s, u"kg/m"_s, u"858.00"_s},
                {u"3"_s, u"平鋼"_s, u"FLB-9×75"_s, u"4.00"_s, u"m"_s, u"5.3"_s, u"kg/m"_s, u"21.20"_s},
                {u"A"_s, u"合計"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"879.20"_s}};

    // J1 on C1 (web 8, flange 13): flange grip 2 × 9 + 13 = 31 → 60, web 2 × 6 + 8 = 20 → 50, as
    // for C1 alone; the beam below it (web 11, flange 17) is another entry and would give 65 and 55.
    QTest::newRow("joint bolts take the section of their own entry")
        << Records{columnC1({{10, u"J1"_s}, {11, u"2"_s}})}
        << Records{entry(u"梁"_s, u"2"_s, u"G1"_s,
                         part(u"SN400B"_s, u"H鋼"_s, u"H-600×200×11×17"_s, u"6000"_s, u"1"_s))}
        << Records{} << TableId::Bolt
        << Rows{{u""_s, u"HTB-F10T"_s, u"M20"_s, u"50"_s, u"16"_s},
                {u""_s, u"HTB-F10T"_s, u"M20"_s, u"60"_s, u"32"_s}};

    // 0.3 × 0.4 × 2 = 0.24 m2 from the column sheet and 1.50 m2 typed on the secondary sheet:
    // 1.74 × 70.65 = 122.93; the total weight is what the two rows gave.
    QTest::newRow("a galvanized plate is one row whichever sheet it comes from")
        << Records{columnC1(kGalvanized), part(u"SS400"_s, u"BASE.PL"_s, u"PL-9×300×400"_s, {}, u"2"_s)}
        << Records{} << Records{galvanizedMisc(u"SS400"_s, u"普通鋼板"_s, u"PL-9"_s, u"1.5"_s)}
        << TableId::Galv
        << Rows{{u"1"_s, u"H鋼"_s, u"H-400×200×8×13"_s, u"7.00"_s, u"m"_s, u"66"_s, u"kg/m"_s, u"462.00"_s},
                {u"2"_s, u"普通鋼板"_s, u"9"_s, u"1.74"_s, u"m2"_s, u"70.65"_s, u"kg/m2"_s, u"122.93"_s},
                {u"A"_s, u"合計"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"584.93"_s}};

    // SH鋼 from the column sheet and 鋼管(角) from the secondary sheet, C鋼 (shown as C形鋼) and a
    // plate from the beam sheet: four kinds, four groups.
    QTest::newRow("each steel group holds one member kind")
        << Records{entry(u"柱"_s, u"1"_s, u"C2"_s,
                         part(u"SS400"_s, u"SH鋼"_s, u"SH-200×100×3.2×4.5"_s, u"1000"_s, u"1"_s))}
        << Records{entry(u"梁"_s, u"2"_s, u"B1"_s,
                         part(u"SS400"_s, u"C鋼"_s, u"C-100×50×20×2.3"_s, u"2000"_s, u"1"_s)),
                   part(u"SS400"_s, u"PL"_s, u"PL-9×300×400"_s, {}, u"1"_s)}
        << Records{{{1, u"胴縁"_s},
                    {4, u"STKR400"_s},
                    {5, u"鋼管(角)"_s},
                    {6, u"□-100×100×3.2"_s},
                    {9, u"5.00"_s}}}
        << TableId::Steel
        << Rows{{u"1"_s, u"SH鋼"_s, u"SS400"_s, u"SH-200×100×3.2×4.5"_s, u"1.00"_s, u"m"_s, u"10.5"_s,
                 u"kg/m"_s, u"10.50"_s},
                {u"2"_s, u"鋼管(角)"_s, u"STKR400"_s, u"□-100×100×3.2"_s, u"5.00"_s, u"m"_s, u"9.52"_s,
                 u"kg/m"_s, u"47.60"_s},
                {u"3"_s, u"C形鋼"_s, u"SS400"_s, u"C-100×50×20×2.3"_s, u"2.00"_s, u"m"_s, u"4.06"_s,
                 u"kg/m"_s, u"8.12"_s},
                {u"4"_s, u"普通鋼板"_s, u"SS400"_s, u"9"_s, u"0.12"_s, u"m2"_s, u"70.65"_s, u"kg/m2"_s,
                 u"8.48"_s},
                {u"A"_s, u"合計"_s, u""_s, u""_s, u""_s, u""_s, u""_s, u""_s, u"74.70"_s}};
}

void TestTotalsSmallProjects::tableRows() {
    QFETCH(Records, columns);
    QFETCH(Records, beams);
    QFETCH(Records, secondary);
    QFETCH(TableId, table);
    QFETCH(Rows, expected);
    QTemporaryDir dir;
    makeDataFolders(dir.path());
    const tv::shell::DataRoot root(dir.path());
    writeCp932Lines(root.file(tv::shell::kSetFolder, u"BuzaiWeight.ini"_s), kWeights);
    writeCp932Lines(root.file(tv::shell::kSetFolder, u"Kansan.ini"_s), {});
    for (const QString& name : {u"HasiraListData.ini"_s, u"HariListData.ini"_s})
        writeCp932Lines(root.file(tv::shell::kListFolder, name), {});
    writeCp932Lines(root.file(tv::shell::kListFolder, u"JointListData.ini"_s), {kJoint});
    const std::pair<QString, QStringList> workFiles[] = {
        {u"WorkData-1.ini"_s, lines(columns, sheetRecord)},
        {u"WorkData-2.ini"_s, lines(beams, beamRecord)},
        {u"WorkData-3.ini"_s, lines(secondary, secondaryRecord)},
    };
    for (const auto& [name, content] : workFiles)
        writeCp932Lines(root.file(tv::shell::kWorkDataFolder, name), content);

    TotalsTables tables;
    const TotalsOutcome outcome = runTotalsOn(root, tables);
    QVERIFY2(outcome.ok(), qPrintable(outcome.error));
    TV_COMPARE_ROWS(tables.table(table), expected);
    QVERIFY(!outcome.flags.unitWeightMissing); // nothing to register: no notice at the end of the run
}

QTEST_GUILESS_MAIN(TestTotalsSmallProjects)
#include "tst_totals_small_projects.moc"
