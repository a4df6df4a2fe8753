// `compare A.tkd B.tkd [--table NAME]`: what changed from one estimate to another, as TAB text.
#pragma once

#include <QStringList>

namespace tv::app {

struct CommandLine;

bool isCompareCommand(const QStringList& words);

// Exit code 0 when the comparison ran, 1 when either file needs a question answered No (signs of
// damage), 2 when a file cannot be read. The data folder plays no part in it.
int runCompareCommand(const CommandLine& line);

} // namespace tv::app
