// Undo and redo in the beam dialog: typing in one field or cell is one step, and random sequences of
// typing, picks, mark and option choices, right clicks, row commands and loaded entries are taken
// back and made again exactly; what OK and Cancel hand to the sheet after undoing is what the dialog
// opened on.
#include "beam_fixture.h"
#include "support/agreeing_prompter.h"
#include "support/history_property.h"

#include <QRandomGenerator>

using namespace tv::beam_input;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::CellOffer;
using State = HariInpForm::State;

namespace {

// A dialog opened on a stored B1 beam of floor 2 (entered and confirmed by a first dialog); the
// entry picker hands back the same beam.
struct Fixture {
    BeamFixture data{{beam(u"2"_s, u"B1"_s, kBeam600), beam(u"2"_s, u"G1"_s, kBeam400),
                      beam(u"2"_s, u"G2"_s, kGirder700), beam(u"3"_s, u"B1"_s, kBeam400),
                      beam(u"小梁"_s, u"b1"_s, kBeam400)}};
    AgreeingPrompter prompter;
    tv::sheets::EntryPayload stored;
    std::unique_ptr<HariInpForm> form;

    Fixture() {
        HariInpForm first(data.shell, data.memberLists, prompter, data.lastFloor, &data.picker, &data.opener);
        first.open({});
        first.setKaiTx(u"2"_s);
        first.chooseMark(1);
        first.setInpTx(0, u"2"_s);
        first.setInpTx(4, u"6000"_s);
        first.plateCellClicked(kPlateHeaderRows, kName);
        first.plateListPicked(u"スチフナー"_s);
        first.plateCellClicked(kPlateHeaderRows, kGrade);
        first.plateListPicked(u"SS400"_s);
        first.coatingCellClicked(kCoatingHeaderRows, kCoatingKind);
        first.coatingListPicked(u"吹付材"_s);
        if (!first.ok())
            qFatal("the stored beam was refused");
        stored = first.payload();
        data.picker.answer = stored;
        form = std::make_unique<HariInpForm>(data.shell, data.memberLists, prompter, data.lastFloor,
                                             &data.picker, &data.opener);
        form->open(stored);
    }

    // Types `text` one keystroke after another into a field (after the field was entered).
    void typeInto(int input, const QString& text) {
        form->history().endStep();
        for (int n = 0; n <= text.size(); ++n) {
            if (input < 0)
                form->setKaiTx(text.left(n));
            else
                form->setInpTx(input, text.left(n));
        }
    }
    // Clicks a cell and types into its editor or picks an item of its list.
    void editCell(bool plates, int row, int column, QRandomGenerator& random, const QString& typed) {
        const CellOffer offer =
            plates ? form->plateCellClicked(row, column) : form->coatingCellClicked(row, column);
        if (offer.kind == CellOffer::Kind::Text) {
            for (int n = 1; n <= typed.size(); ++n) {
                if (plates)
                    form->plateEditorChanged(typed.left(n));
                else
                    form->coatingEditorChanged(typed.left(n));
            }
        } else if (offer.kind == CellOffer::Kind::List && !offer.items.isEmpty()) {
            const QString item = offer.items[int(random.bounded(int(offer.items.size())))];
            if (plates)
                form->plateListPicked(item);
            else
                form->coatingListPicked(item);
        }
    }
};

QString randomNumber(QRandomGenerator& random) {
    switch (random.bounded(3)) {
    case 0:
        return QString::number(random.bounded(9000));
    case 1:
        return QString::number(random.bounded(20)) + u"+"_s + QString::number(random.bounded(9));
    default:
        return {};
    }
}

void randomOperation(Fixture& f, QRandomGenerator& random) {
    HariInpForm& form = *f.form;
    switch (random.bounded(17)) {
    case 0:
        f.typeInto(-1, QStringList{u"2"_s, u"3"_s, u"２"_s, u"4"_s}[int(random.bounded(4))]);
        break;
    case 1:
        form.chooseMark(int(random.bounded(5)));
        break;
    case 2:
    case 3: {
        const int input = int(random.bounded(kInputCount));
        f.typeInto(input, input == 1 ? u"X1通り"_s.left(int(random.bounded(5))) : randomNumber(random));
        break;
    }
    case 4: {
        const QStringList marks = form.FugoList();
        form.pickGirder(random.bounded(2) == 0 ? 9 : 11,
                        marks.isEmpty() ? u"G1"_s : marks[int(random.bounded(int(marks.size())))]);
        break;
    }
    case 5:
        form.setBunruiOp(SurfaceClass(random.bounded(4)));
        break;
    case 6:
        form.setTanbuOp(EndKind(random.bounded(2)));
        break;
    case 7: {
        const int option = int(random.bounded(2));
        switch (random.bounded(3)) {
        case 0:
            form.setLeftOp(option);
            break;
        case 1:
            form.setRightOp(option);
            break;
        default:
            form.setSaisunOp(option);
            break;
        }
        break;
    }
    case 8:
        form.setJointCh(random.bounded(2) == 1);
        break;
    case 9:
    case 10:
    case 11: {
        const int row = kPlateHeaderRows + int(random.bounded(kPlateLines));
        f.editCell(true, row, 1 + int(random.bounded(kPlateColumns - 1)), random, randomNumber(random));
        if (random.bounded(3) == 0) // Enter: on to the next cell, typed or picked there
            form.plateEditorAdvance();
        break;
    }
    case 12:
        f.editCell(false, kCoatingHeaderRows + int(random.bounded(kCoatingLines)),
                   1 + int(random.bounded(kCoatingColumns - 1)), random, randomNumber(random));
        break;
    case 13:
        form.plateCellEmptied(kPlateHeaderRows + int(random.bounded(kPlateLines)),
                              int(random.bounded(kPlateColumns)));
        break;
    case 14:
    case 15: {
        const bool plates = random.bounded(2) == 0;
        if (plates)
            form.plateCellClicked(kPlateHeaderRows + int(random.bounded(kPlateLines)), kName);
        else
            form.coatingCellClicked(kCoatingHeaderRows + int(random.bounded(kCoatingLines)), kCoatingKind);
        const int command = int(random.bounded(3));
        form.run(HariInpForm::Command((plates ? HariInpForm::ClearPlateRow : HariInpForm::ClearCoatingRow) +
                                      command));
        break;
    }
    default:
        form.run(HariInpForm::LoadEntered);
        break;
    }
}

} // namespace

class TestBeamInputUndo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typingInOneFieldOrCellIsOneStep();
    void randomSequencesUndoAndRedoExactly_data();
    void randomSequencesUndoAndRedoExactly();
};

void TestBeamInputUndo::typingInOneFieldOrCellIsOneStep() {
    Fixture f;
    HariInpForm& form = *f.form;
    QCOMPARE(form.history().undoCount(), 0); // opening records nothing
    const State opened = form.state();
    f.typeInto(4, u"7200"_s);
    QCOMPARE(form.plateCellClicked(kPlateHeaderRows, kThickness).kind, CellOffer::Kind::Text);
    for (const QString& typed : {u"1"_s, u"12"_s})
        form.plateEditorChanged(typed);
    QCOMPARE(form.coatingCellClicked(kCoatingHeaderRows, kCoatingThickness).kind, CellOffer::Kind::Text);
    form.coatingEditorChanged(u"2"_s);
    form.coatingEditorChanged(u"25"_s);
    QCOMPARE(form.history().undoCount(), 3);
    // Enter takes the coating editor on to 形状: typing there is a step of its own.
    QVERIFY(form.coatingEditorAdvance());
    form.coatingEditorChanged(u"1"_s);
    QCOMPARE(form.history().undoCount(), 4);

    QVERIFY(form.undo());
    QVERIFY(form.undo());
    QCOMPARE(form.HifukuGrid().text(kCoatingHeaderRows, kCoatingThickness),
             opened.hifukuGrid.grid.text(kCoatingHeaderRows, kCoatingThickness));
    QVERIFY(form.undo());
    QCOMPARE(form.DataGrid().text(kPlateHeaderRows, kThickness), QString());
    QCOMPARE(form.InpTx(4), u"7200"_s);
    // An undo closes the model's editor: typing needs a click on the cell again.
    QVERIFY(!form.plateEditorChanged(u"9"_s));
    QVERIFY(form.undo());
    QVERIFY(!form.undo());
    QVERIFY(form.state() == opened);
    // What the dialog opened on goes back to the sheet unchanged.
    QVERIFY(form.ok());
    QCOMPARE(form.payload(), f.stored);
}

void TestBeamInputUndo::randomSequencesUndoAndRedoExactly_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {2u, 31u, 640u, 77777u})
        QTest::newRow(qPrintable(u"seed %1"_s.arg(seed))) << seed;
}

void TestBeamInputUndo::randomSequencesUndoAndRedoExactly() {
    QFETCH(quint32, seed);
    Fixture f;
    HariInpForm& form = *f.form;
    const State start = form.state();
    const QString lastFloor = f.data.lastFloor;
    checkHistory<State>({form.history(), [&form] { return form.state(); },
                         [&f](QRandomGenerator& random) { randomOperation(f, random); },
                         [&form] { return form.undo(); }, [&form] { return form.redo(); }},
                        seed, 220);
    if (QTest::currentTestFailed())
        return;
    // Cancel after all this: nothing for the sheet, and the last floor as it was.
    while (form.undo()) {
    }
    QVERIFY(form.state() == start);
    form.run(HariInpForm::Cancel);
    QVERIFY(!form.confirmed());
    QVERIFY(form.payload()[kOptionText].isEmpty());
    QCOMPARE(form.payload()[kCoatingText], f.stored[kCoatingText]);
    QCOMPARE(f.data.lastFloor, lastFloor);
}

QTEST_GUILESS_MAIN(TestBeamInputUndo)
#include "tst_beam_input_undo.moc"
