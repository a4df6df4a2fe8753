// Undo and redo on the secondary-member sheet: random sequences of typing, picks, right clicks and
// row commands, checked against the states the sheet went through; row commands save, typing does not.
#include "secondary/zatu_inp_form.h"
#include "support/agreeing_prompter.h"
#include "support/recording_printer.h"
#include "support/test_files.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv::secondary;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::CellOffer;

namespace {

constexpr int R = ZatuInpForm::kFirstDataRow;

struct SheetState {
    QList<QStringList> rows;
    int selected = -1;
    bool operator==(const SheetState&) const = default;
};

} // namespace

class TestSecondaryUndo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void typingInOneCellIsOneStep();
    void rowCommandsSaveAtUndoAndRedo();
    void randomSequencesUndoAndRedoExactly_data();
    void randomSequencesUndoAndRedoExactly();

private:
    SheetState state() const;
    void randomOperation(QRandomGenerator& random);
    QString workFile() const { return m_shell.dataRoot.file(tv::shell::kWorkDataFolder, u"WorkData-3.ini"); }

    QTemporaryDir m_dir;
    tv::shell::ShellState m_shell;
    AgreeingPrompter m_prompter;
    RecordingPrinter m_printer;
    NoWindows m_opener;
    std::unique_ptr<ZatuInpForm> m_form;
};

void TestSecondaryUndo::init() {
    const QString root = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + u'-' +
                                        QString::fromLatin1(QTest::currentDataTag()));
    makeDataRoot(root);
    m_shell = {};
    m_shell.dataRoot = tv::shell::DataRoot(root);
    writeCp932Lines(m_shell.dataRoot.file(tv::shell::kSetFolder, u"BuzaiWeight.ini"),
                    {u"ZZBW'H鋼'200*100*5.5*8'20.9'"_s, u"ZZBW'山形鋼'6*50*50'4.43'"_s});
    writeCp932Lines(m_shell.dataRoot.file(tv::shell::kSetFolder, u"HtbKata.ini"), {u"F10T"_s});
    writeCp932Lines(m_shell.dataRoot.file(tv::shell::kSetFolder, u"BoltKei.ini"), {u"M16"_s, u"M20"_s});
    writeCp932Lines(m_shell.dataRoot.file(tv::shell::kSetFolder, u"HasiraKikaku.ini"), {u"SS400"_s});
    writeCp932Lines(
        workFile(),
        {u"ZZ03'胴縁'2'X1-X2通り'SS400'H鋼'H-200×100×5.5×8'6.5*2'12'156.00''''''''塗装有'0.3'156'46.80"_s,
         u"ZZ03'ブレース'2'Y1'SS400'山形鋼'L-6×50×50'8.2'4'32.80'H'T'2'6'0.1'8'0.80''''"_s,
         u"ZZ03'床版'3'デッキ''''(12.5+0.3)*6'1'76.80''''''''''''"_s});
    // Opened and closed once, so that the file is as the sheet itself saves it.
    m_form = std::make_unique<ZatuInpForm>(m_shell, m_prompter, m_printer, m_opener);
    QVERIFY(m_form->open());
    m_form->close();
    QVERIFY(m_form->isClosed());
    m_form = std::make_unique<ZatuInpForm>(m_shell, m_prompter, m_printer, m_opener);
    QVERIFY(m_form->open());
}

void TestSecondaryUndo::cleanup() {
    m_form.reset();
}

SheetState TestSecondaryUndo::state() const {
    SheetState s;
    for (int row = 0; row < m_form->DataGrid().rowCount(); ++row)
        s.rows.append(m_form->DataGrid().rowTexts(row));
    s.selected = m_form->selectedRow();
    return s;
}

void TestSecondaryUndo::typingInOneCellIsOneStep() {
    ZatuInpForm& form = *m_form;
    const SheetState start = state();
    QCOMPARE(form.clickCell(R, LengthCell).kind, CellOffer::Kind::Text);
    for (const QString& typed : {u"7"_s, u"7*"_s, u"7*2"_s})
        QVERIFY(form.editorTextChanged(typed));
    QCOMPARE(form.DataGrid().text(R, QuantityCell), u"168.00"_s); // 7*2 × 12
    QCOMPARE(form.clickCell(R, CountCell).kind, CellOffer::Kind::Text);
    QVERIFY(form.editorTextChanged(u"1"_s));
    QCOMPARE(form.history().undoCount(), 2);
    const QByteArray file = readBytes(workFile());

    QVERIFY(form.undo()); // the count
    QCOMPARE(form.DataGrid().text(R, CountCell), u"12"_s);
    QCOMPARE(form.DataGrid().text(R, LengthCell), u"7*2"_s);
    QVERIFY(!form.isEditorVisible());
    QVERIFY(form.undo()); // the whole length typed
    QCOMPARE(state().rows, start.rows);
    QCOMPARE(form.selectedRow(), R);
    QCOMPARE(readBytes(workFile()), file); // typing and its undo save nothing
    QVERIFY(form.redo());
    QVERIFY(form.redo());
    QCOMPARE(form.DataGrid().text(R, QuantityCell), u"14.00"_s);
}

void TestSecondaryUndo::rowCommandsSaveAtUndoAndRedo() {
    ZatuInpForm& form = *m_form;
    const QByteArray start = readBytes(workFile());
    form.clickCell(R + 1, PositionCell);
    form.hideEditor();
    form.deleteSelectedRow(); // ブレース, after the question
    const QByteArray deleted = readBytes(workFile());
    QVERIFY(deleted != start);
    QVERIFY(form.undo());
    QCOMPARE(form.DataGrid().text(R + 1, BuzaiCell), u"ブレース"_s);
    QCOMPARE(form.selectedRow(), R + 1);
    QCOMPARE(readBytes(workFile()), start);
    QVERIFY(form.redo());
    QCOMPARE(readBytes(workFile()), deleted);
}

void TestSecondaryUndo::randomOperation(QRandomGenerator& random) {
    ZatuInpForm& form = *m_form;
    const int row = R + int(random.bounded(6));
    const int column = 1 + int(random.bounded(ZatuInpForm::kColumns - 1));
    switch (random.bounded(7)) {
    case 0:
    case 1: { // typing, keystroke by keystroke
        const CellOffer offer = form.clickCell(row, column);
        if (offer.kind == CellOffer::Kind::Text) {
            const QString text =
                QString::number(random.bounded(100)) + u"*"_s + QString::number(random.bounded(9));
            for (int n = 1; n <= text.size(); ++n)
                form.editorTextChanged(text.left(n));
        }
        break;
    }
    case 2: { // a pick from the cell's list
        const CellOffer offer = form.clickCell(row, column);
        if (offer.kind == CellOffer::Kind::List && !offer.items.isEmpty())
            form.commitCell(row, column, offer.items[int(random.bounded(int(offer.items.size())))]);
        break;
    }
    case 3:
        form.rightClickCell(row, column);
        break;
    case 4:
        form.clickCell(row, PositionCell);
        form.insertBlankRow();
        break;
    case 5:
        form.clickCell(row, PositionCell);
        form.deleteBlankRow();
        break;
    default:
        form.clickCell(row, PositionCell);
        form.deleteSelectedRow();
        break;
    }
}

void TestSecondaryUndo::randomSequencesUndoAndRedoExactly_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {3u, 11u, 777u, 4096u})
        QTest::newRow(qPrintable(u"seed %1"_s.arg(seed))) << seed;
}

void TestSecondaryUndo::randomSequencesUndoAndRedoExactly() {
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    ZatuInpForm& form = *m_form;
    const SheetState start = state();
    const QByteArray startFile = readBytes(workFile());
    struct Step {
        QList<QStringList> before, after;
    };
    QList<Step> steps, undone;
    const auto operate = [&] {
        const QList<QStringList> before = state().rows;
        const int count = form.history().undoCount();
        randomOperation(random);
        if (form.history().undoCount() == count + 1) {
            steps.append({before, state().rows});
            undone.clear();
        } else {
            QCOMPARE(form.history().undoCount(), count); // no step at all: no row changed
            QCOMPARE(state().rows, before);
        }
    };
    for (int i = 0; i < 220; ++i) {
        operate();
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(steps.size() > 60);
    const SheetState end = state();
    while (form.undo()) {
    }
    QCOMPARE(state().rows, start.rows);
    while (form.redo()) {
    }
    QCOMPARE(state().rows, end.rows);

    for (int i = 0; i < 200; ++i) {
        const quint32 pick = random.bounded(10);
        if (pick < 3 && !steps.isEmpty()) {
            QVERIFY(form.undo());
            undone.append(steps.takeLast());
            QCOMPARE(state().rows, undone.last().before);
        } else if (pick < 5 && !undone.isEmpty()) {
            QVERIFY(form.redo());
            steps.append(undone.takeLast());
            QCOMPARE(state().rows, steps.last().after);
        } else {
            operate();
            if (QTest::currentTestFailed())
                return;
        }
    }
    // Back to the start, then 終了 saves: the file as it was.
    while (form.undo()) {
    }
    QCOMPARE(state().rows, start.rows);
    form.close();
    QCOMPARE(readBytes(workFile()), startFile);
}

QTEST_GUILESS_MAIN(TestSecondaryUndo)
#include "tst_secondary_undo.moc"
