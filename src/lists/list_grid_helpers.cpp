// Grid routines of the list window.
#include "lists/list_grid_helpers.h"

#include "services/text.h"

namespace tv::lists {

void sortByFloorAndMark(services::TextGrid& grid) {
    const int first = grid.fixedRows();
    grid.sortRows(first, grid.rowCount() - 1, 1, 2);
    for (int row = first; row < grid.rowCount(); ++row)
        grid.setText(row, 0, QString::number(row - first + 1));
}

int registrationRow(services::TextGrid& grid, const QString& floor, const QString& mark) {
    for (int r = grid.fixedRows(); r < grid.rowCount(); ++r)
        if (services::SameIdentifier(grid.text(r, 1), floor) &&
            services::SameIdentifier(grid.text(r, 2), mark))
            return r;
    for (int r = grid.fixedRows(); r < grid.rowCount(); ++r)
        if (grid.text(r, 1).isEmpty())
            return r;
    grid.insertRow(grid.rowCount());
    return grid.rowCount() - 1;
}

void highlightRow(services::TextGrid& grid, int row, services::Rgb color) {
    for (int r = grid.fixedRows(); r < grid.rowCount(); ++r)
        for (int c = grid.fixedColumns(); c < grid.columnCount(); ++c)
            grid.setBackColor(r, c, r == row ? std::optional<services::Rgb>(color) : std::nullopt);
}

void setTexts(services::TextGrid& grid, int row, int column, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i)
        grid.setText(row, column + i, texts[i]);
}

QStringList texts(const services::TextGrid& grid, int row, int column, int count) {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(grid.text(row, column + i));
    return out;
}

} // namespace tv::lists
