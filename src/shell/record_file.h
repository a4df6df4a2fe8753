// Record files: CP932 text with CR LF, read strictly and written whole and atomically.
//
// Reading accepts CR LF and LF and a last line without a line break; a file that does not decode
// as CP932, or holds a NUL byte, is refused with a message naming the file and line. Writing
// replaces the file in one atomic step (shell/durable_file.h): a crash or a full disk leaves the
// old file as it was, and the write reports failure.
#pragma once

#include "services/status.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace tv::shell {

// The record separator of every tagged line.
inline constexpr QChar kSeparator = u'\'';

struct LinesResult {
    QStringList lines;  // every line, empty ones included, without line ends
    bool exists = true; // false when the file is missing (lines is then empty)
    QString error;      // a refusal message; lines is then empty

    bool ok() const { return error.isEmpty(); }
};

// Reads all lines of a CP932 file. A missing file is not an error: exists is false.
LinesResult readLines(const QString& path);

// The non-empty lines split at the separator; position 0 is the tag.
QList<QStringList> splitRecords(const QStringList& lines);

// Field `index` of a split record, or empty text when the record is shorter.
QString fieldAt(const QStringList& fields, qsizetype index);

// Joins a tag and its fields with the separator.
QString joinRecord(const QString& tag, const QStringList& fields);

struct EncodedLines {
    QByteArray bytes;        // the lines as CP932, CR LF after each
    services::Status status; // a refusal naming the character and line that CP932 cannot hold
};

// The bytes `writeLines` would write to `path`.
EncodedLines encodeLines(const QString& path, const QStringList& lines);

// Writes `lines` as CP932 with CR LF after every line. Refuses, writing nothing, when a character
// cannot be held in CP932. Failures name the file and the reason (no permission, disk full, ...).
services::Status writeLines(const QString& path, const QStringList& lines);

// Replaces `path` with `bytes` atomically. `beforeCommit`, when given, runs after the data is
// written to the temporary file and may abort the write by returning false (the old file stays).
services::Status writeBytesAtomically(const QString& path, const QByteArray& bytes,
                                      const std::function<bool()>& beforeCommit = {});

} // namespace tv::shell
