// The weld rows of a column's own section (イ部 and ロ部 grids): the default rows that a section has,
// the places and the total weld lengths.
//
// Grid layout: row 0 is the header, rows 1 … n the weld rows labelled "溶接1" … "溶接8"; columns
// 1 工法, 2 継手, 3 面, 4 厚 (as registered in the member list), 5 単位L (m per place), 6 ヶ所, 7 数量 (m).
#pragma once

#include "column_input/column_section.h"
#include "services/text_grid.h"
#include "state/input_dialog_state.h"

namespace tv::column_input {

enum WeldGridColumn : int {
    WeldMethod = 1,
    WeldJoint = 2,
    WeldSides = 3,
    WeldThickness = 4,
    WeldUnitLength = 5,
    WeldPlaces = 6,
    WeldQuantity = 7,
};
inline constexpr int kWeldGridColumns = 8;
inline constexpr int kMaxWeldRows = 8;

enum WeldGrid : int { FirstWelds = 0, SecondWelds = 1 }; // イ部, ロ部

// An empty weld grid of `weldRows` rows below its header.
services::TextGrid makeWeldGrid(int weldRows);
// Sets the number of weld rows (at most eight: a larger stored count is a damaged text), keeping the
// cells of the rows that stay and labelling new ones.
void setWeldRowCount(services::TextGrid& grid, int weldRows);

// Fills columns 1 to 5 of the default weld rows of `grid` for the section; the remembered methods,
// joint types and sides of `memory` replace the template's for the H sections. The grid must have
// been emptied and sized for the code.
void fillDefaultWeldRows(services::TextGrid& grid, WeldGrid which, SectionCode code, const ColumnSpecs& specs,
                         const std::array<QString, 8>& memory);

// The イ部 rows whose length per place is the column length (code 1: row 5; code 2: rows 7 and 8).
QList<int> lengthDependentRows(SectionCode code);

// Writes `places` into column 6 of every weld row.
void setWeldPlaces(services::TextGrid& grid, const QString& places);

// Recomputes column 7 of every weld row from places × length per place; `noWelds` empties places and
// quantities.
void recomputeWeldQuantities(services::TextGrid& grid, bool noWelds);

// Remembers columns 1 to 3 of every weld row; positions beyond the grid's last row keep their memory.
void rememberWelds(const services::TextGrid& grid, std::array<QString, 8>& memory);

} // namespace tv::column_input
