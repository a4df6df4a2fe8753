// Durable file operations: a whole file replaced in one atomic step, renames and removals that are
// known to be on disk, and Japanese reasons for every failure.
//
// A replacement writes a temporary file beside the target (".NAME.tvtmp"), checks every write, syncs
// it, checks its size on disk, and only then renames it over the target: on any failure the temporary
// file is removed and the target is exactly as it was. The folder is synced after a rename.
//
// Tests inject faults through `WriteFaults`: a full disk after N bytes (counted over every file
// written), a refused permission, a failing sync, a failing rename. The faults and counts belong to
// the calling thread.
#pragma once

#include "services/status.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace tv::shell {

// Suffix of the temporary file of a replacement; start-up removes strays that a crash left.
inline constexpr QStringView kTemporarySuffix = u".tvtmp";

// The temporary file used while `path` is replaced.
QString temporaryPathFor(const QString& path);

// Replaces `path` with `bytes`. `beforeCommit`, when given, runs after the data is on disk in the
// temporary file and may abort the write by returning false (the old file stays).
services::Status replaceFile(const QString& path, const QByteArray& bytes,
                             const std::function<bool()>& beforeCommit = {});

// Replaces `path` with the file that `produce` writes at the temporary path it is given, for writers
// that open their files themselves. `produce` returns 0, or the error number of its failure. The file
// is then taken as replaceFile takes its own: counted against the injected full disk, synced, checked
// by `check` when given, and renamed over `path`; on any failure it is removed and `path` stays as it was.
services::Status replaceFileFrom(const QString& path,
                                 const std::function<int(const QString& temporary)>& produce,
                                 const std::function<bool()>& check = {});

// Renames `from` to `to`, replacing `to` atomically, and syncs the folder.
services::Status renameFile(const QString& from, const QString& to);

// Removes `path` if it exists; true when it is gone.
bool removeFile(const QString& path);

// The path as a user reads it in a message.
QString displayPath(const QString& path);

// Why a write, a folder creation or a rename failed, in words, from its error number (errno).
QString writeFailureReason(int error);
// "The file cannot be written", naming the file and the reason.
services::Status writeFailure(const QString& path, int error);
// Whether the user may write `path` (an existing file); otherwise the failure naming it.
services::Status checkWritable(const QString& path);
// Why a file could not be read, in words, from its error number.
QString readFailureReason(int error);

// Reads the whole file at `path` into `bytes`; returns 0, or the error number of the failed step
// (ENOENT when the file is missing, EFBIG when it is larger than `limit` bytes).
int readWholeFile(const QString& path, QByteArray* bytes, qint64 limit = -1);

// Creates the folder `path` with any missing parents; a failure names the folder and the reason.
services::Status makeFolders(const QString& path);

// Faults injected into the file operations of this thread. -1 = never fail.
struct WriteFaults {
    qint64 bytesBeforeFailure = -1; // the disk is full once this many bytes were written (all files)
    int syncsBeforeFailure = -1;    // this many syncs succeed, the next one fails, later ones succeed
    int renamesBeforeFailure = -1;  // this many renames succeed, the next one fails, later ones succeed
    int opensBeforeDenial = -1;     // this many files open, the next one is refused for lack of permission
};

// What the file operations of this thread did since the faults were last set.
struct WriteCounts {
    qint64 bytes = 0;
    int syncs = 0;
    int renames = 0;
    int opens = 0;
};

// Sets the faults and resets the counts.
void setWriteFaults(const WriteFaults& faults);
WriteCounts writeCounts();

// Sets faults for its lifetime and clears them after.
class ScopedWriteFaults {
public:
    explicit ScopedWriteFaults(const WriteFaults& faults) { setWriteFaults(faults); }
    ~ScopedWriteFaults() { setWriteFaults({}); }
    ScopedWriteFaults(const ScopedWriteFaults&) = delete;
    ScopedWriteFaults& operator=(const ScopedWriteFaults&) = delete;
};

} // namespace tv::shell
