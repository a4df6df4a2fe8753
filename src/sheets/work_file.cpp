// Loading, saving, numbering and spare rows of a sheet grid.
#include "sheets/work_file.h"

#include "services/text.h"
#include "sheets/sheet_layout.h"
#include "shell/record_file.h"

namespace tv::sheets {

using services::Status;
using services::TextGrid;

Status loadSheet(TextGrid& grid, const QString& path) {
    // Each line becomes its row's cells as it is read, so that the file is never held as lines and
    // as cells at once; the grid rows then share the cells' texts.
    std::vector<QStringList> records;
    shell::FieldSplitter splitter;
    shell::LineSink sink;
    sink.begin = [&](qsizetype lines) { records.reserve(size_t(lines)); };
    sink.line = [&](QStringView line) {
        if (line.isEmpty())
            return;
        QStringList cells = splitter.split(line, kSheetColumns);
        // Field n of the line is grid column n; the tag in field 0 gives way to the entry number,
        // which renumber() sets.
        cells[0] = QString();
        cells.resize(kSheetColumns);
        records.push_back(std::move(cells));
    };
    const shell::LinesResult read = shell::readLinesInto(path, sink);
    if (!read.exists)
        return Status::failure(shell::missingFileMessage(path));
    if (!read.ok())
        return Status::failure(read.error);
    grid.resize(kHeaderRows, kSheetColumns);
    grid.resize(kHeaderRows + int(records.size()) + 1 + kSpareRows, kSheetColumns);
    int row = kFirstDataRow;
    for (const QStringList& cells : records)
        grid.setRowTexts(row++, cells);
    records = {};
    renumber(grid);
    return Status::success();
}

QString storedCellText(QString text) {
    text = services::ReplaceApostrophe(std::move(text));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

QStringList sheetLines(const TextGrid& grid, const QString& tag) {
    QStringList lines;
    lines.reserve(grid.rowCount());
    QStringList cells;
    for (int row = kFirstDataRow; row < grid.rowCount(); ++row) {
        if (isEmptyRow(grid, row))
            continue;
        cells.clear();
        for (int c = kFirstCell; c <= kLastCell; ++c)
            cells.append(storedCellText(grid.text(row, c)));
        lines.append(shell::joinRecord(tag, cells));
    }
    return lines;
}

Status saveSheet(const TextGrid& grid, const QString& path, const QString& tag) {
    return shell::writeLines(path, sheetLines(grid, tag));
}

void renumber(TextGrid& grid) {
    int number = 0;
    for (int row = kFirstDataRow; row < grid.rowCount(); ++row) {
        const QString wanted = startsEntry(grid, row) ? QString::number(++number) : QString();
        if (grid.text(row, 0) != wanted)
            grid.setText(row, 0, wanted);
    }
}

int lastUsedRow(const TextGrid& grid) {
    for (int row = grid.rowCount() - 1; row >= kFirstDataRow; --row)
        if (!isEmptyRow(grid, row))
            return row;
    return kFirstDataRow - 1;
}

void ensureSpareRows(TextGrid& grid) {
    const int following = grid.rowCount() - 1 - lastUsedRow(grid);
    if (following < kSpareRows)
        grid.resize(grid.rowCount() + kSpareRows - following, grid.columnCount());
}

} // namespace tv::sheets
