// The beam dialog as an entry: mark lists and lookups, derived captions, refused text, the checks
// and messages of OK, the entry texts with the painted area, the sheet rows, copying an entry and
// the round trip of an entry through the sheet.
#include "beam_fixture.h"

#include "beam_input/beam_entry_dialog.h"
#include "beam_input/expand_beam_entry.h"
#include "services/cp932.h"

#include <QSignalSpy>

using namespace tv::test;
using namespace tv::beam_input;
using namespace Qt::StringLiterals;
using tv::sheets::EntryPayload;

namespace {

const QString kConfirm = u"確認"_s;
const QString kChooseBeam = u"積算する梁の符号を選択してください。"_s;
const QString kEnterCount = u"本数を入力してください。"_s;

QStringList indexMarks(const HariInpForm& form) {
    QStringList marks;
    for (int row = 1; row < form.IndexGrid().rowCount(); ++row)
        marks.append(form.IndexGrid().text(row, 0));
    return marks;
}

QStringList fields(const QString& text) {
    return text.split(tv::lists::kPartSeparator);
}

// A sheet row with the given cells (column → text).
QStringList sheetRow(const std::map<int, QString>& cells) {
    QStringList row(29, QString());
    for (const auto& [column, text] : cells)
        row[column] = text;
    return row;
}

// A sheet row from its columns 1 to 23 written as in the work file ("'" between cells, the last
// empty ones left out), and the entry texts of columns 24 to 28 when given.
QStringList rowOf(const QString& visible, const QStringList& texts = {}) {
    QStringList row = QStringList{QString()} + visible.split(u'\'');
    row.resize(24);
    row += texts;
    row.resize(29);
    return row;
}

// The cells of a stored grid line, each group padded with empty cells to `size`.
QStringList cells(QList<QStringList> groups, int size) {
    QStringList line;
    for (QStringList& group : groups) {
        group.resize(size);
        line += group;
    }
    return line;
}

// A stored plate line: plate, weld and bolt cells, six of each.
QStringList plateLine(const QStringList& plate, const QStringList& weld = {}, const QStringList& bolt = {}) {
    return cells({plate, weld, bolt}, 6);
}

// The stored text of a grid of `lines` lines of `width` cells: the given lines, then empty ones.
QString gridText(const QList<QStringList>& given, int lines, int width) {
    QList<QStringList> all = given;
    all.resize(lines);
    return tv::lists::joinParts(cells(all, width));
}

} // namespace

class TestBeamEntry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void markListsAndLookups();
    void sectionCaptions();
    void lengthCaptions_data();
    void lengthCaptions();
    void girderCaptions();
    void messagesWhileTyping();
    void enterMovesAndJoint();
    void refusedAndStoredText();
    void missingSetFiles();
    void okChecks_data();
    void okChecks();
    void okWithoutBeam();
    void paintedArea_data();
    void paintedArea();
    void sheetRowsOfCentreAndEndSections();
    void sheetRowsOfPlateConnection();
    void sheetRowsFromEntryTexts_data();
    void sheetRowsFromEntryTexts();
    void weldLineWithoutMethod();
    void roundTrip_data();
    void roundTrip();
    void loadEnteredData();
    void cancelAndLastFloor();
    void entryDialogPort();
};

// Marks of the floor, then the secondary beams (only when the floor has beams), then 無し for the
// girder list; a mark is looked up on the floor first, then on any floor, the last match winning.
void TestBeamEntry::markListsAndLookups() {
    BeamFixture f({beam(u"3"_s, u"B1"_s, kBeam600), beam(u"小梁"_s, u"b1"_s, kBeam400),
                   beam(u"2"_s, u"B2"_s, kBeam400),
                   beam(u"5"_s, u"b1"_s, section(u"SS400"_s, 300, 150, 6, 9))});
    HariInpForm& form = f.open();
    QCOMPARE(form.KaiTx(), QString());
    QVERIFY(indexMarks(form).isEmpty());
    QVERIFY(form.FugoList().isEmpty());
    QVERIFY(form.setKaiTx(u"4"_s));
    QVERIFY(indexMarks(form).isEmpty());
    QVERIFY(form.FugoList().isEmpty());
    QVERIFY(form.setKaiTx(u"３"_s)); // typed in full width
    QCOMPARE(form.KaiTx(), u"3"_s);
    QCOMPARE(indexMarks(form), (QStringList{u"B1"_s, u"b1"_s}));
    QCOMPARE(form.FugoList(), (QStringList{u"B1"_s, u"b1"_s, u"無し"_s}));
    form.chooseMark(1);
    QCOMPARE(form.InfoGd(0), u"SN400B H-600×200×11×17"_s);
    QCOMPARE(form.InfoGd(2), u"3階"_s);
    QCOMPARE(form.InfoGd(3), u"B1"_s);
    // b1 is not on floor 3: of its two registrations the later one (floor 5) is used.
    form.chooseMark(2);
    QCOMPARE(form.InfoGd(0), u"SS400 H-300×150×6×9"_s);
    QCOMPARE(form.InfoGd(3), u"b1"_s);
    TV_VERIFY_PROMPTS(f.prompter);
}

void TestBeamEntry::sectionCaptions() {
    BeamFixture f(
        {beam(u"2"_s, u"B2"_s, kBeam600, kEnd600), beam(u"2"_s, u"B3"_s, kBeam600, u"･H･600･250･12･22"_s)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B2"_s);
    QCOMPARE(form.InfoGd(0), u"[中央部] SN400B H-600×200×11×17 [端部] SN490B H-600×250×12×22"_s);
    // An end section without a grade counts as none.
    f.choose(u"2"_s, u"B3"_s);
    QCOMPARE(form.InfoGd(0), u"SN400B H-600×200×11×17"_s);
}

void TestBeamEntry::lengthCaptions_data() {
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("centre");
    QTest::newRow("6000 less two 1000 ends") << u"6000"_s << u"4000"_s;
    QTest::newRow("a zero centre part shows nothing") << u"2000"_s << QString();
    QTest::newRow("the total as a formula") << u"3000+3500"_s << u"4500"_s;
}

void TestBeamEntry::lengthCaptions() {
    QFETCH(QString, total);
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    QVERIFY(form.setInpTx(0, u"1"_s));
    QVERIFY(form.setInpTx(5, u"1000"_s));
    QVERIFY(form.setInpTx(6, u"500+500"_s));
    QVERIFY(form.setInpTx(4, total));
    QCOMPARE(form.InfoGd(6), u"1000"_s);
    QCOMPARE(form.InfoGd(7), u"1000"_s);
    QTEST(form.InfoGd(9), "centre");
}

// Half flange widths of the two girders come off the span between their centres.
void TestBeamEntry::girderCaptions() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam400), beam(u"2"_s, u"G1"_s, kBeam600),
                   beam(u"小梁"_s, u"G2"_s, kGirder700)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    form.setTanbuOp(EndKind::PlateConnection);
    QVERIFY(form.setInpTx(0, u"1"_s));
    QVERIFY(form.setInpTx(8, u"6000"_s));
    QCOMPARE(form.InfoGd(8), u"6000"_s);
    QCOMPARE(form.pickGirder(9, u"G1"_s), 10);
    QCOMPARE(form.InpTx(9), u"G1"_s);
    QCOMPARE(form.InfoGd(4), u"A梁:SN400B H-600×200×11×17"_s);
    QCOMPARE(form.InfoGd(10), u"100"_s);
    QCOMPARE(form.InfoGd(8), u"5900"_s);
    QCOMPARE(form.pickGirder(11, u"G2"_s), 12); // a secondary beam, found on any floor
    QCOMPARE(form.InfoGd(11), u"150"_s);
    QCOMPARE(form.InfoGd(8), u"5750"_s);
    // A typed girder mark is looked up as a picked one.
    QVERIFY(form.setInpTx(11, u"G9"_s));
    QCOMPARE(form.InfoGd(5), QString());
    QCOMPARE(form.InfoGd(11), u"0"_s);
    QCOMPARE(form.InfoGd(8), u"5900"_s);
    TV_VERIFY_PROMPTS(f.prompter);
}

// Before a mark is chosen every keystroke asks for one; before a count every other field asks for
// it. The typed text stays.
void TestBeamEntry::messagesWhileTyping() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.prompter.expectOk(kChooseBeam, kConfirm).expectOk(kChooseBeam, kConfirm);
    QVERIFY(form.setInpTx(4, u"6"_s));
    QVERIFY(form.setInpTx(4, u"60"_s));
    QCOMPARE(form.InpTx(4), u"60"_s);
    f.choose(u"2"_s, u"B1"_s);
    f.prompter.expectOk(kEnterCount, kConfirm);
    QVERIFY(form.setInpTx(4, u"600"_s));
    QCOMPARE(form.InfoGd(1), QString());
    QVERIFY(form.setInpTx(0, u"1"_s));
    TV_VERIFY_PROMPTS(f.prompter);
}

// Enter leads through fields 0 to 5 to the next shown field and from any other back to the count;
// unticking the joint empties its mark only.
void TestBeamEntry::enterMovesAndJoint() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    QCOMPARE(form.nextInputOnEnter(0), 1);
    QCOMPARE(form.nextInputOnEnter(1), 4); // joint fields hidden
    QCOMPARE(form.nextInputOnEnter(5), 6);
    QCOMPARE(form.nextInputOnEnter(6), 0);
    QCOMPARE(form.nextInputOnEnter(7), 0);
    form.setJointCh(true);
    QCOMPARE(form.nextInputOnEnter(1), 2);
    form.setTanbuOp(EndKind::PlateConnection);
    QCOMPARE(form.nextInputOnEnter(1), 8);
    QCOMPARE(form.nextInputOnEnter(8), 0);

    f.choose(u"2"_s, u"B1"_s);
    QVERIFY(form.setInpTx(0, u"1"_s));
    QVERIFY(form.setInpTx(2, u"J1"_s));
    QVERIFY(form.setInpTx(3, u"2"_s));
    QSignalSpy changed(&form, &HariInpForm::changed);
    form.setJointCh(false);
    QCOMPARE(changed.count(), 1); // the view redraws the emptied joint mark
    QCOMPARE(form.InpTx(2), QString());
    QCOMPARE(form.InpTx(3), u"2"_s);
}

// "･" would split the entry texts and CP932 cannot store every character: both are taken out of
// what is typed in fields and cells, with a message, and the rest is stored; identifiers are stored
// half-width, apostrophes as ’.
void TestBeamEntry::refusedAndStoredText() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    QVERIFY(form.setInpTx(0, u"1"_s));
    const QString dotMessage = u"「･」は使用できない文字です。"_s;
    const QString euroMessage = tv::services::Cp932::describe(U'é') + u"は使用できない文字です。"_s;
    f.prompter.expectOk(dotMessage, kConfirm).expectOk(euroMessage, kConfirm).expectOk(dotMessage, kConfirm);
    QVERIFY(form.setInpTx(1, u"X1通り"_s));
    QVERIFY(!form.setInpTx(1, u"X1･Y1"_s));
    QCOMPARE(form.InpTx(1), u"X1Y1"_s);
    QVERIFY(!form.setInpTx(1, u"café"_s));
    QCOMPARE(form.InpTx(1), u"caf"_s);
    f.plateLine(1, {{kName, u"スプライス"_s}});
    form.plateCellClicked(kPlateHeaderRows, kThickness);
    QVERIFY(!form.plateEditorChanged(u"9･"_s));
    QCOMPARE(form.DataGrid().text(kPlateHeaderRows, kThickness), u"9"_s);
    QVERIFY(form.plateEditorChanged(u"１２"_s));
    QCOMPARE(form.DataGrid().text(kPlateHeaderRows, kThickness), u"12"_s);
    QVERIFY(form.setInpTx(1, u"A'B"_s));
    QCOMPARE(form.InpTx(1), u"A’B"_s);
    QVERIFY(form.setInpTx(4, u"６０００"_s));
    QCOMPARE(form.InpTx(4), u"6000"_s);
    TV_VERIFY_PROMPTS(f.prompter);
}

void TestBeamEntry::missingSetFiles() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)}, false);
    HariInpForm& form = f.open();
    QVERIFY(form.KouhoList(4).isEmpty());
    QVERIFY(form.KouhoList(5).isEmpty());
    QVERIFY(form.KouhoList(7).isEmpty());
    QCOMPARE(form.KouhoList(0), QStringList{u"J1"_s});
    f.choose(u"2"_s, u"B1"_s);
    QCOMPARE(form.InfoGd(0), u"SN400B H-600×200×11×17"_s);
    TV_VERIFY_PROMPTS(f.prompter);
}

// OK checks in order: length (of the end kind), joint mark and places, count, plate grades; the
// first failing one speaks and puts the focus on its field.
void TestBeamEntry::okChecks_data() {
    QTest::addColumn<int>("ends");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("joint");
    QTest::addColumn<QString>("jointMark");
    QTest::addColumn<QString>("jointPlaces");
    QTest::addColumn<QString>("lineName");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    const QString length = u"長さを入力してください。"_s;
    QTest::newRow("welded: no length and no count gives only the length")
        << 0 << QString() << QString() << false << QString() << QString() << QString() << length << 4;
    QTest::newRow("plate connection: no length")
        << 1 << QString() << u"1"_s << false << QString() << QString() << QString() << length << 8;
    QTest::newRow("plate connection: length but no count")
        << 1 << u"6000"_s << QString() << false << QString() << QString() << QString() << kEnterCount << 0;
    QTest::newRow("joint without mark") << 0 << u"6000"_s << QString() << true << QString() << QString()
                                        << QString() << u"ジョイント符号を入力してください。"_s << 2;
    QTest::newRow("joint without places") << 0 << u"6000"_s << u"1"_s << true << u"J1"_s << QString()
                                          << QString() << u"ジョイントのヶ所を入力してください。"_s << 3;
    QTest::newRow("plate line without grade names itself")
        << 0 << u"6000"_s << u"1"_s << false << QString() << QString() << u"スプライス"_s
        << u"スプライスの規格が入力されていません。"_s << -1;
    QTest::newRow("雑 needs no grade")
        << 0 << u"6000"_s << u"1"_s << false << QString() << QString() << u"雑"_s << QString() << -1;
    QTest::newRow("weld lines need no grade")
        << 0 << u"6000"_s << u"1"_s << false << QString() << QString() << u"WEB溶接"_s << QString() << -1;
}

void TestBeamEntry::okChecks() {
    QFETCH(int, ends);
    QFETCH(QString, length);
    QFETCH(QString, count);
    QFETCH(bool, joint);
    QFETCH(QString, jointMark);
    QFETCH(QString, jointPlaces);
    QFETCH(QString, lineName);
    QFETCH(QString, message);
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    form.setTanbuOp(EndKind(ends));
    QVERIFY(form.setInpTx(0, u"1"_s)); // a count first, so that typing shows no message
    form.setJointCh(joint);
    QVERIFY(form.setInpTx(2, jointMark));
    QVERIFY(form.setInpTx(3, jointPlaces));
    QVERIFY(form.setInpTx(ends == 0 ? 4 : 8, length));
    if (!lineName.isEmpty())
        f.plateLine(1, {{kName, lineName}});
    QVERIFY(form.setInpTx(0, count));
    if (!message.isEmpty())
        f.prompter.expectOk(message, kConfirm);
    QCOMPARE(form.run(HariInpForm::Ok), message.isEmpty());
    QTEST(form.focusInput(), "focus");
    QCOMPARE(form.payload()[kOptionText].isEmpty(), !message.isEmpty());
    TV_VERIFY_PROMPTS(f.prompter);
}

// An entry without a beam would reach the sheet with no floor, mark or member row.
void TestBeamEntry::okWithoutBeam() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.prompter.expectOk(kChooseBeam, kConfirm);
    QVERIFY(!form.ok());
    QVERIFY(form.payload()[kOptionText].isEmpty());
    TV_VERIFY_PROMPTS(f.prompter);
}

// Painted: (2·600 + 4·200 − 2·11)/1000 = 1.978 → 1.98 per metre, × 6 m × 2 beams; other classes
// store no area. The class reaches the sheet for painted and galvanized beams only.
void TestBeamEntry::paintedArea_data() {
    QTest::addColumn<int>("surface");
    QTest::addColumn<QString>("perMetre");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("sheetClass");
    QTest::newRow("painted") << 0 << u"1.98"_s << u"23.76"_s << u"塗装有"_s;
    QTest::newRow("unpainted") << 1 << QString() << QString() << QString();
    QTest::newRow("galvanized shows its class without areas") << 2 << QString() << QString() << u"溶融亜鉛"_s;
    QTest::newRow("other") << 3 << QString() << QString() << QString();
}

void TestBeamEntry::paintedArea() {
    QFETCH(int, surface);
    QFETCH(QString, perMetre);
    QFETCH(QString, area);
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    QVERIFY(form.setInpTx(0, u"2"_s));
    QVERIFY(form.setInpTx(4, u"6000"_s));
    form.setBunruiOp(SurfaceClass(surface));
    QVERIFY(form.ok());
    const QStringList inputs = fields(form.payload()[kInputText]);
    QCOMPARE(inputs.size(), 17);
    QCOMPARE(inputs[15], perMetre);
    QCOMPARE(inputs[16], area);
    const QList<QStringList> rows = form.result().rows;
    QCOMPARE(rows.size(), 1);
    QTEST(rows[0][17], "sheetClass");
    QCOMPARE(rows[0][18], perMetre);
    QCOMPARE(rows[0][19], area);
    QCOMPARE(rows[0].mid(1, 10), (QStringList{u"梁"_s,
                                              u"2"_s,
                                              u"B1"_s,
                                              {},
                                              u"SN400B"_s,
                                              u"H鋼"_s,
                                              u"H-600×200×11×17"_s,
                                              u"6000"_s,
                                              u"2"_s,
                                              {}}));
}

// Centre and end sections take rows 0 and 1 (centre part and both ends as lengths); plates start on
// row 2, welds and bolts on row 0, coating on row 1; the texts stand on row 0.
void TestBeamEntry::sheetRowsOfCentreAndEndSections() {
    BeamFixture f({beam(u"3"_s, u"B2"_s, kBeam600, kEnd600)});
    HariInpForm& form = f.open();
    f.choose(u"3"_s, u"B2"_s);
    QVERIFY(form.setInpTx(0, u"2"_s));
    QVERIFY(form.setInpTx(1, u"X1通り"_s));
    QVERIFY(form.setInpTx(5, u"1000"_s));
    QVERIFY(form.setInpTx(6, u"1000"_s));
    QVERIFY(form.setInpTx(4, u"6000"_s));
    f.plateLine(1,
                {{kName, u"FLG溶接"_s}, {kWeldMethod, u"H"_s}, {kWeldJoint, u"T"_s}, {kWeldFaces, u"2"_s}});
    f.plateLine(2, {{kName, u"スプライス"_s},
                    {kGrade, u"SS400"_s},
                    {kThickness, u"9"_s},
                    {kWidth, u"100"_s},
                    {kDepth, u"200"_s},
                    {kPlates, u"2"_s},
                    {kBoltKind, u"HTB-F8T"_s},
                    {kBoltDiameter, u"M20"_s},
                    {kBoltGrip, u"40"_s},
                    {kBoltsPerPlate, u"8"_s}});
    f.coatingLine(1, {{kCoatingKind, u"吹付材"_s},
                      {kCoatingThickness, u"20"_s},
                      {kCoatingLength, u"6000"_s},
                      {kCoatingPieces, u"2"_s},
                      {kCoatingShape, u"1"_s}});
    QVERIFY(form.ok());
    const EntryPayload& texts = form.payload();
    const QList<QStringList> expected{
        sheetRow({{1, u"梁"_s},
                  {2, u"3"_s},
                  {3, u"B2"_s},
                  {4, u"X1通り"_s},
                  {5, u"SN400B"_s},
                  {6, u"H鋼"_s},
                  {7, u"H-600×200×11×17"_s},
                  {8, u"4000"_s},
                  {9, u"2"_s},
                  {12, u"H"_s},
                  {13, u"T"_s},
                  {14, u"2"_s},
                  {15, u"22"_s},
                  {16, u"2.00"_s},
                  {17, u"塗装有"_s},
                  {18, u"1.98"_s},
                  {19, u"23.76"_s},
                  {20, u"HTB-F8T"_s},
                  {21, u"M20"_s},
                  {22, u"75"_s},
                  {23, u"16"_s},
                  {24, texts[0]},
                  {25, texts[1]},
                  {26, texts[2]},
                  {27, texts[3]},
                  {28, texts[4]}}),
        sheetRow({{5, u"SN490B"_s},
                  {6, u"H鋼"_s},
                  {7, u"H-600×250×12×22"_s},
                  {8, u"2000"_s},
                  {9, u"2"_s},
                  {17, u"吹付材:20"_s},
                  {18, u"0.789"_s},
                  {19, u"9.468"_s}}),
        sheetRow({{5, u"SS400"_s}, {6, u"S.PL"_s}, {7, u"PL-9×100×200"_s}, {9, u"2"_s}}),
    };
    QCOMPARE(form.result().rows, expected);
    QCOMPARE(f.lastFloor, u"3"_s);
    QCOMPARE(fields(texts[kCaptionText]).size(), 13);
    QCOMPARE(fields(texts[kPlateText]).size(), 180);
    QCOMPARE(fields(texts[kCoatingText]).size(), 40);
    QCOMPARE(texts[kOptionText], u"塗装有･True･False･True･False･True･False･True･False･True･False"_s);
}

// A gusset line gives a G.PL row; the beam's length, painted too, is the clear length between the
// girders.
void TestBeamEntry::sheetRowsOfPlateConnection() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam400), beam(u"2"_s, u"G1"_s, kGirder700)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    form.setTanbuOp(EndKind::PlateConnection);
    QVERIFY(form.setInpTx(0, u"3"_s));
    QVERIFY(form.setInpTx(8, u"7000"_s));
    QVERIFY(form.setInpTx(10, u"0"_s));
    QVERIFY(form.setInpTx(13, u"100"_s));
    QVERIFY(form.setInpTx(14, u"100"_s));
    f.plateLine(1, {{kName, u"A側ガセット"_s}, {kGrade, u"SS400"_s}, {kThickness, u"9"_s}});
    form.pickGirder(9, u"G1"_s);
    form.pickGirder(11, u"G1"_s);
    QVERIFY(form.ok());
    const QList<QStringList> rows = form.result().rows;
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[0].mid(5, 5), (QStringList{u"SN400B"_s, u"H鋼"_s, u"H-400×200×8×13"_s, u"6700"_s, u"3"_s}));
    QCOMPARE(rows[1].mid(5, 5), (QStringList{u"SS400"_s, u"G.PL"_s, u"PL-9×200×656"_s, {}, u"3"_s}));
    // Painted over the clear length: (800 + 800 − 16)/1000 → 1.58 per metre, × 6.7 m × 3.
    QCOMPARE(rows[0].mid(17, 3), (QStringList{u"塗装有"_s, u"1.58"_s, u"31.76"_s}));
}

// Stored entry texts laid out as sheet rows: the member rows, then plates, welds and bolts each
// from the top of their own rows, coating from the second row, the texts on the first row.
void TestBeamEntry::sheetRowsFromEntryTexts_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<QStringList>>("rows");
    const QString none;
    const auto plates = [](const QList<QStringList>& lines) { return gridText(lines, kPlateLines, 18); };
    const auto coating = [](const QList<QStringList>& lines) { return gridText(lines, kCoatingLines, 8); };

    // Welded ends, one section, painted, with a joint: two weld-only lines, a splice with its weld
    // and bolts, a sundry plate, a line without a name (skipped whatever it holds), and two coating
    // lines around an empty one.
    const QStringList welded{
        coating({{u"吹付材"_s, u"20"_s, u"1"_s, u"0.789"_s, u"6000"_s, u"2"_s, u"9.468"_s},
                 {},
                 {u"板材"_s, u"25"_s, u"7"_s, u"0.200"_s, u"6000"_s, u"2"_s, u"2.4"_s}}),
        plates({plateLine({u"FLG溶接"_s}, {u"H"_s, u"T"_s, u"2"_s, u"17"_s, u"200*4*2"_s, u"1.60"_s}),
                plateLine({u"WEB溶接"_s}, {u"H"_s, u"T"_s, u"2"_s, u"11"_s, none, u"2.66"_s}),
                plateLine({u"スプライス"_s, u"SS400"_s, u"9"_s, u"150"_s, u"300"_s, u"4"_s},
                          {u"H"_s, u"F"_s, u"1"_s, u"9"_s, none, u"1.20"_s},
                          {u"HTB-F8T"_s, u"M20"_s, u"40"_s, u"75"_s, u"8"_s, u"32"_s}),
                plateLine({u"雑"_s, u"SS400"_s, u"6"_s, u"100"_s, u"200"_s, u"2"_s}),
                plateLine({none, u"SS400"_s, u"9"_s}, {u"H"_s}, {u"HTB-F8T"_s})}),
        tv::lists::joinParts({u"2"_s, u"X1通り"_s, u"J1"_s, u"1"_s, u"6000"_s, none, none, u"100"_s, none,
                              none, none, none, none, none, none, u"1.98"_s, u"23.76"_s}),
        tv::lists::joinParts({u"True"_s, u"SN400B H-600×200×11×17"_s, u"6000"_s, u"2階"_s, u"G1"_s, none,
                              none, none, none, none, u"6000"_s, none, none}),
        u"塗装有･True･False･True･False･False･True･False･True･True･False"_s};
    QTest::newRow("welded ends")
        << welded
        << QList<QStringList>{
               rowOf(u"梁'2'G1'X1通り'SN400B'H鋼'H-600×200×11×17'6000'2'J1'1'H'T'2'17'1.60'塗装有'1.98'23.76'"
                     u"HTB-F8T'M20'75'32"_s,
                     welded),
               rowOf(u"''''SS400'S.PL'PL-9×150×300''4'''H'T'2'11'2.66'吹付材:20'0.789'9.468"_s),
               rowOf(u"''''SS400'PL'PL-6×100×200''2'''H'F'1'9'1.20'板材:25'0.200'2.4"_s),
           };

    // Plate connection, centre and end sections, galvanized: the clear length on the centre row
    // only, the plates from the third row, gusset, stiffener and filler abbreviations, no coating.
    const QStringList gusset{u"SS400"_s, u"9"_s, u"244"_s, u"676"_s, u"3"_s};
    const QStringList stiffener{u"SS400"_s, u"12"_s, u"144"_s, u"652"_s, u"3"_s};
    const QStringList connected{
        coating({}),
        plates({plateLine(QStringList{u"A側ガセット"_s} + gusset,
                          {u"H"_s, u"T"_s, u"2"_s, u"9"_s, none, u"5.64"_s},
                          {u"HTB-F8T"_s, u"M20"_s, none, u"75"_s, none, u"12"_s}),
                plateLine(QStringList{u"B側ガセット"_s} + gusset, {},
                          {u"HTB-F10T"_s, u"M22"_s, none, u"80"_s, none, u"12"_s}),
                plateLine(QStringList{u"A側スチフナー"_s} + stiffener,
                          {u"H"_s, u"T"_s, u"2"_s, u"12"_s, none, u"2.82"_s}),
                plateLine(QStringList{u"B側スチフナー"_s} + stiffener),
                {},
                plateLine({u"フィラー"_s, u"SS400"_s, u"3.2"_s, u"100"_s, u"200"_s, u"6"_s})}),
        tv::lists::joinParts({u"3"_s, none, none, none, none, none, none, none, u"7000"_s, u"G2"_s, u"0"_s,
                              u"G2"_s, u"0"_s, u"100"_s, u"100"_s, none, none}),
        tv::lists::joinParts({u"False"_s, u"[中央部] SN400B H-400×200×8×13 [端部] SN490B H-400×200×9×16"_s,
                              none, u"3階"_s, u"B5"_s, u"A梁:SN490B H-700×300×12×24"_s,
                              u"B梁:SN490B H-700×300×12×24"_s, none, none, u"6700"_s, none, u"150"_s,
                              u"150"_s}),
        u"溶融亜鉛･False･True･True･False･True･False･True･False･False･True"_s};
    QTest::newRow("plate connection with end sections")
        << connected
        << QList<QStringList>{
               rowOf(
                   u"梁'3'B5''SN400B'H鋼'H-400×200×8×13'6700'3'''H'T'2'9'5.64'溶融亜鉛'''HTB-F8T'M20'75'12"_s,
                   connected),
               rowOf(u"''''SN490B'H鋼'H-400×200×9×16''3'''H'T'2'12'2.82''''HTB-F10T'M22'80'12"_s),
               rowOf(u"''''SS400'G.PL'PL-9×244×676''3"_s),
               rowOf(u"''''SS400'G.PL'PL-9×244×676''3"_s),
               rowOf(u"''''SS400'ST.PL'PL-12×144×652''3"_s),
               rowOf(u"''''SS400'ST.PL'PL-12×144×652''3"_s),
               rowOf(u"''''SS400'F.PL'PL-3.2×100×200''6"_s),
           };
}

void TestBeamEntry::sheetRowsFromEntryTexts() {
    QFETCH(QStringList, texts);
    QFETCH(QList<QStringList>, rows);
    QCOMPARE(texts.size(), 5);
    const EntryPayload payload{texts[0], texts[1], texts[2], texts[3], texts[4]};
    QCOMPARE(ExpandBeamEntry(payload), rows);
}

// A FLG溶接 line without a weld method makes no row at all.
void TestBeamEntry::weldLineWithoutMethod() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    QVERIFY(form.setInpTx(0, u"1"_s));
    QVERIFY(form.setInpTx(4, u"6000"_s));
    form.setBunruiOp(SurfaceClass::Unpainted);
    f.plateLine(1, {{kName, u"FLG溶接"_s}});
    QVERIFY(form.ok());
    const QList<QStringList> rows = form.result().rows;
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].mid(12, 5), QStringList(5, QString()));
}

// OK, open the stored entry, recompute, OK again: the same texts, option groups included, and so
// the same web welds and gussets.
void TestBeamEntry::roundTrip_data() {
    QTest::addColumn<int>("ends");
    QTest::addColumn<bool>("endSection");
    QTest::newRow("welded ends") << 0 << false;
    QTest::newRow("welded ends with end sections") << 0 << true;
    QTest::newRow("plate connection") << 1 << false;
    QTest::newRow("plate connection with end sections") << 1 << true;
}

void TestBeamEntry::roundTrip() {
    QFETCH(int, ends);
    QFETCH(bool, endSection);
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600, endSection ? kEnd600 : QString()),
                   beam(u"2"_s, u"G1"_s, kGirder700), beam(u"2"_s, u"G2"_s, kBeam600)});
    HariInpForm& form = f.open();
    f.choose(u"2"_s, u"B1"_s);
    form.setTanbuOp(EndKind(ends));
    form.setLeftOp(1);
    form.setRightOp(0);
    form.setSaisunOp(1);
    form.setBunruiOp(SurfaceClass::Painted);
    QVERIFY(form.setInpTx(0, u"2"_s));
    QVERIFY(form.setInpTx(1, u"通り芯X2"_s));
    if (ends == 0) {
        form.setJointCh(true);
        QVERIFY(form.setInpTx(2, u"J1"_s));
        QVERIFY(form.setInpTx(3, u"2"_s));
        QVERIFY(form.setInpTx(5, u"900"_s));
        QVERIFY(form.setInpTx(6, u"900"_s));
        QVERIFY(form.setInpTx(4, u"7200"_s));
        QVERIFY(form.setInpTx(7, u"100"_s));
        f.plateLine(
            1, {{kName, u"WEB溶接"_s}, {kWeldMethod, u"H"_s}, {kWeldJoint, u"F"_s}, {kWeldFaces, u"2"_s}});
    } else {
        QVERIFY(form.setInpTx(8, u"8000"_s));
        QVERIFY(form.setInpTx(10, u"100"_s));
        QVERIFY(form.setInpTx(12, u"0"_s));
        QVERIFY(form.setInpTx(13, u"100"_s));
        QVERIFY(form.setInpTx(14, u"100"_s));
        form.pickGirder(9, u"G1"_s);
        form.pickGirder(11, u"G2"_s);
        f.plateLine(
            1,
            {{kName, u"A側ガセット"_s}, {kGrade, u"SS400"_s}, {kThickness, u"9"_s}, {kWeldMethod, u"H"_s}});
        f.plateLine(2, {{kName, u"B側スチフナー"_s}, {kGrade, u"SS400"_s}, {kThickness, u"12"_s}});
    }
    f.plateLine(3, {{kName, u"スプライス"_s},
                    {kGrade, u"SS400"_s},
                    {kThickness, u"9"_s},
                    {kPlates, u"2"_s},
                    {kBoltKind, u"HTB-F8T"_s},
                    {kBoltDiameter, u"M22"_s},
                    {kBoltGrip, u"9+12+9"_s},
                    {kBoltsPerPlate, u"6"_s}});
    f.coatingLine(2, {{kCoatingKind, u"板材"_s},
                      {kCoatingThickness, u"25"_s},
                      {kCoatingShape, u"3"_s},
                      {kCoatingLength, u"7000"_s},
                      {kCoatingPieces, u"2"_s}});
    QVERIFY(form.ok());
    const EntryPayload first = form.payload();
    const QList<QStringList> firstRows = form.result().rows;

    HariInpForm& reopened = f.open(first);
    QCOMPARE(reopened.KaiTx(), u"2"_s);
    QCOMPARE(reopened.LeftOp(), 1);
    QCOMPARE(reopened.RightOp(), 0);
    QCOMPARE(reopened.SaisunOp(), 1);
    QCOMPARE(reopened.JointCh(), ends == 0);
    reopened.RecalcPlateGrid(); // as the next edit would
    reopened.RecalcCoating();
    QVERIFY(reopened.ok());
    for (int i = 0; i < 5; ++i)
        QCOMPARE(reopened.payload()[i], first[i]);
    QCOMPARE(reopened.result().rows, firstRows);
    TV_VERIFY_PROMPTS(f.prompter);
}

// 入力済データ読込 needs a floor and a chosen mark; a copied entry brings everything but them.
void TestBeamEntry::loadEnteredData() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600), beam(u"3"_s, u"B7"_s, kBeam400)});
    HariInpForm& source = f.open();
    f.choose(u"3"_s, u"B7"_s);
    QVERIFY(source.setInpTx(0, u"4"_s));
    QVERIFY(source.setInpTx(4, u"5000"_s));
    source.setRightOp(1);
    f.plateLine(1, {{kName, u"雑"_s}, {kThickness, u"6"_s}});
    QVERIFY(source.ok());
    const EntryPayload copied = source.payload();

    HariInpForm& form = f.open();
    f.prompter.expectOk(u"階を入力してください。"_s, kConfirm);
    QVERIFY(form.setKaiTx(QString()));
    form.run(HariInpForm::LoadEntered);
    QVERIFY(form.setKaiTx(u"2"_s));
    f.prompter.expectOk(u"符号を選択してください。"_s, kConfirm);
    form.run(HariInpForm::LoadEntered);
    QCOMPARE(f.picker.shown, 0);

    form.chooseMark(1);
    f.picker.answer = copied;
    form.run(HariInpForm::LoadEntered);
    QCOMPARE(f.picker.shown, 1);
    QCOMPARE(form.KaiTx(), u"2"_s);
    QCOMPARE(form.InfoGd(3), u"B1"_s);
    QCOMPARE(form.InfoGd(0), u"SN400B H-600×200×11×17"_s);
    QCOMPARE(form.InpTx(0), u"4"_s);
    QCOMPARE(form.InfoGd(1), u"5000"_s);
    QCOMPARE(form.RightOp(), 1);
    QCOMPARE(form.DataGrid().text(kPlateHeaderRows, kThickness), u"6"_s);
    TV_VERIFY_PROMPTS(f.prompter);
}

// Cancel empties the texts that tell the sheet about a change; OK leaves its floor for the next
// new entry; 入力説明 shows the dialog's own help text.
void TestBeamEntry::cancelAndLastFloor() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    HariInpForm& form = f.open({u"c"_s, u"p"_s, u"i"_s, u"t"_s, u"o"_s});
    QVERIFY(form.run(HariInpForm::Cancel));
    QCOMPARE(form.payload(), (EntryPayload{u"c"_s, {}, {}, {}, {}}));
    QCOMPARE(f.lastFloor, QString());

    HariInpForm& next = f.open();
    f.choose(u"2"_s, u"B1"_s);
    QVERIFY(next.setInpTx(0, u"1"_s));
    QVERIFY(next.setInpTx(4, u"6000"_s));
    QVERIFY(next.run(HariInpForm::Ok));
    QCOMPARE(f.lastFloor, u"2"_s);
    QCOMPARE(f.open().KaiTx(), u"2"_s);
    QCOMPARE(indexMarks(*f.form), QStringList{u"B1"_s});

    QVERIFY(!f.form->run(HariInpForm::Help));
    QCOMPARE(f.opener.opened, QList{tv::services::WindowId::InfoForm});
    QCOMPARE(f.shell.project.helpFilePath, f.root.file(tv::shell::kInfoFolder, u"info-4.txt"));
}

// The sheet gets rows only from a dialog closed with OK; Cancel or a closed window change nothing.
void TestBeamEntry::entryDialogPort() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600)});
    BeamEntryDialog::Show show;
    BeamEntryDialog dialog(f.shell, f.memberLists, f.prompter, f.lastFloor, &f.picker, &f.opener,
                           [&show](HariInpForm& form) { show(form); });
    show = [](HariInpForm& form) { form.run(HariInpForm::Cancel); };
    QVERIFY(!dialog.edit({}));
    show = [](HariInpForm&) {};
    QVERIFY(!dialog.edit({}));
    show = [](HariInpForm& form) {
        QVERIFY(form.setKaiTx(u"2"_s));
        form.chooseMark(1);
        QVERIFY(form.setInpTx(0, u"1"_s));
        QVERIFY(form.setInpTx(4, u"6000"_s));
        QVERIFY(form.run(HariInpForm::Ok));
    };
    const std::optional<tv::sheets::EntryDialogResult> result = dialog.edit({});
    QVERIFY(result);
    // One painted beam: 1.98 m² per metre × 6 m × 1 = 11.88 m²; the texts ride on the row. The
    // flange and web welds the new entry started with: 200 × 4 and 566 × 2 mm.
    const QStringList texts(result->payload.begin(), result->payload.end());
    QCOMPARE(
        result->rows,
        (QList<QStringList>{
            rowOf(u"梁'2'B1''SN400B'H鋼'H-600×200×11×17'6000'1'''H'T'1'17'0.80'塗装有'1.98'11.88"_s, texts),
            rowOf(u"'''''''''''H'F'2'11'1.13"_s)}));
    TV_VERIFY_PROMPTS(f.prompter);
}

QTEST_GUILESS_MAIN(TestBeamEntry)
#include "tst_beam_input_entry.moc"
