// `registry import FILE --weights|--rates [--replace]`: the unit weights or weld rates of another
// project file taken into this data root's registry, as 他物件から取込 in their windows does.
#pragma once

#include <QStringList>

namespace tv::app {

struct CommandLine;

// Whether the words make a registry command.
bool isRegistryCommand(const QStringList& words);

// Adds the rows the registry lacks and, with --replace, gives rows whose value differs the file's
// value; writes the registry file. Exit code 0 when done (also with nothing to add), 1 when the
// data folder is in use or the registry cannot be written, 2 when a file cannot be read.
int runRegistryCommand(const CommandLine& line, const QString& programFolder);

} // namespace tv::app
