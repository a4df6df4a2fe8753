// The secondary-member sheet's undo history: row commands and cell edits as steps.
#include "secondary/zatu_inp_form.h"

#include "services/grid_rows_step.h"

namespace tv::secondary {

namespace {
using Step = services::GridRowsStep<ZatuInpForm::Selection>;
} // namespace

void ZatuInpForm::beginRowCommand() {
    m_rowsBefore = services::gridRows(m_grid, kFirstDataRow);
    m_selectionBefore = {m_selected, m_previousSelected};
}

void ZatuInpForm::recordRowCommand() {
    services::RowsChange change =
        services::diffRows(m_rowsBefore, services::gridRows(m_grid, kFirstDataRow), kFirstDataRow, 1);
    m_rowsBefore.clear();
    if (change.isEmpty())
        return;
    m_history.record(std::make_unique<Step>(
        std::move(change), m_selectionBefore, Selection{m_selected, m_previousSelected},
        [this](int first, int count, const QList<QStringList>& rows, const Selection& selection) {
            restoreRows(first, count, rows, selection, true);
        }));
}

void ZatuInpForm::recordCellEdit(int row, const QStringList& before, int key) {
    const QStringList after = m_grid.rowTexts(row);
    if (after == before)
        return;
    const Selection selection{m_selected, m_previousSelected};
    m_history.record(std::make_unique<Step>(
        services::RowsChange{row, {before}, {after}}, selection, selection,
        [this](int first, int count, const QList<QStringList>& rows, const Selection& shown) {
            restoreRows(first, count, rows, shown, false);
        },
        key));
}

void ZatuInpForm::restoreRows(int first, int count, const QList<QStringList>& rows,
                              const Selection& selection, bool saves) {
    hideEditor();
    m_sizeList.clear();
    paintRow(m_selected, false); // while its index still holds
    services::replaceRows(m_grid, first, count, rows);
    m_selected = isDataRow(selection.selected) ? selection.selected : -1;
    m_previousSelected = selection.previous;
    paintRow(m_selected, true);
    renumber();
    Q_EMIT gridChanged();
    Q_EMIT changed();
    if (saves)
        save();
}

bool ZatuInpForm::undo() {
    return m_history.undo();
}

bool ZatuInpForm::redo() {
    return m_history.redo();
}

} // namespace tv::secondary
