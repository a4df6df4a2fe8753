// A grid kept whole in a window's undo state. Two snapshots are the same when the user sees the
// same grid: the same rows and columns, texts and colours; where the cursor stood or which row was
// shown first does not make a change.
#pragma once

#include "services/text_grid.h"

namespace tv::services {

bool sameCells(const TextGrid& a, const TextGrid& b);

struct GridSnapshot {
    TextGrid grid;

    bool operator==(const GridSnapshot& other) const { return sameCells(grid, other.grid); }
};

} // namespace tv::services
