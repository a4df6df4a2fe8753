// The installation: laid down on an empty folder, never overwriting, every file CP932.
#include "services/cp932.h"
#include "shell/installation.h"
#include "shell/project_bundle.h"
#include "shell/working_files.h"
#include "shell/record_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;

class TestInstallation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void laysDownTheTreeOnceAndDecodes();
    void keepsExistingFiles();
    void unitWeightsHoldTheReferenceTable();
    void referenceListsNameWhatTheRulesUse();
    void sampleProjectOpens();
    void startLaysDownOnlyFilesWithoutUserData();
};

namespace {
QMap<QString, QByteArray> allFiles(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        files[QDir(root).relativeFilePath(p)] = readBytes(p);
    }
    return files;
}
} // namespace

void TestInstallation::laysDownTheTreeOnceAndDecodes() {
    QTemporaryDir dir;
    const DataRoot root(QDir(dir.path()).filePath(u"Torvanel"_s));
    const InstallReport first = layDownInstallation(root);
    QVERIFY(first.status.ok());
    for (const char* folder : {"Data", "List", "set", "WorkData", "info"})
        QVERIFY(QFileInfo(root.folder(QString::fromLatin1(folder))).isDir());
    const auto files = allFiles(root.path());
    for (const char* name : {"set/HasiraKikaku.ini", "set/HtbKata.ini", "set/BoltKei.ini", "set/PLName.ini",
                             "set/HasiraKataSiki.ini", "set/BukkenName.ini", "set/BuzaiWeight.ini",
                             "set/Kansan.ini", "set/Kikaku.ini", "List/HasiraListData.ini",
                             "List/HariListData.ini", "List/JointListData.ini", "WorkData/WorkData-1.ini",
                             "WorkData/WorkData-2.ini", "WorkData/WorkData-3.ini", "info/info-0.txt",
                             "info/info-1.txt", "info/info-2.txt", "info/info-3.txt", "info/info-4.txt",
                             "info/info-5.txt"})
        QVERIFY2(files.contains(QString::fromLatin1(name)), name);
    for (auto it = files.begin(); it != files.end(); ++it) {
        QVERIFY2(tv::services::Cp932::decode(it.value()), qPrintable(it.key()));
        QVERIFY2(it.value().isEmpty() || it.value().endsWith("\r\n"), qPrintable(it.key()));
    }
    QVERIFY(files.value(u"set/Kansan.ini"_s).startsWith("ZZKN'HF1'4'0.44\r\n"));
    QCOMPARE(files.value(u"set/BukkenName.ini"_s), QByteArray("\r\n\r\n"));
    QVERIFY(readLines(root.file(kInfoFolder, u"info-0.txt"_s)).lines.size() > 10);

    const InstallReport second = layDownInstallation(root);
    QVERIFY(second.status.ok());
    QVERIFY(second.created.isEmpty());
    QCOMPARE(allFiles(root.path()), files);
}

void TestInstallation::keepsExistingFiles() {
    QTemporaryDir dir;
    const DataRoot root(dir.path());
    makeDataFolders(dir.path());
    writeCp932Lines(root.file(kSetFolder, u"HasiraKikaku.ini"_s), {u"SN490C"_s});
    writeCp932Lines(root.file(kSetFolder, u"Kansan.ini"_s), {u"ZZKN'HT1'12'4.79"_s});
    QVERIFY(layDownInstallation(root).status.ok());
    QCOMPARE(readLines(root.file(kSetFolder, u"HasiraKikaku.ini"_s)).lines, QStringList{u"SN490C"_s});
    QCOMPARE(readLines(root.file(kSetFolder, u"Kansan.ini"_s)).lines, QStringList{u"ZZKN'HT1'12'4.79"_s});
}

void TestInstallation::unitWeightsHoldTheReferenceTable() {
    QTemporaryDir dir;
    const DataRoot root(dir.path());
    QVERIFY(layDownInstallation(root).status.ok());
    const auto records = splitRecords(readLines(root.file(kSetFolder, u"BuzaiWeight.ini"_s)).lines);
    QCOMPARE(records.size(), 277);
    QCOMPARE(records.first(), (QStringList{u"ZZBW"_s, u"H鋼"_s, u"100*50*5*7"_s, u"9.30"_s, QString()}));
    const auto has = [&](const QString& name, const QString& size, const QString& weight) {
        for (const auto& r : records)
            if (r.value(1) == name && r.value(2) == size)
                return r.value(3) == weight;
        return false;
    };
    QVERIFY(has(u"H鋼"_s, u"400*200*8*13"_s, u"65.4"_s));
    QVERIFY(has(u"普通鋼板"_s, u"9"_s, u"70.65"_s));
}

void TestInstallation::referenceListsNameWhatTheRulesUse() {
    QTemporaryDir dir;
    const DataRoot root(dir.path());
    QVERIFY(layDownInstallation(root).status.ok());
    const auto list = [&](const char* name) {
        return readLines(root.file(kSetFolder, QString::fromLatin1(name))).lines;
    };
    for (const QString& kind : {u"HTB-F8T"_s, u"普通ボルト"_s})
        QVERIFY(list("HtbKata.ini").contains(kind));
    for (const QString& d : {u"M12"_s, u"M16"_s, u"M20"_s, u"M22"_s, u"M24"_s})
        QVERIFY(list("BoltKei.ini").contains(d));
    for (const QString& p : {u"ベースプレート"_s, u"ダイアフラム"_s, u"ガセット"_s, u"スチフナー"_s, u"リブ"_s,
                             u"スプライス"_s, u"平鋼"_s})
        QVERIFY(list("PLName.ini").contains(p));
    for (const QString& t : {u"C"_s, u"2C"_s})
        QVERIFY(list("HasiraKataSiki.ini").contains(t));
    QVERIFY(!list("HasiraKikaku.ini").isEmpty());
}

void TestInstallation::sampleProjectOpens() {
    QTemporaryDir dir;
    const DataRoot root(dir.path());
    QVERIFY(layDownInstallation(root).status.ok());
    const QString sample = root.file(kDataFolder, u"サンプル物件.tkd"_s);
    QVERIFY(QFileInfo::exists(sample));
    const ProjectBundle::Reading reading = ProjectBundle::read(sample);
    QVERIFY2(reading.refusal.isEmpty() && reading.doubts.isEmpty(), qPrintable(reading.refusal + reading.doubts.join(u'\n')));
    QVERIFY(ProjectBundle::open(root, reading, u"サンプル物件"_s, sample).ok());
    for (int i : {0, 1, 2, 3, 4}) // lists, unit weights and weld rates all come with the sample
        QVERIFY2(!readLines(workingFilePath(root, kWorkingFiles[i])).lines.isEmpty(),
                 qPrintable(kWorkingFiles[i].name.toString()));
}

void TestInstallation::startLaysDownOnlyFilesWithoutUserData() {
    QTemporaryDir dir;
    const DataRoot root(dir.path());
    QVERIFY(layDownInstallation(root).status.ok());
    const QStringList userData{u"WorkData/WorkData-1.ini"_s, u"List/JointListData.ini"_s,
                               u"set/BuzaiWeight.ini"_s, u"set/Kansan.ini"_s, u"set/BukkenName.ini"_s};
    const QStringList shipped{u"info/info-3.txt"_s, u"set/HtbKata.ini"_s, u"Data/サンプル物件.tkd"_s};
    for (const QString& relative : userData + shipped)
        QVERIFY(QFile::remove(QDir(dir.path()).filePath(relative)));
    const auto created = [&](const InstallReport& report) {
        QStringList relative;
        for (const QString& path : report.created)
            relative.append(QDir(dir.path()).relativeFilePath(path));
        relative.sort();
        return relative;
    };
    const auto sorted = [](QStringList list) {
        list.sort();
        return list;
    };
    // A start: the files without user data only; a lost working file stays lost, to be reported.
    QCOMPARE(created(layDownInstallation(root, InstallScope::AtStart)), sorted(shipped));
    // init, asked for by the user: the rest.
    QCOMPARE(created(layDownInstallation(root, InstallScope::Everything)), sorted(userData));
}

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_shell_installation.moc"
