// The commands faced with foreign, damaged, read-only or missing files: each refuses or asks as it
// should, ends with its exit code, and leaves every file under the data root as it was.
#include "shell/installation.h"
#include "shell/project_bundle.h"
#include "shell/record_file.h"
#include "shell/tree_snapshot.h"
#include "shell/working_files.h"
#include "support/test_files.h"
#include "torvanel_run.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <unistd.h>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

using Fixture = std::function<void(const DataRoot&)>;

QString fileOf(const DataRoot& root, int index) {
    return workingFilePath(root, kWorkingFiles[size_t(index)]);
}

// A data root with the installation and the open project A棟, saved, with a list, a weld rate and
// two column sheet rows; and a second project B棟 in Data.
void makeProject(const DataRoot& root) {
    QVERIFY(layDownInstallation(root).status.ok());
    const QString b = root.file(kDataFolder, u"B棟.tkd"_s);
    QVERIFY(ProjectBundle::createNew(root, u"B棟"_s, b).ok());
    const QString a = root.file(kDataFolder, u"A棟.tkd"_s);
    QVERIFY(ProjectBundle::createNew(root, u"A棟"_s, a).ok());
    QVERIFY(writeLines(fileOf(root, 0), {u"ZZLH'2F'C1'H'400*200*8*13'''"_s}).ok());
    QVERIFY(writeLines(fileOf(root, 4), {u"ZZKN'H'6'1"_s, u"ZZKN'H'9'2.25"_s}).ok());
    QVERIFY(writeLines(fileOf(root, 6), {u"ZZ01''柱'2'C1''SN490B'H鋼'400*200*8*13'3500'2"_s,
                                         u"ZZ01''''''SN490B'DIA.PL'PL-25×500×500'1'4"_s})
                .ok());
    QVERIFY(ProjectBundle::save(root, a).ok());
}

// The program run as an ordinary user: root passes every permission check. As root the run goes
// through setpriv (or runuser) as `nobody`, on a data root handed over to that user.
struct OrdinaryUser {
    QString program;
    QStringList prefix;
    QString skipReason; // why no ordinary user can be had

    // The program where the ordinary user can run it: a copy in a temporary folder open to all, since
    // the build folder may lie inside a home folder closed to other users.
    static QString reachableProgram() {
        static QTemporaryDir dir;
        const QString copy = QDir(dir.path()).filePath(u"torvanel"_s);
        if (!QFileInfo::exists(copy)) {
            const auto open = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                              QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
            QFile::copy(QStringLiteral(TV_EXECUTABLE), copy);
            QFile::setPermissions(dir.path(), open);
            QFile::setPermissions(copy, open);
        }
        return copy;
    }

    static OrdinaryUser find() {
        if (::geteuid() != 0)
            return {QStringLiteral(TV_EXECUTABLE), {}, {}};
        for (const QString& tool : {u"setpriv"_s, u"runuser"_s}) {
            const QString path =
                QStandardPaths::findExecutable(tool, {u"/usr/bin"_s, u"/usr/sbin"_s, u"/bin"_s, u"/sbin"_s});
            if (path.isEmpty())
                continue;
            const QStringList prefix =
                tool == u"setpriv"
                    ? QStringList{u"--reuid=nobody"_s, u"--regid=nogroup"_s, u"--clear-groups"_s, u"--"_s}
                    : QStringList{u"-u"_s, u"nobody"_s, u"--"_s};
            return {path, prefix + QStringList{reachableProgram()}, {}};
        }
        return {{}, {}, u"running as root without setpriv or runuser to run as an ordinary user"_s};
    }

    // Hands `folder` and everything in it to the ordinary user.
    void own(const QString& folder) const {
        if (::geteuid() == 0)
            QCOMPARE(QProcess::execute(u"chown"_s, {u"-R"_s, u"nobody:nogroup"_s, folder}), 0);
    }

    Run run(const QString& root, const QStringList& args) const {
        QProcess p;
        p.start(program, prefix + QStringList{u"--data-root"_s, root} + args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
    }
};

} // namespace

Q_DECLARE_METATYPE(Fixture)

class TestRefusals : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void refusedOrAskedChangingNothing_data();
    void refusedOrAskedChangingNothing();
    void initSettlesAnInterruptedSwitchFirst_data();
    void initSettlesAnInterruptedSwitchFirst();
    void readOnlyStaysReadOnly_data();
    void readOnlyStaysReadOnly();
    void fullDiskIsReportedAsSuch();
};

void TestRefusals::refusedOrAskedChangingNothing_data() {
    QTest::addColumn<Fixture>("fixture");
    QTest::addColumn<QStringList>("command"); // "ROOT/" stands for the data root
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");

    const auto copyAsBundle = [](int index) {
        return Fixture([index](const DataRoot& root) {
            QVERIFY(QFile::copy(fileOf(root, index), root.file(kDataFolder, u"x.tkd"_s)));
        });
    };
    const QStringList openX{u"project"_s, u"open"_s, u"ROOT/Data/x.tkd"_s};
    QTest::newRow("the column work file renamed to .tkd")
        << copyAsBundle(6) << openX << 2 << u"行がすべて「WorkData-1.ini」のもの"_s;
    QTest::newRow("the weld-rate registry renamed to .tkd")
        << copyAsBundle(4) << openX << 2 << u"Kansan.ini"_s;
    QTest::newRow("an older bundle without unit weights") << Fixture([](const DataRoot& root) {
        writeCp932Lines(root.file(kDataFolder, u"x.tkd"_s), {u"ZZLH'3F'C2'H'a"_s, u"ZZ01''柱'3'C2"_s});
    }) << openX << 1 << u"部材単位重量(BuzaiWeight.ini)の行がありません。"_s;
    QTest::newRow("a saved bundle with two lines swapped") << Fixture([](const DataRoot& root) {
        const QString a = root.file(kDataFolder, u"A棟.tkd"_s);
        QList<QByteArray> lines = readBytes(a).split('\n');
        lines.swapItemsAt(1, 2);
        writeBytes(a, lines.join('\n'));
    }) << QStringList{u"project"_s, u"open"_s, u"ROOT/Data/A棟.tkd"_s}
                                                           << 1 << u"チェックサムが一致しません"_s;

    const auto crOnly = [](int index) {
        return Fixture([index](const DataRoot& root) {
            writeBytes(fileOf(root, index), readBytes(fileOf(root, index)).replace("\r\n", "\r"));
        });
    };
    QTest::newRow("a column work file with CR-only line ends, printed")
        << crOnly(6) << QStringList{u"print"_s, u"column-sheet"_s, u"--pdf"_s, u"PDF"_s} << 2
        << u"WorkData-1.ini」を読み込めません。\n1行目の改行がCRだけです"_s;
    QTest::newRow("a column work file with CR-only line ends, totals")
        << crOnly(6) << QStringList{u"totals"_s} << 2 << u"WorkData-1.ini"_s;
    QTest::newRow("a weld-rate registry with CR-only line ends, totals")
        << crOnly(4) << QStringList{u"totals"_s} << 2 << u"Kansan.ini"_s;

    // A missing file is reported, never laid down empty by another command.
    const auto removed = [](const QString& relative) {
        return Fixture([relative](const DataRoot& root) {
            QVERIFY(QFile::remove(QDir(root.path()).filePath(relative)));
        });
    };
    const QString work1 = u"WorkData/WorkData-1.ini"_s;
    QTest::newRow("the column work file missing, printed")
        << removed(work1) << QStringList{u"print"_s, u"column-sheet"_s, u"--pdf"_s, u"PDF"_s} << 2
        << u"WorkData-1.ini」がありません。"_s;
    QTest::newRow("the column work file missing, totals")
        << removed(work1) << QStringList{u"totals"_s} << 2 << u"WorkData-1.ini」がありません。"_s;
    QTest::newRow("the column work file missing, the secondary sheet printed")
        << removed(work1) << QStringList{u"print"_s, u"secondary"_s, u"--pdf"_s, u"PDF"_s} << 0
        << u"PDFファイルに保存しました"_s;
    QTest::newRow("a list file missing, totals")
        << removed(u"List/JointListData.ini"_s) << QStringList{u"totals"_s} << 2
        << u"JointListData.ini」がありません。"_s;
    QTest::newRow("the unit weights missing, save")
        << removed(u"set/BuzaiWeight.ini"_s) << QStringList{u"project"_s, u"save"_s} << 2
        << u"BuzaiWeight.ini」がありません。"_s;
    QTest::newRow("the weld rates missing, new")
        << removed(u"set/Kansan.ini"_s) << QStringList{u"project"_s, u"new"_s, u"ROOT/Data/C棟.tkd"_s} << 2
        << u"Kansan.ini」がありません。"_s;
    QTest::newRow("the current-project record missing, the secondary sheet printed")
        << removed(u"set/BukkenName.ini"_s) << QStringList{u"print"_s, u"secondary"_s, u"--pdf"_s, u"PDF"_s}
        << 0 << u"BukkenName.ini」がありません。"_s;
}

void TestRefusals::refusedOrAskedChangingNothing() {
    QFETCH(Fixture, fixture);
    QFETCH(QStringList, command);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QTemporaryDir dir;
    QTemporaryDir output;
    const DataRoot root(dir.path());
    makeProject(root);
    fixture(root);
    const auto before = snapshotTree(dir.path());

    const QString pdf = QDir(output.path()).filePath(u"out.pdf"_s);
    for (QString& word : command)
        word = word == u"PDF" ? pdf : word.replace(u"ROOT/"_s, dir.path() + u'/');
    const Run run = torvanel(dir.path(), command);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(said), qPrintable(run.err));
    const auto after = snapshotTree(dir.path());
    QVERIFY2(after == before, qPrintable(differences(before, after).join(u", ")));
    if (exitCode != 0)
        QVERIFY(!QFileInfo::exists(pdf));
}

void TestRefusals::initSettlesAnInterruptedSwitchFirst_data() {
    QTest::addColumn<QString>("phase");
    QTest::addColumn<QByteArray>("expected"); // the column work file after init
    QTest::newRow("committed: finished") << u"commit"_s << QByteArray("ZZ01'B棟の行\r\n");
    QTest::newRow("being undone: undone") << u"rollback"_s << QByteArray("ZZ01'A棟の行\r\n");
}

void TestRefusals::initSettlesAnInterruptedSwitchFirst() {
    QFETCH(QString, phase);
    QFETCH(QByteArray, expected);
    QTemporaryDir dir;
    const DataRoot root(dir.path());
    makeProject(root);
    // A switch from A棟 to B棟 stopped by a crash after the column work file was moved aside: the
    // file itself is missing, its old bytes beside it, the new ones staged.
    const QString work = fileOf(root, 6);
    const QString folder = QFileInfo(work).absolutePath();
    QVERIFY(QFile::remove(work));
    writeBytes(folder + u"/.WorkData-1.ini.tvold"_s, "ZZ01'A棟の行\r\n");
    if (phase == u"commit")
        writeBytes(folder + u"/.WorkData-1.ini.tvstage"_s, "ZZ01'B棟の行\r\n");
    writeBytes(root.file(kSetFolder, u".project-switch.journal"_s),
               (phase + u"\n1\t"_s + QFileInfo(work).absoluteFilePath() + u'\n').toUtf8());

    const Run run = torvanel(dir.path(), {u"init"_s});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(!run.err.contains(u"WorkData-1.ini"_s), qPrintable(run.err)); // not laid down
    QCOMPARE(readBytes(work), expected);
    const QStringList left = QDir(folder).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, (QStringList{u"WorkData-1.ini"_s, u"WorkData-2.ini"_s, u"WorkData-3.ini"_s}));
    QVERIFY(!QFileInfo::exists(root.file(kSetFolder, u".project-switch.journal"_s)));
}

void TestRefusals::readOnlyStaysReadOnly_data() {
    QTest::addColumn<QString>("readOnly"); // relative to the data root
    QTest::addColumn<QStringList>("command");
    QTest::newRow("a read-only work file, open")
        << u"WorkData/WorkData-1.ini"_s << QStringList{u"project"_s, u"open"_s, u"ROOT/Data/B棟.tkd"_s};
    QTest::newRow("a read-only work file, new")
        << u"WorkData/WorkData-1.ini"_s << QStringList{u"project"_s, u"new"_s, u"ROOT/Data/C棟.tkd"_s};
    QTest::newRow("a read-only list folder, open")
        << u"List"_s << QStringList{u"project"_s, u"open"_s, u"ROOT/Data/B棟.tkd"_s};
    QTest::newRow("a read-only current-project record, new")
        << u"set/BukkenName.ini"_s << QStringList{u"project"_s, u"new"_s, u"ROOT/Data/C棟.tkd"_s};
    QTest::newRow("a read-only bundle, save") << u"Data/A棟.tkd"_s << QStringList{u"project"_s, u"save"_s};
}

void TestRefusals::readOnlyStaysReadOnly() {
    QFETCH(QString, readOnly);
    QFETCH(QStringList, command);
    const OrdinaryUser user = OrdinaryUser::find();
    if (!user.skipReason.isEmpty())
        QSKIP(qPrintable(user.skipReason));
    QTemporaryDir dir;
    const DataRoot root(dir.path());
    makeProject(root);
    const QString target = QDir(dir.path()).filePath(readOnly);
    const bool folder = QFileInfo(target).isDir();
    user.own(dir.path());
    const auto permissions = folder ? QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther
                                    : QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(target, permissions));
    const auto before = snapshotTree(dir.path());

    for (QString& word : command)
        word.replace(u"ROOT/"_s, dir.path() + u'/');
    const Run run = user.run(dir.path(), command);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QFileInfo(target).fileName() + u"」に書き込めません。"_s) &&
                 run.err.contains(u"書き込み権限がありません。"_s),
             qPrintable(run.err));
    const auto after = snapshotTree(dir.path());
    QVERIFY2(after == before, qPrintable(differences(before, after).join(u", ")));
    QCOMPARE(QFile::permissions(target) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
             permissions);
}

// A real full disk: a small memory file system, filled. Needs root rights to mount it.
void TestRefusals::fullDiskIsReportedAsSuch() {
    if (::geteuid() != 0)
        QSKIP("mounting a small tmpfs needs root rights (CI runs as root)");
    QTemporaryDir mountPoint;
    if (QProcess::execute(u"mount"_s,
                          {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=1m"_s, u"tmpfs"_s, mountPoint.path()}) != 0)
        QSKIP("this machine does not allow mounting a tmpfs here");
    const auto unmount = qScopeGuard([&] { QProcess::execute(u"umount"_s, {u"-l"_s, mountPoint.path()}); });
    const QString rootPath = QDir(mountPoint.path()).filePath(u"Torvanel"_s);
    makeProject(DataRoot(rootPath));
    const QString filler = QDir(mountPoint.path()).filePath(u"filler"_s);
    const auto fill = [&] {
        QFile file(filler);
        QVERIFY(file.open(QIODevice::Append));
        const QByteArray block(4096, 'x');
        while (file.write(block) == block.size() && file.flush()) {
        }
    };
    fill();
    // A few kilobytes free: the lock file fits, the PDF does not.
    QVERIFY(QFile::resize(filler, QFileInfo(filler).size() - 8 * 1024));
    const auto before = snapshotTree(rootPath);
    const QString pdf = QDir(mountPoint.path()).filePath(u"柱.pdf"_s);
    const Run printed = torvanel(rootPath, {u"print"_s, u"column-sheet"_s, u"--pdf"_s, pdf});
    QCOMPARE(printed.exitCode, 1);
    QVERIFY2(printed.err.contains(u"柱.pdf」に書き込めません。\nディスクの空き容量が不足しています。"_s),
             qPrintable(printed.err));
    QVERIFY(!printed.err.contains(u"保存しました"_s));
    QCOMPARE(QDir(mountPoint.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"filler"_s});
    QCOMPARE(snapshotTree(rootPath), before);

    // No room even for the lock file: the data folder cannot be used, and the disk is named as why.
    fill();
    const Run totals = torvanel(rootPath, {u"totals"_s});
    QCOMPARE(totals.exitCode, 1);
    QVERIFY2(totals.err.contains(u"ディスクの空き容量が不足しています。"_s), qPrintable(totals.err));
    QVERIFY2(!totals.err.contains(u"権限"_s), qPrintable(totals.err));
}

QTEST_GUILESS_MAIN(TestRefusals)
#include "tst_app_refusals.moc"
