// Bundle packing, reading and checking. Opening and New decide everything in memory and then hand
// the new files to one switch (shell/project_switch.h), so a refused or failed operation changes
// nothing; saving keeps the bundle it replaces as a safety copy.
#include "shell/project_bundle.h"

#include "services/cp932.h"
#include "shell/bukken_name.h"
#include "shell/durable_file.h"
#include "shell/project_switch.h"
#include "shell/record_file.h"
#include "shell/safety_copies.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace tv::shell::ProjectBundle {

using services::Status;

namespace {

// Control bytes that never occur in a text bundle (TAB, LF and CR do).
bool hasBinaryBytes(const QByteArray& bytes) {
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r')
            return true;
    }
    return false;
}

// Bytes that only make sense as UTF-8: a byte order mark, or non-ASCII text that is valid UTF-8
// throughout (Japanese Shift-JIS text practically never is).
bool looksLikeUtf8(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return false;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder.decode(bytes); // decoding happens on conversion to text
    return !decoder.hasError();
}

QString refusalText(const QString& path, const QString& reason) {
    return QStringLiteral(
               "ファイル「%1」は物件データ(.tkd)として読み込めません。\n%2\n読み込みを中止しました。")
        .arg(displayPath(path), reason);
}

// CRC-32 as zip and PNG compute it (reflected polynomial 0xEDB88320), so that any tool can check it.
quint32 crc32(QByteArrayView bytes) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char b : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(b)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QString checksumText(QByteArrayView body) {
    return QStringLiteral("%1").arg(crc32(body), 8, 16, QLatin1Char('0')).toUpper();
}

// The header: tag, number of lines and of bytes that follow, and their CRC-32 in hexadecimal.
// Readers of the first version read only the two counts.
QString headerLine(qsizetype lines, const QByteArray& body) {
    return kHeaderTag.toString() + kSeparator + QString::number(lines) + kSeparator +
           QString::number(body.size()) + kSeparator + checksumText(body);
}

// Checks the header line against the bytes after it; returns a doubt, or empty text when it matches.
// Headers written before the checksum carry only the counts, and are checked by those.
QString checkHeader(const QString& header, const QByteArray& bytes) {
    const QStringList fields = header.split(kSeparator);
    bool linesOk = false;
    bool bytesOk = false;
    const qsizetype lines = fieldAt(fields, 1).toLongLong(&linesOk);
    const qsizetype size = fieldAt(fields, 2).toLongLong(&bytesOk);
    const QByteArrayView body = QByteArrayView(bytes).sliced(bytes.indexOf('\n') + 1);
    const qsizetype actualLines = body.count('\n');
    const QString checksum = fieldAt(fields, 3);
    if (!linesOk || !bytesOk)
        return QStringLiteral("先頭の確認用の行が読めません。");
    if (lines != actualLines || size != body.size()) {
        return QStringLiteral(
                   "保存時は%1行(%2バイト)でしたが、%3行(%4バイト)しかないか、書き換えられています。")
            .arg(lines)
            .arg(size)
            .arg(actualLines)
            .arg(body.size());
    }
    if (!checksum.isEmpty() && checksum.compare(checksumText(body), Qt::CaseInsensitive) != 0)
        return QStringLiteral("保存した後に中身が書き換えられています(チェックサムが一致しません)。");
    return {};
}

std::optional<std::size_t> fileOfLine(const QString& line) {
    if (line.size() < 4)
        return std::nullopt;
    const QStringView tag = QStringView(line).first(4);
    for (std::size_t i = 0; i < kWorkingFiles.size(); ++i) {
        if (tag == kWorkingFiles[i].tag)
            return i;
    }
    return std::nullopt;
}

QStringList nonEmpty(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines)
        if (!l.isEmpty())
            out.append(l);
    return out;
}

} // namespace

Reading read(const QString& bundlePath) {
    Reading reading;
    QByteArray bytes;
    if (const int error = readWholeFile(bundlePath, &bytes, fileSizeLimit()); error != 0) {
        reading.refusal = error == EFBIG ? tooLargeMessage(bundlePath)
                                         : QStringLiteral("ファイル「%1」を開けません。\n%2")
                                               .arg(displayPath(bundlePath), readFailureReason(error));
        return reading;
    }
    if (bytes.isEmpty()) {
        reading.refusal = refusalText(bundlePath, QStringLiteral("ファイルが空です(0バイト)。"));
        return reading;
    }
    if (hasBinaryBytes(bytes)) {
        reading.refusal = refusalText(bundlePath, QStringLiteral("文字のファイルではありません。"));
        return reading;
    }
    if (looksLikeUtf8(bytes)) {
        reading.refusal = refusalText(
            bundlePath, QStringLiteral("UTF-8で書かれたファイルです。物件データはShift-JISのファイルです。"));
        return reading;
    }
    if (bytes.contains('\r') && !bytes.contains('\n')) {
        reading.refusal = refusalText(
            bundlePath, QStringLiteral("改行がCRだけのため、ファイル全体が1行になってしまいます。"));
        return reading;
    }
    LinesResult read = readLines(bundlePath);
    if (!read.ok()) {
        reading.refusal = read.error;
        return reading;
    }

    reading.headed = !read.lines.isEmpty() && read.lines.first().startsWith(kHeaderTag);
    if (reading.headed) {
        const QString doubt = checkHeader(read.lines.takeFirst(), bytes);
        if (!doubt.isEmpty())
            reading.doubts.append(doubt);
    }
    if (!bytes.endsWith('\n'))
        reading.doubts.append(
            QStringLiteral("最後の1行に改行がありません(ファイルが途中で切れているおそれがあります)。"));

    qsizetype unknown = 0;
    bool anyRecord = false;
    for (const QString& line : std::as_const(read.lines)) {
        if (const auto index = fileOfLine(line)) {
            reading.files[*index].append(line);
            anyRecord = true;
        } else if (!line.trimmed().isEmpty()) {
            ++unknown;
        }
    }
    // Text with content but not one record of the project is some other file: opening it would
    // only wipe the working files.
    if (unknown > 0 && !anyRecord) {
        reading.refusal = refusalText(bundlePath, QStringLiteral("物件データの行が1行もありません。"));
        return reading;
    }
    // A working file renamed to .tkd: without the header, every record belongs to one file. Opening
    // it would empty the other eight, the registries included.
    if (!reading.headed && anyRecord) {
        const auto filled = std::count_if(reading.files.begin(), reading.files.end(),
                                          [](const QStringList& lines) { return !lines.isEmpty(); });
        if (filled == 1) {
            const auto only = std::find_if(reading.files.begin(), reading.files.end(),
                                           [](const QStringList& lines) { return !lines.isEmpty(); });
            const WorkingFile& file = kWorkingFiles[std::size_t(only - reading.files.begin())];
            reading.refusal = refusalText(
                bundlePath,
                QStringLiteral("行がすべて「%1」のものです。物件データではなく、%1のコピーのようです。")
                    .arg(file.name));
            return reading;
        }
    }
    if (unknown > 0)
        reading.doubts.append(QStringLiteral("%1行が読み込めません。").arg(unknown));
    if (!anyRecord)
        reading.doubts.append(QStringLiteral("データの行が1行もありません(空の物件として開きます)。"));
    return reading;
}

QStringList lossesOnOpening(const DataRoot& root, const Reading& reading) {
    // Bundles saved by this program carry their registries whole; an empty one was saved empty. An
    // empty weld-rate registry is common in older bundles (installations laid it down empty).
    constexpr std::size_t unitWeights = 3;
    if (reading.headed || !splitRecords(reading.files[unitWeights]).isEmpty())
        return {};
    const WorkingFile& file = kWorkingFiles[unitWeights];
    const qsizetype current = splitRecords(readLines(workingFilePath(root, file)).lines).size();
    if (current == 0)
        return {};
    return {QStringLiteral("部材単位重量(%1)の行がありません。開くと、今の部材単位重量%2行が空になります。")
                .arg(file.name)
                .arg(current)};
}

Packed pack(const QString& bundlePath, const QStringList& lines) {
    const EncodedLines body = encodeLines(bundlePath, lines);
    if (!body.status.ok())
        return {{}, body.status};
    const auto header =
        services::Cp932::encode(headerLine(lines.size(), body.bytes) + QStringLiteral("\r\n"));
    return {*header + body.bytes, Status::success()};
}

WorkingLines workingLines(const DataRoot& root, bool emptyProjectFiles) {
    WorkingLines result;
    for (const WorkingFile& file : kWorkingFiles) {
        if (emptyProjectFiles && file.emptiedByNewProject) {
            result.lines.append(QString());
            continue;
        }
        const LinesResult read = readDataFile(workingFilePath(root, file));
        if (!read.ok())
            return {{}, Status::failure(read.error)};
        result.lines.append(read.lines);
    }
    return result;
}

Status save(const DataRoot& root, const QString& bundlePath, bool* inputUnreadable) {
    const WorkingLines lines = workingLines(root);
    if (inputUnreadable)
        *inputUnreadable = !lines.status.ok();
    if (!lines.status.ok())
        return lines.status;
    const Packed packed = pack(bundlePath, lines.lines);
    if (!packed.status.ok())
        return packed.status;
    const SafetyCopy copy = keepSafetyCopy(root, bundlePath);
    if (!copy.status.ok())
        return copy.status;
    const Status written = writeBytesAtomically(bundlePath, packed.bytes);
    if (!written.ok()) {
        // The bundle is unchanged, so the copy just made would only be a duplicate.
        removeFile(copy.path);
        return written;
    }
    pruneSafetyCopies(root, bundlePath);
    return written;
}

Status open(const DataRoot& root, const Reading& reading, const QString& name, const QString& bundlePath) {
    QList<StagedFile> files;
    for (std::size_t i = 0; i < kWorkingFiles.size(); ++i) {
        const QString path = workingFilePath(root, kWorkingFiles[i]);
        const EncodedLines encoded = encodeLines(path, reading.files[i]);
        if (!encoded.status.ok())
            return encoded.status;
        files.append({path, encoded.bytes});
    }
    const auto record = encodeBukkenName(root, name, bundlePath);
    if (!record.status.ok())
        return record.status;
    files.append({bukkenNamePath(root), record.bytes});
    return switchFiles(root, files);
}

Status createNew(const DataRoot& root, const QString& name, const QString& bundlePath, bool carryOver,
                 bool* inputUnreadable) {
    const WorkingLines lines = workingLines(root, !carryOver);
    if (inputUnreadable)
        *inputUnreadable = !lines.status.ok();
    if (!lines.status.ok())
        return lines.status;
    const Packed packed = pack(bundlePath, lines.lines);
    if (!packed.status.ok())
        return packed.status;
    const auto record = encodeBukkenName(root, name, bundlePath);
    if (!record.status.ok())
        return record.status;
    QList<StagedFile> files;
    if (!carryOver) {
        for (const WorkingFile& file : kWorkingFiles) {
            if (file.emptiedByNewProject)
                files.append({workingFilePath(root, file), QByteArrayLiteral("\r\n")});
        }
    }
    files.append({bukkenNamePath(root), record.bytes});
    files.append({bundlePath, packed.bytes});
    return switchFiles(root, files);
}

bool projectFilesEmpty(const DataRoot& root) {
    for (const WorkingFile& file : kWorkingFiles) {
        if (file.emptiedByNewProject && !splitRecords(readLines(workingFilePath(root, file)).lines).isEmpty())
            return false;
    }
    return true;
}

bool workingFilesMatch(const DataRoot& root, const QString& bundlePath) {
    if (!QFileInfo::exists(bundlePath))
        return false;
    const Reading reading = read(bundlePath);
    if (!reading.refusal.isEmpty() || !reading.doubts.isEmpty())
        return false;
    for (std::size_t i = 0; i < kWorkingFiles.size(); ++i) {
        const LinesResult current = readLines(workingFilePath(root, kWorkingFiles[i]));
        if (!current.ok() || nonEmpty(current.lines) != nonEmpty(reading.files[i]))
            return false;
    }
    return true;
}

} // namespace tv::shell::ProjectBundle
