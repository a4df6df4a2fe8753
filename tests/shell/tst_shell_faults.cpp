// Faults injected into the file layer (a full disk after N bytes, a failing sync, a failing rename)
// at every step of save, open, new and init: each reports the failure and leaves every file as it
// was. A full disk and a refused permission are named with the file. A real full disk on a small
// tmpfs where the machine allows mounting one.
#include "shell/bukken_name.h"
#include "shell/durable_file.h"
#include "shell/installation.h"
#include "shell/project_bundle.h"
#include "shell/project_operations.h"
#include "shell/record_file.h"
#include "shell/tree_snapshot.h"
#include "shell/working_files.h"
#include "support/test_files.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

namespace {

// Answers every message with OK and keeps the last one.
struct LastMessage : tv::services::Prompter {
    PromptAnswer ask(const QString& text, const QString& title, PromptButtons) override {
        this->text = text;
        this->title = title;
        return PromptAnswer::Ok;
    }
    QString text;
    QString title;
};

const QString kDiskFull = u"ディスクの空き容量が不足しています。"_s;
const QString kIoError = u"ディスクの読み書きでエラーが起きました。"_s;
const QString kNoPermission = u"書き込み権限がありません。"_s;

// The faults to try for an operation that, left alone, did what `counts` says: a full disk at
// spread byte counts (the first and last byte included), and every single sync and rename.
QList<QPair<WriteFaults, QString>> faultsFor(const WriteCounts& counts) {
    QList<QPair<WriteFaults, QString>> faults;
    QList<qint64> bytes{0, 1, counts.bytes - 1};
    for (int i = 1; i < 10; ++i)
        bytes.append(counts.bytes * i / 10);
    for (const qint64 n : bytes)
        faults.append({{n, -1, -1}, kDiskFull});
    for (int k = 0; k < counts.syncs; ++k)
        faults.append({{-1, k, -1}, kIoError});
    for (int k = 0; k < counts.renames; ++k)
        faults.append({{-1, -1, k}, kIoError});
    return faults;
}

} // namespace

class TestFaults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanupTestCase();
    void projectOperationsSurviveEveryFault_data();
    void projectOperationsSurviveEveryFault();
    void interruptedInstallationIsCompletedLater();
    void writeFailuresNameFileAndReason();
    void readOnlyFileIsKept();
    void realFullDisk();

private:
    // A data root with the installation, the open project A棟 (saved, then changed) and a bundle B棟.
    void makeProject(const QString& rootPath);
    bool run(const QString& operation, ShellState& state, LastMessage& prompter);

    std::unique_ptr<QTemporaryDir> m_dir;
    ShellState m_state;
    int m_faultsInjected = 0;
};

void TestFaults::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeProject(m_dir->path());
}

void TestFaults::cleanupTestCase() {
    qInfo("faults injected: %d", m_faultsInjected);
}

void TestFaults::makeProject(const QString& rootPath) {
    m_state = {};
    m_state.dataRoot = DataRoot(rootPath);
    QVERIFY(layDownInstallation(m_state.dataRoot).status.ok());
    const QString work = m_state.dataRoot.file(kWorkDataFolder, u"WorkData-1.ini");
    const auto bundle = [&](const QString& name) { return m_state.dataRoot.file(kDataFolder, name); };
    QVERIFY(writeLines(work, {u"ZZ01'1'2F'C1'B棟の柱"_s}).ok());
    QVERIFY(ProjectBundle::save(m_state.dataRoot, bundle(u"B棟.tkd"_s)).ok());
    QVERIFY(ProjectBundle::createNew(m_state.dataRoot, u"A棟"_s, bundle(u"A棟.tkd"_s)).ok());
    QVERIFY(writeLines(work, {u"ZZ01'1'2F'C1'A棟の柱"_s}).ok());
    QVERIFY(ProjectBundle::save(m_state.dataRoot, bundle(u"A棟.tkd"_s)).ok());
    QVERIFY(writeLines(work, {u"ZZ01'1'2F'C1'A棟の柱'変更"_s}).ok());
    m_state.project.projectName = u"A棟"_s;
    m_state.project.bundlePath = bundle(u"A棟.tkd"_s);
}

bool TestFaults::run(const QString& operation, ShellState& state, LastMessage& prompter) {
    ProjectOperations operations(state, prompter);
    const auto bundle = [&](const QString& name) { return state.dataRoot.file(kDataFolder, name); };
    if (operation == u"save")
        return operations.save();
    if (operation == u"open")
        return operations.open({u"B棟"_s, bundle(u"B棟.tkd"_s)});
    return operations.createNew({u"C棟"_s, bundle(u"C棟.tkd"_s)});
}

void TestFaults::projectOperationsSurviveEveryFault_data() {
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("failureTitle");
    QTest::newRow("save") << u"save"_s << u"エラー"_s;
    QTest::newRow("open") << u"open"_s << u"読込エラー"_s;
    QTest::newRow("new") << u"new"_s << u"新規物件作成"_s;
}

void TestFaults::projectOperationsSurviveEveryFault() {
    QFETCH(QString, operation);
    QFETCH(QString, failureTitle);
    const auto before = snapshotTree(m_dir->path());

    // What the operation writes when nothing fails.
    WriteCounts counts;
    {
        ShellState state = m_state;
        LastMessage prompter;
        ScopedWriteFaults none({});
        QVERIFY(run(operation, state, prompter));
        counts = writeCounts();
        QVERIFY(snapshotTree(m_dir->path()) != before);
        restoreTree(m_dir->path(), before);
    }
    QVERIFY(counts.bytes > 0 && counts.syncs > 0 && counts.renames > 0);

    for (const auto& [fault, reason] : faultsFor(counts)) {
        const QByteArray where = QStringLiteral("bytes %1, sync %2, rename %3")
                                     .arg(fault.bytesBeforeFailure)
                                     .arg(fault.syncsBeforeFailure)
                                     .arg(fault.renamesBeforeFailure)
                                     .toUtf8();
        ShellState state = m_state;
        LastMessage prompter;
        bool done;
        {
            ScopedWriteFaults injected(fault);
            done = run(operation, state, prompter);
        }
        ++m_faultsInjected;
        QVERIFY2(!done, where.constData());
        QCOMPARE(prompter.title, failureTitle);
        QVERIFY2(prompter.text.contains(reason) && prompter.text.contains(u"に書き込めません"_s),
                 qPrintable(prompter.text));
        const auto after = snapshotTree(m_dir->path());
        QVERIFY2(after == before,
                 (where + " changed: " + differences(before, after).join(u", ").toUtf8()).constData());
        QCOMPARE(state.project.projectName, u"A棟"_s);
    }
}

void TestFaults::interruptedInstallationIsCompletedLater() {
    // A complete installation for reference.
    QTemporaryDir reference;
    QVERIFY(layDownInstallation(DataRoot(reference.path())).status.ok());
    const auto complete = snapshotTree(reference.path());
    WriteCounts counts;
    {
        QTemporaryDir counting;
        ScopedWriteFaults none({});
        QVERIFY(layDownInstallation(DataRoot(counting.path())).status.ok());
        counts = writeCounts();
    }

    for (const auto& [fault, reason] : faultsFor(counts)) {
        QTemporaryDir dir;
        const DataRoot root(dir.path());
        InstallReport interrupted;
        {
            ScopedWriteFaults injected(fault);
            interrupted = layDownInstallation(root);
        }
        ++m_faultsInjected;
        QVERIFY(!interrupted.status.ok());
        QVERIFY2(interrupted.status.error.contains(reason), qPrintable(interrupted.status.error));
        // Every file there is whole; the marker is not.
        const auto partial = snapshotTree(dir.path());
        for (auto it = partial.begin(); it != partial.end(); ++it)
            QVERIFY2(complete.value(it.key()) == it.value(), qPrintable(it.key()));
        QVERIFY(!partial.contains(u"set/.installation-complete"_s));
        QVERIFY(layDownInstallation(root).status.ok());
        QCOMPARE(snapshotTree(dir.path()), complete);
    }

    // Files cut short by an earlier version (no marker yet) are laid down again, but an empty file
    // with project data is kept (earlier versions laid some down empty); after a complete
    // installation a file the user emptied is never touched.
    QTemporaryDir dir;
    const DataRoot root(dir.path());
    QVERIFY(layDownInstallation(root).status.ok());
    const QString help = root.file(kInfoFolder, u"info-2.txt");
    const QString weights = root.file(kSetFolder, u"BuzaiWeight.ini");
    const QString rates = root.file(kSetFolder, u"Kansan.ini");
    QVERIFY(QFile::remove(root.file(kSetFolder, kInstalledMarker)));
    writeBytes(help, readBytes(help).left(100));
    writeBytes(weights, readBytes(weights).left(100));
    writeBytes(rates, {});
    QVERIFY(layDownInstallation(root).status.ok());
    QCOMPARE(readBytes(help), complete.value(u"info/info-2.txt"_s));
    QCOMPARE(readBytes(weights), complete.value(u"set/BuzaiWeight.ini"_s));
    QCOMPARE(readBytes(rates), QByteArray());
    QVERIFY(QFile::remove(root.file(kSetFolder, u"HtbKata.ini")));
    QVERIFY(layDownInstallation(root).status.ok());
    QCOMPARE(readBytes(rates), QByteArray());
    QCOMPARE(readBytes(root.file(kSetFolder, u"HtbKata.ini")), complete.value(u"set/HtbKata.ini"_s));
}

void TestFaults::writeFailuresNameFileAndReason() {
    const QString path = m_state.dataRoot.file(kSetFolder, u"Kansan.ini");
    const QByteArray before = readBytes(path);
    const QStringList lines{u"ZZKN'HT1'12'4.79"_s};
    {
        ScopedWriteFaults full({3, -1, -1});
        const auto status = writeLines(path, lines);
        QCOMPARE(status.error,
                 u"ファイル「%1」に書き込めません。\n%2"_s.arg(QDir::toNativeSeparators(path), kDiskFull));
    }
    QCOMPARE(readBytes(path), before);
    QVERIFY(!QFileInfo::exists(temporaryPathFor(path)));
    const auto missingFolder = writeLines(m_state.dataRoot.file(u"無い", u"x.ini"), lines);
    QVERIFY2(missingFolder.error.contains(u"保存先のフォルダがありません。"_s),
             qPrintable(missingFolder.error));
    {
        ScopedWriteFaults denied({-1, -1, -1, 0});
        const auto status = writeLines(path, lines);
        QCOMPARE(status.error, u"ファイル「%1」に書き込めません。\n%2"_s.arg(QDir::toNativeSeparators(path),
                                                                             kNoPermission));
    }
    QCOMPARE(readBytes(path), before);
    QVERIFY(!QFileInfo::exists(temporaryPathFor(path)));
}

void TestFaults::readOnlyFileIsKept() {
    if (::geteuid() == 0)
        QSKIP("root may write any file; the refused permission is covered through the fault seam");
    const QString path = m_state.dataRoot.file(kSetFolder, u"Kansan.ini");
    const QByteArray before = readBytes(path);
    QFile::setPermissions(path, QFileDevice::ReadOwner);
    const auto readOnly = writeLines(path, {u"ZZKN'HT1'12'4.79"_s});
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QVERIFY2(readOnly.error.contains(kNoPermission), qPrintable(readOnly.error));
    QCOMPARE(readBytes(path), before);
}

void TestFaults::realFullDisk() {
    if (::geteuid() != 0)
        QSKIP("mounting a small tmpfs needs root rights (CI runs as root)");
    QTemporaryDir mountPoint;
    QProcess mount;
    mount.start(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=1m"_s, u"tmpfs"_s, mountPoint.path()});
    if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
        QSKIP("this machine does not allow mounting a tmpfs here");
    const auto unmount = qScopeGuard([&] { QProcess::execute(u"umount"_s, {u"-l"_s, mountPoint.path()}); });

    makeProject(mountPoint.path());
    // Fill the disk but for a few kilobytes, so that small files still fit and the bundles do not.
    const QString filler = QDir(mountPoint.path()).filePath(u"filler"_s);
    {
        QFile file(filler);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (file.write(block) == block.size() && file.flush()) {
        }
    }
    QFile::resize(filler, QFileInfo(filler).size() - 8 * 1024);
    const QString work = m_state.dataRoot.file(kWorkDataFolder, u"WorkData-2.ini");
    QStringList rows;
    for (int i = 0; i < 400; ++i)
        rows.append(u"ZZ02'%1'2F'G1'梁の行'SN400B'H鋼'H-600×200×11×17'6000'1"_s.arg(i));
    const auto big = encodeLines(work, rows);
    writeBytes(work, big.bytes.left(4000)); // what still fits, written around the file layer
    const auto before = snapshotTree(mountPoint.path());

    for (const QString& operation : {u"save"_s, u"open"_s, u"new"_s}) {
        ShellState state = m_state;
        LastMessage prompter;
        QVERIFY2(!run(operation, state, prompter), qPrintable(operation));
        QVERIFY2(prompter.text.contains(kDiskFull), qPrintable(prompter.text));
        QCOMPARE(snapshotTree(mountPoint.path()), before);
    }
    // The installation of a second data root on the full disk.
    const DataRoot second(QDir(mountPoint.path()).filePath(u"second"_s));
    const InstallReport installed = layDownInstallation(second);
    QVERIFY(!installed.status.ok());
    QVERIFY2(installed.status.error.contains(kDiskFull), qPrintable(installed.status.error));
    QFile::remove(filler);
    QVERIFY(layDownInstallation(second).status.ok());
}

QTEST_GUILESS_MAIN(TestFaults)
#include "tst_shell_faults.moc"
