// Atomic replacement with POSIX calls, so that every step's error (errno) is seen and put into words.
#include "shell/durable_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tv::shell {

using services::Status;

namespace {

thread_local WriteFaults t_faults;
thread_local WriteCounts t_counts;

QString reasonFor(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("書き込み権限がありません。");
    case EROFS:
        return QStringLiteral("読み取り専用のドライブのため書き込めません。");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("ディスクの空き容量が不足しています。");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("保存先のフォルダがありません。");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダがあります。");
    case ENAMETOOLONG:
        return QStringLiteral("ファイル名が長すぎます。");
    case EIO:
        return QStringLiteral("ディスクの読み書きでエラーが起きました。");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます。");
    default:
        return QStringLiteral("書き込みに失敗しました(エラー番号 %1)。").arg(error);
    }
}

Status cannotWrite(const QString& path, int error) {
    return Status::failure(
        QStringLiteral("ファイル「%1」に書き込めません。\n%2").arg(displayPath(path), reasonFor(error)));
}

QByteArray nativePath(const QString& path) {
    return QFile::encodeName(path);
}

// write(2) of the whole buffer; the injected full disk lets through only the bytes still allowed.
bool writeAll(int fd, const QByteArray& bytes, int* error) {
    qint64 done = 0;
    while (done < bytes.size()) {
        qint64 chunk = bytes.size() - done;
        if (t_faults.bytesBeforeFailure >= 0) {
            const qint64 allowed = t_faults.bytesBeforeFailure - t_counts.bytes;
            if (allowed <= 0) {
                *error = ENOSPC;
                return false;
            }
            chunk = std::min(chunk, allowed);
        }
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(chunk));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        done += n;
        t_counts.bytes += n;
    }
    return true;
}

bool syncFd(int fd, int* error) {
    if (t_counts.syncs++ == t_faults.syncsBeforeFailure) {
        *error = EIO;
        return false;
    }
    if (::fsync(fd) != 0) {
        *error = errno;
        return false;
    }
    return true;
}

// Makes a rename or removal in `folder` durable. A folder that cannot be synced (some file systems
// refuse) is not an error: the rename itself has happened.
void syncFolder(const QString& folder) {
    const int fd = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

QString displayPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString temporaryPathFor(const QString& path) {
    const QFileInfo info(path);
    return info.dir().filePath(u'.' + info.fileName() + kTemporarySuffix.toString());
}

void setWriteFaults(const WriteFaults& faults) {
    t_faults = faults;
    t_counts = {};
}

WriteCounts writeCounts() {
    return t_counts;
}

Status replaceFile(const QString& path, const QByteArray& bytes, const std::function<bool()>& beforeCommit) {
    const QFileInfo target(path);
    if (target.isDir())
        return cannotWrite(path, EISDIR);
    if (!target.dir().exists())
        return cannotWrite(path, ENOENT);
    // A file the user made read-only stays protected, as it would be from any other program.
    if (target.exists() && !target.isWritable())
        return cannotWrite(path, EACCES);

    const QString temporary = temporaryPathFor(path);
    const QByteArray temporaryName = nativePath(temporary);
    mode_t mode = 0666;
    struct stat old {};
    if (::stat(nativePath(path).constData(), &old) == 0)
        mode = old.st_mode & 07777;
    if (t_counts.opens++ == t_faults.opensBeforeDenial)
        return cannotWrite(path, EACCES);
    const int fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0)
        return cannotWrite(path, errno);
    int error = 0;
    bool ok = writeAll(fd, bytes, &error) && syncFd(fd, &error);
    if (ok) {
        struct stat written {};
        if (::fstat(fd, &written) != 0) {
            error = errno;
            ok = false;
        } else if (written.st_size != bytes.size()) {
            error = ENOSPC; // the file system kept less than was written
            ok = false;
        }
    }
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (!ok) {
        ::unlink(temporaryName.constData());
        return cannotWrite(path, error);
    }
    if (beforeCommit && !beforeCommit()) {
        ::unlink(temporaryName.constData());
        return Status::failure(
            QStringLiteral("ファイル「%1」の書き込みを中断しました。").arg(displayPath(path)));
    }
    const Status renamed = renameFile(temporary, path);
    if (!renamed.ok())
        ::unlink(temporaryName.constData());
    return renamed;
}

Status renameFile(const QString& from, const QString& to) {
    if (t_counts.renames++ == t_faults.renamesBeforeFailure)
        return cannotWrite(to, EIO);
    if (::rename(nativePath(from).constData(), nativePath(to).constData()) != 0)
        return cannotWrite(to, errno);
    syncFolder(QFileInfo(to).absolutePath());
    return Status::success();
}

bool removeFile(const QString& path) {
    if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
        return true;
    if (::unlink(nativePath(path).constData()) != 0)
        return false;
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}

} // namespace tv::shell
