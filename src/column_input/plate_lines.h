// The attached-plate grid of a column entry: five plate lines with their welds and bolts.
//
// Grid layout: header rows 0 (groups PL, 溶接, BOLT) and 1 (column captions); data rows 2 to 6
// labelled "1" to "5"; columns 1 to 18 as the PlateColumn names say. Plate counts are for the whole
// entry, not per column.
#pragma once

#include "services/text_grid.h"

namespace tv::column_input {

enum PlateColumn : int {
    PlateName = 1,
    PlateGrade = 2,
    PlateThickness = 3,
    PlateWidth = 4,
    PlateLength = 5,
    PlateCount = 6, // formula allowed
    PlateWeldMethod = 7,
    PlateWeldJoint = 8,
    PlateWeldSides = 9,
    PlateWeldThickness = 10, // computed
    PlateWeldLength = 11,    // mm per plate, formula allowed
    PlateWeldQuantity = 12,  // computed, m
    PlateBoltKind = 13,
    PlateBoltDiameter = 14,
    PlateBoltGrip = 15,   // formula allowed; the bolt length itself for an anchor bolt
    PlateBoltLength = 16, // computed
    PlateBoltsPerPlate = 17,
    PlateBoltCount = 18, // computed
};
inline constexpr int kPlateGridColumns = 19;
inline constexpr int kPlateFirstRow = 2;
inline constexpr int kPlateLines = 5;

services::TextGrid makePlateGrid();

// Whether a plate-grid column is computed by the dialog (never typed or picked).
bool isComputedPlateColumn(int column);

// Recomputes the weld thickness, weld quantity, bolt length and bolt count of every plate line.
void recomputePlateLines(services::TextGrid& grid);

} // namespace tv::column_input
