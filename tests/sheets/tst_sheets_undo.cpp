// Undo and redo on the column sheet: random sequences of entries, row commands and clicks, checked
// against the states the sheet went through, with the work file saved at every step.
#include "sheet_fixtures.h"
#include "sheets/column_entry_expansion.h"
#include "sheets/sheet_form.h"
#include "support/agreeing_prompter.h"
#include "support/recording_printer.h"
#include "support/test_files.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv::sheets;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int R = kFirstDataRow;

// What a step must bring back: every row's texts, the selection and the saved work file.
struct SheetState {
    QList<QStringList> rows;
    int selected = -1;
    int previous = -1;
    QByteArray file;
    bool operator==(const SheetState&) const = default;
};

} // namespace

class TestSheetUndo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void randomSequencesUndoAndRedoExactly_data();
    void randomSequencesUndoAndRedoExactly();
    void stepRestoresTheWholeEntryAndSavesAgain();
    void aStepWhoseSaveFailedStaysRecorded();

private:
    SheetState state() const;
    // A click on a random row, then a random command on it (or paging); returns the state between the
    // two, where a step of the command begins.
    SheetState randomOperation(QRandomGenerator& random);

    QTemporaryDir m_dir;
    std::unique_ptr<tv::shell::ShellState> m_shell;
    tv::lists::MemberLists m_lists;
    AgreeingPrompter m_prompter;
    RecordingPrinter m_printer;
    NoWindows m_opener;
    ScriptedEntryDialog m_dialog;
    std::unique_ptr<SheetForm> m_form;
    QString m_file;
};

void TestSheetUndo::init() {
    const QString root = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + u'-' +
                                        QString::fromLatin1(QTest::currentDataTag()));
    makeDataRoot(root);
    m_shell = std::make_unique<tv::shell::ShellState>();
    m_shell->dataRoot = tv::shell::DataRoot(root);
    m_file = m_shell->dataRoot.file(tv::shell::kWorkDataFolder, u"WorkData-1.ini");
    // Three entries as the sheet itself saves them.
    QStringList lines;
    for (const auto& [mark, rows] : {std::pair{u"C1"_s, 3}, {u"C2"_s, 1}, {u"C3"_s, 2}})
        for (const QStringList& row : ExpandColumnEntry(columnPayload(mark, rows)))
            lines.append(workLine(u"ZZ01"_s, row.mid(1)));
    writeCp932Lines(m_file, lines);
    m_form = std::make_unique<SheetForm>(SheetKind::Column, *m_shell, m_lists,
                                         SheetForm::Ports{m_prompter, m_printer, m_opener, m_dialog});
    QVERIFY(m_form->open());
}

SheetState TestSheetUndo::state() const {
    SheetState s;
    for (int row = 0; row < m_form->DataGrid().rowCount(); ++row)
        s.rows.append(m_form->DataGrid().rowTexts(row));
    s.selected = m_form->selectedRow();
    s.previous = m_form->previousRow();
    s.file = readBytes(m_file);
    return s;
}

SheetState TestSheetUndo::randomOperation(QRandomGenerator& random) {
    SheetForm& form = *m_form;
    const quint32 command = random.bounded(6);
    if (command < 5)
        form.clickRow(R + int(random.bounded(14)));
    const SheetState before = state();
    switch (command) {
    case 0:
        break;
    case 1: { // a new entry, a replaced one, or a cancelled dialog
        if (random.bounded(5) == 0)
            m_dialog.answer(std::nullopt);
        else
            m_dialog.answer(columnResult(u"C%1"_s.arg(random.bounded(9)), 1 + int(random.bounded(3)),
                                         QString::number(1000 + random.bounded(9000))));
        form.newInput();
        break;
    }
    case 2:
        if (isEmptyRow(form.DataGrid(), form.selectedRow()))
            form.deleteBlankRow();
        break;
    case 3:
        form.insertBlankRow();
        break;
    case 4:
        form.deleteEntry();
        break;
    default:
        form.nextPage();
        form.firstPage();
        break;
    }
    return before;
}

void TestSheetUndo::randomSequencesUndoAndRedoExactly_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 2024u, 90210u})
        QTest::newRow(qPrintable(u"seed %1"_s.arg(seed))) << seed;
}

// The states before and after every step are kept beside the sheet: each undo must bring back the
// state before its step, each redo the state after it, and a new change drops what could be redone.
void TestSheetUndo::randomSequencesUndoAndRedoExactly() {
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    SheetForm& form = *m_form;
    struct Step {
        SheetState before, after;
    };
    QList<Step> steps; // the steps done, oldest first
    QList<Step> undone;
    const SheetState start = state();

    const auto change = [&] {
        const int count = form.history().undoCount();
        const SheetState before = randomOperation(random);
        if (form.history().undoCount() == count)
            return;
        QCOMPARE(form.history().undoCount(), count + 1);
        QVERIFY(!form.history().canRedo());
        // The step begins where the command began, after the click that chose its row.
        Step step{before, state()};
        QVERIFY(step.after.rows != step.before.rows);
        steps.append(step);
        undone.clear();
    };

    for (int i = 0; i < 220; ++i) {
        const int count = form.history().undoCount();
        const SheetState before = randomOperation(random);
        if (form.history().undoCount() == count) {
            // No step: nothing but the selection and the shown page changed.
            QCOMPARE(state().rows, before.rows);
            continue;
        }
        // Undo right away: the rows, the selection and the file come back as before the command.
        const SheetState after = state();
        QVERIFY(form.undo());
        QCOMPARE(state().rows, before.rows);
        QCOMPARE(state().file, before.file);
        QCOMPARE(state().selected, before.selected);
        QVERIFY(form.redo());
        QCOMPARE(state(), after);
        steps.append({before, after});
    }
    QVERIFY(steps.size() > 60);
    QCOMPARE(form.history().undoCount(), int(steps.size()));

    // Undo everything: every file and row as at the start.
    const SheetState end = state();
    while (form.undo()) {
    }
    QCOMPARE(state().rows, start.rows);
    QCOMPARE(state().file, start.file);
    QCOMPARE(state().selected, steps.first().before.selected);
    // Redo everything: as after the sequence.
    while (form.redo()) {
    }
    QCOMPARE(state().rows, end.rows);
    QCOMPARE(state().file, end.file);
    QCOMPARE(state().selected, steps.last().after.selected);

    // Interleaved undo, redo and new changes against the kept states.
    for (int i = 0; i < 200; ++i) {
        const quint32 pick = random.bounded(10);
        if (pick < 3 && !steps.isEmpty()) {
            QVERIFY(form.undo());
            const Step step = steps.takeLast();
            QCOMPARE(state().rows, step.before.rows);
            QCOMPARE(state().file, step.before.file);
            QCOMPARE(state().selected, step.before.selected);
            undone.append(step);
        } else if (pick < 5 && !undone.isEmpty()) {
            QVERIFY(form.redo());
            const Step step = undone.takeLast();
            QCOMPARE(state(), step.after);
            steps.append(step);
        } else {
            change();
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(form.history().undoCount(), int(steps.size()));
        QCOMPARE(form.history().redoCount(), int(undone.size()));
    }
}

void TestSheetUndo::stepRestoresTheWholeEntryAndSavesAgain() {
    SheetForm& form = *m_form;
    const SheetState start = state();
    form.clickRow(R); // C1, three rows
    m_dialog.answer(columnResult(u"C9"_s, 1, u"4200"_s));
    form.newInput();
    const SheetState replaced = state();
    QCOMPARE(replaced.rows[R][kMarkColumn], u"C9"_s);
    QVERIFY(replaced.rows[R + 1][kMarkColumn] == u"C2"_s); // the block shrank to one row

    QVERIFY(form.undo());
    QCOMPARE(state(), (SheetState{start.rows, R, start.previous, start.file}));
    QCOMPARE(form.DataGrid().backColor(R, kMarkColumn), std::optional(kSelectedRowColor));
    QVERIFY(!form.undo());
    QVERIFY(form.redo());
    QCOMPARE(state(), replaced);
    QVERIFY(!form.redo());
}

void TestSheetUndo::aStepWhoseSaveFailedStaysRecorded() {
    // A sheet whose work file cannot be replaced: the failure is told at the change and at the undo,
    // and the rows follow the history all the same.
    SheetForm& form = *m_form;
    const QString folder = m_shell->dataRoot.file(tv::shell::kWorkDataFolder, QString());
    form.clickRow(R + 3); // C2
    QVERIFY(QDir(folder).removeRecursively());
    writeBytes(folder, "not a folder"); // the work folder is now a file: every save fails
    m_prompter.shown.clear();
    form.insertBlankRow();
    QCOMPARE(m_prompter.shown.size(), 1); // the failed save
    QCOMPARE(form.history().undoCount(), 1);
    QCOMPARE(form.DataGrid().text(R + 4, kMarkColumn), u"C2"_s);
    QVERIFY(form.undo());
    QCOMPARE(m_prompter.shown.size(), 2); // the undo saves, and fails, like any change
    QCOMPARE(form.DataGrid().text(R + 3, kMarkColumn), u"C2"_s);
    QVERIFY(form.redo());
    QCOMPARE(form.DataGrid().text(R + 4, kMarkColumn), u"C2"_s);
    QVERIFY(isEmptyRow(form.DataGrid(), R + 3));
}

QTEST_GUILESS_MAIN(TestSheetUndo)
#include "tst_sheets_undo.moc"
