// 元に戻す and やり直し of a window over its model's history: Ctrl+Z, and Ctrl+Y or Ctrl+Shift+Z,
// anywhere in the window (a cell editor that is open takes them for its own text first), and the two
// commands in a context menu where the window opens one.
#pragma once

#include "services/undo_stack.h"

#include <functional>

class QAction;
class QLineEdit;
class QPoint;
class QWidget;

namespace tv::ui {

struct UndoActions {
    QAction* undo = nullptr;
    QAction* redo = nullptr;
};

// Adds the two commands to `window`, enabled while `history` has a step to take back or make again;
// they run `undo` and `redo` (the model's, which save and redraw as after any change).
UndoActions addUndoActions(QWidget* window, services::UndoStack& history, std::function<void()> undo,
                           std::function<void()> redo);

// Ctrl+Z and Ctrl+Y in a cell editor take back and make again the editor's own typing first; once it
// has nothing left to take back or make again, the keys reach the window's commands.
void passSpentUndoKeys(QLineEdit* editor);

// The context menu of the two commands at `globalPosition`.
void showUndoMenu(const UndoActions& actions, const QPoint& globalPosition);

} // namespace tv::ui
