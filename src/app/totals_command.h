// The totals on the command line: `totals [--table NAME]` prints the tables as their clipboard
// text, `totals --xlsx FILE` writes them as one workbook, `print totals-NAME --pdf FILE` writes one
// table's printout.
#pragma once

#include <QStringList>

namespace tv::app {

struct CommandLine;

// Whether the words make a totals command: "totals" alone, with "--table NAME" or with "--xlsx FILE".
bool isTotalsCommand(const QStringList& words);
// Whether a printout name is "totals-NAME" with a known table name.
bool isTotalsPrintout(const QString& what);

// Runs the totals on the working files of the data root. Exit code 0 after a complete run, 1 when
// registrations are missing (the tables are still printed or written) or the workbook cannot be
// written, 2 when a file cannot be read.
int runTotalsCommand(const CommandLine& line, const QString& programFolder);
// Runs the totals and writes the printout of table `what` (totals-NAME) to `pdf`; exit codes as above.
int runTotalsPrint(const CommandLine& line, const QString& programFolder, const QString& what,
                   const QString& pdf);

} // namespace tv::app
