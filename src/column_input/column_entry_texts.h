// The five texts that carry a column entry between the column dialog and the column sheet.
//
// Every text joins its fields with "･" without escaping, and fields are addressed by position only:
// a stored text must read back the same in every later version, so the layout never changes.
// - EntryPaintList: coating grid rows 1 to 5, columns 1 to 8, row by row (40 fields);
// - EntryMainRecord: the 17 MainField fields;
// - EntryWeldListA / EntryWeldListB: the イ部 / ロ部 weld rows, columns 1 to 7, row by row (7 per row);
// - EntryPlateList: plate grid rows 2 to 6, columns 1 to 18, row by row (90 fields).
#pragma once

#include "services/text_grid.h"

#include <QString>

namespace tv::column_input {

struct ColumnEntryTexts {
    QString EntryPaintList;
    QString EntryMainRecord;
    QString EntryWeldListA;
    QString EntryWeldListB;
    QString EntryPlateList;

    bool operator==(const ColumnEntryTexts&) const = default;
};

// Fields of EntryMainRecord.
enum MainField : int {
    MainClassification = 0, // "塗装有", "塗装無", "溶融亜鉛" or "その他"
    MainSectionKind = 1,
    MainSectionText = 2,
    MainFloor = 3, // floor followed by "階"
    MainMark = 4,
    MainLength = 5,
    MainCount = 6,
    MainJointMark = 7,
    MainSecondPlaces = 8, // ロ部 places formula
    MainComment = 9,
    MainJoint = 10,         // "1" / "0"
    MainNoFirstWelds = 11,  // "1" / "0"
    MainNoSecondWelds = 12, // "1" / "0"
    MainFirstWeldRows = 13,
    MainSecondWeldRows = 14,
    MainPaintedGirth = 15,
    MainPaintedArea = 16,
};
inline constexpr int kMainFields = 17;

// The cells of rows [firstRow, lastRow] and columns [1, lastColumn], row by row, joined by "･".
QString joinGridCells(const services::TextGrid& grid, int firstRow, int lastRow, int lastColumn);

// Fills the same cells from a joined text, one field per cell in order; cells beyond the text's
// fields are emptied.
void fillGridCells(services::TextGrid& grid, int firstRow, int lastRow, int lastColumn, const QString& text);

// Integer value of a stored flag or count field ("1", "8"); 0 for anything that is not a number.
int storedInteger(const QString& field);

} // namespace tv::column_input
