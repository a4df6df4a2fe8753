// The values every window shares for the whole run: data drive, separator and the open project.
#pragma once

#include "shell/data_root.h"

#include <QString>

namespace tv::shell {

struct ProjectState {
    QString dataDrive;          // "C:" when the program runs from a drive; empty elsewhere
    QChar separator = u'\'';    // the record separator
    QString projectName;        // shown on the start window
    QString bundlePath;         // the open project's .tkd file
    QString helpFilePath;       // the help text the help viewer shows next

    // The data drive: the first two characters of the program's folder when they name a drive.
    static QString driveOf(const QString& programFolder);
};

// What the shell shares with every window model: the data root and the project state.
struct ShellState {
    DataRoot dataRoot;
    ProjectState project;
};

} // namespace tv::shell
