// The secondary-member sheet's selection, row commands and paging.
#include "secondary/zatu_inp_form.h"

namespace tv::secondary {

using services::PromptAnswer;
using services::PromptButtons;

namespace {

const QString kConfirm = QStringLiteral("確認");

} // namespace

// Selection --------------------------------------------------------------------------------------

void ZatuInpForm::paintRow(int row, bool selected) {
    if (!isDataRow(row))
        return;
    const std::optional<services::Rgb> color =
        selected ? std::optional<services::Rgb>(kSelectedRowColor) : std::nullopt;
    for (int c = 1; c < kColumns; ++c)
        m_grid.setBackColor(row, c, color);
    Q_EMIT rowsChanged(row, row);
}

void ZatuInpForm::selectRow(int row) {
    m_previousSelected = m_selected;
    m_selected = row;
    if (m_previousSelected != row)
        paintRow(m_previousSelected, false);
    paintRow(row, true);
    Q_EMIT changed();
}

void ZatuInpForm::clearSelection() {
    if (m_selected < 0)
        return;
    paintRow(m_selected, false);
    m_previousSelected = m_selected;
    m_selected = -1;
    Q_EMIT changed();
}

bool ZatuInpForm::needsSelection() {
    if (isDataRow(m_selected))
        return true;
    m_prompter.tell(QStringLiteral("入力する行を選択してください。"), kConfirm);
    return false;
}

// Row commands -----------------------------------------------------------------------------------

void ZatuInpForm::afterRowCommand() {
    renumber();
    Q_EMIT gridChanged();
    Q_EMIT changed();
    save();
    recordRowCommand();
}

void ZatuInpForm::deleteBlankRow() {
    hideEditor();
    if (!needsSelection())
        return;
    const int row = m_selected;
    if (!rowAt(row).isEmpty()) {
        m_prompter.tell(QStringLiteral("空白行ではないので削除できません。"), kConfirm);
        return;
    }
    beginRowCommand();
    m_grid.removeRow(row);                  // its highlight goes with it
    if (m_grid.rowCount() == kFirstDataRow) // keep a row to type in
        m_grid.insertRow(kFirstDataRow);
    if (isDataRow(row))
        paintRow(row, true); // the row that moved up into the selected place
    else
        m_selected = -1;
    afterRowCommand();
}

void ZatuInpForm::insertBlankRow() {
    hideEditor();
    if (!needsSelection())
        return;
    const int row = m_selected;
    beginRowCommand();
    m_grid.insertRow(row);
    paintRow(row + 1, false); // the selected row moved down with its highlight
    paintRow(row, true);
    afterRowCommand();
}

void ZatuInpForm::deleteSelectedRow() {
    hideEditor();
    if (!needsSelection())
        return;
    const int row = m_selected;
    const QString& category = m_grid.text(row, BuzaiCell);
    const QString question = category.isEmpty()
                                 ? QStringLiteral("選択行を削除します。")
                                 : category + u'-' + m_grid.text(row, FloorCell) + u'階' +
                                       m_grid.text(row, PositionCell) + QStringLiteral("を削除します。");
    if (m_prompter.ask(question, kConfirm, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    beginRowCommand();
    for (int c = 1; c < kColumns; ++c)
        m_grid.setText(row, c, QString());
    clearSelection();
    afterRowCommand();
}

// Paging -----------------------------------------------------------------------------------------

void ZatuInpForm::setTop(int row) {
    m_grid.setTopRow(row);
    Q_EMIT scrolled();
}

void ZatuInpForm::nextPage() {
    hideEditor();
    const int top = m_grid.topRow();
    bool numbered = false;
    for (int r = top; r < top + kPageRows && r < m_grid.rowCount() && !numbered; ++r)
        numbered = isDataRow(r) && !m_grid.text(r, 0).isEmpty();
    if (!numbered || top + kPageRows >= m_grid.rowCount() - 1)
        return;
    clearSelection();
    setTop(top + kPageRows);
}

void ZatuInpForm::previousPage() {
    hideEditor();
    const int t = m_grid.topRow() - kPageRows;
    if (t < 1)
        return;
    clearSelection();
    setTop(t >= kPageRows ? t : kFirstDataRow);
}

void ZatuInpForm::firstPage() {
    hideEditor();
    clearSelection();
    setTop(kFirstDataRow);
}

void ZatuInpForm::selectedRowToTop() {
    hideEditor();
    if (isDataRow(m_selected))
        setTop(m_selected);
}

} // namespace tv::secondary
