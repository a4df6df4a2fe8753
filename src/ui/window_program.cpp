// Application set-up: Japanese button texts, a Japanese Gothic window font, the start window.
#include "ui/window_program.h"

#include "shell/startup.h"
#include "state/app_state.h"
#include "registries/kigou_form.h"
#include "ui/command_label.h"
#include "ui/kigou_form_view.h"
#include "ui/qt_file_chooser.h"
#include "ui/qt_prompter.h"
#include "ui/qt_settings_store.h"
#include "ui/qt_window_opener.h"
#include "ui/start_form_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QListWidget>
#include <QLocale>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

namespace tv::ui {

namespace {

// Clicks the button, command caption or list entry showing `text` in the active window, as a user
// would; reports whether one was found.
bool clickText(const QString& text) {
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        window = QApplication::activeWindow();
    if (!window)
        return false;
    for (auto* button : window->findChildren<QAbstractButton*>())
        if (button->isVisible() && button->text().remove(u'&') == text) {
            button->click();
            return true;
        }
    for (auto* label : window->findChildren<CommandLabel*>())
        if (label->isVisible() && label->text() == text) {
            Q_EMIT label->clicked(label->index());
            return true;
        }
    for (auto* list : window->findChildren<QListWidget*>()) {
        const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
        if (list->isVisible() && !items.isEmpty()) {
            list->setCurrentItem(items.first());
            list->scrollToItem(items.first());
            Q_EMIT list->itemClicked(items.first());
            return true;
        }
    }
    return false;
}

void clickInTurn(QStringList texts) {
    if (texts.isEmpty())
        return;
    const QString text = texts.takeFirst();
    if (!clickText(text))
        qWarning("--click: %s not found", qUtf8Printable(text));
    QTimer::singleShot(150, qApp, [texts] { clickInTurn(texts); });
}

} // namespace

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
    if (!start.error.isEmpty()) {
        // The data folder cannot be used (another Torvanel has it, or it cannot be written).
        prompter.tell(start.error, QStringLiteral("エラー"));
        return 1;
    }
    if (!start.notice.isEmpty())
        prompter.tell(start.notice, QStringLiteral("確認"));

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
    if (!options.openWindow.isEmpty()) {
        QTimer::singleShot(0, &window, [&window, &opener, &prompter, name = options.openWindow] {
            using services::WindowId;
            if (name == u"kigou") {
                registries::KigouForm model(prompter);
                KigouFormView dialog(model, &window);
                dialog.exec();
            } else {
                opener.open(name == u"list"     ? WindowId::ListForm
                            : name == u"buzai"  ? WindowId::BuzaiForm
                            : name == u"kansan"       ? WindowId::KansanForm
                            : name == u"column-sheet" ? WindowId::MainInputForm
                            : name == u"beam-sheet"   ? WindowId::MainInput2Form
                            : name == u"secondary"    ? WindowId::ZatuInpForm
                                                      : WindowId::SetteiForm);
            }
        });
        QTimer::singleShot(400, &app, [clicks = options.clicks] { clickInTurn(clicks); });
    }
    return app.exec();
}

} // namespace tv::ui
