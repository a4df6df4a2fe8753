// Entry point: the start window, or a headless command when one is given.
#include "app/command_line.h"
#include "ui/start/window_program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const tv::app::CommandLine line = tv::app::parseCommandLine(arguments);
    if (tv::app::needsGui(line)) {
        // Printouts are drawn with fonts, which needs a GUI application; without a display it draws
        // off screen.
        if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return tv::app::runCommand(line, QCoreApplication::applicationDirPath());
    }
    if (tv::app::isHeadless(line)) {
        QCoreApplication app(argc, argv);
        return tv::app::runCommand(line, QCoreApplication::applicationDirPath());
    }
    QApplication app(argc, argv);
    return tv::ui::runWindowProgram(app, {line.dataRootOption, line.openHelp, line.screenshot, line.openWindow, line.clicks});
}
