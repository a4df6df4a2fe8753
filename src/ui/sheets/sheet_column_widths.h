// The column widths the estimator dragged on a sheet, remembered per user (in the user's settings
// folder, never in the project), in twips so that they hold on a screen of another resolution.
#pragma once

#include "sheets/sheet_form.h"

#include <QMap>

namespace tv::ui {

// Column → width in twips; columns not held keep the window's own width.
using ColumnWidths = QMap<int, int>;

ColumnWidths loadColumnWidths(sheets::SheetKind kind);
void saveColumnWidths(sheets::SheetKind kind, const ColumnWidths& widths);

} // namespace tv::ui
