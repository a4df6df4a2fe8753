// A window's undo history checked against the states its model goes through: a seeded random
// sequence of operations, each step taken back and made again at once; then everything taken back
// (the state at the start) and made again (the state at the end); then undo, redo and new changes
// interleaved, where a new change drops what could be redone. The caller's state holds everything
// the history must bring back (fields, grids, lists, the bytes of the files) and compares with ==.
#pragma once

#include "services/undo_stack.h"

#include <QList>
#include <QRandomGenerator>
#include <QString>
#include <QTest>

#include <functional>

namespace tv::test {

template <typename State> struct HistoryUnderTest {
    services::UndoStack& history;
    std::function<State()> state;
    // Runs one random operation (which may change nothing).
    std::function<void(QRandomGenerator&)> operate;
    std::function<bool()> undo;
    std::function<bool()> redo;
};

// Fails the running test where the history and the states part; `operations` must stay within the
// history's limit, so that everything can be taken back to the start.
template <typename State>
void checkHistory(const HistoryUnderTest<State>& window, quint32 seed, int operations = 200) {
    struct Step {
        State before, after;
    };
    QRandomGenerator random(seed);
    QList<Step> steps; // done, oldest first
    QList<Step> undone;
    bool mayMerge = false; // whether a step was recorded since the last undo or redo
    const State start = window.state();

    // One operation; its change, if any, recorded as a new step or merged into the last one.
    const auto change = [&](const char* phase, int index) {
        const int count = window.history.undoCount();
        const State before = window.state();
        window.operate(random);
        const State after = window.state();
        const int now = window.history.undoCount();
        const QString where = QStringLiteral("%1, operation %2").arg(QLatin1String(phase)).arg(index);
        if (now == count + 1) {
            QVERIFY2(!(after == before), qPrintable(where + QStringLiteral(": a step that changes nothing")));
            QVERIFY2(!window.history.canRedo(), qPrintable(where));
            steps.append({before, after});
            undone.clear();
        } else if (now == count && !(after == before)) {
            // More typing in the same field: the last step takes it over.
            QVERIFY2(mayMerge && !steps.isEmpty(),
                     qPrintable(where + QStringLiteral(": a change with no step")));
            steps.last().after = after;
        } else if (now == count - 1) {
            // Typing taken back to what the field had: the step is gone.
            QVERIFY2(mayMerge && !steps.isEmpty() && steps.last().before == after, qPrintable(where));
            steps.removeLast();
        } else {
            QVERIFY2(now == count && after == before,
                     qPrintable(where + QStringLiteral(": history out of step")));
            // Typing taken back to the text a field had within one operation recorded a change and
            // dropped it again: the steps that were undone are gone with it.
            if (window.history.redoCount() == 0)
                undone.clear();
        }
        if (now != count || !(after == before))
            mayMerge = true; // until the next undo or redo, more typing may continue the step
    };

    for (int i = 0; i < operations; ++i) {
        const int count = window.history.undoCount();
        change("sequence", i);
        if (QTest::currentTestFailed())
            return;
        if (window.history.undoCount() == count)
            continue;
        const Step step = steps.last();
        QVERIFY(window.undo());
        QVERIFY2(window.state() == step.before,
                 qPrintable(QStringLiteral("undo right after operation %1").arg(i)));
        QVERIFY(window.redo());
        QVERIFY2(window.state() == step.after,
                 qPrintable(QStringLiteral("redo right after operation %1").arg(i)));
        mayMerge = false;
    }
    QCOMPARE(window.history.undoCount(), int(steps.size()));
    QVERIFY2(steps.size() > operations / 4, "too few operations changed anything");

    const State end = window.state();
    while (window.undo()) {
    }
    QVERIFY2(window.state() == start, "undo of everything differs from the start");
    while (window.redo()) {
    }
    QVERIFY2(window.state() == end, "redo of everything differs from the end of the sequence");
    mayMerge = false;

    for (int i = 0; i < 200; ++i) {
        const quint32 pick = random.bounded(10);
        const bool full = steps.size() + 1 >= services::UndoStack::kDefaultLimit;
        if ((pick < 3 || full) && !steps.isEmpty()) {
            QVERIFY(window.undo());
            const Step step = steps.takeLast();
            QVERIFY2(window.state() == step.before, qPrintable(QStringLiteral("interleaved undo %1").arg(i)));
            undone.append(step);
            mayMerge = false;
        } else if (pick < 5 && !undone.isEmpty()) {
            QVERIFY(window.redo());
            const Step step = undone.takeLast();
            QVERIFY2(window.state() == step.after, qPrintable(QStringLiteral("interleaved redo %1").arg(i)));
            steps.append(step);
            mayMerge = false;
        } else {
            change("interleaved", i);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(window.history.undoCount(), int(steps.size()));
        QCOMPARE(window.history.redoCount(), int(undone.size()));
    }
}

} // namespace tv::test
