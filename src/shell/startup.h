// What every start does, window or command: find the data root, lay down what is missing of the
// installation, and read the current project.
#pragma once

#include "shell/project_state.h"

namespace tv::shell {

struct Startup {
    ShellState state;
    QString error; // a message for the user when the data folder or the project record is unusable
};

// `dataRootOption` is the --data-root value (may be empty); the environment and home folder are
// read from the process.
Startup startUp(const QString& dataRootOption, const QString& programFolder);

} // namespace tv::shell
