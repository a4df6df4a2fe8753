// Comparing two grids by what they show.
#include "services/grid_snapshot.h"

namespace tv::services {

bool sameCells(const TextGrid& a, const TextGrid& b) {
    if (a.rowCount() != b.rowCount() || a.columnCount() != b.columnCount())
        return false;
    for (int row = 0; row < a.rowCount(); ++row) {
        for (int column = 0; column < a.columnCount(); ++column) {
            if (a.text(row, column) != b.text(row, column) ||
                a.backColor(row, column) != b.backColor(row, column))
                return false;
        }
    }
    return true;
}

} // namespace tv::services
