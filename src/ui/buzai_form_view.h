// 部材単位重量登録 on screen, and the small Qt pieces the registry windows share: command captions,
// the background, the twips conversion and the binding of a window model to its grid view.
#pragma once

#include "registries/buzai_form.h"
#include "shell/data_root.h"
#include "ui/command_label.h"
#include "ui/text_grid_view.h"

#include <QDialog>
#include <QLineEdit>

#include <functional>

class QListWidget;

namespace tv::ui {

// A command caption (CmdGd(index)) of a registry window, red while the pointer is over it.
CommandLabel* makeRegistryCommand(int index, const QString& caption, QWidget* parent);

// Twips to pixels of `widget`'s screen.
int twipsToPixels(const QWidget* widget, int twips);
// Paints `widget`'s background in the registry windows' colour.
void paintRegistryBackground(QWidget* widget);

// Hands Enter and the up and down arrows of a grid's in-place editor to `onKey` instead of the grid.
class EditorKeyFilter : public QObject {
public:
    EditorKeyFilter(QLineEdit* editor, std::function<void(registries::EditorKey)> onKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(registries::EditorKey)> m_onKey;
};

// Connects a registry window model to its grid view: what a cell offers, commits and refusals, the
// editor's text written into the cell as it changes, the editor's keys, and redraws.
template <class Model> void bindRegistryGrid(TextGridView* view, Model& model) {
    view->setOfferCallback([&model](int row, int column) { return model.clickCell(row, column); });
    view->setCommitCallback(
        [&model](int row, int column, const QString& text) { model.commitCell(row, column, text); });
    view->setErrorCallback([&model](int, int, char32_t character) { model.refuseCharacter(character); });
    QLineEdit* editor = view->lineEditor();
    // textChanged, not textEdited: an editor opened by typing a character starts with that text.
    QObject::connect(editor, &QLineEdit::textChanged, view, [view, editor, &model](const QString& text) {
        if (!view->isEditing())
            return;
        const auto& grid = model.DataGrid();
        const bool taken = model.editorTextChanged(text);
        const QString& cell = grid.text(grid.currentRow(), grid.currentColumn());
        if (editor->text() != cell) { // refused, or stored with "’" for "'"
            const int cursor = editor->cursorPosition();
            editor->setText(cell);
            editor->setCursorPosition(qMin(cursor, int(cell.size())));
        }
        if (!taken && view->isEditing())
            editor->setFocus(Qt::OtherFocusReason);
    });
    new EditorKeyFilter(editor, [view, &model](registries::EditorKey key) {
        if (view->commitEditor())
            model.editorKey(key);
    });
    QObject::connect(&model, &Model::editorMoved, view, [view, &model] {
        const auto& grid = model.DataGrid();
        const int row = grid.currentRow();
        const int column = grid.currentColumn();
        view->setCurrentIndex(view->model()->index(row, column));
        view->activateCell(row, column);
    });
    QObject::connect(&model, &Model::gridChanged, view, [view] { view->refresh(); });
    QObject::connect(&model, &Model::cellChanged, view,
                     [view](int row, int) { view->refreshRows(row, row); });
    QObject::connect(&model, &Model::changed, view, [view, &model] {
        if (!model.isEditorVisible() && view->isEditing())
            view->cancelEditor();
    });
}

class BuzaiFormView : public QDialog {
    Q_OBJECT
public:
    explicit BuzaiFormView(registries::BuzaiForm& model, QWidget* parent = nullptr);

    void reject() override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showState();
    void editorTextEdited(const QString& text);

    registries::BuzaiForm& m_model;
    QLineEdit* m_nameTx;
    QListWidget* m_nameList;
    TextGridView* m_grid;
};

// Opens the window modally over the registry of `root`; returns when it is closed.
void showBuzaiForm(QWidget* parent, const shell::DataRoot& root);

} // namespace tv::ui
