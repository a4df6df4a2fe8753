// QLockFile with no age limit: a lock is stale only when its process is gone, never because the
// program has simply been open for a long time.
#include "shell/data_root_lock.h"

#include "shell/durable_file.h"

#include <QDir>
#include <QLockFile>
#include <QThread>

namespace tv::shell {

DataRootLock::DataRootLock() = default;
DataRootLock::~DataRootLock() = default;
DataRootLock::DataRootLock(DataRootLock&&) noexcept = default;
DataRootLock& DataRootLock::operator=(DataRootLock&&) noexcept = default;

DataRootLock DataRootLock::acquire(const DataRoot& root) {
    DataRootLock result;
    if (!QDir().mkpath(root.path())) {
        result.m_refusal =
            QStringLiteral("データフォルダ「%1」を作成できません。").arg(displayPath(root.path()));
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
        result.m_refusal =
            QStringLiteral("データフォルダ「%1」を使用できません。\n書き込み権限がありません。")
                .arg(displayPath(root.path()));
    }
    return result;
}

bool DataRootLock::held() const {
    return m_lock != nullptr;
}

} // namespace tv::shell
