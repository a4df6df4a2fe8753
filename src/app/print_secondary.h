// `torvanel print secondary --pdf FILE`: the secondary-member sheet's printout from its work file.
#pragma once

#include "shell/data_root.h"
#include "shell/info_form.h"

#include <QStringView>

namespace tv::app {

inline constexpr QStringView kSecondaryPrintout = u"secondary";

// The printout of WorkData-3.ini under `root`, laid out as the sheet's 印刷 does; a missing file
// prints as an empty sheet, a file that does not decode gives its refusal and no document.
shell::HelpPrintout secondaryPrintout(const shell::DataRoot& root);

} // namespace tv::app
