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

// What is laid down where missing. A missing working file, list, registry or current-project record
// of a complete installation is never recreated at start: empty, it would pass for data that was
// lost. Only `init`, asked for by the user, lays those down again.
enum class InstallScope {
    Everything, // init, and every start while the installation is not complete
    AtStart,    // a start of a complete installation: help texts, reference lists, sample projects
};

InstallReport layDownInstallation(const DataRoot& root, InstallScope scope = InstallScope::Everything);

// Whether `relativePath` (as "List/HasiraListData.ini") is a file with the open project's data.
bool holdsProjectData(const QString& relativePath);

} // namespace tv::shell
