// The undo and redo commands of a window.
#include "ui/common/undo_actions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QWidget>

namespace tv::ui {

UndoActions addUndoActions(QWidget* window, services::UndoStack& history, std::function<void()> undo,
                           std::function<void()> redo) {
    UndoActions actions;
    actions.undo = new QAction(QStringLiteral("元に戻す"), window);
    actions.undo->setObjectName(QStringLiteral("UndoAction"));
    actions.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    actions.redo = new QAction(QStringLiteral("やり直し"), window);
    actions.redo->setObjectName(QStringLiteral("RedoAction"));
    actions.redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction* action : {actions.undo, actions.redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    QObject::connect(actions.undo, &QAction::triggered, window, [undo = std::move(undo)] { undo(); });
    QObject::connect(actions.redo, &QAction::triggered, window, [redo = std::move(redo)] { redo(); });
    const auto enable = [actions, &history] {
        actions.undo->setEnabled(history.canUndo());
        actions.redo->setEnabled(history.canRedo());
    };
    QObject::connect(&history, &services::UndoStack::changed, window, enable);
    enable();
    return actions;
}

void showUndoMenu(const UndoActions& actions, const QPoint& globalPosition) {
    QMenu menu;
    menu.addAction(actions.undo);
    menu.addAction(actions.redo);
    menu.exec(globalPosition);
}

} // namespace tv::ui
