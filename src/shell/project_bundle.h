// The project bundle (.tkd): the nine working files packed into one CP932 text file, each record
// line copied unchanged and recognised again by its four-character tag.
#pragma once

#include "services/status.h"
#include "shell/data_root.h"

#include <QString>

namespace tv::shell {

namespace ProjectBundle {

// Packs the nine working files into `bundlePath`. A missing working file counts as empty.
services::Status save(const DataRoot& root, const QString& bundlePath);

// Reads and checks the whole bundle, then rewrites the nine working files from its tagged lines.
// A file that is not a CP932 text bundle is refused and the working files stay as they were.
services::Status open(const DataRoot& root, const QString& bundlePath);

// Empties the six project files (one empty line each), keeps the registries, and packs the
// working files into `bundlePath`.
services::Status createNew(const DataRoot& root, const QString& bundlePath);

} // namespace ProjectBundle

} // namespace tv::shell
