// What the column and beam dialogs share on screen: the floor field, the input fields and the
// read-only captions over the model, a row of commands kept in view above a body that scrolls on a
// small screen, F12 for OK from anywhere in the dialog, 元に戻す / やり直し over the model's history,
// and fitting the window to the screen when it first shows.
#pragma once

#include "services/undo_stack.h"
#include "ui/common/undo_actions.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <initializer_list>

class QLabel;
class QVBoxLayout;
class QLineEdit;
class QScrollArea;

namespace tv::ui {

class CommandLabel;
class TextGridView;

class EntryDialogView : public QDialog {
    Q_OBJECT
public:
    QLineEdit* floorField() const { return m_kaiTx; }
    QLineEdit* input(int index) const { return m_inpTx.at(index); }
    QLabel* info(int index) const { return m_infoGd.at(index); }
    CommandLabel* command(int index) const { return m_commandLabels.at(index); }
    const UndoActions& undoActions() const { return m_undo; }

    // Escape and the close box act as キャンセル.
    void reject() override;

protected:
    // `caption` gives the caption of each command by its number; command 0 is OK. The dialog has
    // `inputs` input fields and `captions` read-only captions, made by the dialog itself.
    EntryDialogView(QString (*caption)(int), int inputs, int captions, QWidget* parent);

    // Lays the dialog out as the commands `row` (then the F12 note) above `content`, which scrolls
    // when the screen is too small for it.
    void layOut(std::initializer_list<int> row, QWidget* content);
    // A command caption that runs runCommand(index) when clicked.
    CommandLabel* addCommand(int index);
    // The read-only caption InfoGd(index), at least `characters` wide.
    QLabel* makeInfo(int index, int characters, QWidget* parent);
    // The plate grid under its `heading`, its row `commands` and the `notes` beside them, with the
    // `notesBelow` under the grid.
    QWidget* makePlatePanel(TextGridView* grid, const QString& heading, std::initializer_list<int> commands,
                            const QStringList& notes, const QStringList& notesBelow);
    // 【耐火被覆】: the coating `grid` under its row `commands`, the shape `note`, and beside them (under
    // them with `picturesBelow`) the fourteen coating shapes drawn by `picture`, `perRow` to a row.
    QWidget* makeCoatingPanel(TextGridView* grid, std::initializer_list<int> commands, const QString& note,
                              const std::function<QWidget*(int shape, QWidget* parent)>& picture, int perRow,
                              bool picturesBelow = false);

    // 元に戻す and やり直し of the model's `history`, which `undo` and `redo` run: Ctrl+Z, Ctrl+Y and
    // Ctrl+Shift+Z, and a context menu on the dialog's background (showUndoMenu() elsewhere). The
    // fields and the editors of `grids` take back their own typing first; leaving a field ends its
    // step, so that typing there again is a step of its own. Before a step is taken back or made
    // again, `leaveEditing` closes the window's own lists and the grids' editors close, so that each
    // cell shows the step's text.
    void addUndo(services::UndoStack& history, std::function<void()> undo, std::function<void()> redo,
                 const QList<TextGridView*>& grids, std::function<void()> leaveEditing);
    // The menu of the two commands at the pointer.
    void showUndoMenu();
    void contextMenuEvent(QContextMenuEvent* event) override;

    // Redraws the view from the model; what the redraw itself sets in the fields goes nowhere.
    void showState();

    // Runs command `index` of the dialog.
    virtual void runCommand(int index) = 0;
    // Sets every field, option, grid and picture as the model has it.
    virtual void showModelState() = 0;
    // Closes the lists open under the fields and grid cells.
    virtual void closeLists() = 0;
    // Tells the model that the entry is given up (キャンセル, Escape, the close box).
    virtual void cancelEntry() = 0;

    // F12 anywhere in the dialog (the fields and grid editors pass it on) runs OK.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    static bool isEnter(int key);

    QScrollArea* m_scroll;
    QLineEdit* m_kaiTx;
    QList<QLineEdit*> m_inpTx;
    QList<QLabel*> m_infoGd;
    QList<CommandLabel*> m_commandLabels;

private:
    QVBoxLayout* gridUnderCommands(QWidget* panel, const QString& heading,
                                   std::initializer_list<int> commands, const QStringList& notes,
                                   TextGridView* grid);

    QString (*m_caption)(int);
    UndoActions m_undo;
    bool m_showing = false;
    bool m_fitted = false;
};

// Puts `cell` into a grid's in-place `editor` where the editor shows other text (the model refused
// what was typed, or stored it in half-width letters), keeping the cursor where it was.
void showCellInEditor(QLineEdit* editor, const QString& cell);

} // namespace tv::ui
