// The printout of the column and beam sheets: A4 landscape pages with a ruled table of 35 rows under
// the group captions, one printed line per sheet row with text in columns 2 to 23.
#pragma once

#include "services/print_document.h"
#include "services/text_grid.h"
#include "sheets/sheet_layout.h"

namespace tv::sheets {

inline constexpr int kPrintRowsPerPage = 35;
inline constexpr auto kSheetPrintFont = u"ＭＳ Ｐ明朝";

// The printout of the sheet's data rows, titled "柱積算-N" or "梁積算-N". Rows without text in
// columns 2 to 23 take no line; the first page is made even when no row prints.
services::PrintDocument sheetPrintout(const services::TextGrid& grid, SheetKind kind);

} // namespace tv::sheets
