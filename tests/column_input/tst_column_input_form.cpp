// The column dialog model: floors and marks, weld places and memory, painting, the OK checks, the
// five entry texts field by field, reading them back, and refused characters.
#include "column_input/coating.h"
#include "column_input/hasira_inp_form.h"
#include "column_input/plate_lines.h"
#include "column_input/weld_rows.h"
#include "support/scripted_prompter.h"

#include <QTest>

#include <memory>

using namespace tv::column_input;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::lists::HasiraListEntry;
using tv::services::TextGrid;

namespace {

const QString kConfirm = u"確認"_s;
const QChar kSep = tv::lists::kPartSeparator;

HasiraListEntry column(const QString& floor, const QString& mark, const QString& kind, const QString& spec1,
                       const QString& spec2 = u"････"_s, const QString& spec3 = u"････"_s) {
    return {floor, mark, kind, spec1, spec2, spec3, {}, {}};
}

tv::lists::MemberLists sampleLists() {
    tv::lists::MemberLists lists;
    const QString h = u"SN490C･H･400･200･8･13"_s;
    for (const HasiraListEntry& e :
         {column(u"2"_s, u"C1"_s, u"H鋼"_s, h),
          column(u"2"_s, u"C2"_s, u"H鋼"_s, h, u"SN490B･200･150･9･12"_s),
          column(u"2"_s, u"C3"_s, u"H鋼"_s, h, u"SN490B･200･150･9･12"_s, u"SS400･175･175･7･11"_s),
          column(u"2"_s, u"P1"_s, u"鋼管(角)"_s, u"BCR295･300･200･12"_s),
          column(u"2"_s, u"P2"_s, u"鋼管(丸)"_s, u"STK400･300･9"_s),
          column(u"3"_s, u"C1"_s, u"H鋼"_s, u"SS400･H･300･150･6.5･9"_s)})
        tv::lists::appendEntry(lists.HasiraList, e);
    for (const QString& mark : {u"J1"_s, u"J2"_s, u"J1"_s}) {
        tv::lists::JointListEntry joint;
        joint.Mark = mark;
        tv::lists::appendEntry(lists.JointList, joint);
    }
    return lists;
}

// Joined fields: `fields` followed by `emptyAfter` empty fields.
QString joined(QStringList fields, int emptyAfter = 0) {
    for (int i = 0; i < emptyAfter; ++i)
        fields.append(QString());
    return fields.join(kSep);
}

// Everything the dialog shows, as one list, to compare two dialog states.
QStringList dialogState(const HasiraInpForm& form) {
    QStringList state{form.KaiTx(),
                      QString::number(int(form.sectionCode())),
                      QString::number(form.BunruiOp()),
                      QString::number(form.JointCh()),
                      QString::number(form.YousetuCh(0)),
                      QString::number(form.YousetuCh(1))};
    for (int i = 0; i < 4; ++i)
        state.append(form.InfoGd(i));
    for (int i = 0; i < kInputFields; ++i)
        state.append(form.InpTx(i));
    auto grid = [&state](const TextGrid& g) {
        state.append(QString::number(g.rowCount()));
        for (int row = 0; row < g.rowCount(); ++row)
            state.append(g.rowTexts(row));
    };
    for (int i = 0; i < 3; ++i)
        grid(form.DataGrid(i));
    grid(form.HifukuGrid());
    grid(form.IndexGrid());
    return state;
}

int markRow(const HasiraInpForm& form, const QString& mark) {
    for (int row = 1; row < form.IndexGrid().rowCount(); ++row) {
        if (form.IndexGrid().text(row, 1) == mark)
            return row;
    }
    return -1;
}

} // namespace

class TestColumnForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void newEntryStartsOnTheLastFloor();
    void floorListsItsMarksExactly();
    void markChoiceFillsTheInfoAndResetsWelds();
    void lengthCountAndSecondPlaces();
    void noWeldBoxesEmptyPlacesAndQuantities();
    void weldMemoryCarriesAcrossDialogs();
    void painting_data();
    void painting();
    void okChecksStopWithTheirMessage_data();
    void okChecksStopWithTheirMessage();
    void okWritesTheFiveTextsFieldByField();
    void roundTripForEverySectionCode_data();
    void roundTripForEverySectionCode();
    void emptyCoatingGridIsFortyEmptyFields();
    void pickedEntryKeepsFloorMarkAndSection();
    void deletedMarkStillFixesTheSectionFromTheStoredKind();
    void oldTextsAreReadByPosition();
    void cancelEmptiesMainAndWeldTexts();
    void textFieldsRefuseCharactersTheTextsCannotHold_data();
    void textFieldsRefuseCharactersTheTextsCannotHold();
    void identifiersAreStoredHalfWidth();
    void jointBoxAndCandidateLists();

private:
    std::unique_ptr<HasiraInpForm> openForm(const ColumnEntryTexts& payload = {});
    // Opens a new entry on floor 2 and chooses `mark`.
    std::unique_ptr<HasiraInpForm> formOnMark(const QString& mark);
    // Fills length, count, places, a plate line and a coating line.
    void fill(HasiraInpForm& form);

    tv::lists::MemberLists m_lists;
    tv::InputDialogState m_shared;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    ColumnReferenceLists m_reference;
};

void TestColumnForm::init() {
    m_lists = sampleLists();
    m_shared = {};
    m_shared.LastFloor = u"2"_s;
    m_prompter = std::make_unique<ScriptedPrompter>();
    m_reference = {{u"HTB-F10T"_s}, {u"M20"_s, u"M24"_s}, {u"ベースプレート"_s}, {u"SN490B"_s}};
}

std::unique_ptr<HasiraInpForm> TestColumnForm::openForm(const ColumnEntryTexts& payload) {
    auto form = std::make_unique<HasiraInpForm>(m_lists, m_shared, m_reference, *m_prompter);
    form->open(payload);
    return form;
}

std::unique_ptr<HasiraInpForm> TestColumnForm::formOnMark(const QString& mark) {
    auto form = openForm();
    form->chooseMark(markRow(*form, mark));
    return form;
}

void TestColumnForm::fill(HasiraInpForm& form) {
    form.setInpTx(LengthInput, u"3500"_s);
    form.setInpTx(CountInput, u"2"_s);
    form.setInpTx(SecondPlacesInput, u"2*2"_s);
    form.setInpTx(CommentInput, u"通り1"_s);
    const QStringList plate{u"ベースプレート"_s,
                            u"SN490B"_s,
                            u"36"_s,
                            u"500"_s,
                            u"500"_s,
                            u"2"_s,
                            u"H"_s,
                            u"T"_s,
                            u"1"_s,
                            {},
                            u"2000"_s,
                            {},
                            u"A.BOLT(1)"_s,
                            u"M24"_s,
                            u"600"_s,
                            {},
                            u"4"_s};
    for (int column = 1; column <= plate.size(); ++column) {
        if (!plate[column - 1].isEmpty())
            form.setPlateCell(kPlateFirstRow, column, plate[column - 1]);
    }
    form.pickCoatingKind(1, u"吹付材"_s);
    for (const auto& [column, text] : {std::pair{CoatingThickness, u"20"_s}, std::pair{CoatingShape, u"1"_s},
                                       std::pair{CoatingLength, u"3000"_s}, std::pair{CoatingCount, u"2"_s}})
        form.setCoatingCell(1, column, text);
}

void TestColumnForm::newEntryStartsOnTheLastFloor() {
    auto form = openForm();
    QCOMPARE(form->KaiTx(), u"2"_s);
    QCOMPARE(form->IndexGrid().rowCount(), 6);
    QVERIFY(form->InfoGd(0).isEmpty());
}

void TestColumnForm::floorListsItsMarksExactly() {
    auto form = openForm();
    auto marks = [&form] {
        QStringList out;
        for (int row = 1; row < form->IndexGrid().rowCount(); ++row)
            out.append(form->IndexGrid().text(row, 1));
        return out;
    };
    QCOMPARE(marks(), (QStringList{u"C1"_s, u"C2"_s, u"C3"_s, u"P1"_s, u"P2"_s}));
    form->setKaiTx(u"3"_s);
    QCOMPARE(marks(), QStringList{u"C1"_s});
    form->setKaiTx(u"4"_s); // no marks: the header only
    QCOMPARE(form->IndexGrid().rowCount(), 1);
    form->setKaiTx(u"3 "_s); // the mark list compares the floor as typed
    QCOMPARE(form->IndexGrid().rowCount(), 1);
    form->setKaiTx(QString()); // a deleted list entry is no mark of the empty floor
    m_lists.HasiraList[0].Floor.clear();
    QCOMPARE(form->IndexGrid().rowCount(), 1);
}

void TestColumnForm::markChoiceFillsTheInfoAndResetsWelds() {
    auto form = formOnMark(u"C2"_s);
    form->setInpTx(LengthInput, u"3500"_s);
    form->setBunruiOp(Galvanized);
    form->setInpTx(CommentInput, u"X1"_s);
    form->setPlateCell(kPlateFirstRow, PlateThickness, u"9"_s);
    form->setKaiTx(u"3"_s);
    QCOMPARE(form->InfoGd(3), u"C2"_s); // only a mark choice changes the info
    form->chooseMark(1);
    // floor and mark of the choice; kind and section text of the list entry
    QCOMPARE(form->InfoGd(0), u"H鋼"_s);
    QCOMPARE(form->InfoGd(1), u"SS400 H-300×150×6.5×9"_s);
    QCOMPARE(form->InfoGd(2), u"3階"_s);
    QCOMPARE(form->InfoGd(3), u"C1"_s);
    QCOMPARE(form->sectionCode(), SectionCode::PlainH);
    QCOMPARE(form->DataGrid(0).rowCount(), 3);
    QCOMPARE(form->DataGrid(1).rowCount(), 3);
    QVERIFY(form->InpTx(LengthInput).isEmpty());
    QCOMPARE(form->BunruiOp(), int(Painted));
    QCOMPARE(form->focusedInput(), int(LengthInput));
    // the comment and the plate grid stay
    QCOMPARE(form->InpTx(CommentInput), u"X1"_s);
    QCOMPARE(form->DataGrid(2).text(kPlateFirstRow, PlateThickness), u"9"_s);
    QCOMPARE(m_shared.CurrentListEntry.Mark, u"C1"_s);
    QCOMPARE(m_shared.CurrentListEntry.Floor, u"3"_s);
}

void TestColumnForm::lengthCountAndSecondPlaces() {
    auto form = formOnMark(u"C2"_s);
    const TextGrid& first = form->DataGrid(0);
    const TextGrid& second = form->DataGrid(1);
    // the length-dependent row stays empty until a length is typed
    QVERIFY(first.text(5, WeldUnitLength).isEmpty());
    form->setInpTx(LengthInput, u"3500"_s);
    QCOMPARE(first.text(5, WeldUnitLength), u"3.500"_s); // 3500 mm is 3.500 m a place
    // the count is copied as typed and read by its leading number: 10 × 0.400
    form->setInpTx(CountInput, u"10*3"_s);
    QCOMPARE(first.text(1, WeldPlaces), u"10*3"_s);
    QCOMPARE(first.text(1, WeldQuantity), u"4.00"_s);
    QCOMPARE(first.text(5, WeldQuantity), u"35.00"_s); // 10 × 3.500
    QVERIFY(second.text(1, WeldPlaces).isEmpty());
    // ロ部 places are evaluated: 10*3 gives 30
    form->setInpTx(SecondPlacesInput, u"10*3"_s);
    QCOMPARE(second.text(4, WeldPlaces), u"30"_s);
    QCOMPARE(second.text(4, WeldQuantity), u"5.64"_s); // 30 × 0.188
    QCOMPARE(form->InpTx(SecondPlacesInput), u"10*3"_s);
}

void TestColumnForm::noWeldBoxesEmptyPlacesAndQuantities() {
    auto form = formOnMark(u"C1"_s);
    form->setInpTx(CountInput, u"2"_s);
    form->setInpTx(SecondPlacesInput, u"4"_s);
    form->setYousetuCh(1, true);
    QVERIFY(form->InpTx(SecondPlacesInput).isEmpty());
    for (int row = 1; row <= 2; ++row) {
        QVERIFY(form->DataGrid(1).text(row, WeldPlaces).isEmpty());
        QVERIFY(form->DataGrid(1).text(row, WeldQuantity).isEmpty());
        QCOMPARE(form->DataGrid(0).text(row, WeldPlaces), u"2"_s);
    }
    form->setYousetuCh(0, true);
    QVERIFY(form->DataGrid(0).text(1, WeldPlaces).isEmpty());
    QVERIFY(form->DataGrid(0).text(1, WeldQuantity).isEmpty());
    form->setInpTx(CountInput, u"3"_s); // typing keeps a ticked grid empty
    QVERIFY(form->DataGrid(0).text(1, WeldQuantity).isEmpty());
    form->setYousetuCh(0, false); // unticking refills the places from the count
    QCOMPARE(form->DataGrid(0).text(1, WeldQuantity), u"1.20"_s);
}

void TestColumnForm::weldMemoryCarriesAcrossDialogs() {
    {
        // before any OK the templates are pure
        auto form = formOnMark(u"C1"_s);
        QCOMPARE(form->DataGrid(0).text(2, WeldMethod), u"H"_s);
        fill(*form);
        form->pickWeldCell(0, 2, WeldMethod, u"A"_s);
        form->pickWeldCell(1, 2, WeldMethod, u"A"_s);
        form->pickWeldCell(1, 1, WeldJoint, u"B"_s);
        QVERIFY(form->ok());
        QCOMPARE(m_shared.WeldMemory[0][1], u"A･F･2"_s);
        QCOMPARE(m_shared.WeldMemory[1][0], u"H･B･1"_s);
        QVERIFY(m_shared.WeldMemory[0][2].isEmpty()); // beyond the grid's last row
    }
    for (int dialog = 0; dialog < 2; ++dialog) {
        // the next H marks of the run start row 2 with "A", in both grids
        auto form = formOnMark(dialog == 0 ? u"C3"_s : u"C1"_s);
        QCOMPARE(form->DataGrid(0).text(2, WeldMethod), u"A"_s);
        QCOMPARE(form->DataGrid(1).text(2, WeldMethod), u"A"_s);
        QCOMPARE(form->DataGrid(1).text(1, WeldJoint), u"B"_s);
        QCOMPARE(form->DataGrid(0).text(1, WeldJoint), u"T"_s);
        if (dialog == 0)
            QCOMPARE(form->DataGrid(0).text(3, WeldMethod), u"H"_s); // no memory for row 3 yet
        // a square pipe still starts with the template
        form->chooseMark(markRow(*form, u"P1"_s));
        QCOMPARE(form->DataGrid(0).text(1, WeldMethod), u"H"_s);
        QCOMPARE(form->DataGrid(1).text(1, WeldJoint), u"T"_s);
    }
    // a pipe's OK remembers its one row and keeps rows 2 to 8
    auto pipe = formOnMark(u"P2"_s);
    fill(*pipe);
    QVERIFY(pipe->ok());
    QCOMPARE(m_shared.WeldMemory[0][0], u"H･T･1"_s);
    QCOMPARE(m_shared.WeldMemory[0][1], u"A･F･2"_s);
}

void TestColumnForm::painting_data() {
    QTest::addColumn<QString>("mark");
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("girth");
    QTest::addColumn<QString>("area");
    // (400+200)×2 + 200×2 − 8×2 = 1584 mm → 1.58; 3.5 × 1.58 × 2 = 11.06
    QTest::newRow("painted H") << u"C1"_s << int(Painted) << u"2"_s << u"1.58"_s << u"11.06"_s;
    // 2.5 columns round to the even 2
    QTest::newRow("count halves to even") << u"C1"_s << int(Painted) << u"2.5"_s << u"1.58"_s << u"11.06"_s;
    // 1584 + (200+150)×2 − 9×2 = 2266 → 2.27; 3.5 × 2.27 × 2 = 15.89
    QTest::newRow("H with CT") << u"C2"_s << int(Painted) << u"2"_s << u"2.27"_s << u"15.89"_s;
    // (300+200)×2 = 1000 → 1.00; 3.5 × 1 × 3 = 10.50
    QTest::newRow("square pipe") << u"P1"_s << int(Painted) << u"3"_s << u"1.00"_s << u"10.50"_s;
    // 300 × 3.14159 = 942.477 → 0.94; 3.5 × 0.94 × 2 = 6.58
    QTest::newRow("circular pipe") << u"P2"_s << int(Painted) << u"2"_s << u"0.94"_s << u"6.58"_s;
    QTest::newRow("unpainted") << u"C1"_s << int(Unpainted) << u"2"_s << QString() << QString();
    QTest::newRow("galvanized") << u"C1"_s << int(Galvanized) << u"2"_s << QString() << QString();
    QTest::newRow("other") << u"C1"_s << int(OtherTreatment) << u"2"_s << QString() << QString();
}

void TestColumnForm::painting() {
    QFETCH(QString, mark);
    QFETCH(int, option);
    QFETCH(QString, count);
    auto form = formOnMark(mark);
    fill(*form);
    form->setInpTx(CountInput, count);
    form->setBunruiOp(option);
    QVERIFY(form->ok());
    const QStringList fields = form->EntryPayload().EntryMainRecord.split(kSep);
    QCOMPARE(fields.size(), kMainFields);
    QCOMPARE(fields[MainClassification], classificationCaption(option));
    QTEST(fields[MainPaintedGirth], "girth");
    QTEST(fields[MainPaintedArea], "area");
}

void TestColumnForm::okChecksStopWithTheirMessage_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    QTest::newRow("no mark") << u"mark"_s << u"符号を選択してください。"_s << -1;
    QTest::newRow("no length") << u"length"_s << u"長さを入力してください。"_s << int(LengthInput);
    QTest::newRow("no count") << u"count"_s << u"本数を入力してください。"_s << int(CountInput);
    QTest::newRow("no places") << u"places"_s << u"ロ部溶接のヶ所数を入力してください。"_s
                               << int(SecondPlacesInput);
    QTest::newRow("places read as 0")
        << u"places0"_s << u"ロ部溶接のヶ所数を入力してください。"_s << int(SecondPlacesInput);
    QTest::newRow("joint without mark")
        << u"joint"_s << u"ジョイント符号を入力してください。"_s << int(LengthInput);
    QTest::newRow("plate without grade")
        << u"grade"_s << u"リブの規格が入力されていません。"_s << int(LengthInput);
}

void TestColumnForm::okChecksStopWithTheirMessage() {
    QFETCH(QString, step);
    QFETCH(QString, message);
    const ColumnEntryTexts before{u"paint"_s, QString(), u"a"_s, u"b"_s, u"plate"_s};
    auto form = openForm(before);
    if (step != u"mark") {
        form->chooseMark(1);
        fill(*form);
    }
    if (step == u"length")
        form->setInpTx(LengthInput, QString());
    if (step == u"count")
        form->setInpTx(CountInput, QString());
    if (step == u"places" || step == u"places0")
        form->setInpTx(SecondPlacesInput, step == u"places" ? QString() : u"x3"_s);
    if (step == u"joint")
        form->setJointCh(true);
    if (step == u"grade") {
        form->setPlateCell(4, PlateGrade, u"SN490B"_s); // a grade without a name passes
        form->setPlateCell(5, PlateName, u"リブ"_s);
    }
    m_prompter->expectOk(message, kConfirm);
    QVERIFY(!form->ok());
    TV_VERIFY_PROMPTS(*m_prompter);
    QTEST(form->focusedInput(), "focus");
    QVERIFY(!form->isClosed());
    QCOMPARE(form->EntryPayload(), before);
    QCOMPARE(m_shared.LastFloor, u"2"_s);
    QVERIFY(m_shared.WeldMemory[0][0].isEmpty());
}

void TestColumnForm::okWritesTheFiveTextsFieldByField() {
    auto form = formOnMark(u"C1"_s);
    fill(*form);
    form->setJointCh(true);
    form->setInpTx(JointMarkInput, u"J1"_s);
    form->setKaiTx(u"2"_s);
    QVERIFY(form->ok());
    QVERIFY(form->isClosed());
    const ColumnEntryTexts& texts = form->EntryPayload();
    // classification, kind, section text, floor+階, mark, the five inputs as typed, joint, no-weld
    // boxes, weld row counts 2 and 2, painted girth 1.58 and area 11.06
    QCOMPARE(texts.EntryMainRecord, joined({u"塗装有"_s, u"H鋼"_s, u"SN490C H-400×200×8×13"_s, u"2階"_s,
                                            u"C1"_s, u"3500"_s, u"2"_s, u"J1"_s, u"2*2"_s, u"通り1"_s, u"1"_s,
                                            u"0"_s, u"0"_s, u"2"_s, u"2"_s, u"1.58"_s, u"11.06"_s}));
    // イ部: 2 places a row; 2 × 0.400 = 0.80, 2 × 0.374 = 0.748 → 0.75
    QCOMPARE(texts.EntryWeldListA, joined({u"H"_s, u"T"_s, u"1"_s, u"13"_s, u"0.400"_s, u"2"_s, u"0.80"_s,
                                           u"H"_s, u"F"_s, u"2"_s, u"8"_s, u"0.374"_s, u"2"_s, u"0.75"_s}));
    // ロ部: 2*2 = 4 places; 4 × 0.400 = 1.60, 4 × 0.374 = 1.496 → 1.50
    QCOMPARE(texts.EntryWeldListB, joined({u"H"_s, u"T"_s, u"1"_s, u"13"_s, u"0.400"_s, u"4"_s, u"1.60"_s,
                                           u"H"_s, u"F"_s, u"2"_s, u"8"_s, u"0.374"_s, u"4"_s, u"1.50"_s}));
    // plate line 1: weld thickness 36 copied, 2000 mm × 2 = 4.00 m, anchor bolt length 600, 2 × 4 bolts;
    // four empty lines of 18 fields follow
    QCOMPARE(texts.EntryPlateList, joined({u"ベースプレート"_s, u"SN490B"_s, u"36"_s, u"500"_s, u"500"_s,
                                           u"2"_s, u"H"_s, u"T"_s, u"1"_s, u"36"_s, u"2000"_s, u"4.00"_s,
                                           u"A.BOLT(1)"_s, u"M24"_s, u"600"_s, u"600"_s, u"4"_s, u"8"_s},
                                          72));
    // coating line 1: girth 592 mm, 592 × 3.000 × 0.002 = 3.552 m², the carried field empty; 32 empty fields
    QCOMPARE(
        texts.EntryPaintList,
        joined({u"吹付材"_s, u"20"_s, u"1"_s, u"0.592"_s, u"3000"_s, u"2"_s, u"3.552"_s, QString()}, 32));
    QCOMPARE(m_shared.LastFloor, u"2"_s);
}

void TestColumnForm::roundTripForEverySectionCode_data() {
    QTest::addColumn<QString>("mark");
    QTest::addColumn<int>("firstRows");
    QTest::addColumn<int>("secondRows");
    QTest::addColumn<bool>("noSecondWelds");
    QTest::newRow("code 0") << u"C1"_s << 2 << 2 << false;
    QTest::newRow("code 1") << u"C2"_s << 5 << 4 << true;
    QTest::newRow("code 2") << u"C3"_s << 8 << 6 << false;
    QTest::newRow("code 3") << u"P1"_s << 1 << 1 << false;
    QTest::newRow("code 4") << u"P2"_s << 1 << 1 << true;
}

void TestColumnForm::roundTripForEverySectionCode() {
    QFETCH(QString, mark);
    QFETCH(int, firstRows);
    QFETCH(int, secondRows);
    QFETCH(bool, noSecondWelds);
    auto form = formOnMark(mark);
    fill(*form);
    form->setBunruiOp(OtherTreatment);
    form->setYousetuCh(1, noSecondWelds);
    form->pickWeldCell(0, firstRows, WeldSides, u"2"_s);
    form->setPlateCell(6, PlateName, u"ガセット"_s);
    form->setPlateCell(6, PlateGrade, u"SS400"_s);
    form->setPlateCell(6, PlateWeldLength, u"100*2"_s);
    form->pickCoatingKind(5, u"板材"_s);
    QVERIFY(form->ok());
    const ColumnEntryTexts texts = form->EntryPayload();
    const QStringList fields = texts.EntryMainRecord.split(kSep);
    QCOMPARE(fields[MainFirstWeldRows], QString::number(firstRows));
    QCOMPARE(fields[MainSecondWeldRows], QString::number(secondRows));
    QCOMPARE(texts.EntryWeldListA.count(kSep), 7 * firstRows - 1);
    QCOMPARE(texts.EntryWeldListB.count(kSep), 7 * secondRows - 1);
    QCOMPARE(texts.EntryPlateList.count(kSep), 89);
    QCOMPARE(texts.EntryPaintList.count(kSep), 39);

    auto reread = openForm(texts);
    QCOMPARE(dialogState(*reread), dialogState(*form));
    QCOMPARE(reread->DataGrid(0).rowCount(), firstRows + 1);
    QCOMPARE(reread->DataGrid(1).rowCount(), secondRows + 1);
    QVERIFY(reread->ok());
    QCOMPARE(reread->EntryPayload(), texts);
}

void TestColumnForm::emptyCoatingGridIsFortyEmptyFields() {
    auto form = formOnMark(u"C1"_s);
    fill(*form);
    form->setCoatingCell(1, CoatingThickness, u"9"_s);
    // emptying every cell of the line (right clicks) leaves 40 empty fields
    for (int column = CoatingKind; column <= CoatingArea; ++column)
        form->clearCoatingCell(1, column);
    QVERIFY(form->ok());
    QCOMPARE(form->EntryPayload().EntryPaintList, QString(39, kSep));
    auto reread = openForm(form->EntryPayload());
    for (int row = 1; row <= kCoatingLines; ++row)
        QCOMPARE(reread->HifukuGrid().rowTexts(row).mid(1), QStringList(8));
}

void TestColumnForm::pickedEntryKeepsFloorMarkAndSection() {
    auto source = formOnMark(u"C3"_s);
    fill(*source);
    source->setBunruiOp(Galvanized);
    QVERIFY(source->ok());

    auto form = formOnMark(u"C1"_s);
    form->setKaiTx(u"2"_s);
    form->setEntryPayload(source->EntryPayload());
    form->DataReadProc(ReadPickedEntry);
    QCOMPARE(form->InfoGd(3), u"C1"_s);
    QCOMPARE(form->InfoGd(1), u"SN490C H-400×200×8×13"_s);
    QCOMPARE(form->sectionCode(), SectionCode::PlainH);
    // the weld grids take the picked entry's rows
    QCOMPARE(form->DataGrid(0).rowCount(), 9);
    QCOMPARE(form->DataGrid(1).rowCount(), 7);
    QCOMPARE(form->DataGrid(0).rowTexts(6).mid(1), source->DataGrid(0).rowTexts(6).mid(1));
    QCOMPARE(form->InpTx(LengthInput), u"3500"_s);
    QCOMPARE(form->BunruiOp(), int(Galvanized));
    QCOMPARE(form->DataGrid(2).rowTexts(2), source->DataGrid(2).rowTexts(2));
}

void TestColumnForm::deletedMarkStillFixesTheSectionFromTheStoredKind() {
    auto source = formOnMark(u"C3"_s);
    fill(*source);
    QVERIFY(source->ok());
    m_lists.HasiraList[2].Floor.clear(); // C3 deleted from the list
    formOnMark(u"C1"_s);                 // the previous list entry is now the plain H C1

    auto form = openForm(source->EntryPayload());
    QCOMPARE(m_shared.CurrentListEntry.Mark, u"C1"_s);
    QCOMPARE(form->sectionCode(), SectionCode::PlainH);
    QCOMPARE(form->InfoGd(3), u"C3"_s);
    QCOMPARE(form->DataGrid(0).rowCount(), 9);
    QCOMPARE(form->DataGrid(1).rowCount(), 7);

    // a pipe kind stored with an H list entry still gives the pipe code
    const QString pipeTexts = u"塗装無･鋼管(丸)･STK400 300×9･5階･X9･1000･1･･1･･0･0･0･1･1･･"_s;
    auto pipe =
        openForm({QString(), pipeTexts, u"H･T･1･9･0.942･1･0.94"_s, u"H･T･1･9･0.942･1･0.94"_s, QString()});
    QCOMPARE(pipe->sectionCode(), SectionCode::RoundPipe);
    QCOMPARE(pipe->KaiTx(), u"5"_s);
    QCOMPARE(pipe->DataGrid(0).rowTexts(1).mid(1), u"H･T･1･9･0.942･1･0.94"_s.split(kSep));
}

void TestColumnForm::oldTextsAreReadByPosition() {
    // a comment stored with "･" by an older version shifts every later field by one
    const QString main = u"塗装有･H鋼･SN490C H-400×200×8×13･2階･C1･3500･2･･4･A･B･0･0･0･2･2･1.58･11.06"_s;
    auto form = openForm({QString(), main, QString(), QString(), QString()});
    QCOMPARE(form->InpTx(CommentInput), u"A"_s);
    QVERIFY(!form->JointCh());                 // "B" reads as 0
    QCOMPARE(form->DataGrid(0).rowCount(), 1); // field 13 is "0"
    QCOMPARE(form->DataGrid(1).rowCount(), 3);
    // the stored plate and coating cells are taken as they stand: nothing is recomputed
    const QString plates =
        joined({u"PL"_s, u"SS400"_s, {}, {}, {}, u"9"_s, {}, {}, {}, {}, {}, u"7.77"_s}, 78);
    auto reread = openForm({QString(), main, QString(), QString(), plates});
    QCOMPARE(reread->DataGrid(2).text(kPlateFirstRow, PlateWeldQuantity), u"7.77"_s);
    // a damaged text: missing fields read as empty cells
    const QString damagedMain = u"塗装有･H鋼･SN490C H-400×200×8×13･2階･C1･3500･2･･4･･0･0･0･"_s;
    auto damaged = openForm({QString(), damagedMain + u"2"_s, u"H･T"_s, QString(), QString()});
    QCOMPARE(damaged->DataGrid(0).rowCount(), 3);
    QCOMPARE(damaged->DataGrid(0).rowTexts(1).mid(1), (QStringList{u"H"_s, u"T"_s, {}, {}, {}, {}, {}}));
    QCOMPARE(damaged->DataGrid(1).rowCount(), 1);
    // a weld row count beyond the eight rows of the grids is refused, never cut: the dialog closes as
    // Cancel does, so the entry keeps what it stores
    m_prompter->expectOk(u"2階C1の溶接は8行を超えているため、読み込めません。"_s, kConfirm);
    auto huge = openForm({QString(), damagedMain + u"99999999"_s, u"H･T"_s, QString(), QString()});
    TV_VERIFY_PROMPTS(*m_prompter);
    QVERIFY(huge->isClosed());
    QVERIFY(huge->EntryPayload().EntryMainRecord.isEmpty());
}

void TestColumnForm::cancelEmptiesMainAndWeldTexts() {
    auto form = formOnMark(u"C1"_s);
    fill(*form);
    QVERIFY(form->ok());
    const ColumnEntryTexts texts = form->EntryPayload();
    m_shared.LastFloor = u"9"_s;
    auto edit = openForm(texts);
    edit->setKaiTx(u"3"_s);
    edit->cancel();
    QVERIFY(edit->isClosed());
    QCOMPARE(edit->EntryPayload(),
             (ColumnEntryTexts{texts.EntryPaintList, {}, {}, {}, texts.EntryPlateList}));
    QCOMPARE(m_shared.LastFloor, u"9"_s);
}

// A character the texts cannot hold is taken out of what was typed, with a message; the rest of the
// typing is stored as if it had been typed alone.
void TestColumnForm::textFieldsRefuseCharactersTheTextsCannotHold_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("message");
    const QString dot = u"「･」は使用できない文字です。"_s;
    QTest::newRow("separator in the comment") << u"comment"_s << u"通り･1"_s << u"通り1"_s << dot;
    QTest::newRow("separator in the floor") << u"floor"_s << u"2･"_s << u"2"_s << dot;
    QTest::newRow("separator in a plate name")
        << u"plate"_s << u"ベース･プレート"_s << u"ベースプレート"_s << dot;
    QTest::newRow("separator in a coating cell") << u"coating"_s << u"20･"_s << u"20"_s << dot;
    QTest::newRow("emoji in the comment")
        << u"comment"_s << u"X1😀通り"_s << u"X1通り"_s << u"「😀」(U+1F600)は使用できない文字です。"_s;
    QTest::newRow("accent in a plate name")
        << u"plate"_s << u"é"_s << u""_s << u"「é」(U+00E9)は使用できない文字です。"_s;
    QTest::newRow("two refused characters: both out, the first named")
        << u"comment"_s << u"A･éB"_s << u"AB"_s << dot;
}

void TestColumnForm::textFieldsRefuseCharactersTheTextsCannotHold() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QFETCH(QString, message);
    const auto type = [&field](HasiraInpForm& form, const QString& typed) {
        if (field == u"comment")
            return form.setInpTx(CommentInput, typed);
        if (field == u"floor")
            return form.setKaiTx(typed);
        if (field == u"plate")
            return form.setPlateCell(3, PlateName, typed);
        return form.setCoatingCell(2, CoatingThickness, typed);
    };
    auto typedAlone = formOnMark(u"C1"_s);
    QVERIFY(type(*typedAlone, stored));
    auto form = formOnMark(u"C1"_s);
    m_prompter->expectOk(message, kConfirm);
    QVERIFY(!type(*form, text)); // not taken as typed
    TV_VERIFY_PROMPTS(*m_prompter);
    QCOMPARE(dialogState(*form), dialogState(*typedAlone));
    // look-alikes typed on other systems are stored in their CP932 form
    QVERIFY(form->setInpTx(CommentInput, u"1〜3"_s));
    QCOMPARE(form->InpTx(CommentInput), u"1～3"_s);
    // the work file's record separator is held as the file stores it
    QVERIFY(form->setInpTx(CommentInput, u"X'1"_s));
    QCOMPARE(form->InpTx(CommentInput), u"X’1"_s);
}

void TestColumnForm::identifiersAreStoredHalfWidth() {
    auto form = openForm();
    form->setKaiTx(u"２"_s);
    QCOMPARE(form->KaiTx(), u"2"_s);
    form->chooseMark(markRow(*form, u"C1"_s));
    form->setInpTx(LengthInput, u"３５００"_s);
    form->setInpTx(SecondPlacesInput, u"１０＊３"_s);
    form->setInpTx(CommentInput, u"Ａ通り"_s); // free text stays as typed
    form->setPlateCell(kPlateFirstRow, PlateCount, u"２＊３"_s);
    form->setPlateCell(kPlateFirstRow, PlateWeldLength, u"２５０"_s);
    form->setCoatingCell(1, CoatingLength, u"３０００"_s);
    QCOMPARE(form->InpTx(LengthInput), u"3500"_s);
    QCOMPARE(form->DataGrid(1).text(1, WeldPlaces), u"30"_s);
    QCOMPARE(form->InpTx(CommentInput), u"Ａ通り"_s);
    QCOMPARE(form->DataGrid(2).text(kPlateFirstRow, PlateWeldQuantity), u"1.50"_s);
    QCOMPARE(form->HifukuGrid().text(1, CoatingLength), u"3000"_s);
    // the lookup of an entry stored with a full-width floor still finds the list entry
    m_lists.HasiraList[0].Floor = u"２"_s;
    form->chooseMark(markRow(*form, u"C1"_s));
    QCOMPARE(form->InfoGd(0), u"H鋼"_s);
}

void TestColumnForm::jointBoxAndCandidateLists() {
    auto form = formOnMark(u"C1"_s);
    form->setJointCh(true);
    form->setInpTx(JointMarkInput, u"J2"_s);
    form->setJointCh(false);
    QVERIFY(form->InpTx(JointMarkInput).isEmpty());
    QCOMPARE(form->KouhoList(KouhoJointMark), (QStringList{u"J1"_s, u"J2"_s}));
    QCOMPARE(form->KouhoList(KouhoBoltKind),
             (QStringList{u"HTB-F10T"_s, u"A.BOLT(1)"_s, u"A.BOLT(2)"_s, u"A.BOLT(3)"_s}));
    QCOMPARE(form->KouhoList(KouhoWeldJoint).size(), 6);
    QCOMPARE(form->KouhoList(KouhoCoatingKind), (QStringList{u"吹付材"_s, u"板材"_s}));
    QCOMPARE(form->KouhoList(KouhoPlateGrade), QStringList{u"SN490B"_s});
    QVERIFY(form->KouhoList(9).isEmpty());
}

QTEST_GUILESS_MAIN(TestColumnForm)
#include "tst_column_input_form.moc"
