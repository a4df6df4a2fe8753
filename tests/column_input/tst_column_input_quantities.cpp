// Column sections and the quantities of the column dialog, worked out by hand: section codes and
// texts, default weld rows, plate lines with their welds and bolts, coating girths and areas.
#include "column_input/coating.h"
#include "column_input/column_section.h"
#include "column_input/plate_lines.h"
#include "column_input/weld_rows.h"

#include <QTest>

using namespace tv::column_input;
using namespace Qt::StringLiterals;
using tv::lists::HasiraListEntry;
using tv::services::TextGrid;

namespace {

const QString kH = u"H鋼"_s;
const QString kSquare = u"鋼管(角)"_s;
const QString kRound = u"鋼管(丸)"_s;
const QString kHSpec = u"SN490C･H･400･200･8･13"_s;
const QString kTee2 = u"SN490B･200･150･9･12"_s;
const QString kTee3 = u"SS400･175･175･7･11"_s;

HasiraListEntry entry(const QString& kind, const QString& spec1, const QString& spec2 = u"････"_s,
                      const QString& spec3 = u"････"_s) {
    return {u"2"_s, u"C1"_s, kind, spec1, spec2, spec3, {}, {}};
}

// The weld rows of a grid as "工法 継手 面 厚 単位L" texts.
QStringList weldRows(const TextGrid& grid) {
    QStringList rows;
    for (int row = 1; row < grid.rowCount(); ++row)
        rows.append(grid.rowTexts(row).mid(1, 5).join(u' '));
    return rows;
}

} // namespace

Q_DECLARE_METATYPE(HasiraListEntry)

class TestColumnQuantities : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sectionCodeAndText_data();
    void sectionCodeAndText();
    void defaultWeldRowsPerSection_data();
    void defaultWeldRowsPerSection();
    void rememberedWeldsReplaceOnlyHTemplates();
    void weldQuantities_data();
    void weldQuantities();
    void plateLines_data();
    void plateLines();
    void coatingGirthPerShape_data();
    void coatingGirthPerShape();
    void coatedArea_data();
    void coatedArea();
    void girthInMillimetres();
    void paintedGirth_data();
    void paintedGirth();
};

void TestColumnQuantities::sectionCodeAndText_data() {
    QTest::addColumn<HasiraListEntry>("listEntry");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("firstRows");
    QTest::addColumn<int>("secondRows");
    QTest::addColumn<QString>("text");
    // grade, blank, type-H×B×tw×tf
    QTest::newRow("plain H") << entry(kH, kHSpec) << 0 << 2 << 2 << u"SN490C H-400×200×8×13"_s;
    // one cut T: blank, grade, " CT-", h×b×tw×tf
    QTest::newRow("H with one CT") << entry(kH, kHSpec, kTee2) << 1 << 5 << 4
                                   << u"SN490C H-400×200×8×13 SN490B CT-200×150×9×12"_s;
    QTest::newRow("H with two CT") << entry(kH, kHSpec, kTee2, kTee3) << 2 << 8 << 6
                                   << u"SN490C H-400×200×8×13 SN490B CT-200×150×9×12 SS400 CT-175×175×7×11"_s;
    // spec 3 without spec 2 is still a plain H for the welds; the text shows every filled CT
    QTest::newRow("CT in spec 3 only is plain H") << entry(kH, kHSpec, u"････"_s, kTee3) << 0 << 2 << 2
                                                  << u"SN490C H-400×200×8×13 SS400 CT-175×175×7×11"_s;
    // grades are trimmed at both ends only
    QTest::newRow("square pipe") << entry(kSquare, u" BCR295 ･300･200･12"_s) << 3 << 1 << 1
                                 << u"BCR295 300×200×12"_s;
    QTest::newRow("circular pipe") << entry(kRound, u"STK400･300･9"_s) << 4 << 1 << 1 << u"STK400 300×9"_s;
    QTest::newRow("unknown kind") << entry(u"L形"_s, kHSpec) << -1 << 0 << 0 << QString();
}

void TestColumnQuantities::sectionCodeAndText() {
    QFETCH(HasiraListEntry, listEntry);
    QFETCH(int, code);
    const ColumnSpecs specs = ColumnSpecs::of(listEntry);
    QCOMPARE(int(sectionCode(listEntry.Shape, specs)), code);
    QTEST(weldRowCounts(SectionCode(code)).first, "firstRows");
    QTEST(weldRowCounts(SectionCode(code)).second, "secondRows");
    QTEST(sectionText(specs), "text");
}

void TestColumnQuantities::defaultWeldRowsPerSection_data() {
    QTest::addColumn<HasiraListEntry>("listEntry");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QStringList>("second");
    // H1: 2 × B = 400; H2: H − 2 × tf = 400 − 26 = 374
    const QStringList h{u"H T 1 13 0.400"_s, u"H F 2 8 0.374"_s};
    // C3: b2 = 150 with tf2; C4: h2 − tf2 = 188 with tw2
    const QStringList tee2{u"H T 1 12 0.150"_s, u"H F 2 9 0.188"_s};
    // D5: b3 = 175; D6: h3 − tf3 = 164
    const QStringList tee3{u"H T 1 11 0.175"_s, u"H F 2 7 0.164"_s};
    QTest::newRow("code 0") << entry(kH, kHSpec) << h << h;
    // イ部 row 5 is the length-dependent row with tw2, empty until a length is typed
    QTest::newRow("code 1") << entry(kH, kHSpec, kTee2) << (h + tee2 + QStringList{u"H F 2 9 "_s})
                            << h + tee2;
    // イ部 rows 7 and 8 are length-dependent with tw2 and tw3
    QTest::newRow("code 2") << entry(kH, kHSpec, kTee2, kTee3)
                            << (h + tee2 + tee3 + QStringList{u"H F 2 9 "_s, u"H F 2 7 "_s})
                            << h + tee2 + tee3;
    // SQ: 2 × (B + D) = 1000 with t
    QTest::newRow("code 3") << entry(kSquare, u"BCR295･300･200･12"_s) << QStringList{u"H T 1 12 1.000"_s}
                            << QStringList{u"H T 1 12 1.000"_s};
    // CI: d × 3.14 = 942 with t
    QTest::newRow("code 4") << entry(kRound, u"STK400･300･9"_s) << QStringList{u"H T 1 9 0.942"_s}
                            << QStringList{u"H T 1 9 0.942"_s};
    // 318.5 × 3.14 = 1000.09 → 1.000 m
    QTest::newRow("code 4 fractional diameter")
        << entry(kRound, u"STK400･318.5･10.3"_s) << QStringList{u"H T 1 10.3 1.000"_s}
        << QStringList{u"H T 1 10.3 1.000"_s};
}

void TestColumnQuantities::defaultWeldRowsPerSection() {
    QFETCH(HasiraListEntry, listEntry);
    QFETCH(QStringList, first);
    QFETCH(QStringList, second);
    const ColumnSpecs specs = ColumnSpecs::of(listEntry);
    const SectionCode code = sectionCode(listEntry.Shape, specs);
    const std::array<QString, 8> noMemory{};
    TextGrid a = makeWeldGrid(weldRowCounts(code).first);
    TextGrid b = makeWeldGrid(weldRowCounts(code).second);
    fillDefaultWeldRows(a, FirstWelds, code, specs, noMemory);
    fillDefaultWeldRows(b, SecondWelds, code, specs, noMemory);
    QCOMPARE(weldRows(a), first);
    QCOMPARE(weldRows(b), second);
    QCOMPARE(a.text(first.size(), 0), u"溶接%1"_s.arg(first.size()));
}

void TestColumnQuantities::rememberedWeldsReplaceOnlyHTemplates() {
    std::array<QString, 8> memory{};
    memory[1] = u"A･B･1"_s;
    memory[0] = u"no separator"_s; // only a remembered triple replaces the template
    TextGrid h = makeWeldGrid(2);
    fillDefaultWeldRows(h, FirstWelds, SectionCode::PlainH, ColumnSpecs::of(entry(kH, kHSpec)), memory);
    QCOMPARE(weldRows(h), (QStringList{u"H T 1 13 0.400"_s, u"A B 1 8 0.374"_s}));

    memory[0] = u"A･F･2"_s;
    TextGrid pipe = makeWeldGrid(1);
    fillDefaultWeldRows(pipe, FirstWelds, SectionCode::SquarePipe,
                        ColumnSpecs::of(entry(kSquare, u"BCR295･300･200･12"_s)), memory);
    QCOMPARE(weldRows(pipe), QStringList{u"H T 1 12 1.000"_s});
}

void TestColumnQuantities::weldQuantities_data() {
    QTest::addColumn<QString>("places");
    QTest::addColumn<QString>("unitLength");
    QTest::addColumn<bool>("noWelds");
    QTest::addColumn<QString>("quantity");
    QTest::newRow("places times length") << u"30"_s << u"0.400"_s << false << u"12.00"_s;
    // a count typed as a formula is read by its leading number: 10 × 0.400
    QTest::newRow("formula count reads 10") << u"10*3"_s << u"0.400"_s << false << u"4.00"_s;
    // 0.001 × 0.400 = 0.0004 is not zero, so it is written although it shows as 0.00
    QTest::newRow("formatted zero is written") << u"0.001"_s << u"0.400"_s << false << u"0.00"_s;
    QTest::newRow("zero is empty") << u"0"_s << u"0.400"_s << false << QString();
    QTest::newRow("no length yet is empty") << u"2"_s << QString() << false << QString();
    QTest::newRow("no-weld box empties") << u"2"_s << u"0.400"_s << true << QString();
}

void TestColumnQuantities::weldQuantities() {
    QFETCH(QString, places);
    QFETCH(QString, unitLength);
    QFETCH(bool, noWelds);
    TextGrid grid = makeWeldGrid(1);
    grid.setText(1, WeldUnitLength, unitLength);
    setWeldPlaces(grid, places);
    recomputeWeldQuantities(grid, noWelds);
    QTEST(grid.text(1, WeldQuantity), "quantity");
    QCOMPARE(grid.text(1, WeldPlaces), noWelds ? QString() : places);
}

void TestColumnQuantities::plateLines_data() {
    // Cells 3 厚, 6 枚, 7 工法, 11 単位L, 13 規格, 14 呼径, 15 締付L, 17 単位本.
    QTest::addColumn<QStringList>("input");
    // Computed cells 10 (厚), 12 数量, 16 L, 18 数量.
    QTest::addColumn<QStringList>("computed");
    // 2*3 = 6 plates × 250 mm = 1.5 m; no bolt kind, so no bolt length and no bolts per plate
    QTest::newRow("formula plates, weld only")
        << QStringList{u"12"_s, u"2*3"_s, u"H"_s, u"250"_s, {}, {}, {}, {}}
        << QStringList{u"12"_s, u"1.50"_s, {}, {}};
    // 2.7 plates round to 3 before the whole part: 3 × 0.25 = 0.75 m, 3 × 4 = 12 bolts;
    // HTB-F10T M20: grip 40 + allowance 30 = 70
    QTest::newRow("2.7 plates count as 3")
        << QStringList{u"9"_s, u"2.7"_s, u"H"_s, u"250"_s, u"HTB-F10T"_s, u"M20"_s, u"40"_s, u"4"_s}
        << QStringList{u"9"_s, u"0.75"_s, u"70"_s, u"12"_s};
    // anchor bolts: the grip column is the bolt length itself, no allowance
    QTest::newRow("anchor bolt keeps its length")
        << QStringList{u"36"_s, u"1"_s, {}, {}, u"A.BOLT(1)"_s, u"M24"_s, u"600"_s, u"4"_s}
        << QStringList{{}, {}, u"600"_s, u"4"_s};
    // HTB-F8T M20: grip 50 + allowance 35 = 85
    QTest::newRow("grip formula through the bolt table")
        << QStringList{u"12"_s, u"2"_s, {}, {}, u"HTB-F8T"_s, u"M20"_s, u"25*2"_s, u"6"_s}
        << QStringList{{}, {}, u"85"_s, u"12"_s};
    // a weld method without a thickness copies the empty thickness
    QTest::newRow("method without thickness")
        << QStringList{{}, u"1"_s, u"H"_s, u"100"_s, {}, {}, {}, {}} << QStringList{{}, u"0.10"_s, {}, {}};
    // a bolt kind without diameter has no length, the count still follows 単位本
    QTest::newRow("kind without diameter")
        << QStringList{{}, u"2"_s, {}, {}, u"HTB-F10T"_s, {}, u"40"_s, u"8"_s}
        << QStringList{{}, {}, {}, u"16"_s};
    // no plates: nothing to count
    QTest::newRow("no plates") << QStringList{u"12"_s,       {},       u"H"_s,  u"250"_s,
                                              u"HTB-F10T"_s, u"M20"_s, u"40"_s, u"4"_s}
                               << QStringList{u"12"_s, {}, u"70"_s, {}};
}

void TestColumnQuantities::plateLines() {
    QFETCH(QStringList, input);
    QFETCH(QStringList, computed);
    TextGrid grid = makePlateGrid();
    const int row = 4; // the third line
    const int inputColumns[] = {PlateThickness, PlateCount,        PlateWeldMethod, PlateWeldLength,
                                PlateBoltKind,  PlateBoltDiameter, PlateBoltGrip,   PlateBoltsPerPlate};
    for (int i = 0; i < 8; ++i)
        grid.setText(row, inputColumns[i], input[i]);
    recomputePlateLines(grid);
    QCOMPARE((QStringList{grid.text(row, PlateWeldThickness), grid.text(row, PlateWeldQuantity),
                          grid.text(row, PlateBoltLength), grid.text(row, PlateBoltCount)}),
             computed);
    for (int other : {2, 3, 5, 6})
        QCOMPARE(grid.rowTexts(other).mid(1), QStringList(18));
}

void TestColumnQuantities::coatingGirthPerShape_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("shape");
    QTest::addColumn<QString>("girth");
    const QString h = u"SN490C H-400×200×8×13 SN490B CT-200×150×9×12"_s;
    // H 400, B 200, tw 8, tf 13, coating 20 so c = 10: tf+c 23, (B−tw)/2 96, H−2tf−2c 354,
    // 2c+tf 33, 2c+B 220, B+c 210, H+c 410; the CT part is ignored
    QTest::newRow("H shape 1") << kH << h << 1 << u"0.592"_s;   // 23+96+354+96+23
    QTest::newRow("H shape 2") << kH << h << 2 << u"1.184"_s;   // shape 1 doubled
    QTest::newRow("H shape 3") << kH << h << 3 << u"0.812"_s;   // 23+96+354+96+33+210
    QTest::newRow("H shape 4") << kH << h << 4 << u"1.424"_s;   // 23+96+354+96+33+220+33+96+354+96+23
    QTest::newRow("H shape 5") << kH << h << 5 << u"1.032"_s;   // 33+96+354+96+33+210+210
    QTest::newRow("H shape 6") << kH << h << 6 << u"1.664"_s;   // (33+96+354+96+33+220) × 2
    QTest::newRow("H shape 7") << kH << h << 7 << u"0.200"_s;   // B
    QTest::newRow("H shape 8") << kH << h << 8 << u"0.400"_s;   // 2B
    QTest::newRow("H shape 9") << kH << h << 9 << u"0.840"_s;   // 210 + 420 + 210
    QTest::newRow("H shape 10") << kH << h << 10 << u"1.040"_s; // 410 + 220 + 410
    QTest::newRow("H shape 11") << kH << h << 11 << u"0.620"_s; // 210 + 410
    QTest::newRow("H shape 12") << kH << h << 12 << u"0.800"_s; // 2H
    QTest::newRow("H shape 13") << kH << h << 13 << u"0.400"_s; // H
    QTest::newRow("H shape 14 empty") << kH << h << 14 << QString();
    QTest::newRow("H shape 15 empty") << kH << h << 15 << QString();
    // square pipe: B 300 (first part), H 200 (second part)
    const QString sq = u"BCR295 300×200×12"_s;
    QTest::newRow("square shape 1 empty") << kSquare << sq << 1 << QString();
    QTest::newRow("square shape 7") << kSquare << sq << 7 << u"0.300"_s;
    QTest::newRow("square shape 9") << kSquare << sq << 9 << u"0.840"_s;   // 310 + 220 + 310
    QTest::newRow("square shape 10") << kSquare << sq << 10 << u"0.740"_s; // 210 + 320 + 210
    QTest::newRow("square shape 14") << kSquare << sq << 14 << u"1.080"_s; // 2×320 + 2×220
    // circular pipe: (2c + d) × 3.14 = 320 × 3.14 = 1004.8
    QTest::newRow("circular shape 14") << kRound << u"STK400 300×9"_s << 14 << u"1.005"_s;
    QTest::newRow("circular shape 7 empty") << kRound << u"STK400 300×9"_s << 7 << QString();
    // a blank inside the grade moves the size to the third word: every dimension reads 0
    QTest::newRow("grade with a blank") << kH << u"SN 490C H-400×200×8×13"_s << 1 << QString();
}

void TestColumnQuantities::coatingGirthPerShape() {
    QFETCH(QString, kind);
    QFETCH(QString, section);
    QFETCH(int, shape);
    TextGrid grid = makeCoatingGrid();
    grid.setRowTexts(2, {u"2"_s, u"吹付材"_s, u"20"_s, QString::number(shape), {}, u"3000"_s, u"2"_s});
    recomputeCoatingLines(grid, kind, section);
    QTEST(grid.text(2, CoatingGirth), "girth");
    QCOMPARE(grid.text(2, CoatingArea).isEmpty(), grid.text(2, CoatingGirth).isEmpty());
}

void TestColumnQuantities::coatedArea_data() {
    QTest::addColumn<QStringList>("line"); // 種類 厚 形状 単位L 本
    QTest::addColumn<QString>("girth");
    QTest::addColumn<QString>("area");
    // 592 × 3.000 × 0.002
    QTest::newRow("shape 1 area") << QStringList{u"吹付材"_s, u"20"_s, u"1"_s, u"3000"_s, u"2"_s}
                                  << u"0.592"_s << u"3.552"_s;
    // 本 2.6 is kept as 0.003 (three decimals of a thousandth): 592 × 3 × 0.003
    QTest::newRow("2.6 columns count as 3")
        << QStringList{u"吹付材"_s, u"20"_s, u"1"_s, u"3000"_s, u"2.6"_s} << u"0.592"_s << u"5.328"_s;
    // the length is a formula: 1500*2 = 3000
    QTest::newRow("length formula") << QStringList{u"板材"_s, u"20"_s, u"1"_s, u"1500*2"_s, u"2"_s}
                                    << u"0.592"_s << u"3.552"_s;
    QTest::newRow("no shape empties")
        << QStringList{u"吹付材"_s, u"20"_s, {}, u"3000"_s, u"2"_s} << QString() << QString();
}

void TestColumnQuantities::coatedArea() {
    QFETCH(QStringList, line);
    TextGrid grid = makeCoatingGrid();
    grid.setRowTexts(1, {u"1"_s, line[0], line[1], line[2], u"old"_s, line[3], line[4], u"old"_s});
    grid.setRowTexts(3, {u"3"_s, {}, u"20"_s, u"1"_s, u"kept"_s, u"3000"_s, u"2"_s, u"kept"_s});
    recomputeCoatingLines(grid, kH, u"SN490C H-400×200×8×13"_s);
    QTEST(grid.text(1, CoatingGirth), "girth");
    QTEST(grid.text(1, CoatingArea), "area");
    // a line without a kind is left untouched
    QCOMPARE(grid.text(3, CoatingGirth), u"kept"_s);
    QCOMPARE(grid.text(3, CoatingArea), u"kept"_s);
}

void TestColumnQuantities::girthInMillimetres() {
    // segments 23, 96, 354, 96, 23 of H-400×200×8×13 with c = 10
    QCOMPARE(coatingGirth(1, 10.0f, kH, u"SN490C H-400×200×8×13"_s), 592.0f);
    // (20 + 300) × 3.14 = 1004.8 in single precision
    QCOMPARE(coatingGirth(14, 10.0f, kRound, u"STK400 300×9"_s), float(320.0 * 3.14));
    QCOMPARE(coatingGirth(14, 10.0f, kRound, u"STK400 300×9"_s), 1004.8f);
}

void TestColumnQuantities::paintedGirth_data() {
    QTest::addColumn<HasiraListEntry>("listEntry");
    QTest::addColumn<float>("girth");
    // (400 + 200) × 2 + 200 × 2 − 8 × 2
    QTest::newRow("H") << entry(kH, kHSpec) << 1584.0f;
    // plus (200 + 150) × 2 − 9 × 2 for the CT
    QTest::newRow("H with one CT") << entry(kH, kHSpec, kTee2) << 2266.0f;
    // plus (175 + 175) × 2 − 7 × 2 for the second CT
    QTest::newRow("H with two CT") << entry(kH, kHSpec, kTee2, kTee3) << 2952.0f;
    // (B + D) × 2
    QTest::newRow("square") << entry(kSquare, u"BCR295･300･200･12"_s) << 1000.0f;
    // d × 3.14159 in single precision
    QTest::newRow("circular") << entry(kRound, u"STK400･300･9"_s) << float(300.0 * double(3.14159f));
}

void TestColumnQuantities::paintedGirth() {
    QFETCH(HasiraListEntry, listEntry);
    QTEST(tv::column_input::paintedGirth(ColumnSpecs::of(listEntry)), "girth");
}

QTEST_GUILESS_MAIN(TestColumnQuantities)
#include "tst_column_input_quantities.moc"
