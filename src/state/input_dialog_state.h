// Values the member input dialogs share for the whole run: the last confirmed floor, the column
// dialog's remembered weld attributes and the list entry of its chosen mark. Never saved to disk.
#pragma once

#include "lists/member_lists.h"

#include <QString>

#include <array>

namespace tv {

// Remembered weld attributes of the column dialog: per weld grid (0 イ部, 1 ロ部) and weld row
// position 1 to 8 (index 0 to 7), method, joint type and sides joined by "･"; empty until an OK.
using WeldMemoryTable = std::array<std::array<QString, 8>, 2>;

struct InputDialogState {
    QString LastFloor;                       // floor of the last confirmed column or beam dialog
    WeldMemoryTable WeldMemory;              // column dialog, for the run
    lists::HasiraListEntry CurrentListEntry; // column dialog: the entry of the chosen floor and mark
};

} // namespace tv
