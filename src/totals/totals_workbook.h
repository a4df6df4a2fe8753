// The totals as one workbook (.xlsx) for the spreadsheet: a sheet per table, named by its caption,
// holding the cells that the clipboard text holds.
//
// Quantities, unit weights, weights and rates that read as plain decimal numbers are numeric cells
// whose number format shows as many decimals as the table shows; every other text ("?" of a missing
// registration, "-", names, sizes) is a text cell. The header row is bold and frozen, each column
// is as wide as its widest text (full-width characters counting two), and each sheet prints on A4
// landscape with the project name and the table's title in the page header, the header row on
// every page and the page number in the footer.
#pragma once

#include "services/status.h"
#include "totals/totals_tables.h"

#include <QString>

namespace tv::totals {

// Writes the six tables to `path`, replacing the file in one atomic step: the workbook is written
// beside it, checked, synced and renamed over it; on failure `path` is as it was and the reason is
// given in words.
services::Status writeTotalsWorkbook(const TotalsTables& tables, const QString& projectName,
                                     const QString& path);

} // namespace tv::totals
