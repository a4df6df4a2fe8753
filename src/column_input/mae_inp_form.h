// MaeInpForm (入力済み内容読込): the picker that lists the entries of a sheet and hands back the five
// hidden texts of the chosen one, so that a member dialog can copy another entry's content.
//
// Invariants:
// - KouhoGrid() holds the header row and one row per entry of the source sheet (its first row),
//   in sheet order; with no entries it holds the header row only;
// - Picked() is all empty until OK succeeded; Cancel leaves it empty.
#pragma once

#include "services/prompter.h"
#include "services/text_grid.h"

#include <array>

namespace tv::column_input {

// Which dialog asks: the column dialog picks from the column sheet, the beam dialog from the beam sheet.
enum PickerSource : int { ColumnPicker = 1, BeamPicker = 2 };

// The five texts of the picked entry, in the caller's slot order: for the column dialog the main
// record, weld list A, weld list B, plate list and paint list; for the beam dialog the sheet's five
// hidden cells from the last backwards, the first of them last.
using PickedPayload = std::array<QString, 5>;

class MaeInpForm {
public:
    // KouhoGrid columns: label, floor, mark, position/comment, then the five hidden texts.
    static constexpr int kColumns = 9;

    // `sheet` is the grid of the sheet that opened the dialog (two header rows, the five hidden
    // texts in its last five columns).
    MaeInpForm(const services::TextGrid& sheet, int source, services::Prompter& prompter);

    const services::TextGrid& KouhoGrid() const { return m_grid; }
    services::TextGrid* gridForView() { return &m_grid; }
    int selectedRow() const { return m_selected; }

    // A click on a list row selects it and paints it in the selection colour; the header row and
    // rows outside the list change nothing.
    void clickRow(int row);
    // OK: false (after "選択してください。") when no row is selected; otherwise fills Picked().
    bool ok();
    void cancel();
    bool isClosed() const { return m_closed; }
    const PickedPayload& Picked() const { return m_picked; }

private:
    int m_source;
    services::Prompter& m_prompter;
    services::TextGrid m_grid;
    int m_selected = -1;
    int m_previous = -1;
    bool m_closed = false;
    PickedPayload m_picked;
};

} // namespace tv::column_input
