// The sheet rows of one beam entry, laid out from its five entry texts: the beam (one row, or centre
// and end sections on two rows), its plates, welds, painting or coating and bolts side by side, and
// the entry texts themselves in the hidden cells of the first row.
#pragma once

#include "sheets/entry_dialog.h"

#include <QList>
#include <QStringList>

namespace tv::beam_input {

// Rows of 29 cells indexed by sheet column (cell 0 is left empty); the first row is the entry's.
QList<QStringList> ExpandBeamEntry(const sheets::EntryPayload& texts);

} // namespace tv::beam_input
