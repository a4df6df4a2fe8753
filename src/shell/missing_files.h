// Files of the open project that a window needs and finds missing: reported by name, and created
// empty only when the user says so, knowing that their data will then be empty.
#pragma once

#include "services/prompter.h"

#include <QStringList>

namespace tv::shell {

// Asks, for each missing file of `paths`, whether to create it empty (default No) and creates it on
// Yes. True when every file is there afterwards; false after the first No or failed creation.
bool offerToCreateMissing(const QStringList& paths, services::Prompter& prompter);

} // namespace tv::shell
