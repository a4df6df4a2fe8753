// 部材単位重量登録: the window model that edits the unit-weight registry one member name at a time.
//
// The table changes in memory only: 保存 writes the file, 終了 drops every unsaved change. The grid
// shows the chosen name's rows (column 0 number, 1 size, 2 unit weight, 3 extra, hidden); applying
// the grid writes it back into the table. Rows with the same name and size are matched in order:
// the k-th grid row of a size updates the k-th table row of that name and size, so that each of two
// equal rows keeps its own value and an edit of either is never lost.
#pragma once

#include "registries/buzai_weight_table.h"
#include "registries/registry_grid.h"
#include "services/prompter.h"
#include "services/text_grid.h"
#include "shell/data_root.h"

#include <QObject>

namespace tv::registries {

class BuzaiForm : public QObject {
    Q_OBJECT
public:
    enum Column { NumberColumn = 0, SizeColumn = 1, WeightColumn = 2, ExtraColumn = 3 };
    static constexpr int kColumns = 4;
    static constexpr int kOpeningRows = 100; // grid rows, header included, before a name is chosen
    static constexpr int kBlankRowsAfter = 100;

    BuzaiForm(const shell::DataRoot& root, services::Prompter& prompter, QObject* parent = nullptr);

    static QString title() { return QStringLiteral("部材単位重量登録"); }
    static QString commandCaption(int index); // CmdGd(0) … CmdGd(5)
    // The size pattern and the unit shown as column captions for a member name; empty for others.
    static QString sizeCaption(const QString& name);
    static QString weightCaption(const QString& name);

    // Loads the registry and fills the name list. A file that cannot be read is refused with its
    // message and false: the window does not open, so nothing can overwrite the file.
    bool open();

    const QString& NameTx() const { return m_nameTx; }
    const QStringList& NameList() const { return m_nameList; }
    bool isNameListVisible() const { return m_nameListVisible; }
    const services::TextGrid& DataGrid() const { return m_grid; }
    // The grid for the view that shows it; the view keeps its current cell and top row there.
    services::TextGrid* gridForView() { return &m_grid; }
    const BuzaiWeightTable& table() const { return m_table; }
    bool isEditorVisible() const { return m_editorVisible; }
    bool isClosed() const { return m_closed; }

    // CmdGd(index): 0 保存, 1 終了, 2 ▼, 3 選択行削除, 4 空白行削除, 5 空白行挿入.
    void command(int index);
    void save();
    void close();
    void openNameList();
    void deleteSelectedRow();
    void deleteBlankRow();
    void insertBlankRow();

    void clickNameTx();
    void chooseName(int index); // an entry of NameList
    void mouseOverBackground();
    // The grid's current cell moved (click or keys) without opening the editor.
    void setCurrentCell(int row, int column);
    // A click on a grid cell: the editor opens over it (Text) or nothing does (None).
    services::CellOffer clickCell(int row, int column);
    // The editor's text changed: written into its cell at once. A character that cannot be stored is
    // refused with a message and false; the cell keeps its text.
    bool editorTextChanged(const QString& text);
    // The view's editor handed its text to the cell (Enter, an arrow, or a click elsewhere).
    void commitCell(int row, int column, const QString& text);
    // The view's editor met a character that cannot be stored: the refusal message.
    void refuseCharacter(char32_t character);
    // Enter or an arrow in the editor: the current cell moves and the editor reopens there.
    void editorKey(EditorKey key);
    void hideEditor();

    // Writes the grid into the table (see the header comment); nothing without a chosen name.
    void applyGrid();

Q_SIGNALS:
    void changed();                        // any state besides the grid's cells
    void gridChanged();                    // cells, rows or captions of the grid
    void cellChanged(int row, int column); // one cell written by the editor
    void editorMoved();                    // the editor opened over the current cell
    void closeRequested();

private:
    QString path() const;
    void setupGrid(int rows);
    void renumber();
    bool isDataRow(int row) const { return row >= 1 && row < m_grid.rowCount(); }
    // Which table row a grid row stands for: the k-th table row of the chosen name with that size.
    qsizetype tableRowFor(int gridRow) const;

    shell::DataRoot m_root;
    services::Prompter& m_prompter;
    BuzaiWeightTable m_table;
    QString m_nameTx;
    QStringList m_nameList;
    bool m_nameListVisible = false;
    services::TextGrid m_grid;
    bool m_editorVisible = false;
    bool m_closed = false;
};

} // namespace tv::registries
