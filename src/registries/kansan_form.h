// 隅肉6㍉換算率登録: the window model that edits the weld conversion rates of one symbol at a time.
//
// The grid has a header row and one row per thickness 4 … 40 (column 0 thickness, 1 rate, 2 hidden).
// The table changes in memory only: 保存 writes the file, 終了 drops every unsaved change. Applying
// the grid writes each thickness's rate into every table row of the chosen symbol and that
// thickness, so that rows repeated in a hand-edited file all carry the rate the window showed.
#pragma once

#include "registries/kansan_table.h"
#include "registries/registry_grid.h"
#include "services/prompter.h"
#include "services/text_grid.h"
#include "shell/data_root.h"

#include <QObject>

#include <functional>

namespace tv::registries {

class KansanForm : public QObject {
    Q_OBJECT
public:
    enum Column { ThicknessColumn = 0, RateColumn = 1, HiddenColumn = 2 };
    static constexpr int kColumns = 3;

    // The asker shows the symbol-name dialog (KigouForm) and returns its result, empty when cancelled.
    KansanForm(const shell::DataRoot& root, services::Prompter& prompter, QObject* parent = nullptr);
    void setAskSymbol(std::function<QString()> askSymbol) { m_askSymbol = std::move(askSymbol); }

    static QString title() { return QStringLiteral("隔肉6㍉換算率"); }
    static QString label1() { return QStringLiteral("溶接記号"); }
    static QString commandCaption(int index); // CmdGd(0) … CmdGd(5)

    // Loads the registry. A file that cannot be read is refused with its message and false: the
    // window does not open, so nothing can overwrite the file.
    bool open();

    const QString& NameTx() const { return m_nameTx; }
    const QStringList& NameList() const { return m_nameList; }
    bool isNameListVisible() const { return m_nameListVisible; }
    const services::TextGrid& DataGrid() const { return m_grid; }
    // The grid for the view that shows it; the view keeps its current cell and top row there.
    services::TextGrid* gridForView() { return &m_grid; }
    const KansanTable& table() const { return m_table; }
    bool isEditorVisible() const { return m_editorVisible; }
    bool isClosed() const { return m_closed; }

    // CmdGd(index): 0 保存, 1 終了, 2 ▼, 3 選択行削除, 4 記号登録, 5 クリア.
    void command(int index);
    void save();
    void close();
    void openNameList();
    void deleteSelectedRow();
    void registerSymbol();
    void clear();

    void clickNameTx();
    void chooseSymbol(int index); // an entry of NameList
    void mouseOverBackground();
    void setCurrentCell(int row, int column);
    services::CellOffer clickCell(int row, int column);
    bool editorTextChanged(const QString& text);
    // The view's editor handed its text to the cell (Enter, an arrow, or a click elsewhere).
    void commitCell(int row, int column, const QString& text);
    // The view's editor met a character that cannot be stored: the refusal message.
    void refuseCharacter(char32_t character);
    void editorKey(EditorKey key);
    void hideEditor();

    void applyGrid();

Q_SIGNALS:
    void changed();
    void gridChanged();
    void cellChanged(int row, int column);
    void editorMoved();
    void closeRequested();

private:
    QString path() const;
    bool isDataRow(int row) const { return row >= 1 && row < m_grid.rowCount(); }
    void emptyRates();

    shell::DataRoot m_root;
    services::Prompter& m_prompter;
    std::function<QString()> m_askSymbol;
    KansanTable m_table;
    QString m_nameTx;
    QStringList m_nameList;
    bool m_nameListVisible = false;
    services::TextGrid m_grid;
    bool m_editorVisible = false;
    bool m_closed = false;
};

} // namespace tv::registries
