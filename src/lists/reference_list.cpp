// Reading and writing the plain reference lists.
#include "lists/reference_list.h"

#include "shell/record_file.h"

namespace tv::lists {

ReferenceList readReferenceList(const shell::DataRoot& root, QStringView name) {
    const shell::LinesResult read = shell::readLines(root.file(shell::kSetFolder, name));
    ReferenceList list;
    list.error = read.error;
    for (const QString& line : read.lines)
        if (!line.isEmpty())
            list.entries.append(line);
    return list;
}

services::Status writeReferenceList(const shell::DataRoot& root, QStringView name,
                                    const QStringList& entries) {
    QStringList lines;
    for (const QString& entry : entries)
        if (!entry.isEmpty())
            lines.append(entry);
    return shell::writeLines(root.file(shell::kSetFolder, name), lines);
}

} // namespace tv::lists
