// The window program: application-wide set-up (translations, font) and the start window.
#pragma once

#include <QString>

class QApplication;

namespace tv::ui {

struct WindowOptions {
    QString dataRootOption; // --data-root DIR
    int openHelp = -1;      // show help text N over the start window at once (for screenshots)
    QString screenshot;     // save a picture of the screen there shortly after start, then quit
};

// Japanese texts of Qt's own dialogs and buttons, and the Japanese Gothic window font.
void setUpApplication(QApplication& app);

// Sets up the application, shows the start window and runs the event loop; returns the exit code.
int runWindowProgram(QApplication& app, const WindowOptions& options);

} // namespace tv::ui
