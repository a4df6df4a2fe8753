// The shipped files are compiled in as UTF-8 resources and written as CP932 record files.
#include "shell/installation.h"

#include "shell/record_file.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace tv::shell {

namespace {

constexpr QStringView kResourceRoot = u":/torvanel";

const QStringList& installFolders() {
    static const QStringList folders{kDataFolder.toString(), kListFolder.toString(), kSetFolder.toString(),
                                     kWorkDataFolder.toString(), kInfoFolder.toString()};
    return folders;
}

// The UTF-8 text of a shipped file as lines (a final line break ends the last line).
QStringList shippedLines(const QString& resourcePath) {
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(file.readAll());
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    for (QString& l : lines) {
        if (l.endsWith(u'\r'))
            l.chop(1);
    }
    return lines;
}

} // namespace

InstallReport layDownInstallation(const DataRoot& root) {
    InstallReport report;
    QDir dir;
    for (const QString& folder : QStringList{root.path()} + installFolders()) {
        const QString path = folder == root.path() ? folder : root.folder(folder);
        if (QFileInfo(path).isDir())
            continue;
        if (!dir.mkpath(path)) {
            report.status = services::Status::failure(
                QStringLiteral("フォルダ「%1」を作成できません。").arg(QDir::toNativeSeparators(path)));
            return report;
        }
        report.created.append(path);
    }

    QDirIterator it(kResourceRoot.toString(), QDir::Files, QDirIterator::Subdirectories);
    QStringList resources;
    while (it.hasNext())
        resources.append(it.next());
    resources.sort();
    for (const QString& resource : resources) {
        const QString relative = resource.mid(kResourceRoot.size() + 1);
        const QString target = QDir(root.path()).filePath(relative);
        if (QFileInfo::exists(target))
            continue;
        if (!dir.mkpath(QFileInfo(target).absolutePath())) {
            report.status = services::Status::failure(
                QStringLiteral("フォルダ「%1」を作成できません。").arg(QDir::toNativeSeparators(target)));
            return report;
        }
        const services::Status written = writeLines(target, shippedLines(resource));
        if (!written.ok()) {
            report.status = written;
            return report;
        }
        report.created.append(target);
    }
    return report;
}

} // namespace tv::shell
