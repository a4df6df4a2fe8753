// The registry windows on screen: what the unit-weight and weld-rate windows share.
#include "ui/registries/registry_form_view.h"

#include "ui/common/screen_fit.h"
#include "ui/common/undo_actions.h"

#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <memory>

namespace tv::ui {

using registries::EditorKey;
using registries::RegistryForm;

EditorKeyFilter::EditorKeyFilter(QLineEdit* editor, std::function<void(EditorKey)> onKey)
    : QObject(editor), m_onKey(std::move(onKey)) {
    editor->installEventFilter(this);
}

bool EditorKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_onKey(EditorKey::Enter);
        return true;
    case Qt::Key_Up:
        m_onKey(EditorKey::Up);
        return true;
    case Qt::Key_Down:
        m_onKey(EditorKey::Down);
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

void bindRegistryGrid(TextGridView* view, RegistryForm& model) {
    // Whether the last commit was refused: the editor then stays on its cell instead of moving.
    auto refused = std::make_shared<bool>(false);
    view->setOfferCallback([&model](int row, int column) { return model.clickCell(row, column); });
    view->setCommitCallback([&model, refused](int row, int column, const QString& text) {
        *refused = !model.commitCell(row, column, text);
    });
    view->setErrorCallback([&model](int, int, char32_t character) { model.refuseCharacter(character); });
    QLineEdit* editor = view->lineEditor();
    // textChanged, not textEdited: an editor opened by typing a character starts with that text.
    QObject::connect(editor, &QLineEdit::textChanged, view, [view, editor, &model](const QString& text) {
        if (!view->isEditing())
            return;
        const auto& grid = model.DataGrid();
        const bool taken = model.editorTextChanged(text);
        const QString& cell = grid.text(grid.currentRow(), grid.currentColumn());
        if (editor->text() != cell) { // refused, or stored half-width or with "’" for "'"
            const int cursor = editor->cursorPosition();
            editor->setText(cell);
            editor->setCursorPosition(qMin(cursor, int(cell.size())));
        }
        if (!taken && view->isEditing())
            editor->setFocus(Qt::OtherFocusReason);
    });
    new EditorKeyFilter(editor, [view, &model, refused](EditorKey key) {
        *refused = false;
        if (view->commitEditor() && !*refused)
            model.editorKey(key);
    });
    QObject::connect(&model, &RegistryForm::editorMoved, view, [view, &model] {
        const auto& grid = model.DataGrid();
        const int row = grid.currentRow();
        const int column = grid.currentColumn();
        view->setCurrentIndex(view->model()->index(row, column));
        view->activateCell(row, column);
    });
    QObject::connect(&model, &RegistryForm::gridChanged, view, [view] { view->refresh(); });
    QObject::connect(&model, &RegistryForm::cellChanged, view,
                     [view](int row, int) { view->refreshRows(row, row); });
    QObject::connect(&model, &RegistryForm::changed, view, [view, &model] {
        if (!model.isEditorVisible() && view->isEditing())
            view->cancelEditor();
    });
}

RegistryFormView::RegistryFormView(RegistryForm& model, const QString& title, QString (*caption)(int),
                                   const QString& label, QWidget* parent)
    : QDialog(parent), m_model(model), m_nameTx(new QLineEdit(this)), m_nameList(new QListWidget(this)),
      m_grid(new TextGridView(model.gridForView(), this)), m_layout(new QVBoxLayout(this)) {
    setWindowTitle(title);
    paintRegistryBackground(this);
    setMouseTracking(true);

    m_nameTx->setObjectName(QStringLiteral("NameTx"));
    m_nameTx->setReadOnly(true);
    m_nameTx->installEventFilter(this);
    m_nameList->setObjectName(QStringLiteral("NameList"));
    m_nameList->hide();
    m_grid->setObjectName(QStringLiteral("DataGrid"));

    auto* nameRow = new QHBoxLayout;
    if (!label.isEmpty()) {
        auto* label1 = new QLabel(label, this);
        label1->setObjectName(QStringLiteral("Label1"));
        nameRow->addWidget(label1);
    }
    nameRow->addWidget(m_nameTx, 1);
    auto* open = makeRegistryCommand(2, caption(2), this);
    nameRow->addWidget(open);
    connect(open, &CommandLabel::clicked, &m_model, &RegistryForm::command);
    auto* commands = new QGridLayout;
    const int placement[][3] = {{0, 0, 0}, {1, 0, 1}, {3, 1, 0}, {4, 1, 1}, {5, 2, 0}, {6, 2, 1}};
    for (const auto& p : placement) {
        auto* command = makeRegistryCommand(p[0], caption(p[0]), this);
        commands->addWidget(command, p[1], p[2]);
        connect(command, &CommandLabel::clicked, &m_model, &RegistryForm::command);
    }
    m_layout->addLayout(nameRow);
    m_layout->addWidget(m_grid, 1);
    m_layout->addLayout(commands);

    bindRegistryGrid(m_grid, m_model);
    // 元に戻す and やり直し: the keys anywhere in the window (the cell editor's own typing first) and
    // a right click on the grid. An open editor is dropped first: the step puts back its cell.
    const auto leaveEditor = [this] {
        m_grid->cancelEditor();
        m_model.hideEditor();
    };
    const UndoActions undo = addUndoActions(
        this, m_model.history(),
        [this, leaveEditor] {
            leaveEditor();
            m_model.undo();
        },
        [this, leaveEditor] {
            leaveEditor();
            m_model.redo();
        });
    passSpentUndoKeys(m_grid->lineEditor());
    connect(m_grid, &TextGridView::cellRightClicked, this, [undo] { showUndoMenu(undo, QCursor::pos()); });
    connect(m_nameList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_model.chooseName(m_nameList->row(item));
        m_grid->setFocus(Qt::OtherFocusReason);
    });
    connect(&m_model, &RegistryForm::changed, this, &RegistryFormView::showState);
    connect(&m_model, &RegistryForm::closeRequested, this, [this] { QDialog::reject(); });
    showState();
}

void RegistryFormView::showState() {
    m_nameTx->setText(m_model.NameTx());
    if (!m_model.isNameListVisible()) {
        m_nameList->hide();
        return;
    }
    m_nameList->clear();
    m_nameList->addItems(m_model.NameList());
    const QRect under = m_nameTx->geometry();
    m_nameList->setGeometry(
        under.left(), under.bottom() + 1, under.width(),
        twipsToPixels(this, registries::nameListHeightTwips(int(m_model.NameList().size()))));
    m_nameList->show();
    m_nameList->raise();
}

void RegistryFormView::reject() {
    if (m_model.isClosed())
        QDialog::reject();
    else
        m_model.close();
}

void RegistryFormView::mouseMoveEvent(QMouseEvent* event) {
    QDialog::mouseMoveEvent(event);
    m_model.mouseOverBackground();
}

bool RegistryFormView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_nameTx && event->type() == QEvent::MouseButtonPress) {
        m_model.clickNameTx();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tv::ui
