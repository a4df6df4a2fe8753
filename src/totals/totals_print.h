// The printout of one totals table (集計表): A4 portrait, a ruled frame of 42 rows of 6 mm, the
// table's rows one per frame row from the header row on, 42 to a page.
#pragma once

#include "services/print_document.h"
#include "services/text_grid.h"
#include "totals/totals_tables.h"

namespace tv::totals {

inline constexpr int kPrintRowsPerPage = 42;

// The option caption of each table ("鋼材", "溶接" …), which also starts its printed title.
QString tableCaption(TableId id);

// The printout of `table`. The title is the caption + "集計表", followed by "：" and the project
// name when `projectName` is not empty. A page is started only for rows that need it.
services::PrintDocument PrintTotalsTable(const services::TextGrid& table, TableId id,
                                         const QString& projectName);

} // namespace tv::totals
