// Smoke test of the column sheet window: a click on an entry's continuation row selects the entry,
// 空白行挿入 puts an empty row above it, and 選択行削除 with its question removes the entry from the file.
#include "context_menu_driver.h"
#include "sheets/sheet_fixtures.h"
#include "sheets/sheet_form.h"
#include "shell/record_file.h"
#include "support/recording_printer.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "ui/common/command_label.h"
#include "ui/common/text_grid_view.h"
#include "ui/sheets/sheet_column_widths.h"
#include "ui/sheets/sheet_form_view.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QHelpEvent>
#include <QBrush>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include <memory>

using namespace tv::sheets;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

class NoWindows : public tv::services::WindowOpener {
public:
    bool open(tv::services::WindowId) override { return false; }
};

void clickCell(tv::ui::TextGridView* grid, int row, int column) {
    grid->scrollTo(grid->model()->index(row, column));
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QVERIFY(cell.isValid());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// A data root whose column work file holds `lines`, and the column sheet window over it, shown.
struct ColumnSheetWindow {
    explicit ColumnSheetWindow(const QStringList& lines) {
        makeDataRoot(dir.path());
        state.dataRoot = tv::shell::DataRoot(dir.path());
        file = state.dataRoot.file(tv::shell::kWorkDataFolder, u"WorkData-1.ini");
        writeCp932Lines(file, lines);
        opened = model.open();
        view = std::make_unique<tv::ui::SheetFormView>(model);
        view->show();
    }
    QTemporaryDir dir;
    tv::shell::ShellState state;
    QString file;
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    NoWindows opener;
    ScriptedEntryDialog dialog;
    tv::lists::MemberLists lists;
    MainInputForm model{state, lists, {prompter, printer, opener, dialog}};
    bool opened = false;
    std::unique_ptr<tv::ui::SheetFormView> view;
};

} // namespace

class TestUiSheetForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void selectInsertAndDeleteThroughTheWindow();
    void undoAndRedoByKeysAndContextMenu();
    void cutTextsShowWholeAndDraggedWidthsAreKept();
};

void TestUiSheetForm::selectInsertAndDeleteThroughTheWindow() {
    const QString c1 = workLine(u"ZZ01"_s, {u"柱"_s, u"2"_s, u"C1"_s, {}, u"SN490B"_s, u"H鋼"_s});
    const QStringList c2{workLine(u"ZZ01"_s, {u"柱"_s, u"2"_s, u"C2"_s, {}, u"SN490B"_s, u"H鋼"_s}),
                         workLine(u"ZZ01"_s, {{}, {}, {}, {}, u"SN490B"_s, u"DIA.PL"_s}),
                         workLine(u"ZZ01"_s, {{}, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}, u"工場"_s})};
    ColumnSheetWindow window(QStringList{c1} + c2);
    QVERIFY(window.opened);
    tv::ui::SheetFormView& view = *window.view;
    MainInputForm& model = window.model;
    ScriptedPrompter& prompter = window.prompter;
    const QString& file = window.file;
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QAbstractItemModelTester tester(view.grid()->model());
    for (int c = kFirstEntryText; c <= kLastCell; ++c)
        QVERIFY(view.grid()->isColumnHidden(c));
    QCOMPARE(view.grid()->rowAt(0), kFirstDataRow); // the header rows stand in their own view above

    clickCell(view.grid(), kFirstDataRow + 3, 12); // C2's third row
    QCOMPARE(model.selectedRow(), kFirstDataRow + 1);
    const auto background = [&view](int row) {
        return view.grid()->model()->index(row, 5).data(Qt::BackgroundRole).value<QBrush>().color();
    };
    QCOMPARE(background(kFirstDataRow + 1), QColor(238, 252, 188));
    QTest::mouseClick(view.command(SheetForm::InsertBlankRow), Qt::LeftButton);
    QCOMPARE(background(kFirstDataRow + 1), QColor(238, 252, 188)); // the new empty row
    QVERIFY(background(kFirstDataRow + 2) != QColor(238, 252, 188));
    QCOMPARE(model.selectedRow(), kFirstDataRow + 1);
    QCOMPARE(view.grid()->model()->index(kFirstDataRow + 2, 3).data().toString(), u"C2"_s);

    clickCell(view.grid(), kFirstDataRow + 3, 7); // C2's second row, one row lower now
    QCOMPARE(model.selectedRow(), kFirstDataRow + 2);
    prompter.expect(u"柱-2階C2を削除します。"_s, u"確認"_s, tv::services::PromptButtons::OkCancel,
                    tv::services::PromptAnswer::Ok);
    QTest::mouseClick(view.command(SheetForm::DeleteEntry), Qt::LeftButton);
    TV_VERIFY_PROMPTS(prompter);
    QCOMPARE(model.selectedRow(), -1);
    QCOMPARE(tv::shell::readLines(file).lines, QStringList{c1});
    QCOMPARE(view.grid()->model()->index(kFirstDataRow + 2, 3).data().toString(), QString());

    QTest::mouseClick(view.command(SheetForm::Close), Qt::LeftButton);
    QVERIFY(!view.isVisible());
}

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in the window, and 元に戻す from the grid's context menu, take back
// and make again a deleted entry, saving the work file each time.
void TestUiSheetForm::undoAndRedoByKeysAndContextMenu() {
    const QStringList c1{workLine(u"ZZ01"_s, {u"柱"_s, u"2"_s, u"C1"_s, {}, u"SN490B"_s, u"H鋼"_s})};
    ColumnSheetWindow window(c1);
    QVERIFY(window.opened);
    tv::ui::SheetFormView& view = *window.view;
    ScriptedPrompter& prompter = window.prompter;
    const QString& file = window.file;
    QVERIFY(QTest::qWaitForWindowActive(&view));
    const auto markAt = [&view](int row) {
        return view.grid()->model()->index(row, 3).data().toString();
    };

    clickCell(view.grid(), kFirstDataRow, 3);
    prompter.expect(u"柱-2階C1を削除します。"_s, u"確認"_s, tv::services::PromptButtons::OkCancel,
                    tv::services::PromptAnswer::Ok);
    QTest::mouseClick(view.command(SheetForm::DeleteEntry), Qt::LeftButton);
    QCOMPARE(tv::shell::readLines(file).lines, QStringList());
    QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(markAt(kFirstDataRow), u"C1"_s);
    QCOMPARE(tv::shell::readLines(file).lines, c1);
    QTest::keyClick(&view, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(markAt(kFirstDataRow), QString());
    QCOMPARE(tv::shell::readLines(file).lines, QStringList());
    QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(markAt(kFirstDataRow), QString());

    // The context menu of a right click on the grid: its first command takes the row back.
    QStringList captions;
    runContextMenuCommand(this, 0, &captions);
    const QRect cell = view.grid()->visualRect(view.grid()->model()->index(kFirstDataRow + 4, 3));
    QTest::mouseClick(view.grid()->viewport(), Qt::RightButton, {}, cell.center());
    QCOMPARE(captions, (QStringList{u"元に戻す"_s, u"やり直し"_s}));
    QCOMPARE(markAt(kFirstDataRow), u"C1"_s);
    QCOMPARE(tv::shell::readLines(file).lines, c1);
    TV_VERIFY_PROMPTS(prompter);
}

// A text cut off by its column shows whole as a tooltip; a column dragged wider in the caption rows
// stays so in the next window, until a double click on its border gives it its own width back.
void TestUiSheetForm::cutTextsShowWholeAndDraggedWidthsAreKept() {
    tv::ui::saveColumnWidths(SheetKind::Column, {}); // nothing left from an earlier run
    const QString place = u"隅柱 X1通り Y1通り 交点 外周部"_s;
    const QStringList c1{workLine(u"ZZ01"_s, {u"柱"_s, u"2"_s, u"C1"_s, place, u"SN490B"_s, u"H鋼"_s})};
    ColumnSheetWindow window(c1);
    QVERIFY(window.opened);
    QVERIFY(QTest::qWaitForWindowExposed(window.view.get()));
    tv::ui::TextGridView* grid = window.view->grid();
    const auto tipAt = [grid](int column) {
        const QRect cell = grid->visualRect(grid->model()->index(kFirstDataRow, column));
        QHelpEvent help(QEvent::ToolTip, cell.center(), grid->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(grid->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tipAt(4), place);
    tipAt(3); // "C1" fits its column: the tip goes
    QTRY_VERIFY(!QToolTip::isVisible());

    auto* header = window.view->findChild<QTableView*>(u"HeaderGrid"_s);
    QVERIFY(header);
    const int own = grid->columnWidth(4);
    const int border = header->columnViewportPosition(4) + own;
    const auto mouse = [header](QEvent::Type type, int x) {
        const QPointF at(x, 4);
        QMouseEvent event(type, at, header->viewport()->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(header->viewport(), &event);
    };
    mouse(QEvent::MouseButtonPress, border - 1);
    mouse(QEvent::MouseMove, border + 60);
    mouse(QEvent::MouseButtonRelease, border + 60);
    QCOMPARE(grid->columnWidth(4), own + 61);
    QCOMPARE(header->columnWidth(4), own + 61);

    clickCell(grid, kFirstDataRow, 5);
    QTest::mouseClick(window.view->command(SheetForm::InsertBlankRow), Qt::LeftButton);
    QCOMPARE(grid->model()->index(kFirstDataRow + 1, 4).data().toString(), place); // the rows were drawn anew
    QCOMPARE(grid->columnWidth(4), own + 61);
    ColumnSheetWindow again(c1);
    QVERIFY(again.opened);
    QCOMPARE(again.view->grid()->columnWidth(4), own + 61);

    mouse(QEvent::MouseButtonDblClick, header->columnViewportPosition(4) + header->columnWidth(4));
    QCOMPARE(grid->columnWidth(4), own);
    QVERIFY(tv::ui::loadColumnWidths(SheetKind::Column).isEmpty());
}

QTEST_MAIN(TestUiSheetForm)
#include "tst_ui_sheet_form.moc"
