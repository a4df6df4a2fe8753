// MaeInpForm: listing a sheet's entries, selecting one and handing back its hidden texts.
#include "column_input/mae_inp_form.h"

namespace tv::column_input {

namespace {

// The sheets keep two header rows; an entry's first row is the one with its number in column 0.
constexpr int kSheetFirstDataRow = 2;
constexpr services::Rgb kWhite{255, 255, 255};
constexpr services::Rgb kSelectedRowColor{238, 252, 188};

// KouhoGrid columns 4 to 8 hold the sheet's hidden cells Cols−4, Cols−3, Cols−2, Cols−1, Cols−5.
constexpr int kHiddenFrom[5] = {4, 3, 2, 1, 5};

} // namespace

MaeInpForm::MaeInpForm(const services::TextGrid& sheet, int source, services::Prompter& prompter)
    : m_source(source), m_prompter(prompter), m_grid(1, kColumns) {
    m_grid.setFixedRows(1);
    m_grid.setFixedColumns(1);
    const int widths[kColumns] = {350, 450, 650, 1200, 0, 0, 0, 0, 0};
    for (int c = 0; c < kColumns; ++c) {
        m_grid.setColumnWidth(c, widths[c]);
        m_grid.setAlignment(c, c <= 2 ? services::CellAlignment::Center : services::CellAlignment::Left);
    }
    m_grid.setRowTexts(
        0, {QString(), QStringLiteral("階"), QStringLiteral("符号"), QStringLiteral("位置/ｺﾒﾝﾄ")});

    const int cols = sheet.columnCount();
    for (int row = kSheetFirstDataRow; row < sheet.rowCount(); ++row) {
        if (sheet.text(row, 0).isEmpty())
            continue;
        QStringList cells{sheet.text(row, 0), sheet.text(row, 2), sheet.text(row, 3), sheet.text(row, 4)};
        for (int fromEnd : kHiddenFrom)
            cells.append(sheet.text(row, cols - fromEnd));
        m_grid.insertRow(m_grid.rowCount(), cells);
    }
}

void MaeInpForm::clickRow(int row) {
    if (row < m_grid.fixedRows() || row >= m_grid.rowCount())
        return;
    m_previous = m_selected;
    m_selected = row;
    for (int c = 1; c < kColumns; ++c) {
        if (m_previous >= 0)
            m_grid.setBackColor(m_previous, c, kWhite);
        m_grid.setBackColor(m_selected, c, kSelectedRowColor);
    }
}

bool MaeInpForm::ok() {
    if (m_selected < 0) {
        m_prompter.tell(QStringLiteral("選択してください。"), QStringLiteral("確認"));
        return false;
    }
    // Column 4 + i holds hidden cell kHiddenFrom[i]. The column dialog takes columns 4 to 8 in
    // order; the beam dialog takes the cells from the last backwards (columns 7, 6, 5, 4), then 8.
    static constexpr int kColumnSlots[5] = {4, 5, 6, 7, 8};
    static constexpr int kBeamSlots[5] = {7, 6, 5, 4, 8};
    const int* slots = m_source == ColumnPicker ? kColumnSlots : kBeamSlots;
    for (int i = 0; i < 5; ++i)
        m_picked[i] = m_grid.text(m_selected, slots[i]);
    m_closed = true;
    return true;
}

void MaeInpForm::cancel() {
    m_picked = {};
    m_closed = true;
}

} // namespace tv::column_input
