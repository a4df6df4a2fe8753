// Reading and writing WorkData-3.ini through the shell's record files.
#include "secondary/zatu_file.h"

#include "services/text.h"
#include "shell/record_file.h"

namespace tv::secondary {

QString zatuFilePath(const shell::DataRoot& root) {
    return root.file(shell::kWorkDataFolder, kZatuFile);
}

ZatuRowsResult LoadZatuRows(const QString& path) {
    ZatuRowsResult result;
    // Each line is cut at the separators straight into its row's cells as it is read: a sheet of ten
    // thousand rows holds a quarter of a million cells, and neither the lines nor lists of fields are
    // kept on the way.
    shell::FieldSplitter splitter;
    shell::LineSink sink;
    sink.begin = [&](qsizetype lines) { result.rows.reserve(lines); };
    sink.line = [&](QStringView line) {
        if (line.isEmpty())
            return;
        ZatuRow& row = result.rows.emplace_back();
        qsizetype start = line.indexOf(shell::kSeparator); // after the tag
        for (int k = 0; k < kZatuCells && start >= 0; ++k) {
            const qsizetype end = line.indexOf(shell::kSeparator, start + 1);
            const qsizetype length = (end < 0 ? line.size() : end) - start - 1;
            if (length > 0)
                row.cells[size_t(k)] = splitter.field(line.sliced(start + 1, length));
            start = end;
        }
    };
    const shell::LinesResult read = shell::readLinesInto(path, sink);
    result.exists = read.exists;
    result.error = read.exists ? read.error : shell::missingFileMessage(path);
    if (!result.ok())
        result.rows.clear();
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
