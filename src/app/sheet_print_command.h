// `print column-sheet --pdf FILE` and `print beam-sheet --pdf FILE`: a sheet's printout as PDF.
#pragma once

#include "shell/project_state.h"

#include <QString>

namespace tv::app {

// True for the printout names of the two sheets.
bool isSheetPrintout(const QString& what);

// Loads the sheet named by `what` from its work file and writes its printout to `pdf`; `message`
// receives what to tell the user. Returns the exit code: 0 written, 1 the PDF could not be written,
// 2 the work file could not be read.
int printSheetToPdf(const shell::ShellState& state, const QString& what, const QString& pdf,
                    QString& message);

} // namespace tv::app
