// The printout of the secondary-member sheet: A4 landscape, a ruled frame of 35 row bands per page
// with the group captions, and every row that holds text in cells 1 to 20, without gaps.
#pragma once

#include "secondary/zatu_row.h"
#include "services/print_document.h"

#include <QList>

namespace tv::secondary {

inline constexpr int kPrintRowsPerPage = 35;

// The pages for `rows` (the sheet's rows from the top). A row with text only in the hidden cells is
// not printed. Page 1 is always there; a page is started as soon as the one before it is full, so
// 35 printed rows give a second page with its frame and title only.
services::PrintDocument ZatuPrintLayout(const QList<ZatuRow>& rows);

} // namespace tv::secondary
