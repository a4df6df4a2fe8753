// The undo and redo commands of a window.
#include "ui/common/undo_actions.h"

#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
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

namespace {

class SpentUndoKeys : public QObject {
public:
    explicit SpentUndoKeys(QLineEdit* editor) : QObject(editor), m_editor(editor) {
        editor->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, event);
        const QKeyCombination keys = static_cast<QKeyEvent*>(event)->keyCombination();
        const bool undo = keys == QKeyCombination(Qt::CTRL | Qt::Key_Z);
        const bool redo = keys == QKeyCombination(Qt::CTRL | Qt::Key_Y) ||
                          keys == QKeyCombination(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
        if ((undo && !m_editor->isUndoAvailable()) || (redo && !m_editor->isRedoAvailable())) {
            event->ignore(); // not the editor's: the window's shortcut runs
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* m_editor;
};

} // namespace

void passSpentUndoKeys(QLineEdit* editor) {
    new SpentUndoKeys(editor);
}

void showUndoMenu(const UndoActions& actions, const QPoint& globalPosition) {
    QMenu menu;
    menu.addAction(actions.undo);
    menu.addAction(actions.redo);
    menu.exec(globalPosition);
}

} // namespace tv::ui
