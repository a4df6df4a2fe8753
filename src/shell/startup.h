// What every start does, window or command: find the data root, take its lock, finish or undo a
// project switch that a crash interrupted, lay down what is missing of the installation, and read
// the current project.
#pragma once

#include "shell/data_root_lock.h"
#include "shell/installation.h"
#include "shell/project_state.h"

#include <memory>

namespace tv::shell {

struct Startup {
    ShellState state;
    QString error;  // the data folder cannot be used (in use by another program, cannot be written)
    QString notice; // something the user should know; the program goes on
    QStringList created;                // the folders and files of the installation laid down by this start
    std::shared_ptr<DataRootLock> lock; // held for as long as the program uses the data root
};

// `dataRootOption` is the --data-root value (may be empty); the environment and home folder are
// read from the process. `scope` says what of the installation is laid down where missing: every
// start lays down only files without user data once the installation is complete; `init` everything.
Startup startUp(const QString& dataRootOption, const QString& programFolder,
                InstallScope scope = InstallScope::AtStart);

} // namespace tv::shell
