// Copies are named after the bundle's file name without ".tkd" and the time of the save; further
// saves in the same second get "-2", "-3" ... so no copy is ever overwritten.
#include "shell/safety_copies.h"

#include "shell/durable_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>

namespace tv::shell {

using services::Status;

namespace {

QString projectOf(const QString& bundlePath) {
    QString name = QFileInfo(bundlePath).fileName();
    if (name.endsWith(QStringLiteral(".tkd"), Qt::CaseInsensitive))
        name.chop(4);
    return name;
}

} // namespace

QString safetyCopyFolder(const DataRoot& root) {
    return QDir(root.folder(kDataFolder)).filePath(QStringLiteral(".backup"));
}

SafetyCopy keepSafetyCopy(const DataRoot& root, const QString& bundlePath, const QDateTime& now) {
    QByteArray bytes;
    const int error = readWholeFile(bundlePath, &bytes);
    if (error == ENOENT)
        return {};
    if (error != 0) {
        return {
            {},
            Status::failure(QStringLiteral("ファイル「%1」を読み込めないため、保存前の控えを作れません。\n%2")
                                .arg(displayPath(bundlePath), readFailureReason(error)))};
    }
    const QString folder = safetyCopyFolder(root);
    if (const Status made = makeFolders(folder); !made.ok())
        return {{},
                Status::failure(made.error +
                                QStringLiteral("\n保存前の控えを作れないため、保存を中止しました。"))};
    const QString stem = projectOf(bundlePath) + u'-' + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    // Numbered after the highest copy of the same second, so a name is never used twice even after
    // older copies of that second were pruned.
    int highest = 0;
    const QRegularExpression sameSecond(u'^' + QRegularExpression::escape(stem) + QStringLiteral("(?:-(\\d+))?\\.tkd$"));
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch m = sameSecond.match(name);
        if (m.hasMatch())
            highest = std::max(highest, m.captured(1).isEmpty() ? 1 : m.captured(1).toInt());
    }
    const QString path = QDir(folder).filePath(
        highest == 0 ? stem + QStringLiteral(".tkd") : stem + QStringLiteral("-%1.tkd").arg(highest + 1));
    const Status written = replaceFile(path, bytes);
    if (!written.ok())
        return {{},
                Status::failure(written.error +
                                QStringLiteral("\n保存前の控えを作れないため、保存を中止しました。"))};
    return {path, Status::success()};
}

void pruneSafetyCopies(const DataRoot& root, const QString& bundlePath) {
    const QDir folder(safetyCopyFolder(root));
    const QRegularExpression pattern(u'^' + QRegularExpression::escape(projectOf(bundlePath)) +
                                     QStringLiteral("-(\\d{8}-\\d{6})(?:-(\\d+))?\\.tkd$"));
    struct Copy {
        QString name;
        QString time;
        int number;
    };
    QList<Copy> copies;
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch m = pattern.match(name);
        if (m.hasMatch())
            copies.append({name, m.captured(1), m.captured(2).isEmpty() ? 1 : m.captured(2).toInt()});
    }
    std::sort(copies.begin(), copies.end(), [](const Copy& a, const Copy& b) {
        return std::tie(a.time, a.number) < std::tie(b.time, b.number);
    });
    for (qsizetype i = 0; i + kSafetyCopiesKept < copies.size(); ++i)
        removeFile(folder.filePath(copies[i].name));
}

} // namespace tv::shell
