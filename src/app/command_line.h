// The command line: global options and the headless commands of the executable.
#pragma once

#include <QStringList>

namespace tv::app {

struct CommandLine {
    QString dataRootOption; // --data-root DIR
    QStringList command;    // the words after the options; empty = open the start window
    QString usageError;     // set when the words do not make a command
};

CommandLine parseCommandLine(const QStringList& arguments);

// Runs a headless command; returns the process exit code (0 done, 1 problem reported, 2 bad usage
// or unreadable files).
int runCommand(const CommandLine& line, const QString& programFolder);

// The usage text printed for bad usage.
QString usageText();

} // namespace tv::app
