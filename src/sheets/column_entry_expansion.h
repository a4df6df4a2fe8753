// The rows of a column entry, laid out from its five entry texts: the member and its cut-tee parts,
// the plates, the welds of both weld lists and of the plates, the bolts, the surface treatment and
// the coating lines, each group filling its own columns from its first row down.
#pragma once

#include "sheets/entry_dialog.h"

#include <QList>
#include <QStringList>

namespace tv::sheets {

// Field counts of the column entry texts (fields joined by "･").
inline constexpr int kWeldLineFields = 7;
inline constexpr int kPlateLineFields = 18;
inline constexpr int kPaintLineFields = 8;

// The entry's rows, each of 29 cells indexed by grid column (cell 0, the entry number, stays empty),
// down to the last row that holds text. Row 0 carries "柱" in column 1 and the five texts in columns
// 24 to 28.
QList<QStringList> ExpandColumnEntry(const EntryPayload& payload);

} // namespace tv::sheets
