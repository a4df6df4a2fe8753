// The installation: the data folder tree with its reference lists, help texts, current-project
// record, working files and sample project. Laid down where missing; an existing file is never
// overwritten.
#pragma once

#include "services/status.h"
#include "shell/data_root.h"

#include <QStringList>

namespace tv::shell {

// Written in `set` when every file of the installation is in place.
inline constexpr QStringView kInstalledMarker = u".installation-complete";

struct InstallReport {
    QStringList created; // paths of the folders and files laid down now
    services::Status status;
};

InstallReport layDownInstallation(const DataRoot& root);

} // namespace tv::shell
