// The commands, keys and in-place cell editing of the column dialog (柱入力) around its model: the
// ten commands, where Enter moves to, which editor each grid cell opens, the row commands of the
// plate and coating grids, and loading another entry's content through the entry picker.
//
// Invariants:
// - the plate and coating grids keep five data rows through every row command;
// - only the clicked row of the plate or coating grid shows the selection colour.
#pragma once

#include "column_input/hasira_inp_form.h"
#include "column_input/mae_inp_form.h"

#include <functional>

namespace tv::column_input {

enum HasiraCommand : int {
    CommandOk = 0,
    CommandCancel = 1,
    CommandLoadEntered = 2, // 入力済データ読込
    CommandClearPlateRow = 3,
    CommandDeleteBlankPlateRow = 4,
    CommandInsertBlankPlateRow = 5,
    CommandClearCoatingRow = 6,
    CommandDeleteBlankCoatingRow = 7,
    CommandInsertBlankCoatingRow = 8,
    CommandHelp = 9,
};
inline constexpr int kHasiraCommands = 10;
QString hasiraCommandCaption(int index);

// The grids of the dialog, for the view and the row commands.
enum DialogGrid : int { FirstWeldGrid = 0, SecondWeldGrid = 1, PlateGrid = 2, CoatingGrid = 3, MarkGrid = 4 };

// Where Enter takes the input focus from InpTx(index).
int inputAfterEnter(int index);
// The plate-grid column whose editor Enter (or Down) opens after `column`; -1 when Enter does nothing.
int plateColumnAfterEnter(int column);
// The same for the coating grid; the shape text decides whether the girth column is visited.
int coatingColumnAfterEnter(int column, const QString& shapeText);

// What a click on a grid cell opens: nothing, a candidate list (KouhoList `list`) or a text editor.
struct CellEditor {
    enum class Kind { None, List, Text } kind = Kind::None;
    int list = -1;
    bool operator==(const CellEditor&) const = default;
};
CellEditor plateCellEditor(int column);
CellEditor coatingCellEditor(int column);
CellEditor weldCellEditor(int column);
// The editor of a column of any of the dialog's grids (none for the mark list).
CellEditor cellEditor(int which, int column);

class HasiraInpCommands {
public:
    // Shows the entry picker modally for the column dialog and returns its result (slot 0 empty when
    // nothing was chosen).
    using Picker = std::function<PickedPayload()>;
    // Opens the help viewer on the dialog's help file.
    using HelpViewer = std::function<void()>;

    HasiraInpCommands(HasiraInpForm& form, services::Prompter& prompter, Picker picker, HelpViewer help);

    // Runs command CmdGd(index).
    void command(int index);
    // 入力済データ読込: asks the picker and loads the picked texts, keeping floor, mark and section.
    void loadEnteredData();

    // The grid as the view shows it (it keeps its current cell there).
    services::TextGrid* grid(int which);

    // A left click on a data cell: highlights the row of the plate or coating grid, makes the cell
    // current and answers the editor it opens.
    CellEditor clickCell(int which, int row, int column);
    // A candidate picked, or the text of one typed, into a cell that takes the items of its list:
    // the cell takes that item (an item is named by its text, read as identifiers are). A pick in
    // the plate grid moves the current cell one column right, in the coating grid to 厚. Text that
    // names no item is refused with a message naming the column, and false; the cell keeps its text.
    bool pickItem(int which, int row, int column, const QString& typed);
    // Text typed into a cell's text editor; recomputes as the grid requires.
    void typeText(int which, int row, int column, const QString& text);
    // A right click on a data cell of the plate or coating grid empties it; nothing is recomputed.
    // False for any other cell, which a right click does not change.
    bool rightClickCell(int which, int row, int column);

    // Row commands on the current row of the plate or coating grid.
    void clearSelectedRow(int which);
    void deleteBlankRow(int which);
    void insertBlankRow(int which);

private:
    bool isDataRow(int which, int row) const;
    int firstDataRow(int which) const;
    int lastDataColumn(int which) const;
    bool rowIsFilled(int which, int row) const;
    void highlightRow(int which, int row);
    void renumber(int which);

    HasiraInpForm& m_form;
    services::Prompter& m_prompter;
    Picker m_picker;
    HelpViewer m_help;
};

} // namespace tv::column_input
