// Undo and redo in the column dialog: typing in one field or cell is one step, and random sequences
// of typing, picks, mark choices, right clicks, row commands and loaded entries are taken back and
// made again exactly; what OK and Cancel hand to the sheet after undoing is what the dialog opened on.
#include "column_input/coating.h"
#include "column_input/hasira_inp_commands.h"
#include "column_input/plate_lines.h"
#include "support/agreeing_prompter.h"
#include "support/history_property.h"

#include <QRandomGenerator>
#include <QTest>

using namespace tv::column_input;
using namespace tv::test;
using namespace Qt::StringLiterals;
using State = HasiraInpForm::State;

namespace {

tv::lists::MemberLists sampleLists() {
    tv::lists::MemberLists lists;
    const QString h = u"SN490C･H･400･200･8･13"_s;
    const QString tee = u"SN490B･200･150･9･12"_s;
    for (const tv::lists::HasiraListEntry& entry :
         {tv::lists::HasiraListEntry{u"2"_s, u"C1"_s, u"H鋼"_s, h, u"････"_s, u"････"_s, {}, {}},
          tv::lists::HasiraListEntry{u"2"_s, u"C2"_s, u"H鋼"_s, h, tee, u"････"_s, {}, {}},
          tv::lists::HasiraListEntry{
              u"2"_s, u"P1"_s, u"鋼管(角)"_s, u"BCR295･300･200･12"_s, u"････"_s, u"････"_s, {}, {}},
          tv::lists::HasiraListEntry{
              u"3"_s, u"C1"_s, u"H鋼"_s, u"SS400･H･300･150･6.5･9"_s, u"････"_s, u"････"_s, {}, {}}})
        tv::lists::appendEntry(lists.HasiraList, entry);
    for (const QString& mark : {u"J1"_s, u"J2"_s}) {
        tv::lists::JointListEntry joint;
        joint.Mark = mark;
        tv::lists::appendEntry(lists.JointList, joint);
    }
    return lists;
}

const ColumnReferenceLists kReference{{u"HTB-F10T"_s, u"普通ボルト"_s},
                                      {u"M16"_s, u"M20"_s},
                                      {u"ベースプレート"_s, u"スチフナー"_s},
                                      {u"SS400"_s, u"SN490B"_s}};

// A dialog opened on a stored C2 column of floor 2 (filled in and confirmed by a first dialog),
// with its commands; the entry picker hands back the same column.
struct Fixture {
    tv::lists::MemberLists lists = sampleLists();
    tv::InputDialogState shared;
    AgreeingPrompter prompter;
    ColumnEntryTexts stored;
    HasiraInpForm form{lists, shared, kReference, prompter};
    HasiraInpCommands commands{form,
                               prompter,
                               [this] {
                                   return PickedPayload{stored.EntryMainRecord, stored.EntryWeldListA,
                                                        stored.EntryWeldListB, stored.EntryPlateList,
                                                        stored.EntryPaintList};
                               },
                               {}};

    Fixture() {
        HasiraInpForm first(lists, shared, kReference, prompter);
        first.open({});
        first.setKaiTx(u"2"_s);
        first.chooseMark(2);
        first.setInpTx(LengthInput, u"3500"_s);
        first.setInpTx(CountInput, u"2"_s);
        first.setInpTx(SecondPlacesInput, u"4"_s);
        first.setPlateCell(kPlateFirstRow, PlateName, u"ベースプレート"_s);
        first.setPlateCell(kPlateFirstRow, PlateGrade, u"SN490B"_s);
        first.setPlateCell(kPlateFirstRow, PlateCount, u"2"_s);
        first.pickCoatingKind(1, u"吹付材"_s);
        first.setCoatingCell(1, CoatingThickness, u"20"_s);
        if (!first.ok())
            qFatal("the stored column was refused");
        stored = first.EntryPayload();
        // Another mark chosen since, as the shared entry of the chosen mark would be.
        HasiraInpForm other(lists, shared, kReference, prompter);
        other.open({});
        other.chooseMark(3);
        form.open(stored);
    }

    // Types `text` one keystroke after another into a field (after the field was entered).
    void typeInto(int input, const QString& text) {
        form.history().endStep();
        for (int n = 0; n <= text.size(); ++n) {
            if (input < 0)
                form.setKaiTx(text.left(n));
            else
                form.setInpTx(input, text.left(n));
        }
    }
    void typeIntoCell(int which, int row, int column, const QString& text) {
        for (int n = 1; n <= text.size(); ++n)
            commands.typeText(which, row, column, text.left(n));
    }
};

QString randomNumber(QRandomGenerator& random) {
    switch (random.bounded(3)) {
    case 0:
        return QString::number(random.bounded(5000));
    case 1:
        return QString::number(random.bounded(20)) + u"*"_s + QString::number(random.bounded(9));
    default:
        return {};
    }
}

void randomOperation(Fixture& f, QRandomGenerator& random) {
    HasiraInpForm& form = f.form;
    HasiraInpCommands& commands = f.commands;
    switch (random.bounded(14)) {
    case 0:
        f.typeInto(-1, QStringList{u"2"_s, u"3"_s, u"２"_s, u"4F"_s}[int(random.bounded(4))]);
        break;
    case 1:
        form.chooseMark(int(random.bounded(4)));
        break;
    case 2:
    case 3: {
        const int input = int(random.bounded(kInputFields));
        f.typeInto(input,
                   input == CommentInput ? u"X1通り"_s.left(int(random.bounded(5))) : randomNumber(random));
        break;
    }
    case 4:
        form.setJointCh(random.bounded(2) == 1);
        break;
    case 5:
        form.setYousetuCh(int(random.bounded(2)), random.bounded(2) == 1);
        break;
    case 6:
        form.setBunruiOp(int(random.bounded(4)));
        break;
    case 7:
    case 8:
    case 9: { // a cell of any grid: typed keystroke by keystroke, or an item of its list picked
        const int which = int(random.bounded(4));
        const tv::services::TextGrid& grid = *commands.grid(which);
        const int row = 1 + int(random.bounded(std::max(grid.rowCount() - 1, 1)));
        const int column = 1 + int(random.bounded(grid.columnCount() - 1));
        const CellEditor editor = commands.clickCell(which, row, column);
        if (editor.kind == CellEditor::Kind::Text) {
            f.typeIntoCell(which, row, column, randomNumber(random));
        } else if (editor.kind == CellEditor::Kind::List) {
            const QStringList items = form.KouhoList(editor.list);
            if (!items.isEmpty())
                commands.pickItem(which, row, column, items[int(random.bounded(int(items.size())))]);
        }
        break;
    }
    case 10: {
        const int which = random.bounded(2) == 0 ? PlateGrid : CoatingGrid;
        commands.rightClickCell(which, 1 + int(random.bounded(6)), 1 + int(random.bounded(8)));
        break;
    }
    case 11:
    case 12: {
        const int which = random.bounded(2) == 0 ? PlateGrid : CoatingGrid;
        commands.clickCell(which,
                           (which == PlateGrid ? kPlateFirstRow : 1) + int(random.bounded(kPlateLines)), 1);
        const int command = int(random.bounded(3));
        if (command == 0)
            commands.clearSelectedRow(which);
        else if (command == 1)
            commands.deleteBlankRow(which);
        else
            commands.insertBlankRow(which);
        break;
    }
    default:
        commands.command(CommandLoadEntered);
        break;
    }
}

} // namespace

class TestColumnInputUndo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typingInOneFieldOrCellIsOneStep();
    void undoingAMarkChoicePutsBackItsListEntry();
    void randomSequencesUndoAndRedoExactly_data();
    void randomSequencesUndoAndRedoExactly();
};

void TestColumnInputUndo::typingInOneFieldOrCellIsOneStep() {
    Fixture f;
    HasiraInpForm& form = f.form;
    QCOMPARE(form.history().undoCount(), 0); // opening records nothing
    const State opened = form.state();
    f.typeInto(LengthInput, u"4200"_s);
    f.typeInto(CountInput, u"3"_s);
    f.commands.clickCell(PlateGrid, kPlateFirstRow, PlateCount);
    f.typeIntoCell(PlateGrid, kPlateFirstRow, PlateCount, u"3*2"_s);
    QCOMPARE(form.DataGrid(PlateGrid).text(kPlateFirstRow, PlateCount), u"3*2"_s);
    QCOMPARE(form.history().undoCount(), 3);
    // Back in the same cell: a new step.
    f.commands.clickCell(PlateGrid, kPlateFirstRow, PlateCount);
    f.typeIntoCell(PlateGrid, kPlateFirstRow, PlateCount, u"8"_s);
    QCOMPARE(form.history().undoCount(), 4);
    // Typing taken back to what the field held leaves no step.
    f.typeInto(CommentInput, u"X"_s);
    form.setInpTx(CommentInput, QString());
    QCOMPARE(form.history().undoCount(), 4);

    QVERIFY(form.undo());
    QCOMPARE(form.DataGrid(PlateGrid).text(kPlateFirstRow, PlateCount), u"3*2"_s);
    QVERIFY(form.undo());
    QCOMPARE(form.DataGrid(PlateGrid).text(kPlateFirstRow, PlateCount), u"2"_s);
    QVERIFY(form.undo());
    QCOMPARE(form.InpTx(CountInput), u"2"_s);
    QCOMPARE(form.InpTx(LengthInput), u"4200"_s);
    QVERIFY(form.undo());
    QVERIFY(!form.undo());
    QVERIFY(form.state() == opened);
    QVERIFY(form.redo());
    QCOMPARE(form.InpTx(LengthInput), u"4200"_s);
    // A new change drops what was undone.
    form.setBunruiOp(Galvanized);
    QVERIFY(!form.redo());
    QCOMPARE(form.history().undoCount(), 2);
}

// Choosing another mark changes the shared list entry, which OK reads for the painted girth: undoing
// the choice puts it back, so OK then hands back the texts the dialog opened on.
void TestColumnInputUndo::undoingAMarkChoicePutsBackItsListEntry() {
    Fixture f;
    HasiraInpForm& form = f.form;
    const tv::lists::HasiraListEntry opened = f.shared.CurrentListEntry;
    QCOMPARE(opened.Mark, u"C2"_s);
    form.chooseMark(3); // P1
    QCOMPARE(f.shared.CurrentListEntry.Mark, u"P1"_s);
    f.typeInto(LengthInput, u"3000"_s);
    QVERIFY(form.undo());
    QVERIFY(form.undo());
    QCOMPARE(f.shared.CurrentListEntry, opened);
    QCOMPARE(form.InfoGd(3), u"C2"_s);
    QVERIFY(form.ok());
    QCOMPARE(form.EntryPayload(), f.stored);
}

void TestColumnInputUndo::randomSequencesUndoAndRedoExactly_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 29u, 512u, 90210u})
        QTest::newRow(qPrintable(u"seed %1"_s.arg(seed))) << seed;
}

void TestColumnInputUndo::randomSequencesUndoAndRedoExactly() {
    QFETCH(quint32, seed);
    Fixture f;
    HasiraInpForm& form = f.form;
    const State start = form.state();
    const tv::InputDialogState shared = f.shared;
    checkHistory<State>({form.history(), [&form] { return form.state(); },
                         [&f](QRandomGenerator& random) { randomOperation(f, random); },
                         [&form] { return form.undo(); }, [&form] { return form.redo(); }},
                        seed, 220);
    if (QTest::currentTestFailed())
        return;
    // Cancel after all this: nothing for the sheet, and nothing shared changed.
    while (form.undo()) {
    }
    QVERIFY(form.state() == start);
    QCOMPARE(f.shared.CurrentListEntry, shared.CurrentListEntry);
    form.cancel();
    QVERIFY(form.isClosed());
    QVERIFY(form.EntryPayload().EntryMainRecord.isEmpty());
    QCOMPARE(form.EntryPayload().EntryPlateList, f.stored.EntryPlateList);
    QCOMPARE(f.shared.LastFloor, shared.LastFloor);
    QCOMPARE(f.shared.WeldMemory, shared.WeldMemory);
    QCOMPARE(f.shared.CurrentListEntry, shared.CurrentListEntry);
}

QTEST_GUILESS_MAIN(TestColumnInputUndo)
#include "tst_column_input_undo.moc"
