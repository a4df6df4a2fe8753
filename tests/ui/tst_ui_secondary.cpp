// The secondary-member sheet offscreen: two rows typed through the candidate lists and the editor,
// Enter along the quantity cells, 終了, and the work file holds both rows.
#include "context_menu_driver.h"
#include "secondary/zatu_file.h"
#include "secondary/zatu_inp_form.h"
#include "support/recording_printer.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "ui/common/text_grid_view.h"
#include "ui/secondary/zatu_inp_form_view.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::secondary;
using namespace tv::test;
using namespace tv::ui;
using namespace Qt::StringLiterals;

namespace {

struct NoWindows : tv::services::WindowOpener {
    bool open(tv::services::WindowId) override { return false; }
};

void clickCell(TextGridView* grid, int row, int column) {
    grid->scrollTo(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(row, column)).center());
}

// Picks `item` in the candidate list open under a cell.
void pickFromList(TextGridView* grid, const QString& item) {
    QListWidget* list = grid->popupList();
    QTRY_VERIFY(list->isVisible());
    const QList<QListWidgetItem*> items = list->findItems(item, Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    QVERIFY(!list->isVisible());
}

void typeAndEnter(TextGridView* grid, const QString& text) {
    QTRY_VERIFY(grid->isEditing());
    grid->lineEditor()->selectAll();
    QTest::keyClicks(grid->lineEditor(), text);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Return);
}

} // namespace

class TestUiSecondary : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typesTwoRowsAndClosesWithEnd();
    void undoAndRedoByContextMenuAndKeys();
};

void TestUiSecondary::typesTwoRowsAndClosesWithEnd() {
    QTemporaryDir dir;
    makeDataRoot(dir.path());
    tv::shell::ShellState shell;
    shell.dataRoot = tv::shell::DataRoot(dir.path());
    writeCp932Lines(shell.dataRoot.file(tv::shell::kSetFolder, u"BuzaiWeight.ini"),
                    {u"ZZBW'H鋼'200*100*5.5*8'20.9'"_s});
    writeCp932Lines(shell.dataRoot.file(tv::shell::kSetFolder, u"HasiraKikaku.ini"), {u"SS400"_s});
    writeCp932Lines(shell.dataRoot.file(tv::shell::kSetFolder, u"BoltKei.ini"), {u"M20"_s});
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    NoWindows opener;
    ZatuInpForm model(shell, prompter, printer, opener);
    QVERIFY(model.open());
    ZatuInpFormView view(model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.windowTitle(), u"副部材"_s);
    TextGridView* grid = view.grid();
    constexpr int R = ZatuInpForm::kFirstDataRow;

    // Row 1: a girt of H鋼 200×100, 3.5*2 m × 4; the size pick moves on to the length.
    clickCell(grid, R, 3); // no category yet: the category list opens instead
    pickFromList(grid, u"胴縁"_s);
    clickCell(grid, R, 4);
    pickFromList(grid, u"SS400"_s);
    clickCell(grid, R, 5);
    pickFromList(grid, u"H鋼"_s);
    clickCell(grid, R, 6);
    pickFromList(grid, u"200*100*5.5*8"_s);
    typeAndEnter(grid, u"3.5*2"_s); // the length's editor opened after the size pick
    typeAndEnter(grid, u"4"_s);     // Enter moved on to ×
    QCOMPARE(model.DataGrid().currentColumn(), int(WeldLengthCell));
    QCOMPARE(grid->model()->index(R, QuantityCell).data().toString(), u"28.00"_s);
    QTRY_VERIFY(grid->isEditing());
    QTest::keyClick(grid->lineEditor(), Qt::Key_Left, Qt::ShiftModifier); // back to ×
    QTRY_COMPARE(model.DataGrid().currentColumn(), int(CountCell));
    QTRY_VERIFY(grid->isEditing());
    QCOMPARE(grid->lineEditor()->text(), u"4"_s);

    // Row 2: bolts, typed size and count.
    clickCell(grid, R + 1, 1);
    pickFromList(grid, u"BOLT"_s);
    clickCell(grid, R + 1, 5);
    pickFromList(grid, u"M20"_s);
    clickCell(grid, R + 1, 6);
    typeAndEnter(grid, u"55"_s);
    clickCell(grid, R + 1, 8);
    typeAndEnter(grid, u"12"_s);
    clickCell(grid, R + 1, 2); // the last typed text is kept when the editor closes
    QVERIFY(grid->isEditing());

    auto* end = view.findChild<QLabel*>(u"CmdGd_0"_s);
    QVERIFY(end);
    QTest::mouseClick(end, Qt::LeftButton);
    QVERIFY(!view.isVisible());
    const ZatuRowsResult saved = LoadZatuRows(zatuFilePath(shell.dataRoot));
    QCOMPARE(saved.rows.size(), 2);
    QCOMPARE(
        QStringList(saved.rows[0].cells.begin(), saved.rows[0].cells.begin() + 9),
        (QStringList{
            u"胴縁"_s, {}, {}, u"SS400"_s, u"H鋼"_s, u"H-200×100×5.5×8"_s, u"3.5*2"_s, u"4"_s, u"28.00"_s}));
    QCOMPARE(QStringList(saved.rows[1].cells.begin(), saved.rows[1].cells.begin() + 9),
             (QStringList{u"BOLT"_s, {}, {}, {}, u"M20"_s, u"55"_s, {}, u"12"_s, {}}));
    TV_VERIFY_PROMPTS(prompter);
}

// 元に戻す from the context menu of the row numbers takes back what was typed into a cell (closing the
// editor); Ctrl+Y makes it again.
void TestUiSecondary::undoAndRedoByContextMenuAndKeys() {
    QTemporaryDir dir;
    makeDataRoot(dir.path());
    tv::shell::ShellState shell;
    shell.dataRoot = tv::shell::DataRoot(dir.path());
    writeCp932Lines(shell.dataRoot.file(tv::shell::kWorkDataFolder, u"WorkData-3.ini"),
                    {u"ZZ03'胴縁'2'X1'SS400'H鋼'H-200×100×5.5×8'6'2'12.00"_s});
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    NoWindows opener;
    ZatuInpForm model(shell, prompter, printer, opener);
    QVERIFY(model.open());
    ZatuInpFormView view(model);
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    TextGridView* grid = view.grid();
    constexpr int R = ZatuInpForm::kFirstDataRow;

    clickCell(grid, R, LengthCell);
    typeAndEnter(grid, u"7"_s);
    QCOMPARE(grid->model()->index(R, QuantityCell).data().toString(), u"14.00"_s);

    QStringList captions;
    runContextMenuCommand(this, 0, &captions);
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {},
                      grid->visualRect(grid->model()->index(R, 0)).center());
    QCOMPARE(captions, (QStringList{u"元に戻す"_s, u"やり直し"_s}));
    QCOMPARE(grid->model()->index(R, LengthCell).data().toString(), u"6"_s);
    QCOMPARE(grid->model()->index(R, QuantityCell).data().toString(), u"12.00"_s);
    QVERIFY(!grid->isEditing());

    view.activateWindow(); // as the window is again once its menu has closed
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QTest::keyClick(&view, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(grid->model()->index(R, LengthCell).data().toString(), u"7"_s);
    QCOMPARE(grid->model()->index(R, QuantityCell).data().toString(), u"14.00"_s);

    // In an open editor Ctrl+Z first takes back the editor's own typing, then the window's steps.
    clickCell(grid, R, CountCell);
    QTRY_VERIFY(grid->isEditing());
    grid->lineEditor()->selectAll();
    QTest::keyClicks(grid->lineEditor(), u"5"_s);
    QCOMPARE(grid->model()->index(R, QuantityCell).data().toString(), u"35.00"_s);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(grid->lineEditor()->text(), u"2"_s);
    QCOMPARE(grid->model()->index(R, QuantityCell).data().toString(), u"14.00"_s);
    QVERIFY(grid->isEditing());
    QTest::keyClick(grid->lineEditor(), Qt::Key_Z, Qt::ControlModifier); // the editor has nothing left
    QCOMPARE(grid->model()->index(R, LengthCell).data().toString(), u"6"_s);
    QVERIFY(!grid->isEditing());
    TV_VERIFY_PROMPTS(prompter);
}

QTEST_MAIN(TestUiSecondary)
#include "tst_ui_secondary.moc"
