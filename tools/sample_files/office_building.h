// サンプル事務所棟: a two-storey steel office of 3 × 2 bays (6 m × 7 m, 252 m² a floor), entered
// through the list, registry and sheet models and their dialogs the way an estimator enters it.
#pragma once

#include "shell/data_root.h"

#include <QString>

namespace tv::samples {

inline constexpr QStringView kOfficeBuilding = u"サンプル事務所棟";

// Enters the building into the working files of `root`, an installed data root whose registries
// are already the ones the sample ships. Returns what went wrong, or empty text.
QString enterOfficeBuilding(const shell::DataRoot& root);

} // namespace tv::samples
