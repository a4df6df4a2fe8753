// Undo steps for windows whose editable state is small (the entry dialogs, the member lists, the
// registries): a change is kept as the whole state before and after it. The model says what its
// state is (a value type with ==) and how it is put back; every command that changes something runs
// inside a RecordedChange, which compares the state before and after and records the difference as
// one step.
#pragma once

#include "services/undo_stack.h"

#include <functional>
#include <memory>
#include <utility>

namespace tv::services {

template <typename State> class SnapshotStep : public UndoStep {
public:
    using Restore = std::function<void(const State&)>;

    // Steps with the same key >= 0, recorded one after the other where each starts from the state
    // the last one left, are one step (the keystrokes of one field or cell).
    SnapshotStep(State before, State after, Restore restore, int key = -1)
        : m_before(std::move(before)), m_after(std::move(after)), m_restore(std::move(restore)), m_key(key) {}

    void undo() override { m_restore(m_before); }
    void redo() override { m_restore(m_after); }
    bool isEmpty() const override { return m_before == m_after; }
    bool absorb(UndoStep& next) override {
        auto* same = dynamic_cast<SnapshotStep*>(&next);
        if (!same || m_key < 0 || same->m_key != m_key || !(same->m_before == m_after))
            return false;
        m_after = std::move(same->m_after);
        return true;
    }

private:
    State m_before;
    State m_after;
    Restore m_restore;
    int m_key;
};

// The state of a model with its history: how to take it and how to put it back.
template <typename State> struct SnapshotHistory {
    UndoStack& stack;
    std::function<State()> capture;
    typename SnapshotStep<State>::Restore restore;
};

// One command's change: the state is taken when the command starts and, when the command ends
// (this goes out of scope), a step is recorded if the state differs. A command that runs inside
// another records nothing of its own: the outer one records both. Nothing is recorded while the
// history puts a step back.
template <typename State> class RecordedChange {
public:
    explicit RecordedChange(const SnapshotHistory<State>& history, int key = -1)
        : m_history(history), m_key(key), m_outermost(history.stack.enterChange()) {
        if (m_outermost && !m_history.stack.isReplaying())
            m_before = std::make_unique<State>(m_history.capture());
    }
    ~RecordedChange() {
        m_history.stack.leaveChange(); // every change entered is left, the nested ones too
        if (!m_outermost || !m_before)
            return;
        State after = m_history.capture();
        if (after == *m_before)
            return;
        m_history.stack.record(std::make_unique<SnapshotStep<State>>(std::move(*m_before), std::move(after),
                                                                     m_history.restore, m_key));
    }
    RecordedChange(const RecordedChange&) = delete;
    RecordedChange& operator=(const RecordedChange&) = delete;

    // The command changed nothing that can be taken back (it closed the window): nothing is recorded.
    void dismiss() { m_before.reset(); }

private:
    const SnapshotHistory<State>& m_history;
    int m_key;
    bool m_outermost;
    std::unique_ptr<State> m_before;
};

} // namespace tv::services
