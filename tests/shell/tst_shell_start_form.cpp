// The start window: save questions of New and Open, Save, restarting, menu windows, closing.
#include "services/cp932.h"
#include "shell/bukken_name.h"
#include "shell/project_bundle.h"
#include "shell/project_operations.h"
#include "shell/record_file.h"
#include "shell/start_form.h"
#include "shell/startup.h"
#include "support/memory_settings.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;
using tv::services::WindowId;

namespace {

// Records the windows asked for; answers as if this build had them or not.
struct RecordingOpener : tv::services::WindowOpener {
    bool open(WindowId id) override {
        opened.append(id);
        return available;
    }
    bool available = true;
    QList<WindowId> opened;
};

const QString kSaveQuestion = u"現在のデータを保存しますか？"_s;

QStringList nonEmptyLines(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines)
        if (!l.isEmpty())
            out.append(l);
    return out;
}

// A fresh data root with a saved project "A棟" whose working data then changed without being saved.
struct Fixture {
    QString workData() const { return state.dataRoot.file(kWorkDataFolder, u"WorkData-3.ini"); }
    QString bundle(const QString& name) const {
        return QDir(state.dataRoot.folder(kDataFolder)).filePath(name);
    }

    QTemporaryDir dir;
    ShellState state;
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    MemorySettings settings;
    RecordingOpener opener;
};

} // namespace

class TestStartForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void declinedOrCancelledChangesNothing_data();
    void declinedOrCancelledChangesNothing();
    void newProjectShowsProgressAndSurvivesRestart();
    void openProjectLoadsTheBundle();
    void firstRunWithoutAProjectFile_data();
    void firstRunWithoutAProjectFile();
    void saveWithoutAProjectFileSaysSoAtOnce();
    void openRightAfterASaveAsksNothing();
    void unreadableProjectRecordDoesNotBlockNew();
    void saveAsksFirst_data();
    void saveAsksFirst();
    void menuCommandsOpenTheirWindows_data();
    void menuCommandsOpenTheirWindows();
    void helpShowsTheStartWindowsText();
    void pointerFeedbackAndClosing();

private:
    std::unique_ptr<Fixture> m_f;
};

void TestStartForm::init() {
    m_f = std::make_unique<Fixture>();
    Startup start = startUp(m_f->dir.path(), QString());
    QVERIFY2(start.error.isEmpty(), qPrintable(start.error));
    m_f->state = start.state;
    ScriptedPrompter quiet;
    quiet.expectOk(u"入力を開始できます。"_s, u"確認"_s);
    QVERIFY(ProjectOperations(m_f->state, quiet).createNew({u"A棟"_s, m_f->bundle(u"A棟.tkd"_s)}));
    QVERIFY(writeLines(m_f->workData(), {u"ZZ03'1'ブレース"_s}).ok());
}

void TestStartForm::declinedOrCancelledChangesNothing_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<PromptAnswer>("answer");
    QTest::addColumn<bool>("saved");
    for (const int command : {int(StartForm::NewProject), int(StartForm::OpenProject)}) {
        const char* name = command == StartForm::NewProject ? "new" : "open";
        QTest::addRow("%s: cancel the question", name) << command << PromptAnswer::Cancel << false;
        QTest::addRow("%s: no, then cancel the dialog", name) << command << PromptAnswer::No << false;
        QTest::addRow("%s: yes, then cancel the dialog", name) << command << PromptAnswer::Yes << true;
    }
}

void TestStartForm::declinedOrCancelledChangesNothing() {
    Fixture& f = *m_f;
    QFETCH(int, command);
    QFETCH(PromptAnswer, answer);
    QFETCH(bool, saved);
    const QByteArray bundleBefore = readBytes(f.bundle(u"A棟.tkd"_s));
    const QByteArray workBefore = readBytes(f.workData());
    f.prompter.expect(kSaveQuestion, u"確認"_s, PromptButtons::YesNoCancel, answer);
    if (saved)
        f.prompter.expectOk(u"保存しました。"_s, u"確認"_s);
    f.chooser.cancel();

    StartForm form(f.state, f.prompter, f.chooser, f.settings, f.opener);
    form.command(command);

    TV_VERIFY_PROMPTS(f.prompter);
    QCOMPARE(f.chooser.requests().size(), answer == PromptAnswer::Cancel ? 0 : 1);
    QCOMPARE(form.BNameGd, u"A棟"_s);
    QCOMPARE(form.GuideGd, QString());
    QCOMPARE(readBukkenName(f.state.dataRoot).name, u"A棟"_s);
    QCOMPARE(readBytes(f.workData()), workBefore);
    const QByteArray bundleAfter = readBytes(f.bundle(u"A棟.tkd"_s));
    QCOMPARE(bundleAfter != bundleBefore, saved);
    QCOMPARE(bundleAfter.contains(tv::services::Cp932::encode(u"ブレース"_s).value_or(QByteArray())), saved);
}

void TestStartForm::newProjectShowsProgressAndSurvivesRestart() {
    Fixture& f = *m_f;
    f.prompter.expect(kSaveQuestion, u"確認"_s, PromptButtons::YesNoCancel, PromptAnswer::No);
    f.prompter.expectOk(u"入力を開始できます。"_s, u"確認"_s);
    f.chooser.choose(f.bundle(u"B棟.tkd"_s));
    StartForm form(f.state, f.prompter, f.chooser, f.settings, f.opener);
    QStringList progress;
    form.changed = [&] { progress.append(form.GuideGd); };

    form.command(StartForm::NewProject);

    TV_VERIFY_PROMPTS(f.prompter);
    QCOMPARE(f.chooser.requests().value(0).title, u"新規物件作成"_s);
    QVERIFY2(progress.contains(u"処理中･･･"_s), qPrintable(progress.join(u'|')));
    QCOMPARE(form.GuideGd, QString());
    QCOMPARE(form.BNameGd, u"B棟"_s);
    QVERIFY(splitRecords(readLines(f.workData()).lines).isEmpty());

    // Closing without saving and starting again shows the same project and the same working data.
    QVERIFY(writeLines(f.workData(), {u"ZZ03'1'胴縁"_s}).ok());
    Startup again = startUp(f.dir.path(), QString());
    QVERIFY(again.error.isEmpty());
    StartForm restarted(again.state, f.prompter, f.chooser, f.settings, f.opener);
    QCOMPARE(restarted.BNameGd, u"B棟"_s);
    QCOMPARE(again.state.project.bundlePath, f.bundle(u"B棟.tkd"_s));
    QCOMPARE(readLines(f.workData()).lines, QStringList{u"ZZ03'1'胴縁"_s});
}

void TestStartForm::openProjectLoadsTheBundle() {
    Fixture& f = *m_f;
    // Save A棟 with its data, start B棟, then open A棟 again.
    ScriptedPrompter quiet;
    quiet.expectOk(u"保存しました。"_s, u"確認"_s).expectOk(u"入力を開始できます。"_s, u"確認"_s);
    ProjectOperations operations(f.state, quiet);
    QVERIFY(operations.save());
    QVERIFY(operations.createNew({u"B棟"_s, f.bundle(u"B棟.tkd"_s)}));

    // B棟 was just created: its project file holds what the working files hold, so nothing is asked.
    f.prompter.expectOk(u"読込みました。"_s, u"確認"_s);
    f.chooser.choose(f.bundle(u"A棟.tkd"_s));
    StartForm form(f.state, f.prompter, f.chooser, f.settings, f.opener);
    QCOMPARE(form.BNameGd, u"B棟"_s);
    form.command(StartForm::OpenProject);

    TV_VERIFY_PROMPTS(f.prompter);
    QCOMPARE(form.BNameGd, u"A棟"_s);
    QCOMPARE(readLines(f.workData()).lines, QStringList{u"ZZ03'1'ブレース"_s});
}

void TestStartForm::firstRunWithoutAProjectFile_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("hasInput");
    QTest::addColumn<int>("answer"); // to the one question asked, -1 when none is
    QTest::addColumn<bool>("dialogShown");
    QTest::addColumn<QStringList>("workAfter"); // the secondary work file's records afterwards
    const QStringList input{u"ZZ03'1'ブレース"_s};
    const QStringList opened{u"ZZ03'1'開く物件"_s};
    const int none = -1;
    QTest::newRow("new, nothing entered: no question")
        << int(StartForm::NewProject) << false << none << true << QStringList();
    QTest::newRow("new, carry over: input kept")
        << int(StartForm::NewProject) << true << int(PromptAnswer::Yes) << true << input;
    QTest::newRow("new, do not carry over: emptied")
        << int(StartForm::NewProject) << true << int(PromptAnswer::No) << true << QStringList();
    QTest::newRow("new, cancel: nothing happens")
        << int(StartForm::NewProject) << true << int(PromptAnswer::Cancel) << false << input;
    QTest::newRow("open, nothing entered: no question")
        << int(StartForm::OpenProject) << false << none << true << opened;
    QTest::newRow("open, replace the input")
        << int(StartForm::OpenProject) << true << int(PromptAnswer::Ok) << true << opened;
    QTest::newRow("open, cancel: nothing happens")
        << int(StartForm::OpenProject) << true << int(PromptAnswer::Cancel) << false << input;
}

void TestStartForm::firstRunWithoutAProjectFile() {
    QFETCH(int, command);
    QFETCH(bool, hasInput);
    QFETCH(int, answer);
    QFETCH(bool, dialogShown);
    QFETCH(QStringList, workAfter);
    Fixture& f = *m_f;
    // The project to open, then a first run: no project file, input entered or not.
    QVERIFY(writeLines(f.workData(), {u"ZZ03'1'開く物件"_s}).ok());
    QVERIFY(ProjectBundle::save(f.state.dataRoot, f.bundle(u"開く.tkd"_s)).ok());
    QVERIFY(writeLines(f.workData(), hasInput ? QStringList{u"ZZ03'1'ブレース"_s} : QStringList{}).ok());
    f.state.project = {};
    QVERIFY(writeBukkenName(f.state.dataRoot, {}, {}).ok());

    const bool isNew = command == StartForm::NewProject;
    if (answer >= 0) {
        if (isNew)
            f.prompter.expect(u"現在の入力内容を新しい物件に引き継ぎますか？"_s, u"確認"_s,
                              PromptButtons::YesNoCancel, PromptAnswer(answer));
        else
            f.prompter.expect(u"現在の保存されていない入力内容は、開く物件のデータに置き換えられます。"_s,
                              u"確認"_s, PromptButtons::OkCancel, PromptAnswer(answer));
    }
    if (dialogShown)
        f.prompter.expectOk(isNew ? u"入力を開始できます。"_s : u"読込みました。"_s, u"確認"_s);
    f.chooser.choose(f.bundle(isNew ? u"C棟.tkd"_s : u"開く.tkd"_s));
    StartForm form(f.state, f.prompter, f.chooser, f.settings, f.opener);
    form.command(command);

    TV_VERIFY_PROMPTS(f.prompter);
    QCOMPARE(f.chooser.requests().size(), dialogShown ? 1 : 0);
    QCOMPARE(nonEmptyLines(readLines(f.workData()).lines), workAfter);
    if (isNew && dialogShown) {
        // The new project file holds what the working files hold.
        QCOMPARE(form.BNameGd, u"C棟"_s);
        QVERIFY(ProjectBundle::workingFilesMatch(f.state.dataRoot, f.bundle(u"C棟.tkd"_s)));
    }
}

void TestStartForm::saveWithoutAProjectFileSaysSoAtOnce() {
    Fixture& f = *m_f;
    f.state.project.bundlePath.clear();
    f.prompter.expectOk(u"保存先の物件ファイルがありません。\n「新規作成」で物件を作成してください。"_s,
                        u"エラー"_s);
    StartForm form(f.state, f.prompter, f.chooser, f.settings, f.opener);
    form.command(StartForm::SaveProject);
    TV_VERIFY_PROMPTS(f.prompter);
}

void TestStartForm::openRightAfterASaveAsksNothing() {
    Fixture& f = *m_f;
    ScriptedPrompter quiet;
    quiet.expectOk(u"保存しました。"_s, u"確認"_s);
    QVERIFY(ProjectOperations(f.state, quiet).save());
    f.chooser.cancel().cancel();
    StartForm form(f.state, f.prompter, f.chooser, f.settings, f.opener);
    form.command(StartForm::OpenProject);
    TV_VERIFY_PROMPTS(f.prompter);
    QCOMPARE(f.chooser.requests().size(), 1);

    // A change after the save makes the working files differ: the question comes back.
    QVERIFY(writeLines(f.workData(), {u"ZZ03'1'変更"_s}).ok());
    f.prompter.expect(kSaveQuestion, u"確認"_s, PromptButtons::YesNoCancel, PromptAnswer::Cancel);
    form.command(StartForm::OpenProject);
    TV_VERIFY_PROMPTS(f.prompter);
}

void TestStartForm::saveAsksFirst_data() {
    QTest::addColumn<PromptAnswer>("answer");
    QTest::newRow("ok saves") << PromptAnswer::Ok;
    QTest::newRow("cancel saves nothing") << PromptAnswer::Cancel;
}

void TestStartForm::saveAsksFirst() {
    Fixture& f = *m_f;
    QFETCH(PromptAnswer, answer);
    const QByteArray before = readBytes(f.bundle(u"A棟.tkd"_s));
    f.prompter.expect(u"現在のデータを保存します。"_s, u"上書保存"_s, PromptButtons::OkCancel, answer);
    if (answer == PromptAnswer::Ok)
        f.prompter.expectOk(u"保存しました。"_s, u"確認"_s);
    StartForm form(f.state, f.prompter, f.chooser, f.settings, f.opener);
    QStringList progress;
    form.changed = [&] { progress.append(form.GuideGd); };
    form.command(StartForm::SaveProject);
    TV_VERIFY_PROMPTS(f.prompter);
    QCOMPARE(readBytes(f.bundle(u"A棟.tkd"_s)) != before, answer == PromptAnswer::Ok);
    QCOMPARE(progress.contains(u"保存中･･･"_s), answer == PromptAnswer::Ok);
}

void TestStartForm::menuCommandsOpenTheirWindows_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<WindowId>("window");
    QTest::addColumn<bool>("available");
    const QList<QPair<int, WindowId>> menu{{StartForm::ListRegistration, WindowId::ListForm},
                                           {StartForm::ColumnSheet, WindowId::MainInputForm},
                                           {StartForm::SecondarySheet, WindowId::ZatuInpForm},
                                           {StartForm::BeamSheet, WindowId::MainInput2Form},
                                           {StartForm::Totals, WindowId::SyukeiForm},
                                           {StartForm::UnitWeights, WindowId::BuzaiForm},
                                           {StartForm::WeldRates, WindowId::KansanForm},
                                           {StartForm::InitialSettings, WindowId::SetteiForm},
                                           {StartForm::Help, WindowId::InfoForm}};
    for (const auto& [command, window] : menu) {
        QTest::addRow("command %d opens its window", command) << command << window << true;
        QTest::addRow("command %d without its window", command) << command << window << false;
    }
}

void TestStartForm::menuCommandsOpenTheirWindows() {
    Fixture& f = *m_f;
    QFETCH(int, command);
    QFETCH(WindowId, window);
    QFETCH(bool, available);
    f.opener.available = available;
    if (!available)
        f.prompter.expectOk(u"この画面はまだ利用できません。"_s, u"確認"_s);
    StartForm form(f.state, f.prompter, f.chooser, f.settings, f.opener);
    form.command(command);
    TV_VERIFY_PROMPTS(f.prompter);
    QCOMPARE(f.opener.opened, QList<WindowId>{window});
}

void TestStartForm::helpShowsTheStartWindowsText() {
    Fixture& f = *m_f;
    StartForm form(f.state, f.prompter, f.chooser, f.settings, f.opener);
    form.command(StartForm::Help);
    QCOMPARE(f.state.project.helpFilePath, QDir(f.dir.path()).filePath(u"info/info-0.txt"_s));
    QCOMPARE(f.opener.opened, QList<WindowId>{WindowId::InfoForm});
}

void TestStartForm::pointerFeedbackAndClosing() {
    Fixture& f = *m_f;
    StartForm form(f.state, f.prompter, f.chooser, f.settings, f.opener);
    bool closed = false;
    form.closeRequested = [&] { closed = true; };
    form.hover(StartForm::SaveProject);
    QCOMPARE(form.captionColour(StartForm::SaveProject), (Rgb{255, 0, 0}));
    QCOMPARE(form.captionColour(StartForm::OpenProject), (Rgb{0, 0, 0}));
    form.hover(-1);
    QCOMPARE(form.captionColour(StartForm::SaveProject), (Rgb{0, 0, 0}));

    form.command(StartForm::Exit);
    QVERIFY(closed);
    form.closing(1500, 2250);
    const QMap<QString, QString> expected{{u"KelAppT/FormPos/Left"_s, u"1500"_s},
                                          {u"KelAppT/FormPos/Top"_s, u"2250"_s}};
    QCOMPARE(f.settings.values, expected);
    QCOMPARE(readBukkenName(f.state.dataRoot).name, u"A棟"_s);
}

void TestStartForm::unreadableProjectRecordDoesNotBlockNew() {
    Fixture& f = *m_f;
    writeBytes(f.state.dataRoot.file(kSetFolder, kBukkenNameFile), QByteArray("A\x82\r\n"));
    Startup start = startUp(f.dir.path(), QString());
    QVERIFY2(start.error.isEmpty(), qPrintable(start.error));
    QVERIFY2(start.notice.contains(u"BukkenName.ini"_s) && start.notice.contains(u"「新規作成」か「読込」"_s),
             qPrintable(start.notice));
    QCOMPARE(start.state.project.bundlePath, QString());
    start.lock.reset();

    f.prompter.expect(u"現在の入力内容を新しい物件に引き継ぎますか？"_s, u"確認"_s, PromptButtons::YesNoCancel,
                      PromptAnswer::Yes);
    f.prompter.expectOk(u"入力を開始できます。"_s, u"確認"_s);
    f.chooser.choose(f.bundle(u"D棟.tkd"_s));
    StartForm form(start.state, f.prompter, f.chooser, f.settings, f.opener);
    form.command(StartForm::NewProject);
    TV_VERIFY_PROMPTS(f.prompter);
    QCOMPARE(readBukkenName(f.state.dataRoot).name, u"D棟"_s);
    QCOMPARE(readLines(f.workData()).lines, QStringList{u"ZZ03'1'ブレース"_s});
}

QTEST_GUILESS_MAIN(TestStartForm)
#include "tst_shell_start_form.moc"
