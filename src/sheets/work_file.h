// The work files of the two sheets: one line per used row, the tag then cells 1 to 28, written whole;
// and the two row chores every change ends with, numbering the entries and keeping spare rows.
#pragma once

#include "services/status.h"
#include "services/text_grid.h"

#include <QString>
#include <QStringList>

namespace tv::sheets {

// Loads the work file at `path` into the sheet grid (laid out by setUpSheetGrid): the file's
// non-empty lines become data rows in order, then one empty row and 100 spare rows follow, and the
// entries are numbered. A missing file is refused, named. A line with fewer than 29 fields gets
// empty cells for the missing ones, so that nothing of it is lost at the next save. A file that does
// not decode is refused with its message and the grid is left as it was.
services::Status loadSheet(services::TextGrid& grid, const QString& path);

// A cell's text as the work file holds it: "'" as "’", and a line break (which would split the
// row's line in two) as a blank.
QString storedCellText(QString text);

// The lines a save writes: every data row with text in cells 1 to 28, each cell as storedCellText.
QStringList sheetLines(const services::TextGrid& grid, const QString& tag);

// Rewrites the work file whole; on failure the file stays as it was and the message says why.
services::Status saveSheet(const services::TextGrid& grid, const QString& path, const QString& tag);

// Numbers the entries' first rows 1, 2, 3 … in column 0 and empties it on every other data row.
void renumber(services::TextGrid& grid);

// Appends empty rows until at least 100 grid rows follow the last row with text (with no such row,
// until the sheet has at least 100 data rows).
void ensureSpareRows(services::TextGrid& grid);

// The last data row with text in cells 1 to 28, or kHeaderRows - 1 when there is none.
int lastUsedRow(const services::TextGrid& grid);

} // namespace tv::sheets
