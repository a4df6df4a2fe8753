// Atomic replacement with POSIX calls, so that every step's error (errno) is seen and put into words.
#include "shell/durable_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace tv::shell {

using services::Status;

namespace {

thread_local WriteFaults t_faults;
thread_local WriteCounts t_counts;

} // namespace

QString writeFailureReason(int error) {
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
    case EEXIST:
        return QStringLiteral("同じ名前のファイルがあります。");
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

QString readFailureReason(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("読み取り権限がありません。");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("ファイルがありません。");
    case EISDIR:
        return QStringLiteral("同じ名前のフォルダがあります。");
    case EIO:
        return QStringLiteral("ディスクの読み書きでエラーが起きました。");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("開いているファイルが多すぎます。");
    case ENOMEM:
        return QStringLiteral("メモリが足りません。");
    default:
        return QStringLiteral("読み込みに失敗しました(エラー番号 %1)。").arg(error);
    }
}

Status writeFailure(const QString& path, int error) {
    return Status::failure(QStringLiteral("ファイル「%1」に書き込めません。\n%2")
                               .arg(displayPath(path), writeFailureReason(error)));
}

namespace {

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

int readWholeFile(const QString& path, QByteArray* bytes, qint64 limit) {
    bytes->clear();
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat info {};
    int error = 0;
    if (::fstat(fd, &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else if (limit >= 0 && info.st_size > limit) {
        error = EFBIG;
    } else {
        try {
            bytes->reserve(qsizetype(info.st_size));
        } catch (const std::bad_alloc&) {
            error = ENOMEM;
        }
    }
    // Read to the end, not to the size seen at the start: a file may still grow while it is read.
    char block[64 * 1024];
    while (error == 0) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error = errno;
        if (n <= 0)
            break;
        if (limit >= 0 && bytes->size() + n > limit) {
            error = EFBIG;
            break;
        }
        bytes->append(block, n);
    }
    ::close(fd);
    if (error != 0)
        bytes->clear();
    return error;
}

Status checkWritable(const QString& path) {
    if (::access(nativePath(path).constData(), W_OK) != 0 && errno != ENOENT)
        return writeFailure(path, errno);
    return Status::success();
}

Status makeFolders(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList missing;
    for (QString folder = absolute; !QFileInfo(folder).isDir(); folder = QFileInfo(folder).absolutePath()) {
        missing.prepend(folder);
        if (QFileInfo(folder).isRoot())
            break;
    }
    for (const QString& folder : std::as_const(missing)) {
        if (::mkdir(nativePath(folder).constData(), 0777) != 0 &&
            (errno != EEXIST || !QFileInfo(folder).isDir())) {
            const int error = errno;
            return Status::failure(QStringLiteral("フォルダ「%1」を作成できません。\n%2")
                                       .arg(displayPath(folder), writeFailureReason(error)));
        }
        syncFolder(QFileInfo(folder).absolutePath());
    }
    return Status::success();
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

namespace {

// Whether `path` may be replaced: its folder exists, it is no folder, and a file there is writable.
Status checkTarget(const QString& path) {
    const QFileInfo target(path);
    if (target.isDir())
        return writeFailure(path, EISDIR);
    if (!target.dir().exists())
        return writeFailure(path, ENOENT);
    // A file the user made read-only stays protected, as it would be from any other program.
    return checkWritable(path);
}

// The permissions a replacement keeps: those of the file it replaces.
mode_t modeOf(const QString& path) {
    struct stat old {};
    if (::stat(nativePath(path).constData(), &old) == 0)
        return old.st_mode & 07777;
    return 0666;
}

// Makes the file another writer left at `name` durable: counts its size against the injected full
// disk, gives it the permissions `mode` when it replaces a file, and syncs it. 0, or the error number.
int settleWrittenFile(const QByteArray& name, mode_t mode, bool keepMode) {
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = 0;
    struct stat written {};
    if (::fstat(fd, &written) != 0) {
        error = errno;
    } else if (t_faults.bytesBeforeFailure >= 0 &&
               t_counts.bytes + written.st_size > t_faults.bytesBeforeFailure) {
        t_counts.bytes = t_faults.bytesBeforeFailure;
        error = ENOSPC;
    } else {
        t_counts.bytes += written.st_size;
        if (keepMode && ::fchmod(fd, mode) != 0)
            error = errno;
    }
    if (error == 0)
        syncFd(fd, &error);
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

} // namespace

Status replaceFile(const QString& path, const QByteArray& bytes, const std::function<bool()>& beforeCommit) {
    if (const Status target = checkTarget(path); !target.ok())
        return target;

    const QString temporary = temporaryPathFor(path);
    const QByteArray temporaryName = nativePath(temporary);
    const mode_t mode = modeOf(path);
    if (t_counts.opens++ == t_faults.opensBeforeDenial)
        return writeFailure(path, EACCES);
    const int fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0)
        return writeFailure(path, errno);
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
        return writeFailure(path, error);
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

Status replaceFileFrom(const QString& path, const std::function<int(const QString& temporary)>& produce,
                       const std::function<bool()>& check) {
    if (const Status target = checkTarget(path); !target.ok())
        return target;
    const QString temporary = temporaryPathFor(path);
    const QByteArray temporaryName = nativePath(temporary);
    if (t_counts.opens++ == t_faults.opensBeforeDenial)
        return writeFailure(path, EACCES);
    int error = produce(temporary);
    if (error == 0)
        error = settleWrittenFile(temporaryName, modeOf(path), QFileInfo::exists(path));
    if (error != 0) {
        ::unlink(temporaryName.constData());
        return writeFailure(path, error);
    }
    if (check && !check()) {
        ::unlink(temporaryName.constData());
        return Status::failure(
            QStringLiteral("ファイル「%1」に書き込めません。\n書き込んだ内容が正しくありません。")
                .arg(displayPath(path)));
    }
    const Status renamed = renameFile(temporary, path);
    if (!renamed.ok())
        ::unlink(temporaryName.constData());
    return renamed;
}

Status renameFile(const QString& from, const QString& to) {
    if (t_counts.renames++ == t_faults.renamesBeforeFailure)
        return writeFailure(to, EIO);
    if (::rename(nativePath(from).constData(), nativePath(to).constData()) != 0)
        return writeFailure(to, errno);
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
