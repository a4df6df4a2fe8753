// The beam dialog window driven with real clicks and keys from the beam sheet: a beam with welded
// ends and a joint, a beam carried by girders with gussets and stiffeners, a copy of it through
// 入力済データ読込, and Cancel.
#include "beam_input/plate_columns.h"
#include "context_menu_driver.h"
#include "entry_dialog_driver.h"
#include "lists/list_files.h"
#include "registries/reference_lists.h"
#include "sheets/sheet_form.h"
#include "shell/record_file.h"
#include "support/recording_printer.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "totals/totals_run.h"
#include "ui/beam_input/beam_entry_window.h"
#include "ui/beam_input/hari_inp_form_view.h"
#include "ui/common/command_label.h"
#include "ui/common/mae_inp_form_view.h"
#include "ui/common/text_grid_view.h"
#include "ui/sheets/sheet_form_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tv::beam_input;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::sheets::kFirstDataRow;
using tv::ui::HariInpFormView;
using tv::ui::TextGridView;

namespace {

class NoWindows : public tv::services::WindowOpener {
public:
    bool open(tv::services::WindowId) override { return false; }
};

// Picks each item from the list that opens next in the grid.
void pickChain(TextGridView* grid, const QStringList& items) {
    for (const QString& item : items) {
        const int row = grid->grid()->currentRow(), column = grid->grid()->currentColumn();
        clickListItem(grid->popupList(), item);
        QCOMPARE(grid->grid()->text(row, column), item);
    }
}

// Types each text into the editor that opens next in the grid, each followed by Enter.
void typeChain(TextGridView* grid, const QStringList& texts) {
    for (const QString& text : texts) {
        QVERIFY2(grid->isEditing(), qPrintable(text));
        QTest::keyClicks(grid->lineEditor(), text);
        QTest::keyClick(grid->lineEditor(), Qt::Key_Return);
    }
}

// Text that no key of the test keyboard gives, as an input method hands it to the field.
void typeComposed(QWidget* field, const QString& text) {
    QKeyEvent composed(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(field, &composed);
}

void typeInto(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClicks(field, text);
}

void click(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, widget->height() / 2));
}

QString cellText(TextGridView* grid, int row, int column) {
    return grid->model()->index(row, column).data().toString();
}

// "grade･H･height･width･web･flange" of a registered section.
QString section(const QString& grade, int h, int b, int tw, int tf) {
    return tv::lists::joinParts(
        {grade, u"H"_s, QString::number(h), QString::number(b), QString::number(tw), QString::number(tf)});
}

// A project with beam G1 and girder G2 on floor 2, secondary beam B1, joint J1, the reference lists
// and an empty beam sheet.
struct Project {
    QTemporaryDir dir;
    tv::AppState state;
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    NoWindows windows;
    tv::ui::BeamEntryWindow dialog{state, prompter, windows};
    std::unique_ptr<tv::sheets::MainInput2Form> sheet;
    std::unique_ptr<tv::ui::SheetFormView> view;

    bool open() {
        makeDataRoot(dir.path());
        state.shell.dataRoot = tv::shell::DataRoot(dir.path());
        auto set = [this](QStringView file, const QStringList& lines) {
            writeCp932Lines(state.shell.dataRoot.file(tv::shell::kSetFolder, file), lines);
        };
        set(tv::registries::kHtbKataFile, {u"HTB-F8T"_s});
        set(tv::registries::kBoltKeiFile, {u"M20"_s, u"M22"_s});
        set(tv::registries::kHasiraKikakuFile, {u"SS400"_s, u"SN490B"_s});
        tv::lists::MemberLists lists;
        tv::lists::appendEntry(
            lists.HariList,
            tv::lists::HariListEntry{u"2"_s, u"G1"_s, section(u"SN400B"_s, 600, 200, 11, 17), {}});
        tv::lists::appendEntry(
            lists.HariList,
            tv::lists::HariListEntry{u"2"_s, u"G2"_s, section(u"SN490B"_s, 700, 300, 12, 24), {}});
        tv::lists::appendEntry(
            lists.HariList,
            tv::lists::HariListEntry{u"小梁"_s, u"B1"_s, section(u"SN400B"_s, 400, 200, 8, 13), {}});
        tv::lists::JointListEntry joint;
        joint.Mark = u"J1"_s;
        joint.Galvanized = u"0"_s;
        tv::lists::appendEntry(lists.JointList, joint);
        if (!tv::lists::SaveLists(state.shell.dataRoot, lists).ok())
            return false;
        sheet = std::make_unique<tv::sheets::MainInput2Form>(
            state.shell, state.lists, tv::sheets::SheetForm::Ports{prompter, printer, windows, dialog});
        if (!sheet->open())
            return false;
        view = std::make_unique<tv::ui::SheetFormView>(*sheet);
        dialog.setSheet(&sheet->DataGrid(), view.get());
        view->show();
        return QTest::qWaitForWindowExposed(view.get());
    }

    // Selects sheet row `row` and opens the dialog on it; `work` runs in the open dialog window.
    void openDialog(int row, std::function<void(HariInpFormView&)> work) {
        openEntryDialog(dialog, *view, row, std::move(work));
    }

    QString workFile() const {
        return state.shell.dataRoot.file(tv::shell::kWorkDataFolder, u"WorkData-2.ini");
    }
    QString cell(int row, int column) const { return sheet->DataGrid().text(row, column); }
};

void clickCommand(HariInpFormView& window, int index) {
    QTest::mouseClick(window.command(index), Qt::LeftButton);
}

// Floor 2 typed, then the mark clicked in the mark list.
void chooseMark(HariInpFormView& w, const QString& mark) {
    QTest::keyClicks(w.floorField(), u"2"_s);
    TextGridView* marks = w.grid(HariInpFormView::MarkGrid);
    QCOMPARE(marks->model()->rowCount(), 4); // header, G1, G2 and the secondary beam B1
    for (int row = 1; row < marks->model()->rowCount(); ++row)
        if (cellText(marks, row, 0) == mark)
            clickCell(marks, row, 0);
    QCOMPARE(w.info(3)->text(), mark);
}

constexpr int kLine1 = kPlateHeaderRows;

// G1 with welded ends and a joint: flange and web welds, a splice plate with bolts, one coating line.
void enterWeldedBeam(HariInpFormView& w) {
    chooseMark(w, u"G1"_s);
    QCOMPARE(w.info(0)->text(), u"SN400B H-600×200×11×17"_s);
    QVERIFY(w.weldedFrame()->isVisible());
    QVERIFY(!w.girderFrame()->isVisible());
    // Count, comment and lengths with Enter moving on; the joint fields are hidden and passed over.
    QCOMPARE(w.focusWidget(), w.input(0));
    typeComposed(w.input(0), u"２"_s); // stored half-width
    QCOMPARE(w.input(0)->text(), u"2"_s);
    QTest::keyClick(w.input(0), Qt::Key_Return);
    QCOMPARE(w.focusWidget(), w.input(1));
    QTest::keyClick(w.input(1), Qt::Key_Return);
    QCOMPARE(w.focusWidget(), w.input(4));
    for (int field : {4, 5, 6}) {
        QTest::keyClicks(w.input(field), field == 4 ? u"6000"_s : u"1000"_s);
        QTest::keyClick(w.input(field), Qt::Key_Return);
    }
    QCOMPARE(w.focusWidget(), w.input(0));
    QCOMPARE(w.info(9)->text(), u"4000"_s);
    typeInto(w.input(7), u"100"_s);
    // The joint: its fields show once ticked, the mark from the list under its field.
    QVERIFY(!w.input(2)->isVisible());
    click(w.jointBox());
    QVERIFY(w.input(2)->isVisible());
    QTest::mouseClick(w.input(2), Qt::LeftButton);
    clickListItem(w.fieldList(), u"J1"_s);
    QVERIFY(!w.fieldList()->isVisible());
    QCOMPARE(w.input(2)->text(), u"J1"_s);
    typeInto(w.input(3), u"1"_s);
    click(w.rightOption(1));

    TextGridView* plates = w.grid(HariInpFormView::PlateGrid);
    clickCell(plates, kLine1, kName);
    pickChain(plates, {u"FLG溶接"_s, u"H"_s, u"T"_s, u"2"_s});
    clickCell(plates, kLine1 + 1, kName);
    pickChain(plates, {u"WEB溶接"_s, u"H"_s, u"T"_s, u"2"_s});
    QCOMPARE(cellText(plates, kLine1, kWeldLength), u"200*4*2"_s);
    QCOMPARE(cellText(plates, kLine1, kWeldQuantity), u"1.60"_s);
    QCOMPARE(cellText(plates, kLine1 + 1, kWeldLength), u"(566*2+100*2)*2"_s);
    QCOMPARE(cellText(plates, kLine1 + 1, kWeldQuantity), u"2.66"_s);
    // A splice: name and grade from lists, then 厚, B, D and 枚 typed with Enter, on to the weld lists.
    clickCell(plates, kLine1 + 2, kName);
    pickChain(plates, {u"スプライス"_s, u"SS400"_s});
    typeChain(plates, {u"9"_s, u"150"_s, u"300"_s, u"4"_s});
    pickChain(plates, {u"H"_s, u"F"_s, u"1"_s});
    clickCell(plates, kLine1 + 2, kWeldLength);
    QTest::keyClicks(plates->lineEditor(), u"300"_s);
    QCOMPARE(cellText(plates, kLine1 + 2, kWeldQuantity), u"1.20"_s); // 4 plates × 0.3 m, as typed
    clickCell(plates, kLine1 + 2, kBoltKind);
    pickChain(plates, {u"HTB-F8T"_s, u"M20"_s});
    typeChain(plates, {u"40"_s});
    QTest::keyClicks(plates->lineEditor(), u"8"_s);
    QCOMPARE(cellText(plates, kLine1 + 2, kBoltLength), u"75"_s);
    QCOMPARE(cellText(plates, kLine1 + 2, kBoltQuantity), u"32"_s);
    QTest::keyClick(plates->lineEditor(), Qt::Key_Escape);

    // One coating line; F12 in the open editor confirms with the count typed so far.
    TextGridView* coating = w.grid(HariInpFormView::CoatingGrid);
    clickCell(coating, 1, kCoatingKind);
    clickListItem(coating->popupList(), u"吹付材"_s);
    typeChain(coating, {u"20"_s, u"1"_s, u"6000"_s});
    QTest::keyClicks(coating->lineEditor(), u"2"_s);
    QCOMPARE(cellText(coating, 1, kCoatingGirth), u"0.789"_s);
    QTest::keyClick(coating->lineEditor(), Qt::Key_F12);
    QVERIFY(!w.isVisible());
}

// B1 carried by G2 on both sides: gussets and stiffeners worked out from the girder, bolts on the gussets.
void enterPlateConnectedBeam(HariInpFormView& w) {
    chooseMark(w, u"B1"_s);
    click(w.endKind(EndKind::PlateConnection));
    QVERIFY(!w.weldedFrame()->isVisible());
    QVERIFY(w.girderFrame()->isVisible());
    typeInto(w.input(0), u"3"_s);
    typeInto(w.input(8), u"6000"_s);
    for (int field : {9, 11}) {
        QTest::mouseClick(w.input(field), Qt::LeftButton);
        QCOMPARE(w.fieldList()->width(), w.input(field)->width());
        clickListItem(w.fieldList(), u"G2"_s);
        QCOMPARE(w.focusWidget(), w.input(field + 1));
        QTest::keyClicks(w.input(field + 1), u"0"_s);
    }
    QCOMPARE(w.info(4)->text(), u"A梁:SN490B H-700×300×12×24"_s);
    QCOMPARE(w.info(8)->text(), u"5700"_s);
    typeInto(w.input(13), u"100"_s);
    typeInto(w.input(14), u"100"_s);

    TextGridView* plates = w.grid(HariInpFormView::PlateGrid);
    const QStringList names{u"A側ガセット"_s, u"B側ガセット"_s, u"A側スチフナー"_s, u"B側スチフナー"_s};
    for (int line = 0; line < 4; ++line) {
        clickCell(plates, kLine1 + line, kName);
        pickChain(plates, {names[line], u"SS400"_s});
        // 厚 typed; Enter jumps over the computed size cells to the weld lists.
        typeChain(plates, {line < 2 ? u"9"_s : u"12"_s});
        pickChain(plates, {u"H"_s, u"T"_s, u"2"_s});
    }
    QCOMPARE(cellText(plates, kLine1, kWidth), u"200"_s);
    QCOMPARE(cellText(plates, kLine1, kDepth), u"656"_s);
    QCOMPARE(cellText(plates, kLine1, kPlates), u"3"_s);
    QCOMPARE(cellText(plates, kLine1, kWeldLength), u"(144*2+652)*3"_s);
    QCOMPARE(cellText(plates, kLine1 + 2, kWidth), u"144"_s);
    QCOMPARE(cellText(plates, kLine1 + 2, kDepth), u"652"_s);
    QCOMPARE(cellText(plates, kLine1 + 2, kWeldQuantity), u"2.82"_s);
    // The basis of the largest outer dimensions resizes the gussets at once.
    click(w.basisOption(1));
    QCOMPARE(cellText(plates, kLine1, kWidth), u"244"_s);
    QCOMPARE(cellText(plates, kLine1, kDepth), u"676"_s);
    for (int line = 0; line < 2; ++line) {
        clickCell(plates, kLine1 + line, kBoltKind);
        pickChain(plates, {u"HTB-F8T"_s, u"M20"_s});
        typeChain(plates, {u"40"_s, u"4"_s});
    }
    QCOMPARE(cellText(plates, kLine1, kBoltQuantity), u"12"_s);
    clickCommand(w, HariInpForm::Ok);
    QVERIFY(!w.isVisible());
}

} // namespace

class TestUiBeamDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void enterBothEndKindsAndCopy();
    void cancelChangesNothing();
    void messagesAndRowCommands();
    void undoAndRedoByKeysAndContextMenu();
};

void TestUiBeamDialog::enterBothEndKindsAndCopy() {
    Project p;
    QVERIFY(p.open());
    const int first = kFirstDataRow;
    p.openDialog(first, enterWeldedBeam);
    TV_VERIFY_PROMPTS(p.prompter);
    // G1: the beam, its joint, painting, welds, the splice with its bolts and the coating line.
    const QStringList row0{
        u"梁"_s,   u"2"_s,    u"G1"_s,     {},        u"SN400B"_s, u"H鋼"_s,     u"H-600×200×11×17"_s,
        u"6000"_s, u"2"_s,    u"J1"_s,     u"1"_s,    u"H"_s,      u"T"_s,       u"2"_s,
        u"17"_s,   u"1.60"_s, u"塗装有"_s, u"1.98"_s, u"23.76"_s,  u"HTB-F8T"_s, u"M20"_s,
        u"75"_s,   u"32"_s};
    for (int column = 1; column <= 23; ++column)
        QCOMPARE(p.cell(first, column), row0[column - 1]);
    QCOMPARE(p.cell(first + 1, 16), u"2.66"_s);
    QCOMPARE(p.cell(first + 1, 6), u"S.PL"_s);
    QCOMPARE(p.cell(first + 1, 7), u"PL-9×150×300"_s);
    QCOMPARE(p.cell(first + 1, 17), u"吹付材:20"_s);
    QCOMPARE(p.cell(first + 1, 19), u"9.468"_s);
    QCOMPARE(p.cell(first + 2, 16), u"1.20"_s);
    const QStringList welded = tv::shell::readLines(p.workFile()).lines;
    QCOMPARE(welded.size(), 3);
    QVERIFY(welded[0].contains(u"H-600×200×11×17"_s) && welded[0].contains(u"23.76"_s));
    QVERIFY(welded[1].contains(u"PL-9×150×300"_s));
    QCOMPARE(p.state.input.LastFloor, u"2"_s);

    const int second = first + 3;
    p.openDialog(second, enterPlateConnectedBeam);
    TV_VERIFY_PROMPTS(p.prompter);
    QCOMPARE(p.cell(second, 3), u"B1"_s);
    QCOMPARE(p.cell(second, 8), u"5700"_s);
    QCOMPARE(p.cell(second, 9), u"3"_s);
    const QStringList plateRows[4] = {{u"SS400"_s, u"G.PL"_s, u"PL-9×244×676"_s, u"3"_s},
                                      {u"SS400"_s, u"G.PL"_s, u"PL-9×244×676"_s, u"3"_s},
                                      {u"SS400"_s, u"ST.PL"_s, u"PL-12×144×652"_s, u"3"_s},
                                      {u"SS400"_s, u"ST.PL"_s, u"PL-12×144×652"_s, u"3"_s}};
    for (int line = 0; line < 4; ++line) {
        const int row = second + 1 + line;
        QCOMPARE((QStringList{p.cell(row, 5), p.cell(row, 6), p.cell(row, 7), p.cell(row, 9)}),
                 plateRows[line]);
        QCOMPARE(p.cell(second + line, 16), u"2.82"_s);
    }
    QCOMPARE(p.cell(second, 23), u"12"_s);
    QCOMPARE(p.cell(second + 1, 22), u"75"_s);
    const QStringList both = tv::shell::readLines(p.workFile()).lines;
    QCOMPARE(both.size(), 8);
    QVERIFY(both[4].contains(u"PL-9×244×676"_s));
    {
        // No columns and no secondary members: empty work files of their own.
        for (QStringView name : {u"WorkData-1.ini", u"WorkData-3.ini"})
            writeCp932Lines(p.state.shell.dataRoot.file(tv::shell::kWorkDataFolder, name), {});
        tv::totals::TotalsTables tables;
        const tv::totals::TotalsOutcome run =
            tv::totals::RunTotals(tables, p.state.shell.dataRoot, {}, {}, {});
        QVERIFY2(run.ok(), qPrintable(run.error));
        // Both beams in the totals: their sections and plates, their welds, their bolts.
        const auto lines = [&tables](tv::totals::TableId id) {
            return tv::totals::tableText(tables.table(id), u"\n").split(u'\n');
        };
        const QStringList steel = lines(tv::totals::TableId::Steel);
        for (const QString& row :
             {u"1\tH鋼\tSN400B\tH-400×200×8×13\t17.10\tm"_s, u"1\tH鋼\tSN400B\tH-600×200×11×17\t12.00\tm"_s,
              u"2\t普通鋼板\tSS400\t9\t1.16\tm2"_s, u"2\t普通鋼板\tSS400\t12\t0.56\tm2"_s})
            QVERIFY2(std::any_of(steel.begin(), steel.end(),
                                 [&row](const QString& l) { return l.startsWith(row); }),
                     qPrintable(row));
        const QStringList welds = lines(tv::totals::TableId::Weld);
        for (const QString& row : {u"\tHF1\t9\t1.20"_s, u"\tHT2\t9\t5.64"_s, u"\tHT2\t11\t2.66"_s,
                                   u"\tHT2\t12\t5.64"_s, u"\tHT2\t17\t1.60"_s})
            QVERIFY2(std::any_of(welds.begin(), welds.end(),
                                 [&row](const QString& l) { return l.startsWith(row); }),
                     qPrintable(row));
        QVERIFY(lines(tv::totals::TableId::Bolt).contains(u"\tHTB-F8T\tM20\t75\t56"_s)); // 32 + 2 × 12
    }

    // A third beam G1 copies B1's content through the picker and keeps its own floor and mark.
    const int third = second + 5;
    p.openDialog(third, [](HariInpFormView& w) {
        chooseMark(w, u"G1"_s);
        QTimer::singleShot(0, [] {
            auto* picker = qobject_cast<tv::ui::MaeInpFormView*>(QApplication::activeModalWidget());
            QVERIFY(picker);
            QCOMPARE(picker->grid()->model()->rowCount(), 3);
            clickCell(picker->grid(), 2, 2);
            QTest::mouseClick(picker->command(0), Qt::LeftButton);
            QVERIFY(!picker->isVisible());
        });
        clickCommand(w, HariInpForm::LoadEntered);
        QCOMPARE(w.info(3)->text(), u"G1"_s);
        QVERIFY(w.endKind(EndKind::PlateConnection)->isChecked());
        QVERIFY(w.basisOption(1)->isChecked());
        QCOMPARE(w.input(8)->text(), u"6000"_s);
        clickCommand(w, HariInpForm::Ok);
        QVERIFY(!w.isVisible());
    });
    TV_VERIFY_PROMPTS(p.prompter);
    QCOMPARE(p.cell(third, 3), u"G1"_s);
    QCOMPARE(p.cell(third, 7), u"H-600×200×11×17"_s);
    for (int line = 0; line < 4; ++line)
        QCOMPARE(p.cell(third + 1 + line, 7), p.cell(second + 1 + line, 7));
}

void TestUiBeamDialog::cancelChangesNothing() {
    Project p;
    QVERIFY(p.open());
    p.openDialog(kFirstDataRow, [](HariInpFormView& w) {
        chooseMark(w, u"G1"_s);
        typeInto(w.input(0), u"1"_s);
        typeInto(w.input(4), u"5000"_s);
        clickCommand(w, HariInpForm::Ok);
    });
    const QByteArray saved = readBytes(p.workFile());
    QCOMPARE(p.cell(kFirstDataRow, 8), u"5000"_s);
    // Changing the entry, then キャンセル or Escape, leaves the entry and its file as they were.
    p.openDialog(kFirstDataRow, [](HariInpFormView& w) {
        QCOMPARE(w.input(4)->text(), u"5000"_s);
        typeInto(w.input(0), u"3"_s);
        clickCommand(w, HariInpForm::Cancel);
        QVERIFY(!w.isVisible());
    });
    p.openDialog(kFirstDataRow, [](HariInpFormView& w) {
        w.input(4)->selectAll();
        QTest::keyClicks(w.input(4), u"7000"_s);
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
    });
    // A new entry cancelled adds nothing (below G1's two rows, which hold its flange and web welds).
    QCOMPARE(p.cell(kFirstDataRow + 1, 13), u"F"_s);
    p.openDialog(kFirstDataRow + 2, [](HariInpFormView& w) {
        chooseMark(w, u"G2"_s);
        clickCommand(w, HariInpForm::Cancel);
        QVERIFY(!w.isVisible());
    });
    TV_VERIFY_PROMPTS(p.prompter);
    QCOMPARE(p.cell(kFirstDataRow, 8), u"5000"_s);
    QCOMPARE(p.cell(kFirstDataRow, 9), u"1"_s);
    QCOMPARE(p.cell(kFirstDataRow + 1, 3), QString());
    QCOMPARE(readBytes(p.workFile()), saved);
}

void TestUiBeamDialog::messagesAndRowCommands() {
    Project p;
    QVERIFY(p.open());
    const QString confirm = u"確認"_s;
    p.prompter.expectOk(u"符号を選択してください。"_s, confirm)
        .expectOk(u"長さを入力してください。"_s, confirm)
        .expectOk(u"「･」は使用できない文字です。"_s, confirm)
        .expect(u"選択行を削除します。"_s, confirm, tv::services::PromptButtons::OkCancel,
                tv::services::PromptAnswer::Ok);
    p.openDialog(kFirstDataRow, [](HariInpFormView& w) {
        TextGridView* plates = w.grid(HariInpFormView::PlateGrid);
        clickCell(plates, kLine1, kName); // no mark yet: nothing opens
        QVERIFY(!plates->popupList()->isVisible());
        chooseMark(w, u"G1"_s);
        QTest::keyClicks(w.input(0), u"1"_s);
        // F12 checks like OK and puts the focus on the missing length.
        QTest::keyClick(w.input(0), Qt::Key_F12);
        QVERIFY(w.isVisible());
        QCOMPARE(w.focusWidget(), w.input(4));
        // The list separator is taken out of what the input method hands over; the rest stays.
        QTest::mouseClick(w.input(1), Qt::LeftButton);
        typeComposed(w.input(1), u"X1･通り"_s);
        QCOMPARE(w.input(1)->text(), u"X1通り"_s);
        // A right click empties a cell; 選択行入力削除 empties the current line after asking.
        clickCell(plates, kLine1, kName);
        clickListItem(plates->popupList(), u"雑"_s);
        clickListItem(plates->popupList(), u"SS400"_s);
        QTest::keyClicks(plates->lineEditor(), u"6"_s);
        QTest::keyClick(plates->lineEditor(), Qt::Key_Escape);
        QCOMPARE(cellText(plates, kLine1, kThickness), u"6"_s);
        const QRect cell = plates->visualRect(plates->model()->index(kLine1, kThickness));
        QTest::mouseClick(plates->viewport(), Qt::RightButton, {}, cell.center());
        QCOMPARE(cellText(plates, kLine1, kThickness), QString());
        clickCommand(w, HariInpForm::ClearPlateRow);
        QCOMPARE(cellText(plates, kLine1, kName), QString());
        QCOMPARE(cellText(plates, kLine1, kGrade), QString());
    });
    TV_VERIFY_PROMPTS(p.prompter);
}

// Ctrl+Z in a field or a cell editor first takes back its own typing, then the dialog's steps; Ctrl+Y
// and Ctrl+Shift+Z make them again, and so do the context menus of the grids and of the dialog.
void TestUiBeamDialog::undoAndRedoByKeysAndContextMenu() {
    Project p;
    QVERIFY(p.open());
    p.openDialog(kFirstDataRow, [](HariInpFormView& w) {
        chooseMark(w, u"G1"_s);
        QLineEdit* count = w.input(0);
        QCOMPARE(w.focusWidget(), count);
        QTest::keyClicks(count, u"2"_s);
        // The dialog's commands take keys in the active window, as the dialog is for the user typing.
        w.activateWindow();
        QTRY_VERIFY(QApplication::activeWindow() == &w);
        QTest::keyClick(count, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(count->text(), QString());
        QCOMPARE(w.info(3)->text(), u"G1"_s);
        // The field has nothing left: the count's step goes, with the flange and web weld lines it
        // worked out; then the mark.
        QTest::keyClick(count, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.info(3)->text(), u"G1"_s);
        QTest::keyClick(count, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(w.info(3)->text(), QString());
        QTest::keyClick(count, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(w.info(3)->text(), u"G1"_s);

        QTest::keyClicks(count, u"2"_s);
        TextGridView* plates = w.grid(HariInpFormView::PlateGrid);
        clickCell(plates, kLine1, kName);
        clickListItem(plates->popupList(), u"雑"_s);
        clickListItem(plates->popupList(), u"SS400"_s);
        QVERIFY(plates->isEditing());
        QTest::keyClicks(plates->lineEditor(), u"6"_s);
        QCOMPARE(cellText(plates, kLine1, kThickness), u"6"_s);
        QTest::keyClick(plates->lineEditor(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(plates->isEditing());
        QCOMPARE(cellText(plates, kLine1, kThickness), QString());
        QTest::keyClick(plates->lineEditor(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!plates->isEditing());
        QCOMPARE(cellText(plates, kLine1, kGrade), QString());
        QCOMPARE(cellText(plates, kLine1, kName), u"雑"_s);

        // A coating cell's right click offers the two commands; so does the dialog's background.
        QStringList captions;
        runContextMenuCommand(&w, 1, &captions);
        TextGridView* coating = w.grid(HariInpFormView::CoatingGrid);
        QTest::mouseClick(coating->viewport(), Qt::RightButton, {},
                          coating->visualRect(coating->model()->index(1, kCoatingThickness)).center());
        QCOMPARE(captions, (QStringList{u"元に戻す"_s, u"やり直し"_s}));
        QCOMPARE(cellText(plates, kLine1, kGrade), u"SS400"_s);
        captions.clear();
        runContextMenuCommand(&w, 0, &captions);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(2, 2), w.info(0)->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(w.info(0), &menu);
        QCOMPARE(captions, (QStringList{u"元に戻す"_s, u"やり直し"_s}));
        QCOMPARE(cellText(plates, kLine1, kGrade), QString());
        w.activateWindow(); // as it is again once its menus have closed
        QTRY_VERIFY(QApplication::activeWindow() == &w);
        QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(cellText(plates, kLine1, kGrade), u"SS400"_s);
        clickCommand(w, HariInpForm::Cancel);
        QVERIFY(!w.isVisible());
    });
    TV_VERIFY_PROMPTS(p.prompter);
    QCOMPARE(p.cell(kFirstDataRow, 3), QString());
}

QTEST_MAIN(TestUiBeamDialog)
#include "tst_ui_beam_dialog.moc"
