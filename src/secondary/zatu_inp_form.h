// 副部材: the secondary-member sheet. One ZatuRow per grid row, candidate lists for most cells, the
// three quantities worked out as the estimator types, paging, printing and the row commands.
//
// The rows live in the grid while the window is open and in WorkData-3.ini otherwise. The file is
// written by 終了 (and the close box, which does the same) and after each row command that changed
// the grid; typing in cells saves nothing until then. A save that fails keeps the window open with
// its rows, so nothing typed is lost.
//
// Every row command and every cell edit (a pick, a right click, or what is typed into one cell before
// the editor leaves it) is one step of history(); undoing a row command saves the file as the
// command did, undoing a cell edit saves nothing, as typing does.
//
// Grid: 26 columns, header rows 0 (groups) and 1 (captions), data rows from 2; column 0 numbers the
// data rows, columns 1 to 25 are the cells of the row.
#pragma once

#include "registries/buzai_weight_table.h"
#include "secondary/zatu_row.h"
#include "services/printer_port.h"
#include "services/prompter.h"
#include "services/text_grid.h"
#include "services/undo_stack.h"
#include "services/window_opener.h"
#include "shell/project_state.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <array>

namespace tv::secondary {

class ZatuInpForm : public QObject {
    Q_OBJECT
public:
    static constexpr int kColumns = 26;
    static constexpr int kFirstDataRow = 2;
    static constexpr int kSpareRows = 100; // empty rows after the loaded ones and the first empty row
    static constexpr int kPageRows = 38;
    static constexpr services::Rgb kSelectedRowColor{182, 215, 255};

    enum Command {
        EndCommand = 0,            // 終了
        PrintCommand = 1,          // 印刷
        DeleteBlankCommand = 2,    // 空白行削除
        NextPageCommand = 3,       // 次ページ
        PreviousPageCommand = 4,   // 前ページ
        FirstPageCommand = 5,      // 先頭ページ
        SelectedToTopCommand = 6,  // 選択行を先頭にする
        HelpCommand = 7,           // 入力説明
        InsertBlankCommand = 8,    // 空白行挿入
        DeleteSelectedCommand = 9, // 選択行削除
        CommandCount = 10
    };
    // The candidate lists KouhoList(0) to KouhoList(8).
    enum List {
        CategoryList,
        WeldMethodList,
        WeldJointList,
        WeldFacesList,
        BoltKindList,
        BoltDiameterList,
        MemberNameList,
        GradeList,
        PaintClassList,
        ListCount
    };
    // Keys the cell editor hands to the window instead of typing them.
    enum class EditorKey { Enter, ShiftLeft };

    ZatuInpForm(shell::ShellState& shell, services::Prompter& prompter, services::PrinterPort& printer,
                services::WindowOpener& opener, QObject* parent = nullptr);

    static QString title() { return QStringLiteral("副部材"); }
    static QString commandCaption(int index);
    static QStringList notes();
    // The size prefix that a picked size gets for a member name ("H-" for "H鋼" …); empty for others.
    static QString sizePrefix(const QString& name);

    // Loads the unit-weight registry and the reference lists, fills the candidate lists, then the
    // rows of WorkData-3.ini. A work file that does not decode is refused with its message and false:
    // the window does not open, so nothing can overwrite the file. A missing file opens empty.
    bool open();

    const services::TextGrid& DataGrid() const { return m_grid; }
    services::TextGrid* gridForView() { return &m_grid; } // the view keeps current cell and top row there
    const QStringList& KouhoList(int index) const { return m_lists[size_t(index)]; }
    const QStringList& SizeList() const { return m_sizeList; }
    int selectedRow() const { return m_selected; } // -1: none
    bool isEditorVisible() const { return m_editorVisible; }
    bool isClosed() const { return m_closed; }
    // The data rows of the grid as rows of the work file, top to bottom.
    QList<ZatuRow> rows() const;
    ZatuRow rowAt(int gridRow) const;

    void command(int index);
    void close(); // 終了
    void print();
    void deleteBlankRow();
    void nextPage();
    void previousPage();
    void firstPage();
    void selectedRowToTop();
    void showHelp();
    void insertBlankRow();
    void deleteSelectedRow();

    // A click on a cell: selects its row, may move the cursor to the cell that must be filled first,
    // and answers what the cursor's cell offers. When the cursor moved, editorMoved() follows.
    services::CellOffer clickCell(int row, int column);
    // What the cell offers, by its column and the row's category, without selecting anything.
    services::CellOffer offerAt(int row, int column) const;
    // The editor's text changed: written into the cell being edited at once and the row recomputed.
    // A character that cannot be stored is refused with a message and false; the cell keeps its text.
    bool editorTextChanged(const QString& text);
    // The view handed a cell its text: a list pick, or the editor's text when it closes.
    void commitCell(int row, int column, const QString& text);
    void refuseCharacter(char32_t character);
    // Enter or Shift+Left in the editor; true when the key moved the cursor (the new cell's offer
    // opens through editorMoved()). Enter is swallowed either way.
    bool editorKey(EditorKey key);
    // A right click empties the cell under the mouse; its row is recomputed.
    void rightClickCell(int row, int column);
    void hideEditor();

    // 元に戻す and やり直し: false when there is nothing to take back or to make again.
    bool undo();
    bool redo();
    services::UndoStack& history() { return m_history; }
    // The selection a step of the history restores with its rows.
    struct Selection {
        int selected = -1;
        int previous = -1;
    };

Q_SIGNALS:
    void changed();                        // selection, editor, lists
    void gridChanged();                    // rows added, removed or reloaded
    void rowsChanged(int first, int last); // texts or colours of these rows
    void editorMoved();                    // the cursor moved: open the offer of the current cell
    void scrolled();                       // the top row changed
    void closeRequested();

private:
    QString filePath() const;
    void fillLists();
    void loadGrid(const QList<ZatuRow>& rows);
    void setUpColumns();
    void renumber();
    bool isDataRow(int row) const { return row >= kFirstDataRow && row < m_grid.rowCount(); }
    bool isBoltRow(int row) const;
    bool isDeckRow(int row) const;
    void selectRow(int row);
    void paintRow(int row, bool selected);
    void clearSelection();
    bool needsSelection();
    bool save();
    void afterRowCommand();
    void setTop(int row);
    void writeCell(int row, int column, const QString& text);
    void recalc(int row);
    void pickSize(int row, const QString& size);
    void moveCursor(int row, int column);

    // --- history (zatu_inp_form_history.cpp) ---
    void beginRowCommand();
    void recordRowCommand();
    // Records the change of `row`'s cells from `before`; steps with the same key >= 0 are one step.
    void recordCellEdit(int row, const QStringList& before, int key = -1);
    void restoreRows(int first, int count, const QList<QStringList>& rows, const Selection& selection,
                     bool saves);

    shell::ShellState& m_shell;
    services::Prompter& m_prompter;
    services::PrinterPort& m_printer;
    services::WindowOpener& m_opener;
    registries::BuzaiWeightTable m_weights;
    std::array<QStringList, ListCount> m_lists;
    QStringList m_sizeList;
    services::TextGrid m_grid;
    int m_selected = -1;
    int m_previousSelected = -1;
    bool m_editorVisible = false;
    int m_editRow = -1;
    int m_editColumn = -1;
    bool m_closed = false;
    services::UndoStack m_history;
    QList<QStringList> m_rowsBefore; // the data rows when the row command under way began
    Selection m_selectionBefore;
    int m_editSession = 0; // counts the editors opened, so that one cell edit is one step
};

} // namespace tv::secondary
