// Test file helpers.
#include "support/test_files.h"

#include "services/cp932.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace tv::test {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray cp932Lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& l : lines)
        bytes += services::Cp932::encode(l).value_or(QByteArray()) + "\r\n";
    return bytes;
}

void writeCp932Lines(const QString& path, const QStringList& lines) { writeBytes(path, cp932Lines(lines)); }

void makeDataFolders(const QString& root) {
    for (const char* f : {"Data", "List", "set", "WorkData", "info"})
        QDir().mkpath(QDir(root).filePath(QLatin1String(f)));
}

void makeDataRoot(const QString& root) {
    makeDataFolders(root);
    for (const char* f : {"List/HasiraListData.ini", "List/HariListData.ini", "List/JointListData.ini",
                          "set/BuzaiWeight.ini", "set/Kansan.ini", "set/Kikaku.ini",
                          "WorkData/WorkData-1.ini", "WorkData/WorkData-2.ini", "WorkData/WorkData-3.ini"})
        writeBytes(QDir(root).filePath(QLatin1String(f)), {});
}

QString pdfText(const QString& pdf) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                             QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

} // namespace tv::test
