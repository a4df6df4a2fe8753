// The grid shared by the column and beam sheets: 29 columns, two header rows, the captions, widths and
// alignment, and what differs between the two sheets (entry kind, work file, tag, help text, title).
//
// Invariants of a sheet grid:
// - rows 0 and 1 are the header rows (group captions, column captions); data rows follow;
// - column 0 holds the entry number and is never saved; columns 1 to 28 hold the row's cells, 24 to
//   28 the five hidden entry texts on an entry's first row;
// - an entry's first row has a non-empty column 1; its further rows have an empty column 1.
#pragma once

#include "services/rgb.h"
#include "services/text_grid.h"

#include <QString>
#include <QStringView>

namespace tv::sheets {

inline constexpr int kSheetColumns = 29;
inline constexpr int kHeaderRows = 2;
inline constexpr int kFirstDataRow = kHeaderRows;
inline constexpr int kFirstCell = 1; // the first saved column (entry kind)
inline constexpr int kLastCell = 28; // the last saved column
inline constexpr int kKindColumn = 1;
inline constexpr int kFloorColumn = 2;
inline constexpr int kMarkColumn = 3;
inline constexpr int kFirstEntryText = 24; // columns 24 to 28: the hidden entry texts
inline constexpr int kSpareRows = 100;     // empty rows kept below the last used row
inline constexpr int kPageRows = 38;       // rows a paging command moves

inline constexpr services::Rgb kHeaderColor{216, 233, 212};
inline constexpr services::Rgb kSelectedRowColor{238, 252, 188};

enum class SheetKind { Column, Beam };

// What tells the two sheets apart.
struct SheetTraits {
    SheetKind kind;
    QStringView entryKind;   // column 1 of an entry's first row: "柱" or "梁"
    QStringView fileName;    // the work file in WorkData
    QStringView tag;         // the tag of its lines
    QStringView helpFile;    // the help text of 入力説明 in info
    QStringView windowTitle; // also the title word of the printout
    int payloadMainText;     // the entry text whose emptiness means the dialog was cancelled
};

const SheetTraits& sheetTraits(SheetKind kind);

// Empties `grid` and lays it out as a sheet of `kind`: 29 columns, the two header rows with their
// captions (equal neighbouring group captions merged), widths, alignment and colours, no data row.
void setUpSheetGrid(services::TextGrid& grid, SheetKind kind);

// The group caption (header row 0) and the column caption (header row 1) of a column.
QString groupCaption(int column);
QString columnCaption(int column);

// True when cells 1 to 28 of `row` are all empty.
bool isEmptyRow(const services::TextGrid& grid, int row);
// True when `row` starts an entry (column 1 holds text).
inline bool startsEntry(const services::TextGrid& grid, int row) {
    return !grid.text(row, kKindColumn).isEmpty();
}

} // namespace tv::sheets
