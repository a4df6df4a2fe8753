// Application set-up: Japanese button texts, a Japanese Gothic window font, the start window.
#include "ui/window_program.h"

#include "shell/startup.h"
#include "state/app_state.h"
#include "ui/qt_file_chooser.h"
#include "ui/qt_prompter.h"
#include "ui/qt_settings_store.h"
#include "ui/qt_window_opener.h"
#include "ui/start_form_view.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

namespace tv::ui {

void setUpApplication(QApplication& app) {
    // Parented to the application, so it stays installed for the whole run.
    auto* qtTranslator = new QTranslator(&app);
    if (qtTranslator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslator);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPointSizeF(10.5);
    QApplication::setFont(font);
}

int runWindowProgram(QApplication& app, const WindowOptions& options) {
    setUpApplication(app);

    AppState state;
    const shell::Startup start =
        shell::startUp(options.dataRootOption, QCoreApplication::applicationDirPath());
    state.shell = start.state;
    QtPrompter prompter;
    if (!start.error.isEmpty())
        prompter.tell(start.error, QStringLiteral("確認"));

    QtFileChooser chooser;
    QtSettingsStore settings;
    QtWindowOpener opener(nullptr, state);
    StartFormView window(state, prompter, chooser, settings, opener);
    opener.setParentWidget(&window);
    prompter.setParentWidget(&window);
    chooser.setParentWidget(&window);
    window.show();

    if (!options.screenshot.isEmpty()) {
        // Grabs the part of the screen that the program's windows cover, frames included.
        QTimer::singleShot(1500, &app, [&app, path = options.screenshot] {
            QRect covered;
            for (const QWidget* widget : QApplication::topLevelWidgets())
                if (widget->isVisible())
                    covered |= widget->frameGeometry();
            if (QScreen* screen = QGuiApplication::primaryScreen()) {
                covered = covered.adjusted(-8, -8, 8, 8) & screen->geometry();
                screen->grabWindow(0, covered.x(), covered.y(), covered.width(), covered.height()).save(path);
            }
            app.exit(0);
        });
    }
    if (options.openHelp >= 0) {
        QTimer::singleShot(0, &window, [&state, &opener, n = options.openHelp] {
            state.shell.project.helpFilePath =
                state.shell.dataRoot.file(shell::kInfoFolder, QStringLiteral("info-%1.txt").arg(n));
            opener.open(services::WindowId::InfoForm);
        });
    }
    return app.exec();
}

} // namespace tv::ui
