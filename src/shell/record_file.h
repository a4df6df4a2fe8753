// Record files: CP932 text with CR LF, read strictly and written whole and atomically.
//
// Reading accepts CR LF and LF and a last line without a line break; a file that does not decode
// as CP932, or holds a NUL byte, is refused with a message naming the file and line. Writing
// replaces the file in one atomic step (shell/durable_file.h): a crash or a full disk leaves the
// old file as it was, and the write reports failure.
#pragma once

#include "services/status.h"

#include <QByteArray>
#include <QSet>
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

// Where the lines of `readLinesInto` go: `begin` (optional) learns the number of lines before the
// first, `line` takes each line without its line end.
struct LineSink {
    std::function<void(qsizetype lineCount)> begin;
    std::function<void(QStringView line)> line;
};

// Reads like `readLines`, handing each line to `sink` as it is decoded, so that the whole file is
// never held as a list of lines. On failure the lines handed over so far are to be discarded.
LinesResult readLinesInto(const QString& path, const LineSink& sink);

// Files larger than this are refused by every reader, bundles included: far above any real project
// (a sheet of 20,000 rows is under 4 MB), it keeps a foreign or damaged file from exhausting memory.
inline constexpr qint64 kDefaultFileSizeLimit = 256 * 1024 * 1024;
qint64 fileSizeLimit();
// Tests lower the limit; a negative value restores the default.
void setFileSizeLimit(qint64 bytes);
// The refusal of the file at `path` because of its size.
QString tooLargeMessage(const QString& path);

// Reads a file that holds the project's data and must be there: a missing file is refused, named,
// like an unreadable one, so that it is never taken for a file without records.
LinesResult readDataFile(const QString& path);

// "The file is missing", naming it.
QString missingFileMessage(const QString& path);

// The non-empty lines split at the separator; position 0 is the tag.
QList<QStringList> splitRecords(const QStringList& lines);

// Splits record lines for readers that keep many records (the sheets and the totals): an empty
// field is a null text, and a field equal to one met before shares that one's text, so that a large
// file costs memory for its distinct values rather than for every cell.
class FieldSplitter {
public:
    // The fields of `line`, padded with null texts to `fieldCount` when given (surplus fields kept).
    QStringList split(QStringView line, qsizetype fieldCount = 0);
    // One field's text, shared with an equal field met before; null when empty.
    QString field(QStringView text);

private:
    QSet<QString> m_seen;
};

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
