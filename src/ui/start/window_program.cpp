// Application set-up: Japanese button texts, a Japanese Gothic window font, the start window.
#include "ui/start/window_program.h"

#include "registries/kigou_form.h"
#include "shell/startup.h"
#include "state/app_state.h"
#include "ui/common/command_label.h"
#include "ui/common/qt_file_chooser.h"
#include "ui/common/qt_prompter.h"
#include "ui/common/qt_settings_store.h"
#include "ui/common/qt_window_opener.h"
#include "ui/common/text_grid_view.h"
#include "ui/registries/kigou_form_view.h"
#include "ui/start/start_form_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

namespace tv::ui {

namespace {

// Clicks the first cell of `grid` that shows `text`, as the mouse does.
bool clickGridCell(TextGridView* grid, const QString& text) {
    const QAbstractItemModel* model = grid->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            if (index.data().toString() != text)
                continue;
            grid->scrollTo(index);
            const QPointF at = grid->visualRect(index).center();
            const QPointF global = grid->viewport()->mapToGlobal(at);
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, global, Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier);
                QApplication::sendEvent(grid->viewport(), &event);
            }
            return true;
        }
    }
    return false;
}

// Clicks the button, command caption, list entry or grid cell showing `text` in the active window,
// as a user would; reports whether one was found.
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
            // Later, so that a window the command opens modally does not hold up the next clicks.
            QTimer::singleShot(0, label, [label] { Q_EMIT label->clicked(label->index()); });
            return true;
        }
    for (auto* grid : window->findChildren<TextGridView*>()) {
        if (grid->isVisible() && clickGridCell(grid, text))
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
    // The next click is due before this one runs: a click that shows a message box returns only when
    // the box is closed, and the next click is the one that closes it.
    QTimer::singleShot(150, qApp, [texts] { clickInTurn(texts); });
    if (!clickText(text))
        qWarning("--click: %s not found", qUtf8Printable(text));
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
    // The installed package puts the icon into the desktop's icon theme and names its menu entry
    // torvanel.desktop: the windows show that icon, and the desktop ties them to the entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("torvanel"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("torvanel")));
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
                opener.open(name == u"list"           ? WindowId::ListForm
                            : name == u"buzai"        ? WindowId::BuzaiForm
                            : name == u"kansan"       ? WindowId::KansanForm
                            : name == u"column-sheet" ? WindowId::MainInputForm
                            : name == u"beam-sheet"   ? WindowId::MainInput2Form
                            : name == u"secondary"    ? WindowId::ZatuInpForm
                            : name == u"syukei"       ? WindowId::SyukeiForm
                                                      : WindowId::SetteiForm);
            }
        });
        QTimer::singleShot(400, &app, [clicks = options.clicks] { clickInTurn(clicks); });
    }
    return app.exec();
}

} // namespace tv::ui
