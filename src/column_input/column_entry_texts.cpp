// Joining grid cells into entry texts and filling them back.
#include "column_input/column_entry_texts.h"

#include "lists/member_lists.h"
#include "services/num.h"

#include <cmath>

namespace tv::column_input {

QString joinGridCells(const services::TextGrid& grid, int firstRow, int lastRow, int lastColumn) {
    QStringList fields;
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = 1; column <= lastColumn; ++column)
            fields.append(grid.text(row, column));
    return fields.join(lists::kPartSeparator);
}

void fillGridCells(services::TextGrid& grid, int firstRow, int lastRow, int lastColumn, const QString& text) {
    const QStringList fields = text.split(lists::kPartSeparator);
    qsizetype k = 0;
    for (int row = firstRow; row <= lastRow; ++row)
        for (int column = 1; column <= lastColumn; ++column)
            grid.setText(row, column, fields.value(k++));
}

int storedInteger(const QString& field) {
    const double value = services::Num(field);
    return std::abs(value) < 1e9 ? int(std::nearbyint(value)) : 0;
}

} // namespace tv::column_input
