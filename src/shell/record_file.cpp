// Strict CP932 line files. Decoding is done once for the whole file; only on failure are the lines
// decoded one by one to name the first bad line.
#include "shell/record_file.h"

#include "services/cp932.h"
#include "shell/durable_file.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>

namespace tv::shell {

using services::Cp932;
using services::Status;

namespace {

// Files are decoded and encoded in blocks of whole lines of about this size, so that memory is taken
// in small pieces that the allocator reuses: time stays proportional to the file's size.
constexpr qsizetype kBlockBytes = 256 * 1024;

QString displayName(const QString& path) {
    return displayPath(path);
}

QString refusal(const QString& path, qsizetype line) {
    return QStringLiteral("ファイル「%1」を読み込めません。\n%2行目にShift-JISの文字として読めないデータがあります。")
        .arg(displayName(path))
        .arg(line);
}

// 1-based number of the first line that ends with a lone CR, or 0. Lines end with CR LF or LF; a
// CR elsewhere (line ends of old Macintosh files) would run lines together into one record. A CR
// as the very last byte is a last line's end cut short and does no harm.
qsizetype firstLoneCrLine(QByteArrayView bytes) {
    for (qsizetype cr = bytes.indexOf('\r'); cr >= 0; cr = bytes.indexOf('\r', cr + 1)) {
        if (cr + 1 < bytes.size() && bytes[cr + 1] != '\n')
            return bytes.first(cr).count('\n') + 1;
    }
    return 0;
}

// 1-based number of the first line of `block` (starting at line `firstLine`) that does not decode.
qsizetype firstBadLine(QByteArrayView block, qsizetype firstLine) {
    qsizetype start = 0;
    for (qsizetype line = firstLine;; ++line) {
        qsizetype end = block.indexOf('\n', start);
        if (end < 0)
            end = block.size();
        if (!Cp932::decode(block.sliced(start, end - start)))
            return line;
        if (end >= block.size())
            return line;
        start = end + 1;
    }
}

// Appends the lines of a decoded block; `text` ends at a line break unless it is the file's end.
// Hands the lines of a decoded block to `take`; `text` ends at a line break unless it is the file's end.
void takeLines(QStringView text, const std::function<void(QStringView)>& take) {
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        qsizetype length = end - start;
        if (length > 0 && text[start + length - 1] == u'\r')
            --length;
        take(text.sliced(start, length));
        start = end + 1;
    }
}

qint64 t_sizeLimit = kDefaultFileSizeLimit;

} // namespace

qint64 fileSizeLimit() {
    return t_sizeLimit;
}

void setFileSizeLimit(qint64 bytes) {
    t_sizeLimit = bytes < 0 ? kDefaultFileSizeLimit : bytes;
}

QString tooLargeMessage(const QString& path) {
    const auto size = [](qint64 bytes) {
        constexpr qint64 megabyte = 1024 * 1024;
        return bytes < megabyte ? QStringLiteral("%1バイト").arg(bytes)
                                : QStringLiteral("%1 MB").arg(double(bytes) / megabyte, 0, 'f', 1);
    };
    return QStringLiteral("ファイル「%1」は大きすぎるため読み込めません(%2)。\n読み込めるのは%3までです。")
        .arg(displayName(path), size(QFileInfo(path).size()), size(fileSizeLimit()));
}

LinesResult readLines(const QString& path) {
    LinesResult result;
    LineSink sink;
    sink.begin = [&](qsizetype count) { result.lines.reserve(count); };
    sink.line = [&](QStringView line) { result.lines.append(line.toString()); };
    const LinesResult read = readLinesInto(path, sink);
    if (!read.ok() || !read.exists)
        return read;
    return result;
}

LinesResult readLinesInto(const QString& path, const LineSink& sink) {
    LinesResult result;
    QByteArray bytes;
    const int error = readWholeFile(path, &bytes, fileSizeLimit());
    if (error == ENOENT) {
        result.exists = false;
        return result;
    }
    if (error == EFBIG) {
        result.error = tooLargeMessage(path);
        return result;
    }
    if (error != 0) {
        result.error = QStringLiteral("ファイル「%1」を開けません。\n%2")
                           .arg(displayName(path), readFailureReason(error));
        return result;
    }
    const QByteArrayView all(bytes);
    if (const qsizetype crLine = firstLoneCrLine(all)) {
        result.error =
            QStringLiteral(
                "ファイル「%1」を読み込めません。\n%2行目の改行がCRだけです(行の区切りが正しくありません)。")
                .arg(displayName(path))
                .arg(crLine);
        return result;
    }
    if (sink.begin)
        sink.begin(all.count('\n') + (all.isEmpty() || all.endsWith('\n') ? 0 : 1));
    qsizetype line = 1;
    for (qsizetype start = 0; start < all.size();) {
        qsizetype end = std::min(all.size(), start + kBlockBytes);
        if (end < all.size()) {
            // Blocks end after a line feed; CP932 trail bytes are never 0x0A, so this never cuts a character.
            const qsizetype feed = all.first(end).lastIndexOf('\n');
            end = feed >= start ? feed + 1 : std::max<qsizetype>(all.indexOf('\n', end) + 1, 0);
            if (end == 0)
                end = all.size();
        }
        const QByteArrayView block = all.sliced(start, end - start);
        const auto text = Cp932::decode(block);
        if (!text) {
            result.error = refusal(path, firstBadLine(block, line));
            return result;
        }
        takeLines(*text, sink.line);
        line += block.count('\n');
        start = end;
    }
    return result;
}

LinesResult readDataFile(const QString& path) {
    LinesResult result = readLines(path);
    if (!result.exists)
        result.error = missingFileMessage(path);
    return result;
}

QString missingFileMessage(const QString& path) {
    return QStringLiteral("ファイル「%1」がありません。").arg(displayName(path));
}

QList<QStringList> splitRecords(const QStringList& lines) {
    QList<QStringList> records;
    records.reserve(lines.size());
    for (const QString& line : lines) {
        if (!line.isEmpty())
            records.append(line.split(kSeparator));
    }
    return records;
}

QStringList FieldSplitter::split(QStringView line, qsizetype fieldCount) {
    QStringList fields;
    fields.reserve(std::max(fieldCount, line.count(kSeparator) + 1));
    qsizetype start = 0;
    for (;;) {
        qsizetype end = line.indexOf(kSeparator, start);
        if (end < 0)
            end = line.size();
        fields.append(field(line.sliced(start, end - start)));
        if (end == line.size())
            break;
        start = end + 1;
    }
    while (fields.size() < fieldCount)
        fields.append(QString());
    return fields;
}

QString FieldSplitter::field(QStringView text) {
    if (text.isEmpty())
        return {};
    return *m_seen.insert(text.toString());
}

QString fieldAt(const QStringList& fields, qsizetype index) {
    return index >= 0 && index < fields.size() ? fields[index] : QString();
}

QString joinRecord(const QString& tag, const QStringList& fields) {
    QString line = tag;
    for (const QString& f : fields) {
        line += kSeparator;
        line += f;
    }
    return line;
}

EncodedLines encodeLines(const QString& path, const QStringList& lines) {
    EncodedLines result;
    QString block;
    const auto flush = [&](qsizetype lastLine) -> bool {
        const auto encoded = Cp932::encode(block);
        block.clear();
        if (encoded) {
            result.bytes += *encoded;
            return true;
        }
        result.bytes.clear();
        for (qsizetype i = 0; i <= lastLine; ++i) {
            if (const auto bad = Cp932::firstUnencodable(lines[i])) {
                result.status = Status::failure(
                    QStringLiteral(
                        "文字%1はShift-JISで保存できません(%2行目)。\nファイル「%3」は保存されませんでした。")
                        .arg(Cp932::describe(*bad))
                        .arg(i + 1)
                        .arg(displayName(path)));
                return false;
            }
        }
        result.status =
            Status::failure(QStringLiteral("ファイル「%1」は保存されませんでした。").arg(displayName(path)));
        return false;
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        block += lines[i];
        block += QLatin1String("\r\n");
        if (block.size() >= kBlockBytes / 2 || i + 1 == lines.size()) {
            if (!flush(i))
                return result;
        }
    }
    return result;
}

Status writeLines(const QString& path, const QStringList& lines) {
    const EncodedLines encoded = encodeLines(path, lines);
    if (!encoded.status.ok())
        return encoded.status;
    return writeBytesAtomically(path, encoded.bytes);
}

Status writeBytesAtomically(const QString& path, const QByteArray& bytes, const std::function<bool()>& beforeCommit) {
    return replaceFile(path, bytes, beforeCommit);
}

} // namespace tv::shell
