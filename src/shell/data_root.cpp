// Data root resolution and path joining.
#include "shell/data_root.h"

#include <QDir>

namespace tv::shell {

DataRoot::DataRoot(QString path) : m_path(QDir::cleanPath(std::move(path))) {}

QString DataRoot::resolve(const QString& option, const QString& environment, const QString& programFolder,
                          const QString& home) {
    if (!option.isEmpty())
        return QDir::cleanPath(option);
    if (!environment.isEmpty())
        return QDir::cleanPath(environment);
#ifdef Q_OS_WIN
    if (programFolder.size() >= 2 && programFolder[1] == u':')
        return programFolder.left(2) + QStringLiteral("/Torvanel");
#else
    Q_UNUSED(programFolder);
#endif
    return QDir(home).filePath(QStringLiteral("Torvanel"));
}

QString DataRoot::folder(QStringView name) const { return QDir(m_path).filePath(name.toString()); }

QString DataRoot::file(QStringView folderName, QStringView name) const {
    return QDir(folder(folderName)).filePath(name.toString());
}

} // namespace tv::shell
