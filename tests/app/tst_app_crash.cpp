// A child process killed at random moments during open, new and save: after each restart the
// working files and BukkenName.ini are wholly the old project or wholly the new one, the bundle is
// wholly old or new, and no temporary file is left anywhere in the data folder.
#include "shell/bukken_name.h"
#include "shell/installation.h"
#include "shell/project_bundle.h"
#include "shell/record_file.h"
#include "shell/startup.h"
#include "shell/tree_snapshot.h"
#include "shell/working_files.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <limits>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kKillsPerOperation = 70;
// On a busy machine the kills may bunch before or after the operation; up to this many are made
// until some have landed in each of its stages.
constexpr int kMostKillsPerOperation = 3 * kKillsPerOperation;

// Sheet rows enough for each operation to take a while, so that kills land in every step.
QStringList rows(const QString& tag, const QString& project, int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(u"%1'%2'2F'C1'%3の行'SN490B'H鋼'H-400×200×9×12'3500'2"_s.arg(tag).arg(i).arg(project));
    return lines;
}

// The files that belong to the open project: the nine working files and BukkenName.ini; and the
// bundles in Data. Safety copies are whole copies and may stay.
QMap<QString, QByteArray> projectFiles(const QMap<QString, QByteArray>& tree) {
    QMap<QString, QByteArray> files;
    for (auto it = tree.begin(); it != tree.end(); ++it)
        if (!it.key().startsWith(u"Data/.backup/"_s) && !it.key().startsWith(u"info/"_s))
            files.insert(it.key(), it.value());
    return files;
}

bool isStray(const QString& name) {
    return name.endsWith(u".tvtmp"_s) || name.endsWith(u".tvstage"_s) || name.endsWith(u".tvold"_s) ||
           name.endsWith(u".journal"_s);
}

// Whether a kill left temporary or journal files for the restart to deal with: it landed while the
// operation was writing.
bool leftStrays(const QString& rootPath) {
    QDirIterator it(rootPath, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        if (isStray(it.next()))
            return true;
    return false;
}

} // namespace

class TestCrash : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void killedOperationsLeaveOldOrNew_data();
    void killedOperationsLeaveOldOrNew();
};

void TestCrash::killedOperationsLeaveOldOrNew_data() {
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<bool>("switchesProject"); // under a journal, rolled forward or back at restart
    QTest::newRow("open") << QStringList{u"project"_s, u"open"_s, u"Data/B棟.tkd"_s} << true;
    QTest::newRow("new") << QStringList{u"project"_s, u"new"_s, u"Data/C棟.tkd"_s} << true;
    QTest::newRow("save") << QStringList{u"project"_s, u"save"_s} << false;
}

void TestCrash::killedOperationsLeaveOldOrNew() {
    QFETCH(QStringList, command);
    QFETCH(bool, switchesProject);
    QTemporaryDir dir;
    const QString rootPath = QDir(dir.path()).filePath(u"Torvanel"_s);
    const DataRoot root(rootPath);
    QVERIFY(layDownInstallation(root).status.ok());
    const QString work1 = workingFilePath(root, kWorkingFiles[6]);
    const QString work2 = workingFilePath(root, kWorkingFiles[7]);
    QVERIFY(writeLines(work1, rows(u"ZZ01"_s, u"B棟"_s, 5000)).ok());
    QVERIFY(ProjectBundle::save(root, root.file(kDataFolder, u"B棟.tkd")).ok());
    QVERIFY(ProjectBundle::createNew(root, u"A棟"_s, root.file(kDataFolder, u"A棟.tkd")).ok());
    QVERIFY(writeLines(work1, rows(u"ZZ01"_s, u"A棟"_s, 5000)).ok());
    QVERIFY(writeLines(work2, rows(u"ZZ02"_s, u"A棟"_s, 5000)).ok());
    QVERIFY(ProjectBundle::save(root, root.file(kDataFolder, u"A棟.tkd")).ok());
    QVERIFY(
        writeLines(work2, rows(u"ZZ02"_s, u"A棟の変更"_s, 5000)).ok()); // unsaved: save changes the bundle
    const auto baseline = snapshotTree(rootPath);

    QStringList arguments{u"--data-root"_s, rootPath};
    for (const QString& word : command)
        arguments.append(word.startsWith(u"Data/"_s) ? QDir(rootPath).filePath(word) : word);
    const auto runChild = [&](qint64 killAfterMicroseconds) {
        QProcess child;
        child.setStandardErrorFile(QProcess::nullDevice());
        child.start(QStringLiteral(TV_EXECUTABLE), arguments);
        child.waitForStarted();
        if (killAfterMicroseconds >= 0) {
            QThread::usleep(static_cast<unsigned long>(killAfterMicroseconds));
            child.kill();
        }
        child.waitForFinished(60000);
        return child.exitStatus() == QProcess::NormalExit;
    };

    // The old and the new project as a run without a kill leaves them.
    // Kills aim at the time between the end of start-up (a run that fails at once tells how long
    // that takes) and the end of the operation (the fastest of a few whole runs).
    const auto oldFiles = projectFiles(baseline);
    QMap<QString, QByteArray> newFiles;
    qint64 fullRun = std::numeric_limits<qint64>::max();
    qint64 startUpTime = std::numeric_limits<qint64>::max();
    QElapsedTimer timer;
    for (int i = 0; i < 3; ++i) {
        timer.start();
        QVERIFY(runChild(-1));
        fullRun = std::min(fullRun, timer.nsecsElapsed() / 1000);
        newFiles = projectFiles(snapshotTree(rootPath));
        restoreTree(rootPath, baseline);
        timer.restart();
        QProcess failing;
        failing.setStandardErrorFile(QProcess::nullDevice());
        failing.start(QStringLiteral(TV_EXECUTABLE), {u"--data-root"_s, rootPath, u"project"_s, u"open"_s,
                                                      QDir(rootPath).filePath(u"無い.tkd"_s)});
        failing.waitForFinished(60000);
        startUpTime = std::min(startUpTime, timer.nsecsElapsed() / 1000);
    }
    QVERIFY(newFiles != oldFiles);

    int finishedFirst = 0; // the operation had ended before the kill
    int midWrite = 0;      // the kill left temporary or journal files behind
    int rolledForward = 0, rolledBack = 0, old = 0, fresh = 0;
    QRandomGenerator random(20261210);
    // Kills that left the old project, the new one, and (for a switch) an interrupted switch rolled
    // forward and one rolled back, or (for a save) files the restart had to clear away.
    const auto everyStageHit = [&] {
        return old > 0 && fresh > 0 && (switchesProject ? rolledForward > 0 && rolledBack > 0 : midWrite > 0);
    };
    int kills = 0;
    for (int i = 0; i < kMostKillsPerOperation && (i < kKillsPerOperation || !everyStageHit()); ++i) {
        ++kills;
        const qint64 from = startUpTime * 9 / 10;
        const qint64 to = std::max(fullRun, from + 1000);
        const bool finished = runChild(from + qint64(random.bounded(quint64(to - from))));
        finishedFirst += finished;
        midWrite += leftStrays(rootPath);

        Startup restart = startUp(rootPath, QString());
        QVERIFY2(restart.error.isEmpty(), qPrintable(restart.error));
        if (restart.notice.contains(u"最後まで行いました"_s))
            ++rolledForward;
        if (restart.notice.contains(u"取り消しました"_s))
            ++rolledBack;
        restart.lock.reset();

        const auto tree = snapshotTree(rootPath);
        for (const QString& name : tree.keys())
            QVERIFY2(!isStray(name), qPrintable(u"left behind: "_s + name));
        const auto files = projectFiles(tree);
        const bool isOld = files == oldFiles;
        const bool isNew = files == newFiles;
        QVERIFY2(isOld || isNew,
                 qPrintable(u"a mix after kill %1 (%2): %3"_s.arg(i).arg(
                     finished ? u"had finished"_s : u"killed"_s, differences(oldFiles, files).join(u", "))));
        old += isOld;
        fresh += isNew;
        restoreTree(rootPath, baseline);
    }

    // The kills must have landed before, inside and after the operation, or the checks above
    // proved nothing about an interrupted one.
    const QByteArray counts = QStringLiteral("%1 kills (%2 after the end): old %3, new %4, "
                                             "left files behind %5, rolled forward %6, rolled back %7")
                                  .arg(kills)
                                  .arg(finishedFirst)
                                  .arg(old)
                                  .arg(fresh)
                                  .arg(midWrite)
                                  .arg(rolledForward)
                                  .arg(rolledBack)
                                  .toUtf8();
    qInfo("%s", counts.constData());
    QVERIFY2(everyStageHit(), counts.constData());
}

QTEST_GUILESS_MAIN(TestCrash)
#include "tst_app_crash.moc"
