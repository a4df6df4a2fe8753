// The column dialog window driven with real clicks and keys from the column sheet: a new column,
// changing it, copying its content into a second column with 入力済データ読込, and Cancel.
#include "column_input/coating.h"
#include "column_input/hasira_inp_commands.h"
#include "column_input/plate_lines.h"
#include "context_menu_driver.h"
#include "entry_dialog_driver.h"
#include "lists/list_files.h"
#include "registries/reference_lists.h"
#include "sheets/sheet_form.h"
#include "shell/record_file.h"
#include "support/recording_printer.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "ui/column_input/column_entry_window.h"
#include "ui/column_input/column_pictures.h"
#include "ui/column_input/hasira_inp_form_view.h"
#include "ui/common/command_label.h"
#include "ui/common/mae_inp_form_view.h"
#include "ui/common/text_grid_view.h"
#include "ui/sheets/sheet_form_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tv::column_input;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::sheets::kFirstDataRow;
using tv::ui::HasiraInpFormView;
using tv::ui::TextGridView;

namespace {

class RecordingWindows : public tv::services::WindowOpener {
public:
    bool open(tv::services::WindowId id) override {
        opened.append(id);
        return true;
    }
    QList<tv::services::WindowId> opened;
};

// Picks `text` from an open candidate list, which closes with the pick.
void pickFromList(QListWidget* list, const QString& text) {
    clickListItem(list, text);
    QVERIFY(!list->isVisible());
}

// Types `text` into the open editor of the grid and presses Enter.
void typeAndEnter(TextGridView* grid, const QString& text) {
    QVERIFY(grid->isEditing());
    QTest::keyClicks(grid->lineEditor(), text);
    QTest::keyClick(grid->lineEditor(), Qt::Key_Return);
}

void replaceText(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    field->selectAll();
    QTest::keyClicks(field, text);
}

// A project with two H columns C1 and C2 on floor 2, the reference lists and an empty column sheet.
struct Project {
    QTemporaryDir dir;
    tv::AppState state;
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    RecordingWindows windows;
    tv::ui::ColumnEntryWindow dialog{state, prompter, windows};
    std::unique_ptr<tv::sheets::MainInputForm> sheet;
    std::unique_ptr<tv::ui::SheetFormView> view;

    bool open() {
        makeDataRoot(dir.path());
        state.shell.dataRoot = tv::shell::DataRoot(dir.path());
        auto set = [this](QStringView file, const QStringList& lines) {
            writeCp932Lines(state.shell.dataRoot.file(tv::shell::kSetFolder, file), lines);
        };
        set(tv::registries::kHtbKataFile, {u"HTB-F10T"_s});
        set(tv::registries::kBoltKeiFile, {u"M20"_s, u"M24"_s});
        set(tv::registries::kPLNameFile, {u"ベースプレート"_s, u"平鋼"_s});
        set(tv::registries::kHasiraKikakuFile, {u"SS400"_s, u"SN490B"_s});
        tv::lists::MemberLists lists;
        for (const QString& mark : {u"C1"_s, u"C2"_s})
            tv::lists::appendEntry(
                lists.HasiraList,
                tv::lists::HasiraListEntry{
                    u"2"_s, mark, u"H鋼"_s, u"SN490C･H･400･200･8･13"_s, u"････"_s, u"････"_s, {}, {}});
        tv::lists::JointListEntry joint;
        joint.Mark = u"J1"_s;
        tv::lists::appendEntry(lists.JointList, joint);
        if (!tv::lists::SaveLists(state.shell.dataRoot, lists).ok())
            return false;
        sheet = std::make_unique<tv::sheets::MainInputForm>(
            state.shell, state.lists, tv::sheets::SheetForm::Ports{prompter, printer, windows, dialog});
        if (!sheet->open())
            return false;
        view = std::make_unique<tv::ui::SheetFormView>(*sheet);
        dialog.setSheet(&sheet->DataGrid(), view.get());
        view->show();
        return QTest::qWaitForWindowExposed(view.get());
    }

    // Selects sheet row `row` and opens the dialog on it; `work` runs in the open dialog window.
    void openDialog(int row, std::function<void(HasiraInpFormView&)> work) {
        openEntryDialog(dialog, *view, row, std::move(work));
    }

    QString workFile() const {
        return state.shell.dataRoot.file(tv::shell::kWorkDataFolder, u"WorkData-1.ini");
    }
    QString cell(int row, int column) const { return sheet->DataGrid().text(row, column); }
    bool entryRowsHold(int first, int column, const QString& text) const {
        for (int row = first; row < first + 8; ++row) {
            if (cell(row, column) == text)
                return true;
        }
        return false;
    }
};

void clickCommand(HasiraInpFormView& window, int index) {
    QTest::mouseClick(window.command(index), Qt::LeftButton);
}

} // namespace

class TestUiColumnDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enterChangeAndCopyAColumn();
    void cancelChangesNothing();
    void anotherMarkIsAskedAbout();
    void undoAndRedoByKeysAndContextMenu();
};

void TestUiColumnDialog::enterChangeAndCopyAColumn() {
    Project p;
    QVERIFY(p.open());
    const int first = kFirstDataRow;
    p.openDialog(first, [](HasiraInpFormView& w) {
        QTest::keyClicks(w.floorField(), u"2"_s);
        QCOMPARE(w.grid(MarkGrid)->model()->rowCount(), 3);
        clickCell(w.grid(MarkGrid), 2, 1);
        QCOMPARE(w.info(3)->text(), u"C2"_s);
        QCOMPARE(w.sectionPicture()->sectionCode(), 0);
        // Length, count and ロ部 places with Enter moving between them.
        QCOMPARE(w.focusWidget(), w.input(LengthInput));
        QTest::keyClicks(w.input(LengthInput), u"3500"_s);
        QTest::keyClick(w.input(LengthInput), Qt::Key_Return);
        QCOMPARE(w.focusWidget(), w.input(CountInput));
        QTest::keyClicks(w.input(CountInput), u"2"_s);
        QTest::keyClick(w.input(CountInput), Qt::Key_Return);
        QCOMPARE(w.focusWidget(), w.input(SecondPlacesInput));
        QTest::keyClicks(w.input(SecondPlacesInput), u"4"_s);
        // The joint mark field shows with its box and offers the joint marks.
        QVERIFY(!w.input(JointMarkInput)->isVisible());
        QTest::mouseClick(w.jointBox(), Qt::LeftButton);
        QVERIFY(w.input(JointMarkInput)->isVisible());
        QTest::mouseClick(w.input(JointMarkInput), Qt::LeftButton);
        pickFromList(w.jointList(), u"J1"_s);

        // One coating line.
        TextGridView* coating = w.grid(CoatingGrid);
        clickCell(coating, 1, tv::column_input::CoatingKind);
        pickFromList(coating->popupList(), u"吹付材"_s);
        clickCell(coating, 1, tv::column_input::CoatingThickness);
        for (const QString& text : {u"20"_s, u"1"_s, u"3000"_s})
            typeAndEnter(coating, text);
        QVERIFY(coating->isEditing());
        QTest::keyClicks(coating->lineEditor(), u"2"_s);
        QTest::keyClick(coating->lineEditor(), Qt::Key_Escape);

        // One plate line through its lists and editors: Enter walks 厚, B, D, 枚 and opens 工法's list.
        TextGridView* plates = w.grid(PlateGrid);
        clickCell(plates, kPlateFirstRow, PlateName);
        pickFromList(plates->popupList(), u"ベースプレート"_s);
        clickCell(plates, kPlateFirstRow, PlateGrade);
        pickFromList(plates->popupList(), u"SN490B"_s);
        clickCell(plates, kPlateFirstRow, PlateThickness);
        for (const QString& text : {u"36"_s, u"500"_s, u"500"_s, u"2"_s})
            typeAndEnter(plates, text);
        pickFromList(plates->popupList(), u"H"_s);
        // An item typed into a list cell is stored as typed, not the list's current item.
        plates->setCurrentIndex(plates->model()->index(kPlateFirstRow, PlateBoltDiameter));
        QTest::keyClick(plates, 'M');
        QTest::keyClicks(plates->listEditor(), u"24"_s);
        QTest::keyClick(plates->listEditor(), Qt::Key_Return);
        QCOMPARE(plates->model()->index(kPlateFirstRow, PlateBoltDiameter).data().toString(), u"M24"_s);
        clickCell(plates, kPlateFirstRow, PlateWeldLength);
        QTest::keyClicks(plates->lineEditor(), u"1600"_s);
        // Each keystroke is in the cell already (2 plates × 1.6 m), so F12 in the open editor
        // confirms the text typed so far.
        QCOMPARE(plates->model()->index(kPlateFirstRow, PlateWeldQuantity).data().toString(), u"3.20"_s);
        QTest::keyClick(plates->lineEditor(), Qt::Key_F12);

        QVERIFY(!w.isVisible());
    });
    TV_VERIFY_PROMPTS(p.prompter);
    // The entry on the sheet: the column, its coating line (girth 0.592, area 3.552) and the base plate.
    QCOMPARE(p.cell(first, 3), u"C2"_s);
    QCOMPARE(p.cell(first, 8), u"3500"_s);
    QCOMPARE(p.cell(first, 9), u"2"_s);
    QCOMPARE(p.cell(first, 10), u"J1"_s);
    QCOMPARE(p.cell(first + 1, 17), u"吹付材:20"_s);
    QCOMPARE(p.cell(first + 1, 19), u"3.552"_s);
    QCOMPARE(p.cell(first + 1, 6), u"BASE.PL"_s);
    QVERIFY(p.entryRowsHold(first, 16, u"3.20"_s)); // the base plate's weld
    // The work file: the column with its first weld and painting, and the entry's texts (coating
    // lines, main record, イ部 and ロ部 welds, plates with the typed M24); then the base plate with the
    // coating line, and the other welds: イ部 web 0.374 m × 2, ロ部 flange 0.400 m × 4 and web × 4, the
    // plate's.
    const QStringList saved = tv::shell::readLines(p.workFile()).lines;
    QCOMPARE(saved,
             (QStringList{
                 u"ZZ01'柱'2'C2''SN490C'H鋼'H-400×200×8×13'3500'2'J1'1'H'T'1'13'0.80'塗装有'1.58'11.06''''"
                 u"'吹付材･20･1･0.592･3000･2･3.552"_s +
                     QString(33, u'･') +
                     u"'塗装有･H鋼･SN490C H-400×200×8×13･2階･C2･3500･2･J1･4･･1･0･0･2･2･1.58･11.06"
                     u"'H･T･1･13･0.400･2･0.80･H･F･2･8･0.374･2･0.75"
                     u"'H･T･1･13･0.400･4･1.60･H･F･2･8･0.374･4･1.50"
                     u"'ベースプレート･SN490B･36･500･500･2･H･･･36･1600･3.20･･M24"_s +
                     QString(76, u'･'),
                 u"ZZ01'''''SN490B'BASE.PL'PL-36×500×500''2'''H'F'2'8'0.75'吹付材:20'0.592'3.552'''''''''"_s,
                 u"ZZ01''''''''''''H'T'1'13'1.60''''''''''''"_s,
                 u"ZZ01''''''''''''H'F'2'8'1.50''''''''''''"_s,
                 u"ZZ01''''''''''''H'''36'3.20''''''''''''"_s,
             }));
    const int rows = int(saved.size());

    // Changing the count replaces the entry's rows.
    p.openDialog(first + 1, [](HasiraInpFormView& w) {
        QCOMPARE(w.info(3)->text(), u"C2"_s);
        replaceText(w.input(CountInput), u"3"_s);
        clickCommand(w, CommandOk);
        QVERIFY(!w.isVisible());
    });
    QCOMPARE(p.cell(first, 9), u"3"_s);
    QCOMPARE(p.cell(first + rows, 3), QString());
    QCOMPARE(tv::shell::readLines(p.workFile()).lines.size(), rows);

    // A second column C1 copies C2's content and keeps its own floor and mark.
    p.openDialog(first + rows, [](HasiraInpFormView& w) {
        QTest::keyClicks(w.floorField(), u"2"_s);
        clickCell(w.grid(MarkGrid), 1, 1);
        QTimer::singleShot(0, [] {
            auto* picker = qobject_cast<tv::ui::MaeInpFormView*>(QApplication::activeModalWidget());
            QVERIFY(picker);
            QCOMPARE(picker->grid()->model()->rowCount(), 2);
            clickCell(picker->grid(), 1, 2);
            QTest::mouseClick(picker->command(0), Qt::LeftButton);
            QVERIFY(!picker->isVisible());
        });
        clickCommand(w, CommandLoadEntered);
        QCOMPARE(w.info(3)->text(), u"C1"_s);
        QCOMPARE(w.input(LengthInput)->text(), u"3500"_s);
        QCOMPARE(w.input(CountInput)->text(), u"3"_s);
        clickCommand(w, CommandOk);
        QVERIFY(!w.isVisible());
    });
    TV_VERIFY_PROMPTS(p.prompter);
    QCOMPARE(p.cell(first + rows, 3), u"C1"_s);
    QCOMPARE(p.cell(first + rows, 8), u"3500"_s);
    for (int offset = 1; offset < rows; ++offset) {
        for (int column = 5; column <= 23; ++column)
            QCOMPARE(p.cell(first + rows + offset, column), p.cell(first + offset, column));
    }
    QCOMPARE(tv::shell::readLines(p.workFile()).lines.size(), 2 * rows);
}

void TestUiColumnDialog::cancelChangesNothing() {
    Project p;
    QVERIFY(p.open());
    p.openDialog(kFirstDataRow, [](HasiraInpFormView& w) {
        QTest::keyClicks(w.floorField(), u"2"_s);
        clickCell(w.grid(MarkGrid), 1, 1);
        QTest::keyClicks(w.input(LengthInput), u"3500"_s);
        clickCommand(w, CommandCancel);
        QVERIFY(!w.isVisible());
    });
    p.openDialog(kFirstDataRow, [](HasiraInpFormView& w) {
        QTest::keyClicks(w.floorField(), u"2"_s);
        clickCell(w.grid(MarkGrid), 1, 1);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    });
    // 入力説明 opens the help viewer on the dialog's help text.
    p.openDialog(kFirstDataRow, [](HasiraInpFormView& w) { clickCommand(w, CommandHelp); });
    QCOMPARE(p.windows.opened, QList<tv::services::WindowId>{tv::services::WindowId::InfoForm});
    QVERIFY(p.state.shell.project.helpFilePath.endsWith(u"info-3.txt"_s));
    TV_VERIFY_PROMPTS(p.prompter);
    QCOMPARE(p.cell(kFirstDataRow, 3), QString());
    QVERIFY(tv::shell::readLines(p.workFile()).lines.isEmpty());
}

// OK on an entry given another mark asks whether it replaces the entry: キャンセル keeps the dialog
// open, いいえ adds the new entry after the opened one.
void TestUiColumnDialog::anotherMarkIsAskedAbout() {
    Project p;
    QVERIFY(p.open());
    const int first = kFirstDataRow;
    p.openDialog(first, [](HasiraInpFormView& w) {
        QTest::keyClicks(w.floorField(), u"2"_s);
        clickCell(w.grid(MarkGrid), 1, 1);
        QTest::keyClicks(w.input(LengthInput), u"3500"_s);
        QTest::keyClicks(w.input(CountInput), u"2"_s);
        QTest::keyClicks(w.input(SecondPlacesInput), u"4"_s);
        clickCommand(w, CommandOk);
        QVERIFY(!w.isVisible());
    });
    TV_VERIFY_PROMPTS(p.prompter);
    QCOMPARE(p.cell(first, 3), u"C1"_s);
    const QString question = u"2階 C1 の入力を 2階 C2 で置き換えますか？"_s;
    using tv::services::PromptAnswer;
    using tv::services::PromptButtons;
    p.prompter.expect(question, u"確認"_s, PromptButtons::YesNoCancel, PromptAnswer::Cancel)
        .expect(question, u"確認"_s, PromptButtons::YesNoCancel, PromptAnswer::No);
    p.openDialog(first + 1, [](HasiraInpFormView& w) {
        clickCell(w.grid(MarkGrid), 2, 1);
        QTest::keyClicks(w.input(LengthInput), u"4000"_s);
        QTest::keyClicks(w.input(CountInput), u"1"_s);
        QTest::keyClicks(w.input(SecondPlacesInput), u"2"_s);
        clickCommand(w, CommandOk);
        QVERIFY(w.isVisible());
        QCOMPARE(w.info(3)->text(), u"C2"_s);
        clickCommand(w, CommandOk);
        QVERIFY(!w.isVisible());
    });
    TV_VERIFY_PROMPTS(p.prompter);
    QCOMPARE(p.cell(first, 3), u"C1"_s);
    QCOMPARE(p.cell(first, 8), u"3500"_s);
    int added = first + 1;
    while (p.cell(added, 1).isEmpty() && added < first + 10)
        ++added;
    QCOMPARE(p.cell(added, 3), u"C2"_s);
    QCOMPARE(p.cell(added, 8), u"4000"_s);
    QCOMPARE(p.sheet->selectedRow(), added);
}

// Ctrl+Z in a field or a cell editor first takes back its own typing, then the dialog's steps; Ctrl+Y
// and Ctrl+Shift+Z make them again, and so do the context menus of the grids and of the dialog.
void TestUiColumnDialog::undoAndRedoByKeysAndContextMenu() {
    Project p;
    QVERIFY(p.open());
    p.openDialog(kFirstDataRow, [](HasiraInpFormView& w) {
        QTest::keyClicks(w.floorField(), u"2"_s);
        clickCell(w.grid(MarkGrid), 2, 1);
        QLineEdit* length = w.input(LengthInput);
        QCOMPARE(w.focusWidget(), length);
        QTest::keyClicks(length, u"3500"_s);
        // The dialog's commands take keys in the active window, as the dialog is for the user typing.
        w.activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == &w);
        QTest::keyClick(length, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(length->text(), QString());
        QCOMPARE(w.info(3)->text(), u"C2"_s);
        QTest::keyClick(length, Qt::Key_Z, Qt::ControlModifier); // the field has nothing left
        QCOMPARE(w.info(3)->text(), QString());
        QCOMPARE(w.floorField()->text(), u"2"_s);
        QTest::keyClick(length, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.floorField()->text(), QString());
        QCOMPARE(w.grid(MarkGrid)->model()->rowCount(), 1);
        QTest::keyClick(length, Qt::Key_Y, Qt::ControlModifier);
        QTest::keyClick(length, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(w.info(3)->text(), u"C2"_s);

        QTest::mouseClick(w.input(CountInput), Qt::LeftButton);
        QTest::keyClicks(w.input(CountInput), u"2"_s);
        TextGridView* plates = w.grid(PlateGrid);
        clickCell(plates, kPlateFirstRow, PlateThickness);
        QTest::keyClicks(plates->lineEditor(), u"36"_s);
        QTest::keyClick(plates->lineEditor(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(plates->isEditing());
        QCOMPARE(plates->lineEditor()->text(), QString());
        QCOMPARE(plates->model()->index(kPlateFirstRow, PlateThickness).data().toString(), QString());
        QTest::keyClick(plates->lineEditor(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!plates->isEditing());
        QCOMPARE(w.input(CountInput)->text(), QString());
        QTest::keyClick(plates, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.input(CountInput)->text(), u"2"_s);

        // A weld cell's right click offers the two commands; so does the dialog's background.
        QStringList captions;
        runContextMenuCommand(&w, 0, &captions);
        TextGridView* welds = w.grid(FirstWeldGrid);
        QTest::mouseClick(welds->viewport(), Qt::RightButton, {},
                          welds->visualRect(welds->model()->index(1, 1)).center());
        QCOMPARE(captions, (QStringList{u"元に戻す"_s, u"やり直し"_s}));
        QCOMPARE(w.input(CountInput)->text(), QString());
        captions.clear();
        runContextMenuCommand(&w, 1, &captions);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), w.info(0)->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w.info(0), &menu);
        QCOMPARE(captions, (QStringList{u"元に戻す"_s, u"やり直し"_s}));
        QCOMPARE(w.input(CountInput)->text(), u"2"_s);
        // A right click on a plate data cell still empties it, as one more step.
        clickCell(plates, kPlateFirstRow, PlateThickness);
        QTest::keyClicks(plates->lineEditor(), u"12"_s);
        QTest::keyClick(plates->lineEditor(), Qt::Key_Return);
        QTest::mouseClick(
            plates->viewport(), Qt::RightButton, {},
            plates->visualRect(plates->model()->index(kPlateFirstRow, PlateThickness)).center());
        QCOMPARE(plates->model()->index(kPlateFirstRow, PlateThickness).data().toString(), QString());
        w.activateWindow(); // as it is again once its menus have closed
        QTRY_VERIFY(QApplication::activeWindow() == &w);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(plates->model()->index(kPlateFirstRow, PlateThickness).data().toString(), u"12"_s);
        clickCommand(w, CommandCancel);
        QVERIFY(!w.isVisible());
    });
    TV_VERIFY_PROMPTS(p.prompter);
    QCOMPARE(p.cell(kFirstDataRow, 3), QString());
}

QTEST_MAIN(TestUiColumnDialog)
#include "tst_ui_column_dialog.moc"
