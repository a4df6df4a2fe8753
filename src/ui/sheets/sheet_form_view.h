// 柱積算 and 梁積算 on screen: the sheet grid and the eleven commands over a SheetForm model. Rows are
// selected by clicking; cells are never edited in place. Columns can be dragged wider or narrower
// by their borders in the caption rows; the widths are remembered for the user.
#pragma once

#include "sheets/sheet_form.h"
#include "state/app_state.h"
#include "ui/sheets/sheet_column_widths.h"

#include <QDialog>

#include <functional>

class QTableView;

namespace tv::ui {

class CommandLabel;
class QtPrompter;
class TextGridView;

class SheetFormView : public QDialog {
    Q_OBJECT
public:
    explicit SheetFormView(sheets::SheetForm& model, QWidget* parent = nullptr);

    TextGridView* grid() const { return m_grid; }
    CommandLabel* command(int index) const { return m_commands.value(index); }

private:
    void setUpHeader();
    void showState();
    void widenColumns();
    // A column dragged to `pixels` wide, or given back its own width (-1); the widths are remembered.
    void resizeColumn(int column, int pixels);
    void fitToScreen();

    sheets::SheetForm& m_model;
    TextGridView* m_grid;
    QTableView* m_header;
    QList<CommandLabel*> m_commands;
    ColumnWidths m_dragged; // twips
};

// Opens the sheet of `kind` modally on the project of `state`, with `dialog` for its entries;
// `prompter` shows the sheet's messages (and the dialog's). Returns when the window is closed, at once
// (after a message) when its work file cannot be read. `opened` is told the sheet and its window
// once both exist (the entry dialog reads the sheet's rows and is modal to its window).
void showSheetForm(QWidget* parent, AppState& state, QtPrompter& prompter, sheets::EntryDialog& dialog,
                   sheets::SheetKind kind,
                   const std::function<void(sheets::SheetForm&, QWidget*)>& opened = {});

} // namespace tv::ui
