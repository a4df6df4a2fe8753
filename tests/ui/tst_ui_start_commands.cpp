// Each menu command of the start window opens its window modally through the real window opener.
#include "shell/start_form.h"
#include "shell/startup.h"
#include "state/app_state.h"
#include "support/memory_settings.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_prompter.h"
#include "ui/common/command_label.h"
#include "ui/common/qt_window_opener.h"
#include "ui/start/start_form_view.h"
#include "ui/start/window_program.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tv;
using namespace tv::test;
using namespace Qt::StringLiterals;

class TestUiStartCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void commandOpensItsWindow_data();
    void commandOpensItsWindow();
};

void TestUiStartCommands::initTestCase() {
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    ui::setUpApplication(*qApp);
}

void TestUiStartCommands::commandOpensItsWindow_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("viewClass");
    QTest::newRow("リスト登録") << int(shell::StartForm::ListRegistration) << u"tv::ui::ListFormView"_s;
    QTest::newRow("部材単位重量登録") << int(shell::StartForm::UnitWeights) << u"tv::ui::BuzaiFormView"_s;
    QTest::newRow("隅肉6㍉換算率登録") << int(shell::StartForm::WeldRates) << u"tv::ui::KansanFormView"_s;
    QTest::newRow("初期設定") << int(shell::StartForm::InitialSettings) << u"tv::ui::SetteiFormView"_s;
    QTest::newRow("入力説明") << int(shell::StartForm::Help) << u"tv::ui::InfoFormView"_s;
}

void TestUiStartCommands::commandOpensItsWindow() {
    QFETCH(int, command);
    QFETCH(QString, viewClass);
    QTemporaryDir dir;
    shell::Startup start = shell::startUp(dir.path(), QString());
    QVERIFY(start.error.isEmpty());
    AppState state;
    state.shell = start.state;
    ScriptedPrompter prompter; // opening a window of a fresh installation asks nothing
    ScriptedFileChooser chooser;
    MemorySettings settings;
    ui::QtWindowOpener opener(nullptr, state);
    ui::StartFormView view(state, prompter, chooser, settings, opener);
    opener.setParentWidget(&view);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QString opened;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            opened = QString::fromLatin1(dialog->metaObject()->className());
            dialog->done(QDialog::Rejected);
        }
    });
    poll.start(20);
    QTest::mouseClick(view.command(command), Qt::LeftButton);
    poll.stop();
    QCOMPARE(opened, viewClass);
    TV_VERIFY_PROMPTS(prompter);
}

QTEST_MAIN(TestUiStartCommands)
#include "tst_ui_start_commands.moc"
