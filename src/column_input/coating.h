// Fire-resistant coating of a column: the girth of the fourteen coating shapes and the coated area.
//
// Grid layout (HifukuGrid): header row 0; coating lines in rows 1 to 5 labelled "1" to "5"; columns
// 1 種類, 2 厚, 3 形状, 4 糸尺 (computed, m), 5 単位L(mm), 6 本, 7 数量(m2) (computed), 8 a hidden
// field carried in the entry texts and never written by the dialog.
#pragma once

#include "services/text_grid.h"

#include <QString>

namespace tv::column_input {

enum CoatingColumn : int {
    CoatingKind = 1,
    CoatingThickness = 2,
    CoatingShape = 3,
    CoatingGirth = 4,
    CoatingLength = 5,
    CoatingCount = 6,
    CoatingArea = 7,
    CoatingCarried = 8,
};
inline constexpr int kCoatingGridColumns = 9;
inline constexpr int kCoatingLines = 5;

services::TextGrid makeCoatingGrid();

// The girth of the coating in mm for a shape number (1 to 14), half the coating thickness `c` and
// the section of kind `sectionKind` described by `sectionText`; 0 when the shape does not apply.
float coatingGirth(int shape, float c, const QString& sectionKind, const QString& sectionText);

// Recomputes the girth and area of every coating line whose kind is filled.
void recomputeCoatingLines(services::TextGrid& grid, const QString& sectionKind, const QString& sectionText);

} // namespace tv::column_input
