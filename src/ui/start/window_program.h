// The window program: application-wide set-up (translations, font) and the start window.
#pragma once

#include <QString>
#include <QStringList>

class QApplication;

namespace tv::ui {

struct WindowOptions {
    QString dataRootOption; // --data-root DIR
    int openHelp = -1;      // show help text N over the start window at once (for screenshots)
    QString screenshot;     // save a picture of the screen there shortly after start, then quit
    QString openWindow;     // open this window at once: list, buzai, kansan, kigou or settei
    QStringList clicks;     // then click these texts in it, one after another (for screenshots)
};

// Japanese texts of Qt's own dialogs and buttons, and the Japanese Gothic window font.
void setUpApplication(QApplication& app);

// Sets up the application, shows the start window and runs the event loop; returns the exit code.
int runWindowProgram(QApplication& app, const WindowOptions& options);

} // namespace tv::ui
