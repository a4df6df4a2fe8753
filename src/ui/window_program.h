// The window program: application-wide set-up (translations, font) and the start window.
#pragma once

#include <QString>

class QApplication;

namespace tv::ui {

// Sets up the application, shows the start window and runs the event loop; returns the exit code.
int runWindowProgram(QApplication& app, const QString& dataRootOption);

} // namespace tv::ui
