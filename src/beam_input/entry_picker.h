// Port: the picker of entries already on the beam sheet (入力済データ読込). The view side shows the
// picker; tests script it.
#pragma once

#include "sheets/entry_dialog.h"

#include <optional>

namespace tv::beam_input {

class EntryPicker {
public:
    virtual ~EntryPicker() = default;
    // Shows the picker over the beam sheet's entries; the chosen entry's five texts in sheet column
    // order (as the sheet hands them to the dialog), or nullopt when nothing was chosen.
    virtual std::optional<sheets::EntryPayload> pickBeamEntry() = 0;
};

} // namespace tv::beam_input
