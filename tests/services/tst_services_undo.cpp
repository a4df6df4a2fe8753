// The undo history and the row differences its grid steps keep.
#include "services/grid_rows_step.h"
#include "services/snapshot_step.h"
#include "services/undo_stack.h"

#include <QTest>

using namespace tv::services;
using namespace Qt::StringLiterals;

namespace {

// A step on a plain number: undo and redo set it to the value before or after.
class ValueStep : public UndoStep {
public:
    ValueStep(int& value, int before, int after, int key = -1)
        : m_value(value), m_before(before), m_after(after), m_key(key) {}
    void undo() override { m_value = m_before; }
    void redo() override { m_value = m_after; }
    bool absorb(UndoStep& next) override {
        auto* same = dynamic_cast<ValueStep*>(&next);
        if (!same || m_key < 0 || same->m_key != m_key)
            return false;
        m_after = same->m_after;
        return true;
    }

private:
    int& m_value;
    int m_before, m_after, m_key;
};

// Sets `value` to `to` and records the change.
void change(UndoStack& stack, int& value, int to, int key = -1) {
    const int before = std::exchange(value, to);
    stack.record(std::make_unique<ValueStep>(value, before, to, key));
}

QList<QStringList> rows(const QStringList& firstCells) {
    QList<QStringList> list;
    for (int i = 0; i < firstCells.size(); ++i)
        list.append({QString::number(i + 1), firstCells[i], u"x"_s});
    return list;
}

} // namespace

class TestUndo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void undoRedoAndTheRedoBranch();
    void oldestStepsGoBeyondTheLimit();
    void keyedStepsMergeUntilTheStepEnds();
    void diffKeepsOnlyTheDifferingRows_data();
    void diffKeepsOnlyTheDifferingRows();
    void recordedChangesNestAndMergeByKey();
};

void TestUndo::undoRedoAndTheRedoBranch() {
    UndoStack stack;
    int value = 0;
    QVERIFY(!stack.undo());
    change(stack, value, 1);
    change(stack, value, 2);
    QVERIFY(stack.undo());
    QCOMPARE(value, 1);
    QVERIFY(stack.redo());
    QCOMPARE(value, 2);
    QVERIFY(!stack.redo());
    QVERIFY(stack.undo());
    change(stack, value, 5); // a new change drops the undone 1 → 2
    QVERIFY(!stack.canRedo());
    QVERIFY(stack.undo());
    QCOMPARE(value, 1);
    QVERIFY(stack.undo());
    QCOMPARE(value, 0);
    QVERIFY(!stack.undo());
}

void TestUndo::oldestStepsGoBeyondTheLimit() {
    UndoStack stack(100);
    int value = 0;
    for (int i = 1; i <= 130; ++i)
        change(stack, value, i);
    QCOMPARE(stack.undoCount(), 100);
    while (stack.undo()) {
    }
    QCOMPARE(value, 30);
}

void TestUndo::keyedStepsMergeUntilTheStepEnds() {
    UndoStack stack;
    int value = 0;
    change(stack, value, 1, 7);
    change(stack, value, 2, 7); // more typing in the same cell
    change(stack, value, 3, 8); // another cell
    stack.endStep();
    change(stack, value, 4, 8); // the same cell again, but a new edit
    QCOMPARE(stack.undoCount(), 3);
    QVERIFY(stack.undo());
    QCOMPARE(value, 3);
    QVERIFY(stack.undo());
    QCOMPARE(value, 2);
    QVERIFY(stack.undo());
    QCOMPARE(value, 0);
    QVERIFY(stack.redo());
    change(stack, value, 9, 7); // after an undo or redo nothing merges into the older step
    QCOMPARE(stack.undoCount(), 2);
}

void TestUndo::diffKeepsOnlyTheDifferingRows_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("inserted");
    const QStringList abcd{u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    QTest::newRow("no change") << abcd << abcd << 14 << 0 << 0;
    // The rows after an inserted row are numbered anew in column 0; they still count as the same.
    QTest::newRow("row inserted") << abcd << QStringList{u"a"_s, u"b"_s, u""_s, u"c"_s, u"d"_s} << 12 << 0
                                  << 1;
    QTest::newRow("row removed at the end") << abcd << QStringList{u"a"_s, u"b"_s, u"c"_s} << 13 << 1 << 0;
    QTest::newRow("row changed") << abcd << QStringList{u"a"_s, u"B"_s, u"c"_s, u"d"_s} << 11 << 1 << 1;
    // More rows than the grid shifts at once: the rows below are moved one by one.
    QStringList many{u"a"_s};
    for (int i = 0; i < 100; ++i)
        many.append(u"n%1"_s.arg(i));
    many << u"b"_s << u"c"_s << u"d"_s;
    QTest::newRow("many rows inserted") << abcd << many << 11 << 0 << 100;
    QTest::newRow("many rows removed") << many << abcd << 11 << 100 << 0;
    QTest::newRow("all replaced") << abcd << QStringList{u"e"_s} << 10 << 4 << 1;
}

void TestUndo::diffKeepsOnlyTheDifferingRows() {
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(int, first);
    QFETCH(int, removed);
    QFETCH(int, inserted);
    const RowsChange change = diffRows(rows(before), rows(after), 10, 1);
    QCOMPARE(change.first, first);
    QCOMPARE(change.before.size(), removed);
    QCOMPARE(change.after.size(), inserted);

    // Replacing the differing rows of a grid holding the rows before gives the rows after, and back.
    TextGrid grid(10 + int(before.size()), 3);
    grid.setFixedRows(10);
    for (int i = 0; i < before.size(); ++i)
        grid.setRowTexts(10 + i, rows(before)[i]);
    replaceRows(grid, change.first, int(change.before.size()), change.after);
    QCOMPARE(gridRows(grid, 10).size(), after.size());
    for (int i = 0; i < after.size(); ++i)
        QCOMPARE(grid.text(10 + i, 1), after[i]);
    replaceRows(grid, change.first, int(change.after.size()), change.before);
    QCOMPARE(gridRows(grid, 10), rows(before));
}

// A model whose state is two texts, changed by commands that record themselves.
struct TwoFields {
    QStringList texts{u""_s, u""_s};
    UndoStack stack;
    SnapshotHistory<QStringList> history{stack, [this] { return texts; },
                                         [this](const QStringList& state) { texts = state; }};

    void type(int field, const QString& text) {
        RecordedChange<QStringList> change(history, field);
        texts[field] = text;
    }
    // Types into both fields through the command above: one change.
    void fillBoth(const QString& text) {
        RecordedChange<QStringList> change(history);
        type(0, text);
        type(1, text);
    }
};

void TestUndo::recordedChangesNestAndMergeByKey() {
    TwoFields model;
    model.type(0, u"1"_s);
    model.type(0, u"12"_s); // the same field: one step
    model.type(1, u"x"_s);
    model.type(1, u"x"_s); // nothing changed: no step
    QCOMPARE(model.stack.undoCount(), 2);
    model.fillBoth(u"z"_s);
    QCOMPARE(model.stack.undoCount(), 3);
    model.type(0, u"y"_s); // after the nested commands, a command records again
    QCOMPARE(model.stack.undoCount(), 4);
    QVERIFY(model.stack.undo());
    QVERIFY(model.stack.undo());
    QCOMPARE(model.texts, (QStringList{u"12"_s, u"x"_s}));
    QVERIFY(model.stack.undo());
    QVERIFY(model.stack.undo());
    QCOMPARE(model.texts, (QStringList{u""_s, u""_s}));
    QVERIFY(model.stack.redo());
    QCOMPARE(model.texts, (QStringList{u"12"_s, u""_s}));
    QCOMPARE(model.stack.redoCount(), 3); // putting a state back recorded nothing
}

QTEST_GUILESS_MAIN(TestUndo)
#include "tst_services_undo.moc"
