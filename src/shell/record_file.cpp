// Strict CP932 line files. Decoding is done once for the whole file; only on failure are the lines
// decoded one by one to name the first bad line.
#include "shell/record_file.h"

#include "services/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tv::shell {

using services::Cp932;
using services::Status;

namespace {

QString displayName(const QString& path) { return QDir::toNativeSeparators(path); }

// 1-based number of the line that holds byte offset `offset`.
qsizetype lineOfOffset(const QByteArray& bytes, qsizetype offset) {
    return QByteArrayView(bytes).first(offset).count('\n') + 1;
}

QString refusal(const QString& path, const QByteArray& bytes) {
    const qsizetype nul = bytes.indexOf('\0');
    qsizetype badLine = -1;
    qsizetype start = 0;
    qsizetype line = 1;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        if (nul >= start && nul <= end) {
            badLine = line;
            break;
        }
        if (!Cp932::decode(QByteArrayView(bytes).sliced(start, end - start))) {
            badLine = line;
            break;
        }
        start = end + 1;
        ++line;
    }
    if (badLine < 0 && nul >= 0)
        badLine = lineOfOffset(bytes, nul);
    return QStringLiteral("ファイル「%1」を読み込めません。\n%2行目にShift-JISの文字として読めないデータがあります。")
        .arg(displayName(path))
        .arg(badLine < 0 ? 1 : badLine);
}

} // namespace

LinesResult readLines(const QString& path) {
    LinesResult result;
    QFile file(path);
    if (!file.exists()) {
        result.exists = false;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = QStringLiteral("ファイル「%1」を開けません。\n%2").arg(displayName(path), file.errorString());
        return result;
    }
    const QByteArray bytes = file.readAll();
    const auto text = Cp932::decode(bytes);
    if (!text) {
        result.error = refusal(path, bytes);
        return result;
    }
    if (text->isEmpty())
        return result;
    QStringList lines = text->split(u'\n');
    if (text->endsWith(u'\n'))
        lines.removeLast();
    for (QString& l : lines) {
        if (l.endsWith(u'\r'))
            l.chop(1);
    }
    result.lines = std::move(lines);
    return result;
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

Status writeLines(const QString& path, const QStringList& lines) {
    QString text;
    qsizetype total = 0;
    for (const QString& l : lines)
        total += l.size() + 2;
    text.reserve(total);
    for (const QString& l : lines) {
        text += l;
        text += QLatin1String("\r\n");
    }
    const auto bytes = Cp932::encode(text);
    if (!bytes) {
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (const auto bad = Cp932::firstUnencodable(lines[i])) {
                return Status::failure(
                    QStringLiteral("文字%1はShift-JISで保存できません(%2行目)。\nファイル「%3」は保存されませんでした。")
                        .arg(Cp932::describe(*bad))
                        .arg(i + 1)
                        .arg(displayName(path)));
            }
        }
        return Status::failure(QStringLiteral("ファイル「%1」は保存されませんでした。").arg(displayName(path)));
    }
    return writeBytesAtomically(path, *bytes);
}

Status writeBytesAtomically(const QString& path, const QByteArray& bytes, const std::function<bool()>& beforeCommit) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Status::failure(
            QStringLiteral("ファイル「%1」に書き込めません。\n%2").arg(displayName(path), file.errorString()));
    }
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return Status::failure(QStringLiteral("ファイル「%1」に書き込めません。\n%2").arg(displayName(path), reason));
    }
    if (beforeCommit && !beforeCommit()) {
        file.cancelWriting();
        return Status::failure(QStringLiteral("ファイル「%1」の書き込みを中断しました。").arg(displayName(path)));
    }
    if (!file.commit()) {
        return Status::failure(
            QStringLiteral("ファイル「%1」に書き込めません。\n%2").arg(displayName(path), file.errorString()));
    }
    return Status::success();
}

} // namespace tv::shell
