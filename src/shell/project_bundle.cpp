// Bundle packing and unpacking. Opening decodes and sorts the whole bundle in memory before a single
// working file is written, so a refused file changes nothing.
#include "shell/project_bundle.h"

#include "shell/record_file.h"
#include "shell/working_files.h"

#include <QDir>
#include <QFile>

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

QString notABundle(const QString& path) {
    return QStringLiteral("ファイル「%1」は物件データ(.tkd)ではありません。\n読み込みを中止しました。")
        .arg(QDir::toNativeSeparators(path));
}

Status packInto(const DataRoot& root, const QString& bundlePath) {
    QStringList bundle;
    for (const WorkingFile& file : kWorkingFiles) {
        const LinesResult read = readLines(workingFilePath(root, file));
        if (!read.ok())
            return Status::failure(read.error);
        bundle.append(read.lines);
    }
    return writeLines(bundlePath, bundle);
}

} // namespace

Status save(const DataRoot& root, const QString& bundlePath) { return packInto(root, bundlePath); }

Status open(const DataRoot& root, const QString& bundlePath) {
    QFile file(bundlePath);
    if (!file.open(QIODevice::ReadOnly))
        return Status::failure(QStringLiteral("ファイル「%1」を開けません。").arg(QDir::toNativeSeparators(bundlePath)));
    const QByteArray bytes = file.readAll();
    file.close();
    if (hasBinaryBytes(bytes))
        return Status::failure(notABundle(bundlePath));

    const LinesResult read = readLines(bundlePath);
    if (!read.ok())
        return Status::failure(read.error);

    std::array<QStringList, kWorkingFiles.size()> sorted;
    bool anyRecord = false;
    bool anyForeignText = false;
    for (const QString& line : read.lines) {
        const QStringView tag = QStringView(line).first(std::min<qsizetype>(4, line.size()));
        bool matched = false;
        for (std::size_t i = 0; i < kWorkingFiles.size(); ++i) {
            if (line.size() >= 4 && tag == kWorkingFiles[i].tag) {
                sorted[i].append(line);
                matched = anyRecord = true;
                break;
            }
        }
        if (!matched && !line.trimmed().isEmpty())
            anyForeignText = true;
    }
    // Text with content but not one record of the project is some other file: opening it would
    // only wipe the working files.
    if (anyForeignText && !anyRecord)
        return Status::failure(notABundle(bundlePath));

    for (std::size_t i = 0; i < kWorkingFiles.size(); ++i) {
        const Status written = writeLines(workingFilePath(root, kWorkingFiles[i]), sorted[i]);
        if (!written.ok())
            return written;
    }
    return Status::success();
}

Status createNew(const DataRoot& root, const QString& bundlePath) {
    // The bundle is written first, so a bundle that cannot be written leaves the open project's
    // working files untouched.
    QStringList bundle;
    for (const WorkingFile& file : kWorkingFiles) {
        if (file.emptiedByNewProject) {
            bundle.append(QString());
            continue;
        }
        const LinesResult read = readLines(workingFilePath(root, file));
        if (!read.ok())
            return Status::failure(read.error);
        bundle.append(read.lines);
    }
    const Status written = writeLines(bundlePath, bundle);
    if (!written.ok())
        return written;
    for (const WorkingFile& file : kWorkingFiles) {
        if (!file.emptiedByNewProject)
            continue;
        const Status emptied = writeLines(workingFilePath(root, file), {QString()});
        if (!emptied.ok())
            return emptied;
    }
    return Status::success();
}

} // namespace tv::shell::ProjectBundle
