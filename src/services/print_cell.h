// Texts of the printed tables in their cells: boxes from millimetres, and where a text lands by the
// estimate the tables were designed with (half the font size per Shift-JIS byte, as high as the font).
#pragma once

#include "services/print_document.h"

namespace tv::services {

// Clearance between a text's box and the rules of its cell, in millimetres: narrow enough that two
// full-width characters at the smallest size still fit a column 5 mm wide ("工場" under "工").
inline constexpr double kCellGapMm = 0.3;

// The box from `left` to `right` and from `top` to `bottom`, millimetres from the paper's corner.
PrintBox boxFromMm(double left, double top, double right, double bottom);

// The estimated width of `text` in `points`, millimetres.
double estimatedWidthMm(QStringView text, double points);

// `text` in `points` fitted into `cell` with `align`. Its x and y are the estimate: aligned in the
// cell by the estimated width (never starting left of the cell), centred from top to bottom.
PrintText textInCell(const QString& text, const QString& font, double points, PrintBox cell,
                     PrintAlign align);

// Gives `item`, placed by its layout, the cell it is drawn in: it keeps its x and is centred from top
// to bottom in the cell.
void putInCell(PrintText& item, PrintBox cell, PrintAlign align);

// A text that stands on its own (a page title) keeps its place: its box is its own line, `gapMm`
// higher and lower, from its left edge to `rightMm`.
void keepInLine(PrintText& item, double rightMm, double gapMm = 1);

} // namespace tv::services
