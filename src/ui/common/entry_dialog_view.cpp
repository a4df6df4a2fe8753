// What the column and beam dialogs share on screen.
#include "ui/common/entry_dialog_view.h"

#include "ui/common/command_label.h"
#include "ui/common/entry_dialog_parts.h"
#include "ui/common/window_look.h"

#include "ui/common/text_grid_view.h"

#include <QContextMenuEvent>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace tv::ui {

EntryDialogView::EntryDialogView(QString (*caption)(int), int inputs, int captions, QWidget* parent)
    : QDialog(parent), m_scroll(new QScrollArea(this)), m_kaiTx(new QLineEdit(this)),
      m_inpTx(inputs, nullptr), m_infoGd(captions, nullptr), m_caption(caption) {
    paintRegistryBackground(this);
}

void EntryDialogView::layOut(std::initializer_list<int> row, QWidget* content) {
    auto* commands = new QWidget;
    auto* line = new QHBoxLayout(commands);
    line->setContentsMargins(0, 0, 0, 0);
    for (int index : row)
        line->addWidget(addCommand(index));
    line->addWidget(noteLabel(QStringLiteral("F12キーでもOKできます。"), commands));
    line->addStretch(1);
    // The commands in the order of their numbers, for command(index).
    std::sort(m_commandLabels.begin(), m_commandLabels.end(),
              [](const CommandLabel* a, const CommandLabel* b) { return a->index() < b->index(); });
    layOutUnderCommands(*this, commands, m_scroll, content);
}

CommandLabel* EntryDialogView::addCommand(int index) {
    auto* label = makeRegistryCommand(index, m_caption(index), this);
    connect(label, &CommandLabel::clicked, this, &EntryDialogView::runCommand);
    m_commandLabels.append(label);
    return label;
}

QVBoxLayout* EntryDialogView::gridUnderCommands(QWidget* panel, const QString& heading,
                                                std::initializer_list<int> commands, const QStringList& notes,
                                                TextGridView* grid) {
    auto* box = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    top->addWidget(headingLabel(heading, panel));
    for (int index : commands)
        top->addWidget(addCommand(index));
    for (const QString& note : notes)
        top->addWidget(noteLabel(note, panel));
    top->addStretch(1);
    box->addLayout(top);
    box->addWidget(grid, 0, Qt::AlignLeft);
    return box;
}

QWidget* EntryDialogView::makePlatePanel(TextGridView* grid, const QString& heading,
                                         std::initializer_list<int> commands, const QStringList& notes,
                                         const QStringList& notesBelow) {
    auto* panel = new QWidget;
    QVBoxLayout* box = gridUnderCommands(panel, heading, commands, notes, grid);
    box->setContentsMargins(0, 0, 0, 0);
    panel->setLayout(box);
    for (const QString& note : notesBelow)
        box->addWidget(noteLabel(note, panel));
    return panel;
}

QWidget* EntryDialogView::makeCoatingPanel(TextGridView* grid, std::initializer_list<int> commands,
                                           const QString& note,
                                           const std::function<QWidget*(int, QWidget*)>& picture, int perRow,
                                           bool picturesBelow) {
    auto* panel = new QWidget;
    QBoxLayout* row =
        picturesBelow ? static_cast<QBoxLayout*>(new QVBoxLayout(panel)) : new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    QVBoxLayout* box = gridUnderCommands(panel, QStringLiteral("【耐火被覆】"), commands, {}, grid);
    box->addWidget(noteLabel(note, panel));
    if (!picturesBelow)
        box->addStretch(1);
    row->addLayout(box);
    auto* shapes = new QGridLayout;
    shapes->setSpacing(2);
    for (int shape = 1; shape <= 14; ++shape)
        shapes->addWidget(picture(shape, panel), (shape - 1) / perRow, (shape - 1) % perRow);
    row->addLayout(shapes);
    row->addStretch(1);
    return panel;
}

void EntryDialogView::showState() {
    if (m_showing)
        return;
    m_showing = true;
    showModelState();
    m_showing = false;
}

void EntryDialogView::addUndo(services::UndoStack& history, std::function<void()> undo,
                              std::function<void()> redo, const QList<TextGridView*>& grids,
                              std::function<void()> leaveEditing) {
    QList<QLineEdit*> editors;
    for (TextGridView* grid : grids)
        editors << grid->lineEditor() << grid->listEditor();
    const auto leave = [grids, leaveEditing = std::move(leaveEditing)] {
        leaveEditing();
        for (TextGridView* grid : grids)
            grid->cancelEditor();
    };
    QList<QLineEdit*> fields = m_inpTx;
    fields.prepend(m_kaiTx);
    // After a step of the dialog the fields' own typing is history: Ctrl+Z and Ctrl+Y go on to the
    // dialog's steps instead of typing back what a step took away.
    const auto forgetTyping = [fields] {
        for (QLineEdit* field : fields) {
            if (field->isUndoAvailable() || field->isRedoAvailable()) {
                const int cursor = field->cursorPosition();
                field->setText(field->text());
                field->setCursorPosition(cursor);
            }
        }
    };
    m_undo = addUndoActions(
        this, history,
        [undo = std::move(undo), leave, forgetTyping] {
            leave();
            undo();
            forgetTyping();
        },
        [redo = std::move(redo), leave, forgetTyping] {
            leave();
            redo();
            forgetTyping();
        });
    for (QLineEdit* field : fields)
        connect(field, &QLineEdit::editingFinished, this, [&history] { history.endStep(); });
    for (QLineEdit* editor : fields + editors)
        passSpentUndoKeys(editor);
}

void EntryDialogView::showUndoMenu() {
    ui::showUndoMenu(m_undo, QCursor::pos());
}

void EntryDialogView::contextMenuEvent(QContextMenuEvent* event) {
    // A grid has its own right click (it empties a cell or opens this menu itself).
    for (QWidget* under = childAt(event->pos()); under; under = under->parentWidget()) {
        if (qobject_cast<TextGridView*>(under))
            return;
    }
    if (m_undo.undo)
        ui::showUndoMenu(m_undo, event->globalPos());
}

void EntryDialogView::reject() {
    closeLists();
    cancelEntry();
    QDialog::reject();
}

QLabel* EntryDialogView::makeInfo(int index, int characters, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("InfoGd_%1").arg(index));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(fontMetrics().averageCharWidth() * characters);
    m_infoGd[index] = label;
    return label;
}

void EntryDialogView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F12) {
        event->accept();
        runCommand(0);
        return;
    }
    QDialog::keyPressEvent(event);
}

void EntryDialogView::showEvent(QShowEvent* event) {
    if (!m_fitted) {
        m_fitted = true;
        fitToScreen(*this, m_scroll);
        // The grids widen to their texts in the window's own font once it is shown: fit again then,
        // so that a dialog that fits the screen shows no scroll bar.
        QTimer::singleShot(0, this, [this] { fitToScreen(*this, m_scroll); });
    }
    QDialog::showEvent(event);
}

bool EntryDialogView::isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void showCellInEditor(QLineEdit* editor, const QString& cell) {
    if (editor->text() == cell)
        return;
    const int cursor = editor->cursorPosition();
    editor->setText(cell);
    editor->setCursorPosition(std::min(cursor, int(cell.size())));
}

} // namespace tv::ui
