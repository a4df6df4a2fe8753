// Reading and writing the plain reference lists.
#include "registries/reference_lists.h"

#include "shell/record_file.h"

namespace tv::registries {

ReferenceList loadList(const QString& path) {
    ReferenceList list;
    shell::LinesResult read = shell::readLines(path);
    if (!read.ok()) {
        list.error = read.error;
        return list;
    }
    for (QString& line : read.lines) {
        if (!line.isEmpty())
            list.entries.append(std::move(line));
    }
    return list;
}

services::Status saveList(const QString& path, const QStringList& entries) {
    QStringList lines;
    for (const QString& e : entries) {
        if (!e.isEmpty())
            lines.append(e);
    }
    return shell::writeLines(path, lines);
}

} // namespace tv::registries
