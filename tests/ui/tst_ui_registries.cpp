// The registry windows offscreen: each opens, takes one edit through its editor, saves, and the
// file holds the change in CP932.
#include "context_menu_driver.h"
#include "registries/buzai_form.h"
#include "registries/kansan_form.h"
#include "registries/settei_form.h"
#include "shell/project_bundle.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "ui/common/text_grid_view.h"
#include "ui/registries/buzai_form_view.h"
#include "ui/registries/kansan_form_view.h"
#include "ui/registries/kigou_form_view.h"
#include "ui/registries/settei_form_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tv::registries;
using namespace tv::test;
using namespace tv::ui;
using namespace Qt::StringLiterals;

namespace {

void clickCommand(QWidget* window, int index) {
    auto* command = window->findChild<QLabel*>(u"CmdGd_%1"_s.arg(index));
    QVERIFY(command);
    QTest::mouseClick(command, Qt::LeftButton);
}

void clickCell(TextGridView* grid, int row, int column) {
    grid->scrollTo(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row, column)).center());
}

void chooseFromList(QWidget* window, const QString& name) {
    auto* list = window->findChild<QListWidget*>(u"NameList"_s);
    QVERIFY(list && list->isVisible());
    const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

} // namespace

class TestUiRegistries : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void buzaiFormEditsAndSaves();
    void kansanFormRegistersASymbolAndSaves();
    void setteiFormRegistersAGrade();
    void undoAndRedoByKeysAndContextMenu();
    void importCommandTakesOverAnotherProject();

private:
    QString setFile(const QString& name) const { return m_root.file(tv::shell::kSetFolder, name); }
    std::unique_ptr<QTemporaryDir> m_dir;
    tv::shell::DataRoot m_root;
};

void TestUiRegistries::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataFolders(m_dir->path());
    m_root = tv::shell::DataRoot(m_dir->path());
}

void TestUiRegistries::buzaiFormEditsAndSaves() {
    writeCp932Lines(setFile(u"BuzaiWeight.ini"_s),
                    {u"ZZBW'H鋼'200*100*5.5*8'20.9'"_s, u"ZZBW'H鋼'100*50*5*7'9.30'"_s});
    ScriptedPrompter prompter;
    prompter.expectOk(u"「é」(U+00E9)は使用できない文字です。"_s, u"確認"_s)
        .expectOk(u"保存しました。"_s, u"確認"_s);
    BuzaiForm model(m_root, prompter);
    QVERIFY(model.open());
    BuzaiFormView view(model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.windowTitle(), u"部材単位重量登録"_s);

    clickCommand(&view, 2);
    chooseFromList(&view, u"H鋼"_s);
    QCOMPARE(view.findChild<QLineEdit*>(u"NameTx"_s)->text(), u"H鋼"_s);
    auto* grid = view.findChild<TextGridView*>(u"DataGrid"_s);
    QCOMPARE(grid->model()->index(2, 1).data().toString(), u"100*50*5*7"_s);

    clickCell(grid, 2, 2);
    QVERIFY(grid->isEditing());
    QTest::keyClicks(grid->lineEditor(), u"9.5"_s);
    QCOMPARE(model.DataGrid().text(2, 2), u"9.5"_s); // written as typed
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, u"é"_s);
    QApplication::sendEvent(grid->lineEditor(), &typed); // refused, the editor keeps its text
    QCOMPARE(grid->lineEditor()->text(), u"9.5"_s);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Return);
    QCOMPARE(model.DataGrid().currentRow(), 3);
    QCOMPARE(model.DataGrid().currentColumn(), 1);
    QVERIFY(grid->isEditing());
    QTest::keyClick(grid->lineEditor(), Qt::Key_Up);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Return); // size column → weight column
    QCOMPARE(model.DataGrid().currentRow(), 2);
    QCOMPARE(model.DataGrid().currentColumn(), 2);

    clickCommand(&view, 0);
    QVERIFY(!grid->isEditing());
    // The two rows, the second changed, then the default rows.
    QVERIFY(readBytes(setFile(u"BuzaiWeight.ini"_s))
                .startsWith(cp932Lines({u"ZZBW'H鋼'200*100*5.5*8'20.9'"_s, u"ZZBW'H鋼'100*50*5*7'9.5'"_s,
                                        u"ZZBW'鋼管(角)'350*350*9'94.7'"_s})));
    clickCommand(&view, 1);
    QVERIFY(!view.isVisible());
    TV_VERIFY_PROMPTS(prompter);
}

void TestUiRegistries::kansanFormRegistersASymbolAndSaves() {
    writeCp932Lines(setFile(u"Kansan.ini"_s), {u"ZZKN'HT1'9'1.2"_s});
    ScriptedPrompter prompter;
    prompter.expectOk(u"保存しました。"_s, u"確認"_s);
    KansanForm model(m_root, prompter);
    QVERIFY(model.open());
    KansanFormView view(model, prompter);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.windowTitle(), u"隅肉6㍉換算率"_s);

    bool dialogSeen = false;
    QTimer::singleShot(0, this, [&dialogSeen] {
        auto* dialog = qobject_cast<KigouFormView*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialogSeen = dialog->windowTitle() == u"溶接記号登録"_s;
        auto* inpTx = dialog->findChild<QLineEdit*>(u"InpTx"_s);
        QTest::keyClicks(inpTx, u"ht9"_s); // stored in capitals
        QTest::keyClick(inpTx, Qt::Key_Return); // Enter presses OK
    });
    clickCommand(&view, 4);
    QVERIFY(dialogSeen);
    QCOMPARE(model.NameTx(), u"HT9"_s);

    auto* grid = view.findChild<TextGridView*>(u"DataGrid"_s);
    clickCell(grid, 6, 1); // 9 mm
    QVERIFY(grid->isEditing());
    QTest::keyClicks(grid->lineEditor(), u"1.5"_s);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Return);
    QCOMPARE(model.DataGrid().currentRow(), 7);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Escape);
    QVERIFY(!grid->isEditing());
    QTest::keyClick(grid, Qt::Key_2); // typing on the current cell opens the editor with the key
    QVERIFY(grid->isEditing());
    clickCommand(&view, 0);

    QStringList expected{u"ZZKN'HT1'9'1.2"_s};
    for (int t = 4; t <= 40; ++t)
        expected.append(u"ZZKN'HT9'%1'%2"_s.arg(t).arg(t == 9 ? u"1.5"_s : t == 10 ? u"2"_s : QString()));
    QCOMPARE(readBytes(setFile(u"Kansan.ini"_s)), cp932Lines(expected));

    clickCommand(&view, 2);
    chooseFromList(&view, u"HT1"_s);
    QCOMPARE(grid->model()->index(6, 1).data().toString(), u"1.2"_s);
    TV_VERIFY_PROMPTS(prompter);
}

void TestUiRegistries::setteiFormRegistersAGrade() {
    writeCp932Lines(setFile(u"HasiraKikaku.ini"_s), {u"SS400"_s, QString(), u"SN490B"_s});
    ScriptedPrompter prompter;
    prompter.expectOk(u"保存しました。"_s, u"初期設定"_s);
    SetteiForm model(m_root, prompter);
    QVERIFY(model.open());
    SetteiFormView view(model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* list = view.findChild<QListWidget*>(u"ListList0"_s);
    QCOMPARE(list->count(), 2);
    QTest::keyClicks(view.findChild<QLineEdit*>(u"InpTx0"_s), u"BCR295 "_s);
    clickCommand(&view, 1);
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->item(2)->text(), u"BCR295"_s);
    clickCommand(&view, 0);
    QVERIFY(!view.isVisible());
    QCOMPARE(readBytes(setFile(u"HasiraKikaku.ini"_s)), cp932Lines({u"SS400"_s, u"SN490B"_s, u"BCR295"_s}));
    TV_VERIFY_PROMPTS(prompter);
}

// In the cell editor Ctrl+Z takes back its own typing first, then the window's steps; 元に戻す and
// やり直し in the grid's context menu, and Ctrl+Z and Ctrl+Y in the grade window.
void TestUiRegistries::undoAndRedoByKeysAndContextMenu() {
    writeCp932Lines(setFile(u"BuzaiWeight.ini"_s), {u"ZZBW'H鋼'100*50*5*7'9.30'"_s});
    ScriptedPrompter prompter;
    BuzaiForm model(m_root, prompter);
    QVERIFY(model.open());
    BuzaiFormView view(model);
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    clickCommand(&view, 2);
    chooseFromList(&view, u"H鋼"_s);
    auto* grid = view.findChild<TextGridView*>(u"DataGrid"_s);
    clickCell(grid, 2, 2);
    QVERIFY(grid->isEditing());
    grid->lineEditor()->selectAll();
    QTest::keyClicks(grid->lineEditor(), u"9.5"_s);
    QCOMPARE(model.DataGrid().text(2, 2), u"9.5"_s);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(model.DataGrid().text(2, 2), u"9.30"_s); // the editor's own typing
    QVERIFY(grid->isEditing());
    QTest::keyClick(grid->lineEditor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(model.NameTx(), QString()); // nothing left in the editor: the choice of H鋼
    QVERIFY(!grid->isEditing());
    QCOMPARE(grid->model()->index(2, 1).data().toString(), QString());

    QStringList captions;
    runContextMenuCommand(this, 1, &captions);
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {},
                      grid->visualRect(grid->model()->index(2, 1)).center());
    QCOMPARE(captions, (QStringList{u"元に戻す"_s, u"やり直し"_s}));
    QCOMPARE(model.NameTx(), u"H鋼"_s);
    QCOMPARE(grid->model()->index(2, 1).data().toString(), u"100*50*5*7"_s);
    // What a step put back may differ from the file: closing asks.
    prompter.expect(u"変更を保存しますか？"_s, u"確認"_s, tv::services::PromptButtons::YesNoCancel,
                    tv::services::PromptAnswer::No);
    view.close();

    writeCp932Lines(setFile(u"HasiraKikaku.ini"_s), {u"SS400"_s});
    SetteiForm settei(m_root, prompter);
    QVERIFY(settei.open());
    SetteiFormView setteiView(settei);
    setteiView.show();
    QVERIFY(QTest::qWaitForWindowActive(&setteiView));
    auto* list = setteiView.findChild<QListWidget*>(u"ListList0"_s);
    QTest::keyClicks(setteiView.findChild<QLineEdit*>(u"InpTx0"_s), u"SM490A"_s);
    clickCommand(&setteiView, 1);
    QCOMPARE(list->count(), 2);
    QTest::keyClick(&setteiView, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(list->count(), 1);
    QTest::keyClick(&setteiView, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(list->count(), 2);
    captions.clear();
    runContextMenuCommand(this, 0, &captions);
    const QPoint at = list->visualItemRect(list->item(0)).center();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &rightClick);
    QCOMPARE(captions, (QStringList{u"元に戻す"_s, u"やり直し"_s}));
    QCOMPARE(list->count(), 1);
    TV_VERIFY_PROMPTS(prompter);
}

// 他物件から取込 in the weld-rate window: the command's caption, the question, the rates shown.
void TestUiRegistries::importCommandTakesOverAnotherProject() {
    writeCp932Lines(setFile(u"Kansan.ini"_s), {u"ZZKN'HT1'9'1.2"_s});
    const QString other = m_root.file(tv::shell::kDataFolder, u"隣の物件.tkd");
    writeBytes(other, tv::shell::ProjectBundle::pack(other, {u"ZZKN'HT1'12'2.0"_s}).bytes);
    ScriptedPrompter prompter;
    prompter
        .expect(u"「隣の物件.tkd」から取り込みます。\n追加する行: 1行\n値が異なる行: 0行"_s, u"確認"_s,
                tv::services::PromptButtons::OkCancel, tv::services::PromptAnswer::Ok)
        .expectOk(u"取り込みました(追加 1行、置き換え 0行)。\n「保存」で登録されます。"_s, u"確認"_s);
    ScriptedFileChooser chooser;
    chooser.choose(other);
    KansanForm model(m_root, prompter);
    model.setFileChooser(&chooser);
    QVERIFY(model.open());
    KansanFormView view(model, prompter);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    clickCommand(&view, 2);
    chooseFromList(&view, u"HT1"_s);
    auto* command = view.findChild<QLabel*>(u"CmdGd_6"_s);
    QVERIFY(command);
    QCOMPARE(command->text(), u"他物件から取込"_s);
    clickCommand(&view, 6);
    auto* grid = view.findChild<TextGridView*>(u"DataGrid"_s);
    QCOMPARE(grid->model()->index(9, 1).data().toString(), u"2.0"_s); // 12 mm
    QVERIFY(model.hasUnsavedChanges());
    TV_VERIFY_PROMPTS(prompter);
}

QTEST_MAIN(TestUiRegistries)
#include "tst_ui_registries.moc"
