// Undo and redo in the list window: random sequences of typing, options, registrations, selections
// and deletions, checked against every state the window went through, the grade file included.
#include "lists/list_files.h"
#include "lists/list_form.h"
#include "support/agreeing_prompter.h"
#include "support/history_property.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv::lists;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

// The texts of a grid's rows (the colour of a selected row is the selection, not a change).
QList<QStringList> gridTexts(const tv::services::TextGrid& grid) {
    QList<QStringList> rows;
    for (int row = 0; row < grid.rowCount(); ++row)
        rows.append(grid.rowTexts(row));
    return rows;
}

// Everything of the window that the estimator can change, and the files it may write.
struct ListWindowState {
    ListCategory category;
    ColumnShape shape;
    BeamKind beamKind;
    QStringList columnFields, beamFields;
    QString jointMark;
    bool galvanized;
    QList<QStringList> hasiraGrid, hariGrid, jointGrid;
    QStringList jointMarks;
    QString jointNotice;
    QList<HasiraListEntry> hasiraList;
    QList<HariListEntry> hariList;
    QList<JointListEntry> jointList;
    QStringList grades;
    QList<QByteArray> files;
    bool operator==(const ListWindowState&) const = default;
};

// Texts the random typing draws from: floors, marks, grades (two of them new to the grade file),
// types, sizes, refused and blank texts.
const QStringList kTexts{u"1"_s,    u"2"_s,  u"R"_s,     u"C1"_s,     u"C2"_s,     u"G1"_s,
                         u"Ｊ２"_s, u"J1"_s, u"SS400"_s, u"SN490B"_s, u"SM490A"_s, u"STKR400"_s,
                         u"H"_s,    u"BH"_s, u"400"_s,   u"200"_s,    u"9"_s,      u"12.5"_s,
                         u"abc"_s,  u"･"_s,  u" "_s,     QString()};

} // namespace

class TestListUndo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void randomSequencesUndoAndRedoExactly_data();
    void randomSequencesUndoAndRedoExactly();
    void undoOfARegistrationTakesItsGradeOutOfTheFile();

private:
    ListWindowState state() const;
    void operate(QRandomGenerator& random);
    void fillColumn(const QString& floor, const QString& mark, const QString& grade);

    std::unique_ptr<QTemporaryDir> m_dir;
    tv::shell::DataRoot m_root;
    MemberLists m_lists;
    AgreeingPrompter m_prompter;
    std::unique_ptr<ListForm> m_form;
};

void TestListUndo::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    makeDataRoot(m_dir->path());
    m_root = tv::shell::DataRoot(m_dir->path());
    m_lists = MemberLists{};
    const auto setFile = [this](const QString& name) { return m_root.file(tv::shell::kSetFolder, name); };
    writeCp932Lines(setFile(u"HasiraKataSiki.ini"_s), {u"H"_s, u"BH"_s, u"C"_s});
    writeCp932Lines(setFile(u"HasiraKikaku.ini"_s), {u"SS400"_s, u"SN490B"_s});
    writeCp932Lines(setFile(u"HtbKata.ini"_s), {u"HTB-F10T"_s});
    writeCp932Lines(setFile(u"BoltKei.ini"_s), {u"M16"_s, u"M20"_s});
    writeCp932Lines(m_root.file(tv::shell::kListFolder, kHasiraListFile),
                    {u"ZZLH'1'C1'H鋼'SS400･H･400･200･8･13'････'････''"_s});
    writeCp932Lines(m_root.file(tv::shell::kListFolder, kHariListFile),
                    {u"ZZLB'2'G1'SS400･H･500･200･10･16'･････"_s});
    writeCp932Lines(m_root.file(tv::shell::kListFolder, kJointListFile), {u"ZZLJ'J1'0"_s});
    m_form = std::make_unique<ListForm>(m_root, m_lists, m_prompter);
    QVERIFY(m_form->open());
}

ListWindowState TestListUndo::state() const {
    const ListForm& f = *m_form;
    ListWindowState s{f.category(),
                      f.shape(),
                      f.beamKind(),
                      {},
                      {},
                      f.JointInpTx(),
                      f.MekkiCh(),
                      gridTexts(f.hasiraGrid()),
                      gridTexts(f.hariGrid()),
                      gridTexts(f.jointGrid()),
                      f.jointMarks(),
                      f.jointNotice(),
                      m_lists.HasiraList,
                      m_lists.HariList,
                      m_lists.JointList,
                      f.gradeCandidates(),
                      {}};
    for (int i = 0; i < ListForm::kColumnFieldCount; ++i)
        s.columnFields.append(f.InpTx(i));
    for (int i = 0; i < ListForm::kBeamFieldCount; ++i)
        s.beamFields.append(f.HariInpTx(i));
    for (const QStringView name : {kHasiraListFile, kHariListFile, kJointListFile})
        s.files.append(readBytes(m_root.file(tv::shell::kListFolder, name)));
    s.files.append(readBytes(m_root.file(tv::shell::kSetFolder, u"HasiraKikaku.ini")));
    return s;
}

void TestListUndo::fillColumn(const QString& floor, const QString& mark, const QString& grade) {
    m_form->selectShape(ColumnShape::H);
    const QStringList fields{floor, mark, grade, u"H"_s, u"400"_s, u"200"_s, u"8"_s, u"13"_s};
    for (int i = 0; i < fields.size(); ++i)
        m_form->setInpTx(i, fields[i]);
}

void TestListUndo::operate(QRandomGenerator& random) {
    ListForm& f = *m_form;
    const auto text = [&random] { return kTexts[int(random.bounded(quint32(kTexts.size())))]; };
    // The fields of a column and its registration come up more often, so that some go through.
    quint32 op = random.bounded(22);
    if (op == 4 || op == 16 || op == 17)
        op = 9;
    else if (op == 18)
        op = 11;
    else if (op > 18)
        op = op < 21 ? 10 : 15;
    switch (op) {
    case 0:
        f.selectCategory(ListCategory(random.bounded(3)));
        break;
    case 1:
        f.selectShape(ColumnShape(random.bounded(3)));
        break;
    case 2:
        f.selectBeamKind(BeamKind(random.bounded(2)));
        break;
    case 3:
        f.setInpTx(int(random.bounded(ListForm::kColumnFieldCount)), text());
        break;
    case 5:
        f.setHariInpTx(int(random.bounded(ListForm::kBeamFieldCount)), text());
        break;
    case 6:
        f.setJointInpTx(text());
        break;
    case 7:
        f.setMekkiCh(random.bounded(2) == 1);
        break;
    case 8:
        f.setJointCell(f.jointGrid().fixedRows() + int(random.bounded(5)),
                       1 + int(random.bounded(ListForm::kJointGridColumns - 1)), text());
        break;
    case 9: { // the fields an H column needs (above all its grade): registrations go through now and then
        const int field = random.bounded(2) == 0 ? 2 : int(random.bounded(8));
        const QStringList plausible{QString::number(1 + random.bounded(3)), u"C%1"_s.arg(random.bounded(4)),
                                    QStringList{u"SS400"_s, u"SM490A"_s, u"SN490C"_s}[int(random.bounded(3))],
                                    u"H"_s};
        f.setInpTx(field, field < 4 ? plausible[field] : QString::number(8 + random.bounded(400)));
        break;
    }
    case 10:
        f.registerEntry();
        break;
    case 11:
        f.selectColumnRow(f.hasiraGrid().fixedRows() + int(random.bounded(4)));
        break;
    case 12:
        f.selectBeamRow(f.hariGrid().fixedRows() + int(random.bounded(3)));
        break;
    case 13:
        f.selectJointMark(int(random.bounded(3)));
        break;
    case 14:
        f.command(int(ListForm::ClearColumn) + int(random.bounded(ListForm::kCommandCount - 1)));
        break;
    default:
        f.deleteColumn();
        break;
    }
}

void TestListUndo::randomSequencesUndoAndRedoExactly_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {3u, 11u, 2026u, 65537u})
        QTest::newRow(qPrintable(u"seed %1"_s.arg(seed))) << seed;
}

void TestListUndo::randomSequencesUndoAndRedoExactly() {
    QFETCH(quint32, seed);
    checkHistory<ListWindowState>({m_form->history(), [this] { return state(); },
                                   [this](QRandomGenerator& random) { operate(random); },
                                   [this] { return m_form->undo(); }, [this] { return m_form->redo(); }},
                                  seed);
}

void TestListUndo::undoOfARegistrationTakesItsGradeOutOfTheFile() {
    const QString gradeFile = m_root.file(tv::shell::kSetFolder, u"HasiraKikaku.ini");
    const QByteArray before = readBytes(gradeFile);
    fillColumn(u"3"_s, u"C7"_s, u"SM520B"_s);
    m_form->registerEntry();
    QCOMPARE(readBytes(gradeFile), cp932Lines({u"SS400"_s, u"SN490B"_s, u"SM520B"_s}));
    QVERIFY(m_form->hasUnsavedChanges());
    QVERIFY(m_form->undo()); // the registration
    QCOMPARE(readBytes(gradeFile), before);
    QCOMPARE(m_lists.HasiraList.size(), 2);
    QCOMPARE(m_form->InpTx(2), u"SM520B"_s); // the typing before it stays
    QVERIFY(m_form->redo());
    QCOMPARE(readBytes(gradeFile), cp932Lines({u"SS400"_s, u"SN490B"_s, u"SM520B"_s}));
    QCOMPARE(m_lists.HasiraList.size(), 3);
}

QTEST_GUILESS_MAIN(TestListUndo)
#include "tst_lists_undo.moc"
