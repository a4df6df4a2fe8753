// 部材単位重量登録: the window model that edits the unit-weight registry one member name at a time.
//
// The table changes in memory only: 保存 writes the file, 終了 asks before it drops unsaved edits.
// The grid shows the chosen name's rows (column 0 number, 1 size, 2 unit weight, 3 extra, hidden),
// sizes in natural order (numbers by value). Each grid row remembers the table row it shows, so that
// applying the grid updates that row, a corrected size renames it, and rows of equal size in a
// hand-edited file each keep their own value. A size that another row of the name holds is refused.
#pragma once

#include "registries/buzai_weight_table.h"
#include "registries/registry_form.h"

namespace tv::registries {

class BuzaiForm : public RegistryForm {
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
    // Sizes in natural order: runs of digits compare by value, the rest as the grid compares text.
    static int compareSizes(const QString& a, const QString& b);

    const BuzaiWeightTable& table() const { return m_table; }

    // CmdGd(index): 0 保存, 1 終了, 2 ▼, 3 選択行削除, 4 空白行削除, 5 空白行挿入.
    void deleteSelectedRow();
    void deleteBlankRow();
    void insertBlankRow();
    void applyGrid() override;

protected:
    void rowCommand(int index) override;
    services::Status loadTable(const QString& path) override { return m_table.load(path); }
    services::Status saveTable(const QString& path) const override { return m_table.save(path); }
    QStringList tableNames() const override { return m_table.names(); }
    // The name's rows by size in natural order, after one empty row, then 100 empty rows.
    void showChosenName() override;
    // Enter: size → weight → size of the next row; the arrows move one row.
    QPoint nextCell(EditorKey key, int row, int column, int last) const override;
    bool isEditableColumn(int column) const override;
    bool isNumberColumn(int column) const override { return column == WeightColumn; }
    QString rowLabel(int row) const override;
    std::optional<QString> refusal(int row, int column, const QString& text) const override;
    RegistryKind registryKind() const override { return RegistryKind::UnitWeights; }
    ImportCounts takeOver(const ImportSource& source, bool apply, bool replace) override {
        if (!apply)
            return countImport(m_table, source.weights);
        return applyImport(m_table, source.weights, replace);
    }
    TableState tableState() const override;
    void restoreTable(const TableState& state) override;

private:
    void setupGrid(int rows);
    void renumber();

    BuzaiWeightTable m_table;
    // For each grid row, the index of the table row it shows, or -1 for a row not yet in the table.
    QList<qsizetype> m_origin;
};

} // namespace tv::registries
