// The command line: global options and the headless commands of the executable.
#pragma once

#include <QStringList>

namespace tv::app {

struct CommandLine {
    QString dataRootOption; // --data-root DIR
    QStringList command;    // the words after the options; empty = open the start window
    QString usageError;     // set when the words do not make a command
    int openHelp = -1;      // hidden --open-help N: the window program shows help text N at once
    QString screenshot;     // hidden --screenshot FILE: the window program saves the screen and quits
    QString openWindow;     // hidden --open-window NAME: a window to open at once (see parseCommandLine)
    QStringList clicks;     // hidden --click TEXT: then a button, command or list entry of that text
    bool showVersion = false; // --version: "torvanel <version>" on standard output
    bool showHelp = false;    // --help: the usage on standard output
};

// Whether the line asks for a headless answer (a command, --version, --help or bad usage).
bool isHeadless(const CommandLine& line);

// Whether the command draws (a printout) and so needs a GUI application, with or without a display.
bool needsGui(const CommandLine& line);

CommandLine parseCommandLine(const QStringList& arguments);

// Runs a headless command, or answers --version and --help; returns the process exit code (0 done,
// 1 problem reported, 2 bad usage or unreadable files).
int runCommand(const CommandLine& line, const QString& programFolder);

// The usage text printed for bad usage.
QString usageText();

} // namespace tv::app
