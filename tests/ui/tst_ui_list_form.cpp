// Smoke test of the list window: one column, one beam and one joint registered through the widgets,
// then 終了, and the three list files checked.
#include "lists/list_files.h"
#include "lists/list_form.h"
#include "context_menu_driver.h"
#include "shell/record_file.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "ui/common/text_grid_view.h"
#include "ui/lists/list_form_view.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::lists;
using namespace tv::test;
using namespace Qt::StringLiterals;

class TestUiListForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void registersThroughTheWindowAndSavesOnFinish();
    void closeBoxAsksBeforeDroppingChanges();
    void jointGridTakesTypedGradeAndTabMoves();
    void undoAndRedoByKeysAndContextMenu();
};

namespace {

QLineEdit* field(QWidget& view, const QString& name) {
    if (auto* combo = view.findChild<QComboBox*>(name))
        return combo->lineEdit();
    return view.findChild<QLineEdit*>(name);
}

// The text field that has the focus (an editable combo box's own line edit).
QWidget* focusedField() {
    QWidget* focused = QApplication::focusWidget();
    if (auto* combo = qobject_cast<QComboBox*>(focused))
        return combo->lineEdit();
    return focused;
}

void type(QWidget& view, const QString& name, const QString& text) {
    QLineEdit* edit = field(view, name);
    QVERIFY2(edit, qPrintable(name));
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

void click(QWidget& view, const QString& name) {
    auto* widget = view.findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    if (auto* button = qobject_cast<QRadioButton*>(widget))
        button->click();
    else
        QTest::mouseClick(widget, Qt::LeftButton);
}

void prepare(const QString& root) {
    makeDataRoot(root);
    const tv::shell::DataRoot data(root);
    writeCp932Lines(data.file(tv::shell::kSetFolder, u"HasiraKataSiki.ini"), {u"H"_s, u"C"_s});
    writeCp932Lines(data.file(tv::shell::kSetFolder, u"HasiraKikaku.ini"), {u"SS400"_s, u"SN490B"_s});
    writeCp932Lines(data.file(tv::shell::kSetFolder, u"HtbKata.ini"), {u"HTB-F10T"_s});
    writeCp932Lines(data.file(tv::shell::kSetFolder, u"BoltKei.ini"), {u"M20"_s});
}

// The data root, lists and prompter of one list window.
struct ListWindow {
    QTemporaryDir dir;
    tv::shell::DataRoot root{(prepare(dir.path()), dir.path())};
    MemberLists lists;
    ScriptedPrompter prompter;
    ListForm form{root, lists, prompter};
};

} // namespace

void TestUiListForm::registersThroughTheWindowAndSavesOnFinish() {
    ListWindow window;
    QVERIFY(window.form.open());
    tv::ui::ListFormView view(window.form);
    auto& [dir, root, lists, prompter, form] = window;
    view.show();
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));

    // A column: Enter moves from the mark to the grade field, F12 registers.
    type(view, u"InpTx0"_s, u"2"_s);
    type(view, u"InpTx1"_s, u"C1"_s);
    QTest::keyClick(field(view, u"InpTx1"_s), Qt::Key_Return);
    QCOMPARE(focusedField(), field(view, u"InpTx2"_s));
    const QStringList section{u"SN490C"_s, u"H"_s, u"400"_s, u"200"_s, u"8"_s, u"13"_s};
    for (int i = 0; i < section.size(); ++i)
        type(view, u"InpTx%1"_s.arg(2 + i), section[i]);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // from F厚 on to ②規格, a list field
    QCOMPARE(focusedField(), field(view, u"InpTx8"_s));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(focusedField(), field(view, u"InpTx9"_s));
    QTest::keyClick(field(view, u"InpTx7"_s), Qt::Key_F12);
    QCOMPARE(form.hasiraGrid().rowCount(), 5);
    QCOMPARE(focusedField(), field(view, u"InpTx1"_s));

    // A secondary beam through the 登録実行 command.
    click(view, u"BunruiOp1"_s);
    click(view, u"HariOp1"_s);
    QCOMPARE(field(view, u"HariInpTx0"_s)->text(), u"小梁"_s);
    QVERIFY(field(view, u"HariInpTx0"_s)->isReadOnly());
    QVERIFY(!field(view, u"HariInpTx0"_s)->isEnabled()); // greyed, so that the lock is seen
    type(view, u"HariInpTx1"_s, u"B1"_s);
    const QStringList centre{u"SS400"_s, u"H"_s, u"300"_s, u"150"_s, u"6.5"_s, u"9"_s};
    for (int i = 0; i < centre.size(); ++i)
        type(view, u"HariInpTx%1"_s.arg(2 + i), centre[i]);
    click(view, u"CmdGd2"_s);
    QCOMPARE(form.hariGrid().text(2, 1), u"小梁"_s);

    click(view, u"BunruiOp3"_s); // the gusset panel says that nothing is registered there
    QVERIFY(view.findChild<QLabel*>(u"GussetNote"_s)->isVisible());

    // A joint: a grade from the cell's list, a typed thickness, the galvanized box.
    click(view, u"BunruiOp2"_s);
    type(view, u"JointInpTx"_s, u"J1"_s);
    click(view, u"MekkiCh"_s);
    auto* grid = view.findChild<tv::ui::TextGridView*>(u"JointGrid"_s);
    QVERIFY(grid);
    grid->activateCell(3, 1);
    QVERIFY(grid->isEditing());
    QListWidget* candidates = grid->candidateList();
    QVERIFY(candidates && candidates->isVisible());
    // SS400, SN490B, then SN490C and the empty ② grade of the column registered above, and クリア
    QCOMPARE(candidates->count(), 5);
    const auto items = candidates->findItems(u"SN490B"_s, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    QTest::mouseClick(candidates->viewport(), Qt::LeftButton, {},
                      candidates->visualItemRect(items[0]).center());
    QCOMPARE(form.jointGrid().text(3, 1), u"SN490B"_s);
    QVERIFY(!grid->isEditing());
    QVERIFY(!candidates->isVisible());
    grid->activateCell(3, 2);
    QVERIFY(grid->isEditing());
    QTest::keyClicks(grid->lineEditor(), u"9"_s);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Return);
    click(view, u"CmdGd2"_s);
    QCOMPARE(view.findChild<QListWidget*>(u"JointList"_s)->count(), 1);

    prompter.expectOk(u"リストデータを保存しました。"_s, u"確認"_s);
    click(view, u"CmdGd0"_s);
    TV_VERIFY_PROMPTS(prompter);
    QVERIFY(!view.isVisible());
    QCOMPARE(view.result(), int(QDialog::Accepted));

    const auto lines = [&root](QStringView name) {
        return tv::shell::readLines(root.file(tv::shell::kListFolder, name)).lines;
    };
    QCOMPARE(lines(kHasiraListFile), QStringList{u"ZZLH'2'C1'H鋼'SN490C･H･400･200･8･13'････'････''"_s});
    QCOMPARE(lines(kHariListFile), QStringList{u"ZZLB'小梁'B1'SS400･H･300･150･6.5･9'･････"_s});
    const QString e8 = emptyLine(8), e5 = emptyLine(5);
    QCOMPARE(lines(kJointListFile),
             QStringList{u"ZZLJ'J1'1'SN490B･9･･････:"_s + QStringList(4, e8).join(u':') + u"'"_s +
                         QStringList(5, e8).join(u':') + u"'"_s + QStringList(5, e5).join(u':')});
    QVERIFY(tv::shell::readLines(root.file(tv::shell::kSetFolder, u"HasiraKikaku.ini"))
                .lines.contains(u"SN490C"_s));
}

void TestUiListForm::closeBoxAsksBeforeDroppingChanges() {
    ListWindow window;
    QVERIFY(window.form.open());
    tv::ui::ListFormView view(window.form);
    auto& [dir, root, lists, prompter, form] = window;
    view.show();
    click(view, u"BunruiOp2"_s);
    type(view, u"JointInpTx"_s, u"J1"_s);
    click(view, u"CmdGd2"_s);
    prompter.expect(u"リストデータを保存しますか？"_s, u"確認"_s, tv::services::PromptButtons::YesNoCancel,
                    tv::services::PromptAnswer::Cancel);
    view.close();
    QVERIFY(view.isVisible());
    prompter.expect(u"リストデータを保存しますか？"_s, u"確認"_s, tv::services::PromptButtons::YesNoCancel,
                    tv::services::PromptAnswer::No);
    view.close();
    QVERIFY(!view.isVisible());
    TV_VERIFY_PROMPTS(prompter);
    QCOMPARE(readBytes(root.file(tv::shell::kListFolder, kJointListFile)), QByteArray()); // nothing saved
}

// A grade that the grade file lacks is typed into a joint cell, and Tab carries the typing on cell by
// cell, as the estimator types one plate line.
void TestUiListForm::jointGridTakesTypedGradeAndTabMoves() {
    ListWindow window;
    QVERIFY(window.form.open());
    tv::ui::ListFormView view(window.form);
    auto& [dir, root, lists, prompter, form] = window;
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    click(view, u"BunruiOp2"_s);
    type(view, u"JointInpTx"_s, u"J2"_s);
    auto* grid = view.findChild<tv::ui::TextGridView*>(u"JointGrid"_s);
    grid->activateCell(3, 1);
    QVERIFY(grid->isEditing());
    QTest::keyClicks(grid->lineEditor(), u"SM520C"_s);
    for (const QString& typed : {u"12"_s, u"200"_s, u"410"_s}) {
        QTest::keyClick(grid->lineEditor(), Qt::Key_Tab);
        QVERIFY(grid->isEditing());
        QTest::keyClicks(grid->lineEditor(), typed);
    }
    QTest::keyClick(grid->lineEditor(), Qt::Key_Tab);
    QTest::keyClicks(grid->lineEditor(), u"2"_s);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Return);
    QCOMPARE(form.jointGrid().rowTexts(3).mid(1, 5),
             (QStringList{u"SM520C"_s, u"12"_s, u"200"_s, u"410"_s, u"2"_s}));
    // None of the grade candidates: the window says the totals will count it on its own.
    QCOMPARE(view.findChild<QLabel*>(u"JointNotice"_s)->text(),
             u"※規格「SM520C」は候補にないため、集計では別のグループになります。"_s);

    grid->activateCell(3, 6); // Alt+Down takes the bolt kinds one by one
    QVERIFY(grid->candidateList()->isVisible());
    QTest::keyClick(grid->lineEditor(), Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(grid->lineEditor()->text(), u"HTB-F10T"_s);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Escape);

    grid->activateCell(3, 3); // Shift+Tab goes back one cell
    QTest::keyClick(grid->lineEditor(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(grid->isEditing());
    QCOMPARE(form.jointGrid().currentColumn(), 2);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Escape);

    click(view, u"CmdGd2"_s);
    QCOMPARE(lists.JointList[0].Mark, u"J2"_s);
    QCOMPARE(lists.JointList[0].FlangeLines[0], u"SM520C･12･200･410･2･･･"_s);
    TV_VERIFY_PROMPTS(prompter);
}

// Ctrl+Z in a field takes back its own typing first, then the window's steps; 元に戻す in the
// context menu of the registered grid takes back a registration, Ctrl+Y makes it again.
void TestUiListForm::undoAndRedoByKeysAndContextMenu() {
    ListWindow window;
    QVERIFY(window.form.open());
    tv::ui::ListFormView view(window.form);
    view.show();
    view.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    ListForm& form = window.form;

    type(view, u"InpTx0"_s, u"2"_s);
    type(view, u"InpTx1"_s, u"C1"_s);
    QTest::keyClick(field(view, u"InpTx1"_s), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form.InpTx(1), QString()); // the field's own typing
    QCOMPARE(form.InpTx(0), u"2"_s);
    QTest::keyClick(field(view, u"InpTx1"_s), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form.InpTx(0), QString()); // the field has nothing left: the window's last step
    QCOMPARE(field(view, u"InpTx0"_s)->text(), QString());
    QTest::keyClick(&view, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(field(view, u"InpTx0"_s)->text(), u"2"_s);

    type(view, u"InpTx1"_s, u"C1"_s);
    const QStringList section{u"SS400"_s, u"H"_s, u"400"_s, u"200"_s, u"8"_s, u"13"_s};
    for (int i = 0; i < section.size(); ++i)
        type(view, u"InpTx%1"_s.arg(2 + i), section[i]);
    QTest::keyClick(field(view, u"InpTx7"_s), Qt::Key_F12);
    QCOMPARE(form.hasiraGrid().rowCount(), 5);

    auto* grid = view.findChild<tv::ui::TextGridView*>(u"HasiraGrid"_s);
    QVERIFY(grid);
    QStringList captions;
    runContextMenuCommand(this, 0, &captions);
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {},
                      grid->visualRect(grid->model()->index(4, 2)).center());
    QCOMPARE(captions, (QStringList{u"元に戻す"_s, u"やり直し"_s}));
    QCOMPARE(form.hasiraGrid().rowCount(), 4);
    QCOMPARE(grid->model()->rowCount(), 4);
    QCOMPARE(window.lists.HasiraList.size(), 1);

    view.activateWindow(); // as the window is again once its menu has closed
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(form.hasiraGrid().rowCount(), 5);
    QCOMPARE(grid->model()->index(4, 2).data().toString(), u"C1"_s);
    TV_VERIFY_PROMPTS(window.prompter);
}

QTEST_MAIN(TestUiListForm)
#include "tst_ui_list_form.moc"
