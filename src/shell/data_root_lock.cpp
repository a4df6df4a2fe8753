// QLockFile with no age limit: a lock is stale only when its process is gone, never because the
// program has simply been open for a long time.
#include "shell/data_root_lock.h"

#include "shell/durable_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tv::shell {

DataRootLock::DataRootLock() = default;
DataRootLock::~DataRootLock() = default;
DataRootLock::DataRootLock(DataRootLock&&) noexcept = default;
DataRootLock& DataRootLock::operator=(DataRootLock&&) noexcept = default;

namespace {

// Why no lock file can be made in `folder`: QLockFile does not say (a full disk and a missing right
// look alike to it), so a file of the lock's size is written, synced and removed again, and the
// first error number of those steps is returned; 0 when all of them succeed.
int lockFileError(const QString& folder) {
    const QByteArray path = QFile::encodeName(QDir(folder).filePath(
        QStringLiteral(".torvanel.lock.%1.probe").arg(QCoreApplication::applicationPid())));
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return errno;
    const QByteArray content(256, '0');
    int error = 0;
    errno = 0;
    if (::write(fd, content.constData(), size_t(content.size())) != content.size() || ::fsync(fd) != 0)
        error = errno == 0 ? ENOSPC : errno;
    ::close(fd);
    ::unlink(path.constData());
    return error;
}

} // namespace

DataRootLock DataRootLock::acquire(const DataRoot& root) {
    DataRootLock result;
    const services::Status folder = makeFolders(root.path());
    if (!folder.ok()) {
        result.m_refusal = QStringLiteral("データフォルダ「%1」を作成できません。\n%2")
                               .arg(displayPath(root.path()), folder.error.section(u'\n', 1));
        return result;
    }
    auto lock = std::make_unique<QLockFile>(QDir(root.path()).filePath(QStringLiteral(".torvanel.lock")));
    lock->setStaleLockTime(0);
    qint64 pid = 0;
    QString host, application;
    bool locked = lock->tryLock(0);
    if (!locked && lock->error() == QLockFile::LockFailedError && !lock->getLockInfo(&pid, &host, &application)) {
        // A lock file without its owner's details: a program was stopped between creating it and
        // writing them (a program that is running writes them at once). Taken over.
        QThread::msleep(200);
        if (!lock->getLockInfo(&pid, &host, &application) && lock->removeStaleLockFile())
            locked = lock->tryLock(0);
    }
    if (locked) {
        result.m_lock = std::move(lock);
        return result;
    }
    if (lock->error() == QLockFile::LockFailedError) {
        const QString process = lock->getLockInfo(&pid, &host, &application)
                                    ? QStringLiteral("(プロセス番号 %1)").arg(pid)
                                    : QString();
        result.m_refusal = QStringLiteral("データフォルダ「%1」は別のTorvanel%2が使用中です。\n"
                                          "そちらを終了してから、もう一度実行してください。")
                               .arg(displayPath(root.path()), process);
    } else {
        const int error = lockFileError(root.path());
        const QString reason = error != 0
                                   ? writeFailureReason(error)
                                   : QStringLiteral("ロックファイル「.torvanel.lock」を作成できません。");
        result.m_refusal = QStringLiteral("データフォルダ「%1」を使用できません。\n%2")
                               .arg(displayPath(root.path()), reason);
    }
    return result;
}

bool DataRootLock::held() const {
    return m_lock != nullptr;
}

} // namespace tv::shell
