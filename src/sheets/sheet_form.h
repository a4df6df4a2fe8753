// MainInputForm (柱積算) and MainInput2Form (梁積算): the sheet of a project's columns or beams, with
// row selection, the entry dialog, row and entry commands, paging, help and printing. Every change
// of the rows is saved to the work file at once.
//
// Invariants:
// - the grid is a sheet grid (sheet_layout.h) whose entries are numbered and which keeps at least
//   100 empty rows below its last used row after a new entry;
// - selectedRow() is -1 or a data row of the grid; only that row shows the selection colour;
// - rows change only through the commands: an entry is always replaced whole, from its texts;
// - every command that changed the rows is one step of history(); undo and redo restore the rows
//   and the selection of the step and save the work file as after any change.
#pragma once

#include "lists/member_lists.h"
#include "services/printer_port.h"
#include "services/prompter.h"
#include "services/undo_stack.h"
#include "services/text_grid.h"
#include "services/window_opener.h"
#include "sheets/entry_dialog.h"
#include "sheets/sheet_layout.h"
#include "shell/project_state.h"

#include <QObject>

namespace tv::sheets {

class SheetForm : public QObject {
    Q_OBJECT
public:
    static constexpr int kCommandCount = 11; // CmdGd

    enum Command {
        Close = 0,
        NewInput = 1,
        DeleteBlankRow = 2,
        NextPage = 3,
        PreviousPage = 4,
        FirstPage = 5,
        SelectedRowToTop = 6,
        Help = 7,
        InsertBlankRow = 8,
        DeleteEntry = 9,
        Print = 10,
    };

    // The platform pieces the sheet reaches: messages, the printer, the help window, the entry dialog.
    struct Ports {
        services::Prompter& prompter;
        services::PrinterPort& printer;
        services::WindowOpener& opener;
        EntryDialog& dialog;
    };

    SheetForm(SheetKind kind, shell::ShellState& shell, lists::MemberLists& lists, Ports ports,
              QObject* parent = nullptr);

    // Loads the member lists for the dialog and the sheet from its work file. False (after a message)
    // when the work file cannot be read: the window stays shut, so that no save can overwrite it.
    bool open();

    const SheetTraits& traits() const { return m_traits; }
    QString workFilePath() const;
    const services::TextGrid& DataGrid() const { return m_grid; }
    // The grid for the view, which keeps its current cell and first visible row in it.
    services::TextGrid* gridForView() { return &m_grid; }
    int selectedRow() const { return m_selected; }
    int previousRow() const { return m_previous; }

    // A click on a row: an entry's row selects the entry's first row. Header rows and rows outside
    // the grid change nothing.
    void clickRow(int row);

    void command(int index);
    void newInput();       // 新規入力・修正
    void deleteBlankRow(); // 空白行削除
    void nextPage();
    void previousPage();
    void firstPage();
    void selectedRowToTop();
    void showHelp();       // 入力説明
    void insertBlankRow(); // 空白行挿入
    void deleteEntry();    // 選択行削除
    void print();          // 印刷

    // 元に戻す and やり直し: false when there is nothing to take back or to make again.
    bool undo() { return m_history.undo(); }
    bool redo() { return m_history.redo(); }
    services::UndoStack& history() { return m_history; }

    static QString commandCaption(int index);

Q_SIGNALS:
    // Rows, selection or the first visible row changed: the view redraws from the model.
    void changed();
    // Only the colours of these rows changed (a click moved the selection); -1 for none.
    void rowsRepainted(int first, int second);
    void closeRequested();

private:
    // The selection a step restores with its rows.
    struct Selection {
        int selected = -1;
        int previous = -1;
    };

    bool requireSelection();
    void beginChange();
    void restoreRows(int first, int count, const QList<QStringList>& rows, const Selection& selection);
    void saveAndShow();
    QList<QStringList> entryRows(const EntryDialogResult& result) const;
    void removeEntryBelow(int row);
    void insertEmptyRows(int at, int count);
    void removeRows(int first, int last);
    void select(int row);
    void clearSelection() { select(-1); }
    void paintSelection();
    void finishChange();

    const SheetTraits& m_traits;
    shell::ShellState& m_shell;
    lists::MemberLists& m_lists;
    Ports m_ports;
    services::TextGrid m_grid;
    int m_selected = -1;
    int m_previous = -1;
    int m_highlighted = -1; // the row painted in the selection colour
    services::UndoStack m_history;
    // The data rows and the selection when the change under way began (beginChange()).
    QList<QStringList> m_rowsBefore;
    Selection m_selectionBefore;
};

// 柱積算 on WorkData-1.ini.
class MainInputForm : public SheetForm {
    Q_OBJECT
public:
    MainInputForm(shell::ShellState& shell, lists::MemberLists& lists, Ports ports, QObject* parent = nullptr)
        : SheetForm(SheetKind::Column, shell, lists, ports, parent) {}
};

// 梁積算 on WorkData-2.ini.
class MainInput2Form : public SheetForm {
    Q_OBJECT
public:
    MainInput2Form(shell::ShellState& shell, lists::MemberLists& lists, Ports ports,
                   QObject* parent = nullptr)
        : SheetForm(SheetKind::Beam, shell, lists, ports, parent) {}
};

} // namespace tv::sheets
