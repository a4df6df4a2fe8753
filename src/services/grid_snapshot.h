// A grid as an undo step keeps it: the whole grid comes back with the step (colours and current
// cell too), but two snapshots are the same when their rows and texts are, so that a click that only
// moves the selection is no change of its own.
#pragma once

#include "services/text_grid.h"

namespace tv::services {

struct GridSnapshot {
    TextGrid grid;

    bool operator==(const GridSnapshot& other) const {
        if (grid.rowCount() != other.grid.rowCount() || grid.columnCount() != other.grid.columnCount())
            return false;
        for (int row = 0; row < grid.rowCount(); ++row) {
            if (grid.rowTexts(row) != other.grid.rowTexts(row))
                return false;
        }
        return true;
    }
};

} // namespace tv::services
