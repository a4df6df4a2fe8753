// The shipped files that are made, not written by hand: the default weld conversion rates of a new
// installation and the sample projects. They are kept in the repository as UTF-8 lines with LF
// line ends, as every shipped file is, and laid down as CP932 by the installation.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tv::samples {

struct ShippedFile {
    QString relativePath; // under share/torvanel, as "set/Kansan.ini"
    QStringList lines;
};

struct MadeFiles {
    QList<ShippedFile> files;
    QString error; // why the files could not be made; files is then empty
};

// Makes every file; `shareDir` is the share/torvanel folder, whose present sample project the
// weld rates are renewed in.
MadeFiles makeSampleFiles(const QString& shareDir);

// The bytes a shipped file is kept as.
QByteArray shippedBytes(const QStringList& lines);

} // namespace tv::samples
