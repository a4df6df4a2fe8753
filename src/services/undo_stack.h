// The history of one window's changes, for 元に戻す (undo) and やり直し (redo).
//
// A model makes a change and then records it as a step that can take it back and make it again.
// Recording a step drops the steps that had been undone (the redo branch). At most `limit` steps are
// kept, the oldest dropped first. The history lives as long as the window is open: nothing of it is
// stored in files. While a step is undone or redone the models record nothing (isReplaying()), so that
// the restore a step does is not itself recorded.
#pragma once

#include <QObject>

#include <memory>
#include <vector>

namespace tv::services {

class UndoStep {
public:
    virtual ~UndoStep() = default;
    virtual void undo() = 0;
    virtual void redo() = 0;
    // True when `next`, recorded right after this step, only continues it (more typing in the same
    // cell): this step then takes over what `next` changed and `next` is dropped.
    virtual bool absorb(UndoStep& next) {
        (void)next;
        return false;
    }
    // True when the step changes nothing (typing taken back to the text the cell had): it is dropped.
    virtual bool isEmpty() const { return false; }
};

class UndoStack : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultLimit = 200;

    explicit UndoStack(int limit = kDefaultLimit, QObject* parent = nullptr);
    ~UndoStack() override;

    // Records a change already made.
    void record(std::unique_ptr<UndoStep> step);
    // The next recorded step stands on its own even where it could continue the last one.
    void endStep() { m_open = false; }

    bool canUndo() const { return m_done > 0; }
    bool canRedo() const { return m_done < m_steps.size(); }
    // False when there is nothing to undo or redo.
    bool undo();
    bool redo();
    void clear();

    bool isReplaying() const { return m_replaying; }
    // A model command that records its own change opens it here; true for the outermost one, which
    // alone records (the commands it runs are part of its change). Each call is closed by
    // leaveChange().
    bool enterChange() { return m_changeDepth++ == 0; }
    void leaveChange() { --m_changeDepth; }
    int undoCount() const { return int(m_done); }
    int redoCount() const { return int(m_steps.size() - m_done); }

Q_SIGNALS:
    void changed();

private:
    std::vector<std::unique_ptr<UndoStep>> m_steps;
    size_t m_done = 0; // steps [0, m_done) are done, the rest undone
    size_t m_limit;
    bool m_replaying = false;
    bool m_open = false; // whether the last step may still absorb the next
    int m_changeDepth = 0;
};

} // namespace tv::services
