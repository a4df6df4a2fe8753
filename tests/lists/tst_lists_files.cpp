// The member-list files: loading with its padding rules, saving without deleted entries, the line
// formats, and a realistic project that must survive a load and a save byte for byte.
#include "lists/list_files.h"
#include "shell/record_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::lists;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

const QString kDot = QString(kPartSeparator);
const QString kEmpty5 = emptyLine(5);
const QString kEmpty8 = emptyLine(8);

QString parts(const QStringList& values) {
    return joinParts(values);
}

HasiraListEntry column(const QString& floor, const QString& mark, const QString& shape = {}) {
    HasiraListEntry e;
    e.Floor = floor;
    e.Mark = mark;
    e.Shape = shape;
    return e;
}

JointListEntry joint(const QString& mark) {
    JointListEntry e;
    e.Mark = mark;
    return e;
}

// The live entries of a list (without deleted ones and the empty last element).
template <typename Entry> QList<Entry> live(const QList<Entry>& list) {
    QList<Entry> out;
    for (const Entry& e : list)
        if (!e.isDeleted())
            out.append(e);
    return out;
}

} // namespace

class TestListFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void loadHasiraLines_data();
    void loadHasiraLines();
    void loadJointLines_data();
    void loadJointLines();
    void loadKeepsTheEmptyLastElementAndDuplicates();
    void missingFilesAreRefusedAndCreatedBySave();
    void unreadableFileIsRefusedAndLeavesListsEmpty();
    void saveSkipsDeletedEntriesAndKeepsOrder();
    void saveWritesTheLineFormats();
    void saveRefusesUnencodableTextAndWritesNothing();
    void typedSeparatorShiftsTheParts();
    void realisticProjectRoundTripsByteForByte();

private:
    QString listFile(QStringView name) const { return m_root.file(tv::shell::kListFolder, name); }
    QTemporaryDir m_dir;
    tv::shell::DataRoot m_root;
};

void TestListFiles::init() {
    QVERIFY(m_dir.isValid());
    m_root = tv::shell::DataRoot(m_dir.path());
    QDir(m_dir.path()).removeRecursively();
    makeDataRoot(m_dir.path());
}

void TestListFiles::loadHasiraLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("full line") << u"ZZLH'1'C1'H鋼'SN490B･H･400･200･8･13'････'････''"_s
                               << QStringList{u"1"_s,    u"C1"_s,   u"H鋼"_s,  u"SN490B･H･400･200･8･13"_s,
                                              u"････"_s, u"････"_s, QString(), QString()};
    QTest::newRow("short line is padded")
        << u"ZZLH'2'C2'鋼管(角)"_s
        << QStringList{u"2"_s, u"C2"_s, u"鋼管(角)"_s, QString(), QString(), QString(), QString(), QString()};
    QTest::newRow("surplus fields are ignored")
        << u"ZZLH'3'C3'H鋼'a'b'c'r1'r2'extra"_s
        << QStringList{u"3"_s, u"C3"_s, u"H鋼"_s, u"a"_s, u"b"_s, u"c"_s, u"r1"_s, u"r2"_s};
    QTest::newRow("tag is not examined")
        << u"XXXX'R'P1"_s
        << QStringList{u"R"_s, u"P1"_s, QString(), QString(), QString(), QString(), QString(), QString()};
}

void TestListFiles::loadHasiraLines() {
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    writeCp932Lines(listFile(kHasiraListFile), {QString(), line, QString()});
    MemberLists lists;
    QVERIFY(LoadLists(m_root, lists).ok());
    QCOMPARE(lists.HasiraList.size(), 2);
    const HasiraListEntry& e = lists.HasiraList[0];
    QCOMPARE((QStringList{e.Floor, e.Mark, e.Shape, e.Spec1, e.Spec2, e.Spec3, e.Reserved1, e.Reserved2}),
             fields);
}

void TestListFiles::loadJointLines_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("galvanized");
    QTest::addColumn<QStringList>("flange");
    QTest::addColumn<QStringList>("filler");
    const QString f1 = u"SN490B･9･200･410･1･HTB-F10T･M20･12"_s;
    QTest::newRow("groups of five")
        << u"ZZLJ'J1'1'%1:%2:%2:%2:%2'%2:%2:%2:%2:%2'SS400･2.3･200･190･2:%3:%3:%3:%3"_s.arg(f1, kEmpty8,
                                                                                            kEmpty5)
        << u"1"_s << QStringList{f1, kEmpty8, kEmpty8, kEmpty8, kEmpty8}
        << QStringList{u"SS400･2.3･200･190･2"_s, kEmpty5, kEmpty5, kEmpty5, kEmpty5};
    QTest::newRow("short groups load with empty lines")
        << u"ZZLJ'J2'0'%1:%2'%2"_s.arg(f1, kEmpty8) << u"0"_s
        << QStringList{f1, kEmpty8, QString(), QString(), QString()}
        << QStringList{QString(), QString(), QString(), QString(), QString()};
    QTest::newRow("line without groups")
        << u"ZZLJ'J3"_s << QString() << QStringList(5, QString()) << QStringList(5, QString());
}

void TestListFiles::loadJointLines() {
    QFETCH(QString, line);
    QFETCH(QString, galvanized);
    QFETCH(QStringList, flange);
    QFETCH(QStringList, filler);
    writeCp932Lines(listFile(kJointListFile), {line});
    MemberLists lists;
    QVERIFY(LoadLists(m_root, lists).ok());
    QCOMPARE(lists.JointList.size(), 2);
    const JointListEntry& e = lists.JointList[0];
    QCOMPARE(e.Galvanized, galvanized);
    QCOMPARE(QStringList(e.FlangeLines.begin(), e.FlangeLines.end()), flange);
    QCOMPARE(QStringList(e.FillerLines.begin(), e.FillerLines.end()), filler);
}

void TestListFiles::loadKeepsTheEmptyLastElementAndDuplicates() {
    writeCp932Lines(listFile(kHasiraListFile), {});
    writeCp932Lines(listFile(kHariListFile), {u"ZZLB'2'G1'a'b"_s, QString(), QString(), u"ZZLB'2'G1'c'd"_s});
    writeCp932Lines(listFile(kJointListFile), {QString(), QString()});
    MemberLists lists;
    lists.HasiraList.prepend(column(u"stale"_s, {}));
    QVERIFY(LoadLists(m_root, lists).ok());
    QCOMPARE(lists.HasiraList, QList<HasiraListEntry>{HasiraListEntry{}});
    QCOMPARE(lists.JointList, QList<JointListEntry>{JointListEntry{}});
    QCOMPARE(lists.HariList.size(), 3); // both entries of the same key, then the empty element
    QCOMPARE(lists.HariList[0].Centre, u"a"_s);
    QCOMPARE(lists.HariList[1].Centre, u"c"_s);
    QCOMPARE(lists.HariList[2], HariListEntry{});
}

void TestListFiles::missingFilesAreRefusedAndCreatedBySave() {
    // A lost list file is named, not taken for an empty list.
    QVERIFY(QFile::remove(listFile(kHasiraListFile)));
    QVERIFY(QFile::remove(listFile(kHariListFile)));
    MemberLists lists;
    QCOMPARE(LoadLists(m_root, lists).error,
             u"ファイル「%1」がありません。"_s.arg(QDir::toNativeSeparators(listFile(kHasiraListFile))));
    // Saving the lists lays their files down again.
    MemberLists saved;
    appendEntry(saved.HariList, HariListEntry{u"2"_s, u"G1"_s, u"a"_s, u"b"_s});
    QVERIFY(SaveLists(m_root, saved).ok());
    QCOMPARE(readBytes(listFile(kHariListFile)), cp932Lines({u"ZZLB'2'G1'a'b"_s}));
    QVERIFY(QFile::exists(listFile(kHasiraListFile)));
    QCOMPARE(readBytes(listFile(kJointListFile)), QByteArray());
}

void TestListFiles::unreadableFileIsRefusedAndLeavesListsEmpty() {
    writeCp932Lines(listFile(kHasiraListFile), {u"ZZLH'1'C1'H鋼"_s});
    writeBytes(listFile(kHariListFile), QByteArray("ZZLB'2'G1\r\nZZLB'\x82\r\n"));
    MemberLists lists;
    const tv::services::Status status = LoadLists(m_root, lists);
    QVERIFY(!status.ok());
    QVERIFY(status.error.contains(u"HariListData.ini"_s));
    QVERIFY(status.error.contains(u"2行目"_s));
    QCOMPARE(lists.HasiraList.size(), 1);
    QCOMPARE(lists.HariList.size(), 1);
}

void TestListFiles::saveSkipsDeletedEntriesAndKeepsOrder() {
    MemberLists lists;
    appendEntry(lists.HasiraList, column(u"2"_s, u"C1"_s, u"H鋼"_s));
    appendEntry(lists.HasiraList, column(u"1"_s, u"C2"_s, u"H鋼"_s));
    appendEntry(lists.HasiraList, column(u"1"_s, u"C1"_s, u"H鋼"_s));
    appendEntry(lists.JointList, joint(u"J1"_s));
    lists.HasiraList[1].Floor.clear();
    lists.JointList[0].Mark.clear();
    QVERIFY(SaveLists(m_root, lists).ok());
    QCOMPARE(readBytes(listFile(kHasiraListFile)),
             cp932Lines({u"ZZLH'2'C1'H鋼'''''"_s, u"ZZLH'1'C1'H鋼'''''"_s}));
    QCOMPARE(readBytes(listFile(kJointListFile)), QByteArray());

    MemberLists reloaded;
    QVERIFY(LoadLists(m_root, reloaded).ok());
    QCOMPARE(live(reloaded.HasiraList).size(), 2);
    QCOMPARE(reloaded.HasiraList.size(), 3);
}

void TestListFiles::saveWritesTheLineFormats() {
    MemberLists lists;
    // A round tube: three values and three empty parts, ② and ③ four separators only.
    const HasiraListEntry round{
        u"R"_s,  u"P1"_s, u"鋼管(丸)"_s, parts({u"STK400"_s, u"216.3"_s, u"8.2"_s, {}, {}, {}}),
        kEmpty5, kEmpty5, QString(),     QString()};
    appendEntry(lists.HasiraList, round);
    appendEntry(lists.HariList, HariListEntry{u"小梁"_s, u"B1"_s, u"SS400･H･300･150･6.5･9"_s, emptyLine(6)});
    // A joint whose only used flange line is the first.
    JointListEntry joint = ::joint(u"J1"_s);
    joint.FlangeLines = {u"SN490B･9･200･410･1･HTB-F10T･M20･12"_s, kEmpty8, kEmpty8, kEmpty8, kEmpty8};
    joint.WebLines = {kEmpty8, kEmpty8, kEmpty8, kEmpty8, kEmpty8};
    joint.FillerLines = {kEmpty5, kEmpty5, kEmpty5, kEmpty5, kEmpty5};
    joint.Galvanized = u"1"_s;
    appendEntry(lists.JointList, joint);
    QVERIFY(SaveLists(m_root, lists).ok());

    QCOMPARE(readBytes(listFile(kHasiraListFile)),
             cp932Lines({u"ZZLH'R'P1'鋼管(丸)'STK400･216.3･8.2･･･'････'････''"_s}));
    QCOMPARE(readBytes(listFile(kHariListFile)), cp932Lines({u"ZZLB'小梁'B1'SS400･H･300･150･6.5･9'･････"_s}));
    const QString e8 = kEmpty8, e5 = kEmpty5;
    QCOMPARE(readBytes(listFile(kJointListFile)),
             cp932Lines({u"ZZLJ'J1'1'SN490B･9･200･410･1･HTB-F10T･M20･12:"_s + QStringList(4, e8).join(u':') +
                         u"'"_s + QStringList(5, e8).join(u':') + u"'"_s + QStringList(5, e5).join(u':')}));

    MemberLists reloaded;
    QVERIFY(LoadLists(m_root, reloaded).ok());
    QCOMPARE(reloaded.HasiraList[0], round);
    QCOMPARE(splitParts(reloaded.HasiraList[0].Spec1, 6),
             (QStringList{u"STK400"_s, u"216.3"_s, u"8.2"_s, {}, {}, {}}));
    QCOMPARE(reloaded.JointList[0], joint);
}

void TestListFiles::saveRefusesUnencodableTextAndWritesNothing() {
    writeCp932Lines(listFile(kHasiraListFile), {u"ZZLH'1'C1'H鋼"_s});
    MemberLists lists;
    appendEntry(lists.HasiraList, column(u"1"_s, u"C9"_s));
    appendEntry(lists.JointList, joint(u"J😀"_s));
    const tv::services::Status status = SaveLists(m_root, lists);
    QVERIFY(!status.ok());
    QVERIFY(status.error.contains(u"U+1F600"_s));
    QCOMPARE(readBytes(listFile(kHasiraListFile)), cp932Lines({u"ZZLH'1'C1'H鋼"_s}));
    QCOMPARE(readBytes(listFile(kJointListFile)), QByteArray());
}

void TestListFiles::typedSeparatorShiftsTheParts() {
    // Why the window refuses "･" in a value: the stored field splits into one more part.
    const QString section = joinParts({u"SN490B"_s, u"H･X"_s, u"400"_s, u"200"_s, u"8"_s, u"13"_s});
    QCOMPARE(splitParts(section, 6), (QStringList{u"SN490B"_s, u"H"_s, u"X"_s, u"400"_s, u"200"_s, u"8"_s}));
    QCOMPARE(splitParts(u"a"_s, 3), (QStringList{u"a"_s, {}, {}}));
}

void TestListFiles::realisticProjectRoundTripsByteForByte() {
    const QString source = QStringLiteral(TV_TEST_DATA_DIR) + u"/lists/"_s;
    QByteArrayList originals;
    for (QStringView name : {kHasiraListFile, kHariListFile, kJointListFile}) {
        originals.append(readBytes(source + name.toString()));
        QVERIFY(originals.last().size() > 1000);
        writeBytes(listFile(name), originals.last());
    }
    MemberLists lists;
    QVERIFY(LoadLists(m_root, lists).ok());
    QVERIFY(live(lists.HasiraList).size() >= 30);
    QVERIFY(live(lists.HariList).size() >= 20);
    QVERIFY(live(lists.JointList).size() >= 15);
    QVERIFY(SaveLists(m_root, lists).ok());
    int i = 0;
    for (QStringView name : {kHasiraListFile, kHariListFile, kJointListFile}) {
        // Line by line first, so that a failure shows the line that changed.
        const QByteArrayList saved = readBytes(listFile(name)).split('\n');
        const QByteArrayList original = originals[i++].split('\n');
        for (qsizetype line = 0; line < std::min(saved.size(), original.size()); ++line)
            QCOMPARE(saved[line], original[line]);
        QCOMPARE(saved.size(), original.size());
    }
}

QTEST_GUILESS_MAIN(TestListFiles)
#include "tst_lists_files.moc"
