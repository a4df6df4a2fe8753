// What every start does, window or command: find the data root, take its lock, finish or undo a
// project switch that a crash interrupted, lay down what is missing of the installation, and read
// the current project.
#pragma once

#include "shell/data_root_lock.h"
#include "shell/project_state.h"

#include <memory>

namespace tv::shell {

struct Startup {
    ShellState state;
    QString error;  // the data folder cannot be used (in use by another program, cannot be written)
    QString notice; // something the user should know; the program goes on
    std::shared_ptr<DataRootLock> lock; // held for as long as the program uses the data root
};

// Whether a start lays down what is missing of the installation. Commands that only read the
// project (the totals) must find a lost working file missing, not recreated empty.
enum class InstallStep { LayDown, Skip };

// `dataRootOption` is the --data-root value (may be empty); the environment and home folder are
// read from the process.
Startup startUp(const QString& dataRootOption, const QString& programFolder,
                InstallStep install = InstallStep::LayDown);

} // namespace tv::shell
