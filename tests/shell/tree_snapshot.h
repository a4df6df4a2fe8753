// Every file under a folder, hidden ones included, with its bytes: to show that a failed or
// interrupted operation left every file as it was, and no stray temporary file behind.
#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>

namespace tv::test {

// Relative path -> bytes. The data root's lock file is left out: it belongs to the running program.
inline QMap<QString, QByteArray> snapshotTree(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    const QDir base(folder);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = base.relativeFilePath(path);
        if (relative == u".torvanel.lock")
            continue;
        QFile file(path);
        files.insert(relative, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    return files;
}

// Puts the folder back to `files` exactly: removes what is not in it, rewrites the rest.
inline void restoreTree(const QString& folder, const QMap<QString, QByteArray>& files) {
    const QDir base(folder);
    for (const QString& relative : snapshotTree(folder).keys()) {
        if (!files.contains(relative))
            QFile::remove(base.filePath(relative));
    }
    for (auto it = files.begin(); it != files.end(); ++it) {
        QFile file(base.filePath(it.key()));
        if (file.open(QIODevice::WriteOnly))
            file.write(it.value());
    }
}

// The names of the files that differ between two snapshots, for a readable failure.
inline QStringList differences(const QMap<QString, QByteArray>& a, const QMap<QString, QByteArray>& b) {
    QStringList names;
    for (auto it = a.begin(); it != a.end(); ++it)
        if (b.value(it.key(), QByteArray("<missing>")) != it.value())
            names.append(it.key());
    for (auto it = b.begin(); it != b.end(); ++it)
        if (!a.contains(it.key()))
            names.append(it.key() + QStringLiteral(" (new)"));
    return names;
}

} // namespace tv::test
