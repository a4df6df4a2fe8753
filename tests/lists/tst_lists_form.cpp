// The list window model: opening, registering, sorting, deleting, selecting, joints, the grade file,
// refused characters and closing.
#include "lists/list_files.h"
#include "lists/list_form.h"
#include "shell/record_file.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv::lists;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::CellOffer;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

namespace {

const QString kConfirm = u"確認"_s;
const QStringList kGrades{u"SS400"_s, u"SN490B"_s};

QStringList column(const tv::services::TextGrid& grid, int column) {
    QStringList out;
    for (int row = grid.fixedRows(); row < grid.rowCount(); ++row)
        out.append(grid.text(row, column));
    return out;
}

QStringList lines(const QString& path) {
    const tv::shell::LinesResult read = tv::shell::readLines(path);
    return read.lines;
}

} // namespace

class TestListForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void openShowsTheListsAndCandidates();
    void openRefusesAnUnreadableListFile();
    void registerColumnNeedsTheShapeFields_data();
    void registerColumnNeedsTheShapeFields();
    void registerColumnReplacesAndSortsByFloorThenMark();
    void tubeReRegistrationKeepsFormerCutTeeParts();
    void roundTubeRoundTripsThroughTheFiles();
    void secondaryBeamLocksTheFloorAndSortsAsText();
    void beamRegistrationAndEndSection();
    void newGradesReachTheGradeFile();
    void unreadableGradeFileIsNeverRewritten();
    void failedSaveKeepsTheWindowOpen();
    void deleteAsksAndOnlyFinishWritesTheFile();
    void deleteBeamAndJointAsk();
    void selectingARowCopiesItBack();
    void jointRegisteredTwiceKeepsOneEntry();
    void jointWithOnlyItsFirstFlangeLine();
    void jointCellsOfferTheirCandidates();
    void fieldsRefuseCharactersTheFilesCannotHold_data();
    void fieldsRefuseCharactersTheFilesCannotHold();
    void storedValuesAreTrimmedAndSanitized();
    void closeBoxAsksOnlyWithUnsavedChanges_data();
    void closeBoxAsksOnlyWithUnsavedChanges();
    void clearCommandsEmptyTheirFields();
    void columnClearEmptiesTheShapeShown_data();
    void columnClearEmptiesTheShapeShown();
    void jointCellsTakeTypedText_data();
    void jointCellsTakeTypedText();
    void fullWidthLookAlikesAreOneEntry_data();
    void fullWidthLookAlikesAreOneEntry();
    void numberFieldsRefuseText_data();
    void numberFieldsRefuseText();

private:
    QString listFile(QStringView name) const { return m_root.file(tv::shell::kListFolder, name); }
    QString setFile(const QString& name) const { return m_root.file(tv::shell::kSetFolder, name); }
    void openForm();
    void fillH(const QString& floor, const QString& mark, const QStringList& spec1,
               const QStringList& spec2 = {}, const QStringList& spec3 = {});
    void fillBeam(const QString& floor, const QString& mark, const QStringList& centre,
                  const QStringList& end = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    tv::shell::DataRoot m_root;
    MemberLists m_lists;
    std::unique_ptr<ScriptedPrompter> m_prompter;
    std::unique_ptr<ListForm> m_form;
};

void TestListForm::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    makeDataRoot(m_dir->path());
    m_root = tv::shell::DataRoot(m_dir->path());
    m_lists = MemberLists{};
    m_prompter = std::make_unique<ScriptedPrompter>();
    writeCp932Lines(setFile(u"HasiraKataSiki.ini"_s), {u"H"_s, u"BH"_s, u"C"_s, u"2C"_s});
    writeCp932Lines(setFile(u"HasiraKikaku.ini"_s), {u"SS400"_s, QString(), u"SN490B"_s});
    writeCp932Lines(setFile(u"HtbKata.ini"_s), {u"HTB-F10T"_s, u"普通ボルト"_s});
    writeCp932Lines(setFile(u"BoltKei.ini"_s), {u"M16"_s, u"M20"_s});
}

void TestListForm::cleanup() {
    if (m_prompter)
        TV_VERIFY_PROMPTS(*m_prompter);
    m_form.reset();
    m_prompter.reset();
    m_dir.reset();
}

void TestListForm::openForm() {
    m_form = std::make_unique<ListForm>(m_root, m_lists, *m_prompter);
    QVERIFY(m_form->open());
}

void TestListForm::fillH(const QString& floor, const QString& mark, const QStringList& spec1,
                         const QStringList& spec2, const QStringList& spec3) {
    m_form->selectShape(ColumnShape::H);
    m_form->setInpTx(0, floor);
    m_form->setInpTx(1, mark);
    for (int i = 0; i < 16; ++i) {
        const QString value = i < 6 ? spec1.value(i) : i < 11 ? spec2.value(i - 6) : spec3.value(i - 11);
        m_form->setInpTx(2 + i, value);
    }
}

void TestListForm::fillBeam(const QString& floor, const QString& mark, const QStringList& centre,
                            const QStringList& end) {
    if (m_form->beamKind() == BeamKind::Ordinary)
        m_form->setHariInpTx(0, floor);
    m_form->setHariInpTx(1, mark);
    for (int i = 0; i < 6; ++i) {
        m_form->setHariInpTx(2 + i, centre.value(i));
        m_form->setHariInpTx(8 + i, end.value(i));
    }
}

void TestListForm::openShowsTheListsAndCandidates() {
    writeCp932Lines(listFile(kHasiraListFile),
                    {u"ZZLH'2'C1'H鋼'SS400･H･400･200･8･13'････'････''"_s, u"ZZLH''C9'H鋼'''''"_s,
                     u"ZZLH'1'P1'鋼管(角)'SN490B･350･350･12･･'････'････''"_s});
    writeCp932Lines(listFile(kJointListFile),
                    {u"ZZLJ'J10'0"_s, u"ZZLJ'J2'0"_s, u"ZZLJ'CJ'1"_s, u"ZZLJ'J2'1"_s});
    openForm();
    QCOMPARE(m_form->category(), ListCategory::Hasira);
    QCOMPARE(m_form->shape(), ColumnShape::H);
    QCOMPARE(m_form->beamKind(), BeamKind::Ordinary);
    const tv::services::TextGrid& g = m_form->hasiraGrid();
    QCOMPARE(g.fixedRows(), 4);
    QCOMPARE(g.text(0, 4), u"材質規格・断面寸法"_s);
    QCOMPARE(g.text(1, 3), u"H 鋼"_s);
    QCOMPARE(g.text(3, 5), u"外径"_s);
    QCOMPARE(column(g, 0), (QStringList{u"1"_s, u"2"_s}));   // deleted entry skipped
    QCOMPARE(column(g, 2), (QStringList{u"C1"_s, u"P1"_s})); // list order
    QCOMPARE(g.rowTexts(5).mid(3, 7),
             (QStringList{u"鋼管(角)"_s, u"SN490B"_s, u"350"_s, u"350"_s, u"12"_s, {}, {}}));
    QCOMPARE(m_form->jointMarks(), (QStringList{u"CJ"_s, u"J10"_s, u"J2"_s})); // sorted as text, each once
    QCOMPARE(m_form->columnTypeCandidates(), (QStringList{u"H"_s, u"BH"_s}));
    QCOMPARE(m_form->beamTypeCandidates(), (QStringList{u"H"_s, u"BH"_s, u"C"_s, u"2C"_s}));
    QCOMPARE(m_form->gradeCandidates(), kGrades);
    QCOMPARE(m_form->jointGradeCandidates(), kGrades + QStringList{u"クリア"_s});
    QCOMPARE(m_form->boltKindCandidates(), (QStringList{u"HTB-F10T"_s, u"普通ボルト"_s}));
    QCOMPARE(m_form->boltDiameterCandidates(), (QStringList{u"M16"_s, u"M20"_s}));
    QVERIFY(!m_form->hasUnsavedChanges());
}

void TestListForm::openRefusesAnUnreadableListFile() {
    writeBytes(listFile(kJointListFile), QByteArray("ZZLJ'J1\r\n\x81\r\n"));
    const QString message =
        u"ファイル「%1」を読み込めません。\n2行目にShift-JISの文字として読めないデータがあります。"_s.arg(
            QDir::toNativeSeparators(listFile(kJointListFile)));
    m_prompter->expectOk(message, u"エラー"_s);
    ListForm form(m_root, m_lists, *m_prompter);
    QVERIFY(!form.open());
}

void TestListForm::registerColumnNeedsTheShapeFields_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<QList<int>>("filled");
    QTest::addColumn<int>("focused");
    QTest::newRow("H needs F厚") << 0 << QList<int>{0, 1, 2, 3, 4, 5, 6} << 7;
    QTest::newRow("H needs the floor") << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7} << 0;
    QTest::newRow("blank floor is empty") << 0 << QList<int>{1, 2, 3, 4, 5, 6, 7, -1} << 0;
    QTest::newRow("square tube needs t") << 1 << QList<int>{0, 1, 18, 19, 20, 2, 3, 4, 5, 6, 7} << 21;
    QTest::newRow("round tube needs 外径") << 2 << QList<int>{0, 1, 22, 24} << 23;
}

void TestListForm::registerColumnNeedsTheShapeFields() {
    QFETCH(int, shape);
    QFETCH(QList<int>, filled);
    QFETCH(int, focused);
    openForm();
    m_form->selectShape(ColumnShape(shape));
    for (int k : filled)
        m_form->setInpTx(k < 0 ? 0 : k, k < 0 ? u"　 "_s : u"9"_s);
    QSignalSpy focus(m_form.get(), &ListForm::focusRequested);
    m_prompter->expectOk(u"入力してください。"_s, kConfirm);
    m_form->registerEntry();
    QCOMPARE(focus.size(), 1);
    QCOMPARE(focus[0][1].toInt(), focused);
    QCOMPARE(m_form->hasiraGrid().rowCount(), 4);
    QCOMPARE(m_lists.HasiraList.size(), 1);
}

void TestListForm::registerColumnReplacesAndSortsByFloorThenMark() {
    openForm();
    const QStringList section{u"SS400"_s, u"H"_s, u"400"_s, u"200"_s, u"8"_s, u"13"_s};
    fillH(u"10"_s, u"C1"_s, section);
    m_form->registerEntry();
    fillH(u"2"_s, u"C2"_s, section);
    m_form->registerEntry();
    fillH(u"2"_s, u"C10"_s, section);
    m_form->registerEntry();
    fillH(u"R"_s, u"C1"_s, section);
    m_form->registerEntry();
    QSignalSpy focus(m_form.get(), &ListForm::focusRequested);
    fillH(u" 2 "_s, u"C2"_s, {u"SS400"_s, u"H"_s, u"500"_s, u"200"_s, u"10"_s, u"16"_s});
    m_form->registerEntry();
    QCOMPARE(focus.size(), 1);
    QCOMPARE(focus[0][0].value<ListPanel>(), ListPanel::Column);
    QCOMPARE(focus[0][1].toInt(), 1);

    const tv::services::TextGrid& g = m_form->hasiraGrid();
    QCOMPARE(column(g, 0), (QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s}));
    QCOMPARE(column(g, 1), (QStringList{u"2"_s, u"2"_s, u"10"_s, u"R"_s}));
    QCOMPARE(column(g, 2), (QStringList{u"C10"_s, u"C2"_s, u"C1"_s, u"C1"_s})); // marks compare as text
    QCOMPARE(g.text(5, 6), u"500"_s);                                           // replaced, not added
    QCOMPARE(m_lists.HasiraList.size(), 5);
    QCOMPARE(m_lists.HasiraList[1].Spec1, u"SS400･H･500･200･10･16"_s);
    QCOMPARE(m_lists.HasiraList[1].Spec2, u"････"_s);
    QCOMPARE(m_lists.HasiraList[2].Floor, u"10"_s);
    QCOMPARE(m_lists.HasiraList[4], HasiraListEntry{});
    QVERIFY(m_form->hasUnsavedChanges());
}

void TestListForm::tubeReRegistrationKeepsFormerCutTeeParts() {
    openForm();
    fillH(u"1"_s, u"C1"_s, {u"SN490B"_s, u"H"_s, u"400"_s, u"200"_s, u"8"_s, u"13"_s},
          {u"SN490B"_s, u"175"_s, u"200"_s, u"9"_s, u"12"_s},
          {u"SS400"_s, u"150"_s, u"150"_s, u"7"_s, u"10"_s});
    m_form->registerEntry();
    m_form->selectShape(ColumnShape::SquareTube);
    for (int k : {18, 19, 20, 21})
        m_form->setInpTx(k, QStringList{u"BCR295"_s, u"350"_s, u"350"_s, u"12"_s}[k - 18]);
    m_form->registerEntry();
    QCOMPARE(m_lists.HasiraList.size(), 2);
    const HasiraListEntry& e = m_lists.HasiraList[0];
    QCOMPARE(e.Shape, u"鋼管(角)"_s);
    QCOMPARE(e.Spec1, u"BCR295･350･350･12･･"_s);
    QCOMPARE(e.Spec2, u"SN490B･175･200･9･12"_s);
    QCOMPARE(e.Spec3, u"SS400･150･150･7･10"_s);
}

void TestListForm::roundTubeRoundTripsThroughTheFiles() {
    openForm();
    m_form->selectShape(ColumnShape::RoundTube);
    m_form->setInpTx(0, u"R"_s);
    m_form->setInpTx(1, u"P1"_s);
    m_form->setInpTx(22, u"SS400"_s);
    m_form->setInpTx(23, u"216.3"_s);
    m_form->setInpTx(24, u"8.2"_s);
    m_form->registerEntry();
    m_prompter->expectOk(u"リストデータを保存しました。"_s, kConfirm);
    QVERIFY(m_form->finish());
    QCOMPARE(lines(listFile(kHasiraListFile)),
             QStringList{u"ZZLH'R'P1'鋼管(丸)'SS400･216.3･8.2･･･'････'････''"_s});
    QCOMPARE(lines(listFile(kHariListFile)), QStringList());

    openForm();
    m_form->selectColumnRow(4);
    QCOMPARE(m_form->shape(), ColumnShape::RoundTube);
    QCOMPARE(m_form->InpTx(23), u"216.3"_s);
    QCOMPARE(m_form->InpTx(2), QString());
    QCOMPARE(m_form->hasiraGrid().backColor(4, 3), std::optional(ListForm::kSelectedRowColor));
}

void TestListForm::secondaryBeamLocksTheFloorAndSortsAsText() {
    openForm();
    m_form->selectCategory(ListCategory::Hari);
    const QStringList centre{u"SS400"_s, u"H"_s, u"300"_s, u"150"_s, u"6.5"_s, u"9"_s};
    for (const QString& floor : {u"R"_s, u"10"_s, u"2"_s}) {
        fillBeam(floor, u"G1"_s, centre);
        m_form->registerEntry();
    }
    m_form->selectBeamKind(BeamKind::Secondary);
    QVERIFY(m_form->beamFloorLocked());
    QCOMPARE(m_form->HariInpTx(0), u"小梁"_s);
    QVERIFY(!m_form->setHariInpTx(0, u"3"_s));
    QCOMPARE(m_form->HariInpTx(0), u"小梁"_s);
    fillBeam({}, u"B1"_s, centre);
    m_form->registerEntry();
    QCOMPARE(column(m_form->hariGrid(), 1), (QStringList{u"2"_s, u"10"_s, u"R"_s, u"小梁"_s}));
    QCOMPARE(m_lists.HariList[3].Floor, u"小梁"_s);
    m_form->selectBeamKind(BeamKind::Ordinary);
    QVERIFY(m_form->setHariInpTx(0, u"3"_s));

    m_form->selectBeamRow(2);
    QCOMPARE(m_form->beamKind(), BeamKind::Ordinary);
    m_form->selectBeamRow(5);
    QCOMPARE(m_form->beamKind(), BeamKind::Secondary);
    QCOMPARE(m_form->HariInpTx(1), u"B1"_s);
}

void TestListForm::beamRegistrationAndEndSection() {
    openForm();
    m_form->selectCategory(ListCategory::Hari);
    m_form->setHariInpTx(1, u"G1"_s);
    m_prompter->expectOk(u"入力してください。"_s, kConfirm);
    m_form->registerEntry(); // floor missing
    QCOMPARE(m_lists.HariList.size(), 1);

    fillBeam(u"2"_s, u"G1"_s, {u"SN400B"_s, u"H"_s, u"600"_s, u"200"_s, u"11"_s, u"17"_s},
             {u"SN490B"_s, u"H"_s, u"600"_s, u"200"_s, u"12"_s, u"22"_s});
    m_form->registerEntry();
    fillBeam(u"2"_s, u"G2"_s, {u"SN400B"_s, u"H"_s, u"500"_s, u"200"_s, u"10"_s, u"16"_s});
    m_form->registerEntry();
    QCOMPARE(m_lists.HariList[0].End, u"SN490B･H･600･200･12･22"_s);
    QCOMPARE(m_lists.HariList[1].End, u"･････"_s);
    QCOMPARE(m_form->hariGrid().rowTexts(2).mid(0, 4), (QStringList{u"1"_s, u"2"_s, u"G1"_s, u"SN400B"_s}));
}

void TestListForm::newGradesReachTheGradeFile() {
    openForm();
    const QByteArray original = readBytes(setFile(u"HasiraKikaku.ini"_s));
    fillH(u"1"_s, u"C1"_s, {u"SS400"_s, u"H"_s, u"400"_s, u"200"_s, u"8"_s, u"13"_s});
    m_form->registerEntry(); // known grade (and the empty ② grade): the file is not rewritten
    QCOMPARE(readBytes(setFile(u"HasiraKikaku.ini"_s)), original);
    QCOMPARE(m_form->gradeCandidates(), kGrades + QStringList{QString()});

    m_form->selectCategory(ListCategory::Hari);
    fillBeam(u"2"_s, u"G1"_s, {u"SN400B "_s, u"H"_s, u"600"_s, u"200"_s, u"11"_s, u"17"_s});
    m_form->registerEntry();
    m_form->selectCategory(ListCategory::Hasira);
    fillH(u"1"_s, u"C2"_s, {u"SN490C"_s, u"H"_s, u"400"_s, u"200"_s, u"8"_s, u"13"_s});
    m_form->registerEntry();
    // Grades added by either panel stay in the one grade file.
    QCOMPARE(lines(setFile(u"HasiraKikaku.ini"_s)),
             (QStringList{u"SS400"_s, u"SN490B"_s, u"SN400B"_s, u"SN490C"_s}));
    QVERIFY(m_form->jointGradeCandidates().endsWith(u"クリア"_s));
    QVERIFY(m_form->jointGradeCandidates().contains(u"SN490C"_s));
}

void TestListForm::unreadableGradeFileIsNeverRewritten() {
    const QByteArray broken("SS400\r\nSN\x82\r\n");
    writeBytes(setFile(u"HasiraKikaku.ini"_s), broken);
    m_prompter->expectOk(
        u"ファイル「%1」を読み込めません。\n2行目にShift-JISの文字として読めないデータがあります。"_s.arg(
            QDir::toNativeSeparators(setFile(u"HasiraKikaku.ini"_s))),
        u"エラー"_s);
    openForm();
    QCOMPARE(m_form->gradeCandidates(), QStringList());
    fillH(u"1"_s, u"C1"_s, {u"SN490C"_s, u"H"_s, u"400"_s, u"200"_s, u"8"_s, u"13"_s});
    m_form->registerEntry();
    QCOMPARE(m_lists.HasiraList.size(), 2);
    QVERIFY(m_form->gradeCandidates().contains(u"SN490C"_s));
    QCOMPARE(readBytes(setFile(u"HasiraKikaku.ini"_s)), broken);
}

void TestListForm::failedSaveKeepsTheWindowOpen() {
    openForm();
    m_form->selectCategory(ListCategory::Joint);
    m_form->setJointInpTx(u"J1"_s);
    m_form->registerEntry();
    QVERIFY(QDir(m_root.folder(tv::shell::kListFolder)).removeRecursively());
    const QString expected = tv::shell::writeLines(listFile(kHasiraListFile), {}).error;
    QVERIFY(!expected.isEmpty());
    m_prompter->expectOk(expected, u"エラー"_s);
    QVERIFY(!m_form->finish());
    QVERIFY(m_form->hasUnsavedChanges());
}

void TestListForm::deleteAsksAndOnlyFinishWritesTheFile() {
    writeCp932Lines(listFile(kHasiraListFile), {u"ZZLH'1'C1'H鋼'SS400･H･400･200･8･13'････'････''"_s,
                                                u"ZZLH'1'C2'H鋼'SS400･H･400･200･8･13'････'････''"_s});
    const QByteArray original = readBytes(listFile(kHasiraListFile));
    openForm();
    m_form->setInpTx(0, u"1"_s);
    m_form->deleteColumn(); // no mark: nothing happens

    m_form->setInpTx(1, u"C1"_s);
    m_form->setInpTx(2, u"SS400"_s);
    m_prompter->expect(u"1階のC1を削除します。"_s, kConfirm, PromptButtons::OkCancel, PromptAnswer::Cancel);
    m_form->deleteColumn();
    QCOMPARE(column(m_form->hasiraGrid(), 2).size(), 2);
    QCOMPARE(m_form->InpTx(2), u"SS400"_s);

    m_prompter->expect(u"1階のC1を削除します。"_s, kConfirm, PromptButtons::OkCancel, PromptAnswer::Ok);
    m_form->deleteColumn();
    QCOMPARE(column(m_form->hasiraGrid(), 2), QStringList{u"C2"_s});
    QCOMPARE(column(m_form->hasiraGrid(), 0), QStringList{u"1"_s});
    QVERIFY(m_lists.HasiraList[0].isDeleted());
    for (int k = 0; k < ListForm::kColumnFieldCount; ++k)
        QCOMPARE(m_form->InpTx(k), QString());
    QCOMPARE(readBytes(listFile(kHasiraListFile)), original); // not yet written

    m_prompter->expectOk(u"リストデータを保存しました。"_s, kConfirm);
    QVERIFY(m_form->finish());
    QCOMPARE(lines(listFile(kHasiraListFile)),
             QStringList{u"ZZLH'1'C2'H鋼'SS400･H･400･200･8･13'････'････''"_s});
}

void TestListForm::deleteBeamAndJointAsk() {
    writeCp932Lines(listFile(kHariListFile), {u"ZZLB'小梁'B1'SS400･H･300･150･6.5･9'･････"_s});
    writeCp932Lines(listFile(kJointListFile), {u"ZZLJ'J1'0"_s, u"ZZLJ'J2'0"_s});
    openForm();
    m_form->selectCategory(ListCategory::Hari);
    m_form->selectBeamRow(2);
    m_prompter->expect(u"小梁階のB1を削除します。"_s, kConfirm, PromptButtons::OkCancel, PromptAnswer::Ok);
    m_form->deleteBeam();
    QCOMPARE(m_form->hariGrid().rowCount(), 2);
    QCOMPARE(m_form->HariInpTx(0), u"小梁"_s); // still locked by the 小梁 option
    QCOMPARE(m_form->HariInpTx(1), QString());

    m_form->selectCategory(ListCategory::Joint);
    m_form->selectJointMark(0);
    m_prompter->expect(u"J1を削除します。"_s, kConfirm, PromptButtons::OkCancel, PromptAnswer::Ok);
    m_form->deleteJoint();
    QCOMPARE(m_form->jointMarks(), QStringList{u"J2"_s});
    QCOMPARE(m_form->JointInpTx(), QString());
    m_prompter->expectOk(u"リストデータを保存しました。"_s, kConfirm);
    QVERIFY(m_form->finish());
    QCOMPARE(lines(listFile(kHariListFile)), QStringList());
    QCOMPARE(lines(listFile(kJointListFile)).size(), 1);
}

void TestListForm::selectingARowCopiesItBack() {
    writeCp932Lines(listFile(kHasiraListFile),
                    {u"ZZLH'1'C1'H鋼'SS400･H･400･200･8･13'SN490B･175･200･9･12'････''"_s,
                     u"ZZLH'2'P1'鋼管(角)'BCR295･350･350･12･･'････'････''"_s});
    openForm();
    m_form->setInpTx(22, u"left over"_s);
    m_form->selectColumnRow(4);
    QCOMPARE(m_form->shape(), ColumnShape::H);
    QCOMPARE(m_form->InpTx(0), u"1"_s);
    QCOMPARE(m_form->InpTx(7), u"13"_s);
    QCOMPARE(m_form->InpTx(8), u"SN490B"_s);
    QCOMPARE(m_form->InpTx(22), QString());
    m_form->selectColumnRow(5);
    QCOMPARE(m_form->shape(), ColumnShape::SquareTube);
    QCOMPARE(m_form->InpTx(18), u"BCR295"_s);
    QCOMPARE(m_form->InpTx(21), u"12"_s);
    QCOMPARE(m_form->InpTx(2), QString());
    QCOMPARE(m_form->columnFieldOrder(), (QList<int>{0, 1, 18, 19, 20, 21}));
    QVERIFY(!m_form->hasiraGrid().backColor(4, 3));
    m_form->selectColumnRow(1); // a header row selects nothing
    QCOMPARE(m_form->InpTx(1), u"P1"_s);
}

void TestListForm::jointRegisteredTwiceKeepsOneEntry() {
    writeCp932Lines(listFile(kJointListFile), {u"ZZLJ'J9'0"_s});
    openForm();
    m_form->selectCategory(ListCategory::Joint);
    m_form->registerEntry(); // no mark: nothing happens
    QCOMPARE(m_lists.JointList.size(), 2);
    m_form->setJointInpTx(u"J1"_s);
    m_form->setJointCell(3, 1, u"SN490B"_s);
    m_form->registerEntry();
    m_form->setMekkiCh(true);
    m_form->setJointCell(3, 4, u"410"_s);
    QSignalSpy focus(m_form.get(), &ListForm::focusRequested);
    m_form->registerEntry();
    QCOMPARE(focus.size(), 1);
    QCOMPARE(focus[0][0].value<ListPanel>(), ListPanel::Joint);
    QCOMPARE(m_lists.JointList.size(), 3);
    QCOMPARE(m_lists.JointList[1].Mark, u"J1"_s);
    QCOMPARE(m_lists.JointList[1].Galvanized, u"1"_s);
    QCOMPARE(m_lists.JointList[1].FlangeLines[0], u"SN490B･･･410････"_s);
    QCOMPARE(m_form->jointMarks(), (QStringList{u"J1"_s, u"J9"_s}));

    m_form->clearJointInput();
    QCOMPARE(m_form->jointGrid().text(3, 4), QString());
    m_form->selectJointMark(0);
    QCOMPARE(m_form->JointInpTx(), u"J1"_s);
    QVERIFY(m_form->MekkiCh());
    QCOMPARE(m_form->jointGrid().text(3, 4), u"410"_s);
}

void TestListForm::jointWithOnlyItsFirstFlangeLine() {
    openForm();
    m_form->selectCategory(ListCategory::Joint);
    m_form->setJointInpTx(u"J1"_s);
    const QStringList parts{u"SN490B"_s, u"9"_s,        u"200"_s, u"410"_s,
                            u"1"_s,      u"HTB-F10T"_s, u"M20"_s, u"12"_s};
    for (int i = 0; i < 8; ++i)
        QVERIFY(m_form->setJointCell(3, 1 + i, parts[i]));
    m_form->registerEntry();
    m_prompter->expectOk(u"リストデータを保存しました。"_s, kConfirm);
    QVERIFY(m_form->finish());
    const QString e8 = emptyLine(8), e5 = emptyLine(5);
    QCOMPARE(lines(listFile(kJointListFile)),
             QStringList{u"ZZLJ'J1'0'SN490B･9･200･410･1･HTB-F10T･M20･12:"_s + QStringList(4, e8).join(u':') +
                         u"'"_s + QStringList(5, e8).join(u':') + u"'"_s + QStringList(5, e5).join(u':')});
}

void TestListForm::jointCellsOfferTheirCandidates() {
    openForm();
    m_form->selectCategory(ListCategory::Joint);
    QSignalSpy focus(m_form.get(), &ListForm::focusRequested);
    m_prompter->expectOk(u"符号を入力してください。"_s, kConfirm);
    QCOMPARE(m_form->jointCellOffer(3, 1).kind, CellOffer::Kind::None);
    QCOMPARE(focus.size(), 1);
    QCOMPARE(focus[0][1].toInt(), -1);

    m_form->setJointInpTx(u"J1"_s);
    QCOMPARE(m_form->jointCellOffer(1, 1).kind, CellOffer::Kind::None); // header row
    const CellOffer grade = m_form->jointCellOffer(3, ListForm::kJointWebColumn);
    QCOMPARE(grade.kind, CellOffer::Kind::Text); // typed, with the candidates beside the editor
    QCOMPARE(grade.items, kGrades + QStringList{u"クリア"_s});
    QCOMPARE(m_form->jointCellOffer(4, 6).items, m_form->boltKindCandidates());
    QCOMPARE(m_form->jointCellOffer(7, ListForm::kJointWebColumn + 6).items,
             m_form->boltDiameterCandidates());
    QCOMPARE(m_form->jointCellOffer(3, ListForm::kJointFillerColumn).items.last(), u"クリア"_s);
    QCOMPARE(m_form->jointCellOffer(3, ListForm::kJointFillerColumn + 1).kind, CellOffer::Kind::Text);
    QCOMPARE(m_form->jointCellOffer(3, 8).kind, CellOffer::Kind::Text);

    m_form->setJointCell(3, 1, u"SS400"_s);
    m_form->setJointCell(3, 1, u"クリア"_s);
    QCOMPARE(m_form->jointGrid().text(3, 1), QString());
}

void TestListForm::fieldsRefuseCharactersTheFilesCannotHold_data() {
    QTest::addColumn<int>("target"); // 0 column field, 1 beam field, 2 joint mark, 3 joint cell
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored"); // the rest of the typing
    const QString dot = u"「･」は使用できない文字です。"_s;
    QTest::newRow("separator in a column field") << 0 << u"SN･490"_s << dot << u"SN490"_s;
    QTest::newRow("separator in a beam field") << 1 << u"･"_s << dot << u""_s;
    QTest::newRow("separator in the joint mark") << 2 << u"J･1"_s << dot << u"J1"_s;
    QTest::newRow("separator in a joint cell") << 3 << u"M20･"_s << dot << u"M20"_s;
    QTest::newRow("emoji") << 0 << u"C😀"_s << u"「😀」(U+1F600)は使用できない文字です。"_s << u"C"_s;
    QTest::newRow("accented letter") << 3 << u"é"_s << u"「é」(U+00E9)は使用できない文字です。"_s << u""_s;
}

void TestListForm::fieldsRefuseCharactersTheFilesCannotHold() {
    QFETCH(int, target);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, stored);
    openForm();
    m_form->setJointInpTx(u"J1"_s);
    m_prompter->expectOk(message, kConfirm);
    bool accepted = true;
    QString after;
    switch (target) {
    case 0:
        accepted = m_form->setInpTx(2, text);
        after = m_form->InpTx(2);
        break;
    case 1:
        accepted = m_form->setHariInpTx(2, text);
        after = m_form->HariInpTx(2);
        break;
    case 2:
        accepted = m_form->setJointInpTx(text);
        after = m_form->JointInpTx();
        break;
    default:
        accepted = m_form->setJointCell(3, 2, text);
        after = m_form->jointGrid().text(3, 2);
        break;
    }
    QVERIFY(!accepted); // not taken as typed: the refused character is out, the rest stays
    QCOMPARE(after, stored);
    TV_VERIFY_PROMPTS(*m_prompter);
}

void TestListForm::storedValuesAreTrimmedAndSanitized() {
    openForm();
    QVERIFY(m_form->setInpTx(1, u"C〜1"_s)); // a look-alike is mapped where it is typed
    QCOMPARE(m_form->InpTx(1), u"C～1"_s);
    fillH(u"　1 "_s, u"C'1:A"_s, {u"SS400"_s, u"H"_s, u"400"_s, u"200"_s, u"8"_s, u"13"_s});
    m_form->registerEntry();
    QCOMPARE(m_lists.HasiraList[0].Floor, u"1"_s);
    QCOMPARE(m_lists.HasiraList[0].Mark, u"C’1：A"_s);
    m_form->selectCategory(ListCategory::Joint);
    m_form->setJointInpTx(u" J'1 "_s);
    m_form->setJointCell(3, 2, u"1:2"_s);
    m_form->registerEntry();
    QCOMPARE(m_lists.JointList[0].Mark, u"J’1"_s);
    QCOMPARE(m_lists.JointList[0].FlangeLines[0], u"･1：2･･････"_s);
}

void TestListForm::closeBoxAsksOnlyWithUnsavedChanges_data() {
    QTest::addColumn<bool>("change");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("nothing changed") << false << -1 << true << false;
    QTest::newRow("yes saves and closes") << true << int(PromptAnswer::Yes) << true << true;
    QTest::newRow("no closes without saving") << true << int(PromptAnswer::No) << true << false;
    QTest::newRow("cancel keeps the window") << true << int(PromptAnswer::Cancel) << false << false;
}

void TestListForm::closeBoxAsksOnlyWithUnsavedChanges() {
    QFETCH(bool, change);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    openForm();
    if (change) {
        m_form->selectCategory(ListCategory::Joint);
        m_form->setJointInpTx(u"J1"_s);
        m_form->registerEntry();
        m_prompter->expect(u"リストデータを保存しますか？"_s, kConfirm, PromptButtons::YesNoCancel,
                           PromptAnswer(answer));
    }
    if (saved)
        m_prompter->expectOk(u"リストデータを保存しました。"_s, kConfirm);
    QCOMPARE(m_form->closeRequested(), closes);
    QCOMPARE(readBytes(listFile(kJointListFile)).contains("J1"), saved);
    QCOMPARE(m_form->hasUnsavedChanges(), change && !saved);
}

void TestListForm::clearCommandsEmptyTheirFields() {
    openForm();
    for (int k = 0; k < ListForm::kColumnFieldCount; ++k)
        m_form->setInpTx(k, u"x"_s);
    for (int k = 0; k < ListForm::kBeamFieldCount; ++k)
        m_form->setHariInpTx(k, u"y"_s);
    m_form->command(ListForm::ClearColumn);
    m_form->command(ListForm::ClearBeam);
    QCOMPARE(m_form->InpTx(1), u"x"_s);
    QCOMPARE(m_form->InpTx(17), QString());
    QCOMPARE(m_form->InpTx(18), u"x"_s); // tube fields are not among 2 to 17
    QCOMPARE(m_form->HariInpTx(1), u"y"_s);
    QCOMPARE(m_form->HariInpTx(13), QString());
    m_form->selectCategory(ListCategory::Gusset);
    m_form->command(ListForm::Register); // the gusset panel registers nothing
    QCOMPARE(m_lists.HasiraList.size(), 1);
    QCOMPARE(ListForm::commandCaption(5), u"入力クリア"_s);
}

void TestListForm::columnClearEmptiesTheShapeShown_data() {
    QTest::addColumn<int>("shape");
    QTest::addColumn<QList<int>>("emptied");
    QTest::newRow("H") << int(ColumnShape::H) << QList<int>{2, 7, 8, 17};
    QTest::newRow("square tube") << int(ColumnShape::SquareTube) << QList<int>{18, 19, 20, 21};
    QTest::newRow("round tube") << int(ColumnShape::RoundTube) << QList<int>{22, 23, 24};
}

void TestListForm::columnClearEmptiesTheShapeShown() {
    QFETCH(int, shape);
    QFETCH(QList<int>, emptied);
    openForm();
    m_form->selectShape(ColumnShape(shape));
    for (int k = 0; k < ListForm::kColumnFieldCount; ++k)
        m_form->setInpTx(k, u"9"_s);
    m_form->command(ListForm::ClearColumn);
    for (int k = 0; k < ListForm::kColumnFieldCount; ++k) {
        const QList<int> order = m_form->columnFieldOrder();
        const bool shown = order.contains(k) && k >= 2;
        QCOMPARE(m_form->InpTx(k).isEmpty(), shown);
    }
    for (int k : emptied)
        QCOMPARE(m_form->InpTx(k), QString());
    QCOMPARE(m_form->InpTx(1), u"9"_s); // floor and mark stay
}

// Joint cells store what was typed; a 規格 or 種類 that is none of its candidates is noted in the
// window, since the totals will count it as a group of its own.
void TestListForm::jointCellsTakeTypedText_data() {
    QTest::addColumn<bool>("noBoltKinds"); // HtbKata.ini empty
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("line"); // the first flange line registered
    QTest::addColumn<QString>("notice");
    const QString own = u"※%1「%2」は候補にないため、集計では別のグループになります。"_s;
    QTest::newRow("grade not in the grade file")
        << false << 1 << u"SM520C"_s << u"SM520C･･･････"_s << own.arg(u"規格"_s, u"SM520C"_s);
    QTest::newRow("bolt kind with an empty kind file")
        << true << 6 << u"HTB-F10T"_s << u"･････HTB-F10T･･"_s << own.arg(u"種類"_s, u"HTB-F10T"_s);
    QTest::newRow("bolt kind spelled otherwise than its candidate")
        << false << 6 << u"F10T"_s << u"･････F10T･･"_s << own.arg(u"種類"_s, u"F10T"_s);
    QTest::newRow("bolt kind among the candidates")
        << false << 6 << u"HTB-F10T"_s << u"･････HTB-F10T･･"_s << QString();
    QTest::newRow("diameter not in the list") << false << 7 << u"M27"_s << u"･･････M27･"_s << QString();
    QTest::newRow("full-width grade")
        << false << 1 << u"ＳＭ５２０Ｃ"_s << u"SM520C･･･････"_s << own.arg(u"規格"_s, u"SM520C"_s);
}

void TestListForm::jointCellsTakeTypedText() {
    QFETCH(bool, noBoltKinds);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, line);
    QFETCH(QString, notice);
    if (noBoltKinds)
        writeCp932Lines(setFile(u"HtbKata.ini"_s), {});
    openForm();
    m_form->selectCategory(ListCategory::Joint);
    m_form->setJointInpTx(u"J1"_s);
    QCOMPARE(m_form->jointCellOffer(3, column).kind, CellOffer::Kind::Text);
    QVERIFY(m_form->setJointCell(3, column, typed));
    QCOMPARE(m_form->jointNotice(), notice);
    m_form->registerEntry();
    QCOMPARE(m_lists.JointList[0].FlangeLines[0], line);
    // A joint grade is not added to the grade file.
    QCOMPARE(readBytes(setFile(u"HasiraKikaku.ini"_s)), cp932Lines({u"SS400"_s, QString(), u"SN490B"_s}));
    // The same text in a web line is noted alike, and the note goes with the text.
    m_form->setJointCell(3, column, QString());
    m_form->setJointCell(4, column - 1 + ListForm::kJointWebColumn, typed);
    QCOMPARE(m_form->jointNotice(), notice);
    m_form->setJointCell(4, column - 1 + ListForm::kJointWebColumn, QString());
    QCOMPARE(m_form->jointNotice(), QString());
}

void TestListForm::fullWidthLookAlikesAreOneEntry_data() {
    QTest::addColumn<QStringList>("stored"); // HasiraListData.ini
    QTest::addColumn<QString>("floor");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("grade");
    QTest::addColumn<QStringList>("marks"); // registered marks afterwards
    const QString line = u"ZZLH'1'C2'H鋼'SS400･H･400･200･8･13'････'････''"_s;
    QTest::newRow("full-width mark replaces C2")
        << QStringList{line} << u"１"_s << u"Ｃ２"_s << u"ＳＳ４００"_s << QStringList{u"C2"_s};
    QTest::newRow("half-width mark replaces an older full-width one")
        << QStringList{u"ZZLH'１'Ｃ２'H鋼'SS400･H･400･200･8･13'････'････''"_s} << u"1"_s << u"C2"_s
        << u"SS400"_s << QStringList{u"C2"_s};
    QTest::newRow("another mark is its own")
        << QStringList{line} << u"1"_s << u"Ｃ３"_s << u"SS400"_s << QStringList{u"C2"_s, u"C3"_s};
}

void TestListForm::fullWidthLookAlikesAreOneEntry() {
    QFETCH(QStringList, stored);
    QFETCH(QString, floor);
    QFETCH(QString, mark);
    QFETCH(QString, grade);
    QFETCH(QStringList, marks);
    writeCp932Lines(listFile(kHasiraListFile), stored);
    openForm();
    fillH(floor, mark, {grade, u"Ｈ"_s, u"４００"_s, u"200"_s, u"8"_s, u"13"_s});
    m_form->registerEntry();
    QCOMPARE(column(m_form->hasiraGrid(), 2), marks);
    QCOMPARE(m_form->hasiraGrid().text(ListForm::kColumnGridHeaderRows, 1), u"1"_s);
    QCOMPARE(m_form->hasiraGrid().text(ListForm::kColumnGridHeaderRows, 6), u"400"_s);
    QCOMPARE(m_form->gradeCandidates().first(), u"SS400"_s);
    QVERIFY(!m_form->gradeCandidates().contains(u"ＳＳ４００"_s));
    QCOMPARE(readBytes(setFile(u"HasiraKikaku.ini"_s)), cp932Lines({u"SS400"_s, QString(), u"SN490B"_s}));

    m_prompter->expect(u"1階のC2を削除します。"_s, kConfirm, PromptButtons::OkCancel, PromptAnswer::Ok);
    m_form->setInpTx(0, u"１"_s);
    m_form->setInpTx(1, u"Ｃ２"_s);
    m_form->deleteColumn(); // the full-width mark finds the entry
    QVERIFY(!column(m_form->hasiraGrid(), 2).contains(u"C2"_s));
}

void TestListForm::numberFieldsRefuseText_data() {
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("field"); // InpTx, HariInpTx, or a joint grid column (line 1)
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name"); // empty: taken
    QTest::newRow("column height in kanji") << 0 << 4 << u"四百"_s << u"①高"_s;
    QTest::newRow("column ② width") << 0 << 10 << u"abc"_s << u"②巾"_s;
    QTest::newRow("column decimal taken") << 0 << 6 << u".5"_s << QString();
    QTest::newRow("beam end thickness") << 1 << 13 << u"t16"_s << u"端部 F厚"_s;
    QTest::newRow("beam number with unit taken") << 1 << 4 << u"600mm"_s << QString();
    QTest::newRow("joint plate length") << 2 << 4 << u"長い"_s << u"FLG 1行目 長"_s;
    QTest::newRow("joint bolt count") << 2 << ListForm::kJointWebColumn + 7 << u"x"_s << u"WEB 1行目 本"_s;
    QTest::newRow("joint diameter is not a number") << 2 << 7 << u"M20"_s << QString();
}

void TestListForm::numberFieldsRefuseText() {
    QFETCH(int, category);
    QFETCH(int, field);
    QFETCH(QString, text);
    QFETCH(QString, name);
    openForm();
    const QStringList section{u"SS400"_s, u"H"_s, u"400"_s, u"200"_s, u"8"_s, u"13"_s};
    m_form->selectCategory(ListCategory(category));
    if (category == 0) {
        fillH(u"1"_s, u"C1"_s, section, {u"SS400"_s, u"200"_s, u"200"_s, u"8"_s, u"13"_s});
        m_form->setInpTx(field, text);
    } else if (category == 1) {
        fillBeam(u"2"_s, u"G1"_s, section, section);
        m_form->setHariInpTx(field, text);
    } else {
        m_form->setJointInpTx(u"J1"_s);
        m_form->setJointCell(ListForm::kJointGridHeaderRows, field, text);
    }
    QSignalSpy focus(m_form.get(), &ListForm::focusRequested);
    if (!name.isEmpty())
        m_prompter->expectOk(u"「%1」には数値を入力してください。"_s.arg(name), kConfirm);
    m_form->registerEntry();
    QCOMPARE(m_form->hasUnsavedChanges(), name.isEmpty());
    if (!name.isEmpty() && category < 2)
        QCOMPARE(focus.first()[1].toInt(), field);
}

QTEST_GUILESS_MAIN(TestListForm)
#include "tst_lists_form.moc"
