// The shipped files are compiled in as UTF-8 resources and written as CP932 record files. A marker
// written after the last file tells a complete installation from an interrupted one: only while
// it is missing are files that were cut short laid down again, so that a file the user emptied
// after a complete installation is never touched.
#include "shell/installation.h"

#include "shell/bukken_name.h"
#include "shell/durable_file.h"
#include "shell/record_file.h"
#include "shell/working_files.h"

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

// A file that an interrupted installation left cut short: empty, or a beginning of the shipped
// bytes that stops inside a line. (Files written whole never end inside a line.) An empty file
// with project data is kept: earlier installations laid down some of them empty (the weld rates),
// and one the user emptied looks the same.
bool cutShort(const QString& path, const QByteArray& shipped, bool projectData) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (bytes.size() >= shipped.size() || !shipped.startsWith(bytes))
        return false;
    return bytes.isEmpty() ? !projectData : !bytes.endsWith('\n');
}

} // namespace

bool holdsProjectData(const QString& relativePath) {
    for (const WorkingFile& file : kWorkingFiles) {
        if (relativePath == QStringLiteral("%1/%2").arg(file.folder, file.name))
            return true;
    }
    return relativePath == QStringLiteral("%1/%2").arg(kSetFolder, kBukkenNameFile);
}

InstallReport layDownInstallation(const DataRoot& root, InstallScope scope) {
    InstallReport report;
    const QString marker = root.file(kSetFolder, kInstalledMarker);
    const bool complete = QFileInfo::exists(marker);
    for (const QString& folder : QStringList{root.path()} + installFolders()) {
        const QString path = folder == root.path() ? folder : root.folder(folder);
        if (QFileInfo(path).isDir())
            continue;
        report.status = makeFolders(path);
        if (!report.status.ok())
            return report;
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
        const EncodedLines shipped = encodeLines(target, shippedLines(resource));
        if (QFileInfo::exists(target) &&
            (complete || !cutShort(target, shipped.bytes, holdsProjectData(relative))))
            continue;
        if (complete && scope == InstallScope::AtStart && holdsProjectData(relative))
            continue;
        report.status = makeFolders(QFileInfo(target).absolutePath());
        if (!report.status.ok())
            return report;
        const services::Status written =
            shipped.status.ok() ? writeBytesAtomically(target, shipped.bytes) : shipped.status;
        if (!written.ok()) {
            report.status = written;
            return report;
        }
        report.created.append(target);
    }
    if (!complete)
        report.status = writeBytesAtomically(marker, QByteArrayLiteral("complete\n"));
    return report;
}

} // namespace tv::shell
