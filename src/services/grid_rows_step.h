// Undo steps for the grids whose rows the estimator changes (the sheets, the secondary-member sheet):
// a change is kept as the rows that differ, not as a copy of the whole grid, so that a long history
// of a sheet of tens of thousands of rows stays small. Column 0 numbers the rows and is worked out
// again after every change, so the comparison leaves it out.
#pragma once

#include "services/text_grid.h"
#include "services/undo_stack.h"

#include <QList>
#include <QStringList>

#include <functional>
#include <utility>

namespace tv::services {

// The rows from `first` on where two states of a grid differ: `before` replaced by `after`.
struct RowsChange {
    int first = 0;
    QList<QStringList> before;
    QList<QStringList> after;

    bool isEmpty() const { return before.isEmpty() && after.isEmpty(); }
};

// The texts of the grid's rows from `firstRow` to the last.
QList<QStringList> gridRows(const TextGrid& grid, int firstRow);

// Replaces `count` rows of `grid` from `first` with rows of `texts`, shifting the rows below with
// their colours; the new rows have no colours. The rows must lie below every merged cell.
void replaceRows(TextGrid& grid, int first, int count, const QList<QStringList>& texts);

// What changed between two lists of rows taken from `firstRow` of a grid, comparing the cells from
// `firstColumn` on: the rows between the common beginning and the common end of the two lists.
RowsChange diffRows(const QList<QStringList>& before, const QList<QStringList>& after, int firstRow,
                    int firstColumn);

// One change of a grid's rows with what the window keeps beside them (`Extra`: its selection, the
// first row shown …) before and after it. `restore(first, count, rows, extra)` replaces `count` rows
// from `first` with `rows` and shows `extra`. Steps with the same key >= 0, recorded one after the
// other on the same rows, are one step (the keystrokes of one cell edit).
template <typename Extra> class GridRowsStep : public UndoStep {
public:
    using Restore =
        std::function<void(int first, int count, const QList<QStringList>& rows, const Extra& extra)>;

    GridRowsStep(RowsChange change, Extra before, Extra after, Restore restore, int key = -1)
        : m_change(std::move(change)), m_before(std::move(before)), m_after(std::move(after)),
          m_restore(std::move(restore)), m_key(key) {}

    void undo() override { m_restore(m_change.first, int(m_change.after.size()), m_change.before, m_before); }
    void redo() override { m_restore(m_change.first, int(m_change.before.size()), m_change.after, m_after); }
    bool isEmpty() const override { return m_change.before == m_change.after; }
    bool absorb(UndoStep& next) override {
        auto* same = dynamic_cast<GridRowsStep*>(&next);
        if (!same || m_key < 0 || same->m_key != m_key || same->m_change.first != m_change.first ||
            same->m_change.before != m_change.after)
            return false;
        m_change.after = std::move(same->m_change.after);
        m_after = std::move(same->m_after);
        return true;
    }

private:
    RowsChange m_change;
    Extra m_before;
    Extra m_after;
    Restore m_restore;
    int m_key;
};

} // namespace tv::services
