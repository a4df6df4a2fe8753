// Finding the rows two states of a grid differ in.
#include "services/grid_rows_step.h"

#include <algorithm>
#include <cstdlib>

namespace tv::services {

namespace {

bool sameCells(const QStringList& a, const QStringList& b, int firstColumn) {
    if (a.size() != b.size())
        return false;
    for (qsizetype c = firstColumn; c < a.size(); ++c) {
        if (a[c] != b[c])
            return false;
    }
    return true;
}

} // namespace

QList<QStringList> gridRows(const TextGrid& grid, int firstRow) {
    QList<QStringList> rows;
    rows.reserve(std::max(grid.rowCount() - firstRow, 0));
    for (int row = firstRow; row < grid.rowCount(); ++row)
        rows.append(grid.rowTexts(row));
    return rows;
}

namespace {

constexpr int kRowsShiftedByTheGrid = 64;

// Moves row `from` (texts and colours) onto row `to`.
void moveRow(TextGrid& grid, int from, int to) {
    grid.setRowTexts(to, grid.rowTexts(from));
    for (int c = 0; c < grid.columnCount(); ++c)
        grid.setBackColor(to, c, grid.backColor(from, c));
}

} // namespace

void replaceRows(TextGrid& grid, int first, int count, const QList<QStringList>& texts) {
    const int rows = grid.rowCount();
    first = std::clamp(first, 0, rows);
    count = std::clamp(count, 0, rows - first);
    const int shift = int(texts.size()) - count;
    // A few rows more or less (an entry put back or taken out): the grid shifts the rows below at
    // once. Many more or less: the rows below are moved one by one, once each.
    if (std::abs(shift) <= kRowsShiftedByTheGrid) {
        for (int i = 0; i < shift; ++i)
            grid.insertRow(first + count);
        for (int i = 0; i < -shift; ++i)
            grid.removeRow(first + int(texts.size()));
    } else if (shift > 0) {
        grid.resize(rows + shift, grid.columnCount());
        for (int row = rows - 1; row >= first + count; --row)
            moveRow(grid, row, row + shift);
    } else if (shift < 0) {
        for (int row = first + count; row < rows; ++row)
            moveRow(grid, row, row + shift);
        grid.resize(rows + shift, grid.columnCount());
    }
    for (int i = 0; i < int(texts.size()); ++i) {
        grid.setRowTexts(first + i, texts[i]);
        for (int c = 0; c < grid.columnCount(); ++c)
            grid.setBackColor(first + i, c, std::nullopt);
    }
}

RowsChange diffRows(const QList<QStringList>& before, const QList<QStringList>& after, int firstRow,
                    int firstColumn) {
    qsizetype head = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (head < shorter && sameCells(before[head], after[head], firstColumn))
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           sameCells(before[before.size() - 1 - tail], after[after.size() - 1 - tail], firstColumn))
        ++tail;
    RowsChange change;
    change.first = firstRow + int(head);
    change.before = before.mid(head, before.size() - head - tail);
    change.after = after.mid(head, after.size() - head - tail);
    return change;
}

} // namespace tv::services
