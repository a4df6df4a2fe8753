// The beam dialog's computed lines: flange and web welds of welded ends, plate and bolt lines,
// gusset and stiffener sizing from the girders, the coating girths, and the grid commands.
#include "beam_fixture.h"

using namespace tv::test;
using namespace tv::beam_input;
using namespace Qt::StringLiterals;
using tv::services::CellOffer;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

namespace {
const QString kConfirm = u"確認"_s;
}

class TestBeamGrids : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void weldedEndWelds_data();
    void weldedEndWelds();
    void endSectionDrivesWelds();
    void plateAndBoltLines_data();
    void plateAndBoltLines();
    void emptiedNameClearsWeldedLineOnly();
    void weldOnlyLine();
    void endKindChangeEmptiesGrid();
    void newEntryStartsWithWeldLines();
    void rowCommands();
    void cellOffersFollowLineName();
    void gussetSizing_data();
    void gussetSizing();
    void stiffenerFromGirder_data();
    void stiffenerFromGirder();
    void girderSides();
    void coatingGirths_data();
    void coatingGirths();
    void coatingLinesWithoutShapeOrKind();
    void coatingEnterMoves();
};

// H-600×200×11×17 on floor 2 with welded ends: FLG 200*4 and WEB 566*2 plus the extra length
// (WEB溶接加算) for each end with option 0, multiplied by the count when it is above 1.
void TestBeamGrids::weldedEndWelds_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("flangeFormula");
    QTest::addColumn<QString>("flangeQuantity");
    QTest::addColumn<QString>("webFormula");
    QTest::addColumn<QString>("webQuantity");
    QTest::newRow("one beam, both end options 0: 800 and 1532 mm")
        << u"1"_s << 0 << 0 << u"100"_s << u"200*4"_s << u"0.80"_s << u"566*2+100*4"_s << u"1.53"_s;
    QTest::newRow("three beams multiply both formulas")
        << u"3"_s << 0 << 0 << u"100"_s << u"200*4*3"_s << u"2.40"_s << u"(566*2+100*4)*3"_s << u"4.60"_s;
    QTest::newRow("both end options 1 add no extra web weld")
        << u"1"_s << 1 << 1 << u"100"_s << u"200*4"_s << u"0.80"_s << u"566*2"_s << u"1.13"_s;
    QTest::newRow("one end with option 0 adds two lengths")
        << u"1"_s << 0 << 1 << u"100"_s << u"200*4"_s << u"0.80"_s << u"566*2+100*2"_s << u"1.33"_s;
    QTest::newRow("an empty extra length adds nothing to the formula")
        << u"3"_s << 0 << 0 << QString() << u"200*4*3"_s << u"2.40"_s << u"(566*2)*3"_s << u"3.40"_s;
    QTest::newRow("blanks are no extra length")
        << u"1"_s << 0 << 1 << u" 　"_s << u"200*4"_s << u"0.80"_s << u"566*2"_s << u"1.13"_s;
}

void TestBeamGrids::weldedEndWelds() {
    QFETCH(QString, count);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(QString, extra);
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    form.setLeftOp(left);
    form.setRightOp(right);
    QVERIFY(form.setInpTx(0, count));
    QVERIFY(form.setInpTx(7, extra));
    f.plateLine(1, {{kName, u"FLG溶接"_s}});
    f.plateLine(2, {{kName, u"WEB溶接"_s}});
    QCOMPARE(f.plate(1, kWeldThickness), u"17"_s);
    QTEST(f.plate(1, kWeldLength), "flangeFormula");
    QTEST(f.plate(1, kWeldQuantity), "flangeQuantity");
    QCOMPARE(f.plate(2, kWeldThickness), u"11"_s);
    QTEST(f.plate(2, kWeldLength), "webFormula");
    QTEST(f.plate(2, kWeldQuantity), "webQuantity");
    TV_VERIFY_PROMPTS(f.prompter);
}

// With a centre and an end section the end welds are those of the end section.
void TestBeamGrids::endSectionDrivesWelds() {
    BeamFixture f({beam(u"2"_s, u"B2"_s, kBeam600, kEnd600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B2"_s);
    QVERIFY(form.setInpTx(0, u"1"_s));
    QVERIFY(form.setInpTx(7, u"100"_s));
    f.plateLine(1, {{kName, u"FLG溶接"_s}});
    f.plateLine(2, {{kName, u"WEB溶接"_s}});
    QCOMPARE(f.plate(1, kWeldThickness), u"22"_s);
    QCOMPARE(f.plate(1, kWeldLength), u"250*4"_s);
    QCOMPARE(f.plate(2, kWeldLength), u"556*2+100*4"_s); // 600 − 2 × 22
    QCOMPARE(f.plate(2, kWeldThickness), u"12"_s);
    TV_VERIFY_PROMPTS(f.prompter);
}

// Plate lines count their own plates (枚, formula allowed); the weld thickness is the plate's only
// with a weld method; bolts: L from the grip, count = per plate × plates.
void TestBeamGrids::plateAndBoltLines_data() {
    QTest::addColumn<QString>("plates");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("weldThickness");
    QTest::addColumn<QString>("weldQuantity");
    QTest::addColumn<QString>("boltLength");
    QTest::addColumn<QString>("boltQuantity");
    QTest::newRow("splice with method: 300 mm × 2 plates, grip 40 + 35 = 75, 8 × 2 bolts")
        << u"2"_s << u"H"_s << u"9"_s << u"0.60"_s << u"75"_s << u"16"_s;
    QTest::newRow("splice without method keeps its quantity, no weld thickness")
        << u"2"_s << QString() << QString() << u"0.60"_s << u"75"_s << u"16"_s;
    QTest::newRow("plate count as a formula")
        << u"1+2"_s << u"H"_s << u"9"_s << u"0.90"_s << u"75"_s << u"24"_s;
    QTest::newRow("no plates: nothing to count")
        << QString() << u"H"_s << u"9"_s << QString() << u"75"_s << QString();
}

void TestBeamGrids::plateAndBoltLines() {
    QFETCH(QString, plates);
    QFETCH(QString, method);
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    QVERIFY(form.setInpTx(0, u"1"_s));
    f.plateLine(1, {{kName, u"スプライス"_s},
                    {kGrade, u"SS400"_s},
                    {kThickness, u"9"_s},
                    {kWeldLength, u"300"_s},
                    {kBoltKind, u"HTB-F8T"_s},
                    {kBoltDiameter, u"M20"_s},
                    {kBoltGrip, u"40"_s},
                    {kBoltsPerPlate, u"8"_s}});
    if (!plates.isEmpty())
        f.plateLine(1, {{kPlates, plates}});
    if (!method.isEmpty())
        f.plateLine(1, {{kWeldMethod, method}});
    QTEST(f.plate(1, kWeldThickness), "weldThickness");
    QTEST(f.plate(1, kWeldQuantity), "weldQuantity");
    QTEST(f.plate(1, kBoltLength), "boltLength");
    QTEST(f.plate(1, kBoltQuantity), "boltQuantity");
    TV_VERIFY_PROMPTS(f.prompter);
}

// Emptying a name empties the whole line with welded ends; with plate connection the other cells
// stay.
void TestBeamGrids::emptiedNameClearsWeldedLineOnly() {
    for (const EndKind kind : {EndKind::Welded, EndKind::PlateConnection}) {
        BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
        HariInpForm& form = f.open();
        f.choose(u"2"_s, u"B1"_s);
        form.setTanbuOp(kind);
        QVERIFY(form.setInpTx(0, u"1"_s));
        f.plateLine(1, {{kName, u"スプライス"_s}, {kThickness, u"9"_s}, {kPlates, u"2"_s}});
        form.plateCellEmptied(kPlateHeaderRows, kName); // right click: no recomputation yet
        QCOMPARE(f.plate(1, kThickness), u"9"_s);
        f.plateLine(1, {{kWidth, u"100"_s}});
        const bool welded = kind == EndKind::Welded;
        QCOMPARE(f.plate(1, kThickness), welded ? QString() : u"9"_s);
        QCOMPARE(f.plate(1, kWidth), welded ? QString() : u"100"_s);
        TV_VERIFY_PROMPTS(f.prompter);
    }
}

// A 溶接 line keeps its typed weld thickness and counts its formula alone, with either end kind.
void TestBeamGrids::weldOnlyLine() {
    for (const EndKind kind : {EndKind::Welded, EndKind::PlateConnection}) {
        BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
        HariInpForm& form = f.open();
        f.choose(u"2"_s, u"B1"_s);
        form.setTanbuOp(kind);
        QVERIFY(form.setInpTx(0, u"3"_s));
        f.plateLine(
            1,
            {{kName, u"溶接"_s}, {kWeldMethod, u"H"_s}, {kWeldThickness, u"6"_s}, {kWeldLength, u"500*2"_s}});
        QCOMPARE(f.plate(1, kWeldThickness), u"6"_s);
        QCOMPARE(f.plate(1, kWeldQuantity), u"1.00"_s);
        f.plateLine(1, {{kWeldLength, u"0"_s}});
        QCOMPARE(f.plate(1, kWeldQuantity), QString());
        TV_VERIFY_PROMPTS(f.prompter);
    }
}

void TestBeamGrids::endKindChangeEmptiesGrid() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    QVERIFY(form.setInpTx(0, u"1"_s));
    f.plateLine(1, {{kName, u"スプライス"_s}, {kThickness, u"9"_s}});
    f.plateLine(10, {{kName, u"雑"_s}});
    QCOMPARE(form.KouhoList(6).first(), u"FLG溶接"_s);
    form.setTanbuOp(EndKind::PlateConnection);
    for (int line = 1; line <= kPlateLines; ++line)
        QCOMPARE(form.DataGrid().rowTexts(kPlateHeaderRows + line - 1).mid(1), QStringList(18, QString()));
    QCOMPARE(form.KouhoList(6).first(), u"A側ガセット"_s);
    QCOMPARE(form.KouhoList(6).size(), 8);
}

// A new entry with welded ends starts with the flange and web welds, worked out once the beam and
// its count are known; plate connection has none, welded ends bring them back; an opened entry
// keeps its own lines, also when the user deleted them.
void TestBeamGrids::newEntryStartsWithWeldLines() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open({}, true);
    const QStringList flange{u"FLG溶接"_s, {}, {}, {}, {}, {}, u"H"_s, u"T"_s, u"1"_s};
    const QStringList web{u"WEB溶接"_s, {}, {}, {}, {}, {}, u"H"_s, u"F"_s, u"2"_s};
    QCOMPARE(form.DataGrid().rowTexts(kPlateHeaderRows).mid(1, 9), flange);
    QCOMPARE(form.DataGrid().rowTexts(kPlateHeaderRows + 1).mid(1, 9), web);
    QVERIFY(!form.history().canUndo());
    f.choose(u"2"_s, u"B1"_s);
    QVERIFY(form.setInpTx(0, u"2"_s));
    QCOMPARE(f.plate(1, kWeldThickness), u"17"_s);
    QCOMPARE(f.plate(1, kWeldLength), u"200*4*2"_s);
    QCOMPARE(f.plate(1, kWeldQuantity), u"1.60"_s);
    QCOMPARE(f.plate(2, kWeldThickness), u"11"_s);

    form.setTanbuOp(EndKind::PlateConnection);
    QCOMPARE(f.plate(1, kName), QString());
    QCOMPARE(f.plate(2, kName), QString());
    form.setTanbuOp(EndKind::Welded);
    QCOMPARE(f.plate(1, kWeldLength), u"200*4*2"_s);
    QCOMPARE(f.plate(2, kName), u"WEB溶接"_s);

    // Deleted by the user, the lines stay deleted through recomputation, OK and reopening.
    QVERIFY(form.setInpTx(4, u"6000"_s));
    for (int line = 1; line <= 2; ++line) {
        form.plateCellClicked(kPlateHeaderRows, kName);
        f.prompter.expect(u"選択行を削除します。"_s, kConfirm, PromptButtons::OkCancel, PromptAnswer::Ok);
        form.run(HariInpForm::ClearPlateRow);
        form.run(HariInpForm::DeletePlateBlankRow);
    }
    QVERIFY(form.setInpTx(0, u"3"_s));
    QCOMPARE(f.plate(1, kName), QString());
    QVERIFY(form.run(HariInpForm::Ok));
    const tv::sheets::EntryPayload saved = form.payload();
    HariInpForm& opened = f.open(saved, true);
    for (int line = 1; line <= kPlateLines; ++line)
        QCOMPARE(opened.DataGrid().text(kPlateHeaderRows + line - 1, kName), QString());
    TV_VERIFY_PROMPTS(f.prompter);
}

// Insert is refused while line 10 holds input; blank-row delete and insert keep ten numbered lines;
// clearing asks first.
void TestBeamGrids::rowCommands() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    QVERIFY(form.setInpTx(0, u"1"_s));
    f.plateLine(1, {{kName, u"雑"_s}});
    f.plateLine(3, {{kName, u"フィラー"_s}});
    form.plateCellClicked(kPlateHeaderRows + 1, kName); // line 2 is blank
    QVERIFY(!form.run(HariInpForm::DeletePlateBlankRow));
    QCOMPARE(f.plate(2, kName), u"フィラー"_s);
    QCOMPARE(form.DataGrid().text(kPlateHeaderRows + 9, 0), u"10"_s);
    form.plateCellClicked(kPlateHeaderRows, kName);
    form.run(HariInpForm::InsertPlateBlankRow);
    QCOMPARE(f.plate(1, kName), QString());
    QCOMPARE(f.plate(2, kName), u"雑"_s);

    f.plateLine(10, {{kName, u"雑"_s}});
    const QList<QStringList> before = [&] {
        QList<QStringList> rows;
        for (int r = 0; r < form.DataGrid().rowCount(); ++r)
            rows.append(form.DataGrid().rowTexts(r));
        return rows;
    }();
    f.prompter.expectOk(u"最下行に入力がありますので、挿入できません。"_s, kConfirm);
    form.plateCellClicked(kPlateHeaderRows, kName);
    form.run(HariInpForm::InsertPlateBlankRow);
    for (int r = 0; r < form.DataGrid().rowCount(); ++r)
        QCOMPARE(form.DataGrid().rowTexts(r), before[r]);

    form.plateCellClicked(kPlateHeaderRows + 1, kName);
    f.prompter.expect(u"選択行を削除します。"_s, kConfirm, PromptButtons::OkCancel, PromptAnswer::Cancel);
    form.run(HariInpForm::ClearPlateRow);
    QCOMPARE(f.plate(2, kName), u"雑"_s);
    f.prompter.expect(u"選択行を削除します。"_s, kConfirm, PromptButtons::OkCancel, PromptAnswer::Ok);
    form.run(HariInpForm::ClearPlateRow);
    QCOMPARE(f.plate(2, kName), QString());
    TV_VERIFY_PROMPTS(f.prompter);
}

// What a click offers: computed cells nothing, weld lines no grade, lists where the line takes a
// listed value; without a chosen mark the grid asks for one.
void TestBeamGrids::cellOffersFollowLineName() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.prompter.expectOk(u"符号を選択してください。"_s, kConfirm);
    QCOMPARE(form.plateCellClicked(kPlateHeaderRows, kName).kind, CellOffer::Kind::None);
    f.choose(u"2"_s, u"B1"_s);
    QVERIFY(form.setInpTx(0, u"1"_s));
    f.plateLine(1, {{kName, u"FLG溶接"_s}});
    f.plateLine(2, {{kName, u"スプライス"_s}});
    const int flg = kPlateHeaderRows, splice = kPlateHeaderRows + 1;
    QCOMPARE(form.plateCellClicked(flg, kGrade).kind, CellOffer::Kind::None);
    QCOMPARE(form.plateCellClicked(flg, kWidth).kind, CellOffer::Kind::None);
    QCOMPARE(form.plateCellClicked(flg, kWeldThickness).kind, CellOffer::Kind::None);
    QCOMPARE(form.plateCellClicked(splice, kGrade).items, QStringList{u"SS400"_s});
    QCOMPARE(form.plateCellClicked(splice, kBoltKind).items, QStringList{u"HTB-F8T"_s});
    QCOMPARE(form.plateCellClicked(splice, kWidth).kind, CellOffer::Kind::Text);
    QCOMPARE(form.plateCellClicked(splice, kWeldQuantity).kind, CellOffer::Kind::None);
    // Enter moves on from the plate length to the weld method; a picked weld list moves on too.
    form.plateCellClicked(splice, kPlates);
    QCOMPARE(form.plateEditorAdvance()->items, form.KouhoList(1));
    QCOMPARE(form.DataGrid().currentColumn(), int(kWeldMethod));
    QCOMPARE(form.plateListPicked(u"H"_s)->items, form.KouhoList(2));
    QCOMPARE(form.DataGrid().currentColumn(), int(kWeldJoint));
    // The weld lists show each code with its meaning; the cell takes the code.
    QCOMPARE(form.KouhoList(2).value(1), u"F  隅肉"_s);
    QCOMPARE(form.plateListPicked(u"F  隅肉"_s)->items, form.KouhoList(3));
    form.plateListPicked(u"1  片面"_s);
    QCOMPARE(form.DataGrid().rowTexts(splice).mid(kWeldMethod, 3), (QStringList{u"H"_s, u"F"_s, u"1"_s}));
    // A name holding 溶接 sends the cursor to the weld method.
    form.plateCellClicked(kPlateHeaderRows + 2, kName);
    form.plateListPicked(u"溶接"_s);
    QCOMPARE(form.DataGrid().currentColumn(), int(kWeldMethod));
    TV_VERIFY_PROMPTS(f.prompter);
}

// Beam H-400×200×8×13 between girders H-700×300×12×24: hb 374, hg 652, og 144, e 100.
void TestBeamGrids::gussetSizing_data() {
    QTest::addColumn<QString>("girder");
    QTest::addColumn<int>("basis");
    QTest::addColumn<QString>("threshold");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("depth");
    QTest::newRow("rectangle: A 131288, W 244 cut to 200, D 656.44")
        << kGirder700 << 0 << u"100"_s << u"200"_s << u"656"_s;
    QTest::newRow("threshold reached: shape 2 adds 15100, D 731.94")
        << kGirder700 << 0 << u"0"_s << u"200"_s << u"732"_s;
    QTest::newRow("largest outer dimensions: 144 + 100, 652 + 0 + 24")
        << kGirder700 << 1 << u"100"_s << u"244"_s << u"676"_s;
    QTest::newRow("width under 50 becomes 50: og 15 + e 15 = 30, A 9810")
        << section(u"SS400"_s, 300, 40, 10, 10) << 0 << u"100"_s << u"50"_s << u"196"_s;
}

void TestBeamGrids::gussetSizing() {
    QFETCH(QString, girder);
    QFETCH(int, basis);
    QFETCH(QString, threshold);
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam400), beam(u"2"_s, u"G1"_s, girder)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    form.setTanbuOp(EndKind::PlateConnection);
    form.setSaisunOp(basis);
    QVERIFY(form.setInpTx(0, u"2"_s));
    QVERIFY(form.setInpTx(10, u"0"_s));
    QVERIFY(form.setInpTx(13, basis == 0 && girder != kGirder700 ? u"15"_s : u"100"_s));
    QVERIFY(form.setInpTx(14, threshold));
    f.plateLine(1, {{kName, u"A側ガセット"_s}, {kGrade, u"SS400"_s}, {kThickness, u"9"_s}});
    QCOMPARE(form.pickGirder(9, u"G1"_s), 10);
    QTEST(f.plate(1, kWidth), "width");
    QTEST(f.plate(1, kDepth), "depth");
    QCOMPARE(f.plate(1, kPlates), u"2"_s);
    QCOMPARE(f.plate(1, kWeldThickness), u"9"_s);
    TV_VERIFY_PROMPTS(f.prompter);
}

// Stiffener: weld 144*2+652 per beam, plate 144 × 652 per beam; gussets take the same weld.
void TestBeamGrids::stiffenerFromGirder_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("quantity");
    QTest::newRow("one beam") << u"1"_s << u"144*2+652"_s << u"0.94"_s;
    QTest::newRow("three beams") << u"3"_s << u"(144*2+652)*3"_s << u"2.82"_s;
}

void TestBeamGrids::stiffenerFromGirder() {
    QFETCH(QString, count);
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam400), beam(u"2"_s, u"G1"_s, kGirder700)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    form.setTanbuOp(EndKind::PlateConnection);
    QVERIFY(form.setInpTx(0, count));
    f.plateLine(1, {{kName, u"A側スチフナー"_s}, {kGrade, u"SS400"_s}, {kThickness, u"12"_s}});
    f.plateLine(2, {{kName, u"A側ガセット"_s}, {kGrade, u"SS400"_s}, {kThickness, u"9"_s}});
    form.pickGirder(9, u"G1"_s);
    QCOMPARE(f.plate(1, kWidth), u"144"_s);
    QCOMPARE(f.plate(1, kDepth), u"652"_s);
    QCOMPARE(f.plate(1, kPlates), count);
    QCOMPARE(f.plate(1, kWeldThickness), u"12"_s);
    QTEST(f.plate(1, kWeldLength), "formula");
    QTEST(f.plate(1, kWeldQuantity), "quantity");
    QTEST(f.plate(2, kWeldLength), "formula");
    // A girder given up with 無し takes its figures with it.
    form.pickGirder(9, u"無し"_s);
    QCOMPARE(form.InfoGd(4), QString());
    for (const int column : {int(kWidth), int(kDepth), int(kPlates), int(kWeldThickness), int(kWeldLength),
                             int(kWeldQuantity)}) {
        QCOMPARE(f.plate(1, column), QString());
        QCOMPARE(f.plate(2, column), QString());
    }
    TV_VERIFY_PROMPTS(f.prompter);
}

// A side never picked leaves its lines empty; the B side uses the B girder and the B [H] only.
void TestBeamGrids::girderSides() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam400), beam(u"2"_s, u"G1"_s, kGirder700),
                   beam(u"2"_s, u"G2"_s, section(u"SS400"_s, 500, 200, 9, 16))});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    form.setTanbuOp(EndKind::PlateConnection);
    form.setSaisunOp(1);
    QVERIFY(form.setInpTx(0, u"1"_s));
    QVERIFY(form.setInpTx(13, u"100"_s));
    f.plateLine(1, {{kName, u"A側ガセット"_s}, {kThickness, u"9"_s}});
    f.plateLine(2, {{kName, u"B側ガセット"_s}, {kThickness, u"9"_s}});
    for (const int column : {int(kWidth), int(kDepth), int(kPlates), int(kWeldLength), int(kWeldQuantity)}) {
        QCOMPARE(f.plate(1, column), QString());
        QCOMPARE(f.plate(2, column), QString());
    }
    QVERIFY(form.setInpTx(12, u"50"_s));
    form.pickGirder(11, u"G2"_s);
    QCOMPARE(form.InfoGd(5), u"B梁:SS400 H-500×200×9×16"_s);
    QCOMPARE(f.plate(2, kWidth), u"196"_s); // (200 − 9)/2 = 95.5, + 100
    QCOMPARE(f.plate(2, kDepth), u"534"_s); // 468 + 50 + 16
    QCOMPARE(f.plate(1, kWidth), QString());
    QVERIFY(form.setInpTx(10, u"300"_s));
    QCOMPARE(f.plate(2, kDepth), u"534"_s);
    TV_VERIFY_PROMPTS(f.prompter);
}

// H-600×200×11×17, 吹付材 t 20 (c 10), 6000 mm, 2 pieces: area = G × 6 × 0.002.
void TestBeamGrids::coatingGirths_data() {
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QString>("girth");
    QTest::addColumn<QString>("area");
    QTest::newRow("1: 27 + 94.5 + 546 + 94.5 + 27 = 789") << u"1"_s << u"0.789"_s << u"9.468"_s;
    QTest::newRow("2: outline 1 doubled") << u"2"_s << u"1.578"_s << u"18.936"_s;
    QTest::newRow("4: both sides and both flange faces = 1818") << u"4"_s << u"1.818"_s << u"21.816"_s;
    QTest::newRow("7: the flange width, whatever the thickness") << u"7"_s << u"0.200"_s << u"2.400"_s;
    QTest::newRow("14: 2 × 220 + 2 × 620") << u"14"_s << u"1.680"_s << u"20.160"_s;
    QTest::newRow("15 has no outline") << u"15"_s << QString() << QString();
    QTest::newRow("0 has no outline") << u"0"_s << QString() << QString();
    QTest::newRow("a decimal has no outline") << u"1.5"_s << QString() << QString();
}

void TestBeamGrids::coatingGirths() {
    QFETCH(QString, shape);
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    QCOMPARE(form.KouhoList(8), (QStringList{u"吹付材"_s, u"板材"_s}));
    f.coatingLine(1, {{kCoatingKind, u"吹付材"_s},
                      {kCoatingThickness, u"20"_s},
                      {kCoatingLength, u"6000"_s},
                      {kCoatingPieces, u"2"_s},
                      {kCoatingShape, shape}});
    QTEST(f.coating(1, kCoatingGirth), "girth");
    QTEST(f.coating(1, kCoatingArea), "area");
}

// A line with a kind but no shape is emptied at the next recomputation, like every line; a line
// without a kind keeps what its computed cells hold.
void TestBeamGrids::coatingLinesWithoutShapeOrKind() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    f.open();
    f.choose(u"2"_s, u"B1"_s);
    f.coatingLine(1, {{kCoatingKind, u"板材"_s},
                      {kCoatingThickness, u"20"_s},
                      {kCoatingShape, u"1"_s},
                      {kCoatingLength, u"6000"_s},
                      {kCoatingPieces, u"2"_s}});
    f.coatingLine(2, {{kCoatingArea, u"5.000"_s}});
    f.coatingLine(1, {{kCoatingShape, QString()}});
    QCOMPARE(f.coating(1, kCoatingGirth), QString());
    QCOMPARE(f.coating(1, kCoatingArea), QString());
    QCOMPARE(f.coating(2, kCoatingArea), u"5.000"_s);
}

void TestBeamGrids::coatingEnterMoves() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    form.coatingCellClicked(kCoatingHeaderRows, kCoatingKind);
    form.coatingListPicked(u"吹付材"_s);
    QCOMPARE(form.HifukuGrid().currentColumn(), int(kCoatingThickness));
    QVERIFY(form.coatingEditorAdvance());
    QVERIFY(form.coatingEditorChanged(u"0"_s));
    QVERIFY(form.coatingEditorAdvance());
    QCOMPARE(form.HifukuGrid().currentColumn(), int(kCoatingGirth));
    QVERIFY(form.coatingEditorAdvance());
    QCOMPARE(form.HifukuGrid().currentColumn(), int(kCoatingLength));
    QVERIFY(form.coatingEditorAdvance());
    QVERIFY(!form.coatingEditorAdvance()); // 本 is the last stop
}

QTEST_GUILESS_MAIN(TestBeamGrids)
#include "tst_beam_input_grids.moc"
