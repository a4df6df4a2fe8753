// What the two registry windows share: colours, the in-place editor's keys and the name list height.
#pragma once

#include "services/text_grid.h"

namespace tv::registries {

inline constexpr services::Rgb kRegistryBackground{236, 251, 224};
inline constexpr services::Rgb kHeaderCellColor{239, 237, 212};
// A unit weight or rate that does not read as a plain number, so that it is seen before the totals.
inline constexpr services::Rgb kUnreadableNumberColor{255, 200, 200};

// Keys the in-place editor hands to the window model instead of typing them.
enum class EditorKey { Enter, Up, Down };

// The drop-down name list: 250 twips per name, at most 5000.
inline int nameListHeightTwips(int names) {
    return qMin(250 * qMax(names, 1), 5000);
}

// Colours `column` of `row` as an unreadable number when its text is not empty and not a number.
void markNumberCell(services::TextGrid& grid, int row, int column);

} // namespace tv::registries
