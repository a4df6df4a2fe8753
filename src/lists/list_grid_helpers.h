// Small grid routines shared by the panels of the list window.
#pragma once

#include "services/text_grid.h"

#include <QStringList>

namespace tv::lists {

// Sorts the data rows by floor (column 1), then mark (column 2), and numbers them 1, 2, 3 …
void sortByFloorAndMark(services::TextGrid& grid);

// The data row a registration of floor and mark writes into: the row already holding them, else the
// first empty row, else a new row at the end. Full-width letters and digits match half-width ones.
int registrationRow(services::TextGrid& grid, const QString& floor, const QString& mark);

// Colours `row` as the selected entry and clears the colour of every other data row (-1: none).
void highlightRow(services::TextGrid& grid, int row, services::Rgb color);

// Writes `texts` into `row` from `column` on.
void setTexts(services::TextGrid& grid, int row, int column, const QStringList& texts);

// The texts of `count` cells of `row` from `column` on.
QStringList texts(const services::TextGrid& grid, int row, int column, int count);

} // namespace tv::lists
