// Reading and writing WorkData-3.ini through the shell's record files.
#include "secondary/zatu_file.h"

#include "services/text.h"
#include "shell/record_file.h"

#include <algorithm>

namespace tv::secondary {

QString zatuFilePath(const shell::DataRoot& root) {
    return root.file(shell::kWorkDataFolder, kZatuFile);
}

ZatuRowsResult LoadZatuRows(const QString& path) {
    const shell::LinesResult read = shell::readLines(path);
    ZatuRowsResult result;
    result.exists = read.exists;
    result.error = read.error;
    if (!read.ok())
        return result;
    const QList<QStringList> records = shell::splitRecords(read.lines);
    result.rows.reserve(records.size());
    for (const QStringList& fields : records) {
        ZatuRow row;
        const int last = int(std::min<qsizetype>(fields.size() - 1, kZatuCells));
        for (int k = 1; k <= last; ++k)
            row.cells[size_t(k - 1)] = fields[k];
        result.rows.append(std::move(row));
    }
    return result;
}

QStringList zatuLines(const QList<ZatuRow>& rows) {
    QStringList lines;
    lines.reserve(rows.size());
    QStringList fields;
    for (const ZatuRow& row : rows) {
        if (row.isEmpty())
            continue;
        fields.clear();
        for (const QString& cell : row.cells)
            fields.append(services::ReplaceApostrophe(cell));
        lines.append(shell::joinRecord(kZatuTag.toString(), fields));
    }
    return lines;
}

services::Status SaveZatuRows(const QString& path, const QList<ZatuRow>& rows) {
    return shell::writeLines(path, zatuLines(rows));
}

} // namespace tv::secondary
