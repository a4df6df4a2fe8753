// One program per data folder: a lock file in the data root, held for the program's life (window
// or command line). A lock left by a program that no longer runs is taken over.
#pragma once

#include "shell/data_root.h"

#include <QString>

#include <memory>

class QLockFile;

namespace tv::shell {

class DataRootLock {
public:
    DataRootLock();
    ~DataRootLock();
    DataRootLock(DataRootLock&&) noexcept;
    DataRootLock& operator=(DataRootLock&&) noexcept;

    // Takes the lock of `root` (creating the root folder when missing).
    static DataRootLock acquire(const DataRoot& root);

    bool held() const;
    // Why the lock is not held: another Torvanel (with its process number) uses the folder, or the
    // folder cannot be written.
    const QString& refusal() const { return m_refusal; }

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_refusal;
};

} // namespace tv::shell
