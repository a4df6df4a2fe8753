// 隅肉6㍉換算率登録: the window model that edits the weld conversion rates of one symbol at a time.
//
// The grid has a header row and one row per thickness 4 … 40 (column 0 thickness, 1 rate, 2 hidden).
// The table changes in memory only: 保存 writes the file, 終了 asks before it drops unsaved edits.
// Applying the grid writes each thickness's rate into every table row of the chosen symbol and that
// thickness, so that rows repeated in a hand-edited file all carry the rate the window showed.
#pragma once

#include "registries/kansan_table.h"
#include "registries/registry_form.h"

#include <functional>

namespace tv::registries {

class KansanForm : public RegistryForm {
    Q_OBJECT
public:
    enum Column { ThicknessColumn = 0, RateColumn = 1, HiddenColumn = 2 };
    static constexpr int kColumns = 3;

    KansanForm(const shell::DataRoot& root, services::Prompter& prompter, QObject* parent = nullptr);
    // The asker shows the symbol-name dialog (KigouForm) and returns its result, empty when cancelled.
    void setAskSymbol(std::function<QString()> askSymbol) { m_askSymbol = std::move(askSymbol); }

    static QString title() { return QStringLiteral("隅肉6㍉換算率"); }
    static QString label1() { return QStringLiteral("溶接記号"); }
    static QString commandCaption(int index); // CmdGd(0) … CmdGd(5)

    const KansanTable& table() const { return m_table; }

    // CmdGd(index): 0 保存, 1 終了, 2 ▼, 3 選択行削除, 4 記号登録, 5 クリア.
    void deleteSelectedRow();
    // Applies the shown rates to the current symbol first, so that none is lost; the new symbol then
    // starts from the rates shown.
    void registerSymbol();
    void clear();
    void chooseSymbol(int index) { chooseName(index); } // an entry of NameList
    void applyGrid() override;

protected:
    // The rate column holds the only editable cells, and they are numbers.
    bool isEditableColumn(int column) const override { return column == RateColumn; }
    bool isNumberColumn(int column) const override { return column == RateColumn; }
    services::Status saveTable(const QString& path) const override { return m_table.save(path); }
    services::Status loadTable(const QString& path) override { return m_table.load(path); }
    QStringList tableNames() const override { return m_table.symbols(); }
    // Every rate emptied, then the chosen symbol's rates by thickness.
    void showChosenName() override;
    // Enter and the down arrow move one rate down, the up arrow one up.
    QPoint nextCell(EditorKey key, int row, int column, int last) const override;
    void rowCommand(int index) override;
    RegistryKind registryKind() const override { return RegistryKind::WeldRates; }
    ImportCounts takeOver(const ImportSource& source, bool apply, bool replace) override {
        if (!apply)
            return countImport(m_table, source.rates);
        return applyImport(m_table, source.rates, replace);
    }
    TableState tableState() const override;
    void restoreTable(const TableState& state) override;
    QString rowLabel(int row) const override;
    void saveWithoutName() override { close(); }

private:
    void emptyRates();

    std::function<QString()> m_askSymbol;
    KansanTable m_table;
};

} // namespace tv::registries
