// Registries taken over from another project file (.tkd): the unit weights or the weld rates that
// file holds, compared with this project's table and added to it, replacing rows whose value
// differs only when asked to.
#pragma once

#include "registries/buzai_weight_table.h"
#include "registries/kansan_table.h"

#include <QString>

namespace tv::registries {

enum class RegistryKind { UnitWeights, WeldRates };

// The registry rows of a project file, or why it cannot be used: a file that is not a project file,
// or one with signs of damage, gives nothing.
struct ImportSource {
    QString refusal;
    QList<BuzaiWeightRow> weights; // rows with a name and a size
    QList<KansanRow> rates;        // rows with a symbol
};
ImportSource readImportSource(const QString& bundlePath, RegistryKind kind);

// What taking the source over would do: rows the table does not have (or has without a value),
// rows it has with another value (unit weight and extra / rate), rows it already has as they are.
struct ImportCounts {
    int added = 0;
    int replaced = 0;
    int unchanged = 0;
    bool operator==(const ImportCounts&) const = default;
};

// Rows match by name and size (unit weights) or by symbol and thickness (weld rates), full-width
// letters and digits read as half-width, as the lookups of the totals match them.
ImportCounts countImport(const BuzaiWeightTable& table, const QList<BuzaiWeightRow>& source);
ImportCounts countImport(const KansanTable& table, const QList<KansanRow>& source);

// Adds the rows the table lacks (in the source's order, after the table's rows), fills the rows it
// holds without a value and, with `replace`, gives the matching rows the source's values. Returns
// what was done.
ImportCounts applyImport(BuzaiWeightTable& table, const QList<BuzaiWeightRow>& source, bool replace);
ImportCounts applyImport(KansanTable& table, const QList<KansanRow>& source, bool replace);

// "追加 3行、置き換え 1行" for messages, with the rows left as they are when there are any.
QString importSummary(const ImportCounts& counts, bool replace);

} // namespace tv::registries
