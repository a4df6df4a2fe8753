// What the two registry windows (unit weights, weld rates) share: the chosen name and its drop-down
// list, the grid with its in-place editor, saving with a check of the number cells, and closing with
// a question when something was edited since the last save.
//
// A subclass holds its table and says how it is read, written and shown: which columns the editor
// opens on, which of them hold numbers, how the grid goes back into the table, and how the editor's
// keys move. Every edit a user makes goes through commitCell or editorTextChanged, so that the
// question on closing sees it.
//
// Every change of the name shown, the grid or the table since the window opened is a step of
// history(); undo and redo put back the name, the grid and the table as they were. Saving is not a
// step: a change taken back after 保存 counts as unsaved again.
#pragma once

#include "registries/registry_grid.h"
#include "registries/registry_import.h"
#include "services/file_chooser.h"
#include "services/grid_snapshot.h"
#include "services/prompter.h"
#include "services/snapshot_step.h"
#include "services/status.h"
#include "services/text_grid.h"
#include "shell/data_root.h"

#include <QObject>
#include <QPoint>

#include <optional>

namespace tv::registries {

class RegistryForm : public QObject {
    Q_OBJECT
public:
    // The window's own wording: its file in `set` and the messages of a click on NameTx and of a click
    // on the grid before a name is chosen.
    struct Texts {
        QString fileName;
        QString nameTxMessage;
        QString chooseNameMessage;
    };

    RegistryForm(const shell::DataRoot& root, services::Prompter& prompter, Texts texts,
                 QObject* parent = nullptr);

    // Loads the registry and fills the name list. A file that cannot be read is refused with its
    // message and false: the window does not open, so nothing can overwrite the file.
    bool open();

    const QString& NameTx() const { return m_nameTx; }
    const QStringList& NameList() const { return m_nameList; }
    bool isNameListVisible() const { return m_nameListVisible; }
    const services::TextGrid& DataGrid() const { return m_grid; }
    // The grid for the view that shows it; the view keeps its current cell and top row there.
    services::TextGrid* gridForView() { return &m_grid; }
    bool isEditorVisible() const { return m_editorVisible; }
    bool isClosed() const { return m_closed; }
    // Something was edited since the registry was loaded or last saved.
    bool hasUnsavedChanges() const { return m_dirty; }

    // CmdGd(index): 0 保存, 1 終了, 2 ▼, 6 他物件から取込; the others are the window's own.
    static constexpr int kImportCommand = 6;
    void command(int index);
    // 他物件から取込: a project file chosen, what it would add and replace shown and confirmed, then its
    // rows taken into the table (one step of the history; saved with 保存 like any edit). The grid's
    // edits are applied to the table first and kept.
    void importFromProject();
    void setFileChooser(services::FileChooser* chooser) { m_fileChooser = chooser; }
    static QString importCaption() { return QStringLiteral("他物件から取込"); }
    // 保存: applies the grid and writes the file, after asking when number cells do not read as
    // numbers. False when nothing was written.
    bool save();
    // 終了 and the close box: asks whether to save unsaved edits (Yes / No / Cancel).
    void close();
    void openNameList();
    void mouseOverBackground();
    void clickNameTx();
    // An entry of NameList chosen: the grid applied to the table, then the entry's rows shown.
    void chooseName(int index);

    // The grid's current cell moved (click or keys) without opening the editor.
    void setCurrentCell(int row, int column);
    // A click on a grid cell: the editor opens over it (Text) or nothing does (None).
    services::CellOffer clickCell(int row, int column);
    // The editor's text changed: written into its cell at once. A character that cannot be stored is
    // refused with a message and false; the cell keeps its text.
    bool editorTextChanged(const QString& text);
    // The view's editor handed its text to the cell (Enter, an arrow, Tab or a click elsewhere).
    // False when the cell refuses it: the message was shown, the cell went back to the text it had
    // when the editor opened, and the editor reopens there.
    bool commitCell(int row, int column, const QString& text);
    // The view's editor met a character that cannot be stored: the refusal message.
    void refuseCharacter(char32_t character);
    // Enter or an arrow in the editor: the current cell moves and the editor reopens there.
    void editorKey(EditorKey key);
    void hideEditor();

    // Writes the grid into the table; nothing without a chosen name.
    virtual void applyGrid() = 0;

    // 元に戻す and やり直し: false when there is nothing to take back or make again.
    services::UndoStack& history() { return m_history; }
    bool undo() { return m_history.undo(); }
    bool redo() { return m_history.redo(); }

Q_SIGNALS:
    void changed();                        // any state besides the grid's cells
    void gridChanged();                    // cells, rows or captions of the grid
    void cellChanged(int row, int column); // one cell written by the editor
    void editorMoved();                    // the editor opened over the current cell
    void closeRequested();

protected:
    // What the history keeps of a subclass's table: its rows as texts and, where the window keeps
    // it, the table row that each grid row shows.
    struct TableState {
        QList<QStringList> rows;
        QList<qsizetype> gridOrigins;
        bool operator==(const TableState&) const = default;
    };
    struct State {
        QString nameTx;
        services::GridSnapshot grid;
        TableState table;
        bool operator==(const State&) const = default;
    };
    // Runs through a command that changes the name, the grid or the table: records it as a step.
    using Change = services::RecordedChange<State>;
    virtual RegistryKind registryKind() const = 0;
    // Counts (into a copy) or takes over (into the table) the rows of the source.
    virtual ImportCounts takeOver(const ImportSource& source, bool apply, bool replace) = 0;
    virtual TableState tableState() const = 0;
    virtual void restoreTable(const TableState& state) = 0;
    // The key under which the keystrokes in one cell are one step.
    int cellKey(int row, int column) const { return row * m_grid.columnCount() + column; }

    virtual void rowCommand(int index) = 0;
    virtual services::Status loadTable(const QString& path) = 0;
    virtual services::Status saveTable(const QString& path) const = 0;
    virtual QStringList tableNames() const = 0;
    // Fills the grid with the rows of the name just chosen.
    virtual void showChosenName() = 0;
    // Where a key in the editor on (row, column) moves it, within the data rows 1 … last.
    virtual QPoint nextCell(EditorKey key, int row, int column, int last) const = 0;
    virtual bool isEditableColumn(int column) const = 0;
    virtual bool isNumberColumn(int column) const = 0;
    // How a grid row is named in a message ("3行目").
    virtual QString rowLabel(int row) const = 0;
    // A refusal of the text committed to a cell, or nullopt when the cell takes it.
    virtual std::optional<QString> refusal(int row, int column, const QString& text) const;
    // 保存 with no name chosen.
    virtual void saveWithoutName() {}

    bool isDataRow(int row) const { return row >= 1 && row < m_grid.rowCount(); }
    void markEdited() { m_dirty = true; }
    // Asks "選択行を削除します。"; true on OK.
    bool confirmRowDeletion();
    // Emits editorMoved at (row, column).
    void moveEditor(int row, int column);
    // The name list as the table has it now.
    void refreshNameList() { m_nameList = tableNames(); }
    // Takes the name (with the grid applied to the former one first) and hides the list and editor.
    void takeName(const QString& name);
    void tell(const QString& message);

    services::Prompter& m_prompter;
    services::TextGrid m_grid;
    QString m_nameTx;
    services::UndoStack m_history;
    services::SnapshotHistory<State> m_states{
        m_history, [this] { return State{m_nameTx, {m_grid}, tableState()}; },
        [this](const State& state) { restore(state); }};

private:
    void restore(const State& state);
    QString path() const;
    // The cells of number columns that do not read as numbers: their count and the first one's row.
    std::pair<int, int> unreadableNumbers() const;

    shell::DataRoot m_root;
    Texts m_texts;
    QStringList m_nameList;
    bool m_nameListVisible = false;
    bool m_editorVisible = false;
    bool m_closed = false;
    bool m_dirty = false;
    QString m_editStartText; // the cell's text when the editor opened on it
    services::FileChooser* m_fileChooser = nullptr;
};

} // namespace tv::registries
