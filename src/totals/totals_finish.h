// Finishing the filled tables: unit weights and weights, weld conversion rates and converted
// lengths, the total rows; then the ordering of all six tables.
//
// Arithmetic: numbers read from cells are doubles and every result is stored in single precision.
// A weight is single(Num(unit weight) × Num(quantity)); a converted weld length is
// single(Num(length) × Num(rate)); the totals add the stored singles in single precision.
#pragma once

#include "registries/buzai_weight_table.h"
#include "registries/kansan_table.h"
#include "services/rgb.h"
#include "totals/totals_tables.h"

namespace tv::totals {

// Background of every cell of a total row.
inline constexpr services::Rgb kTotalRowColor{213, 254, 197};

struct UnitWeight {
    QString value; // the registry's text, or "?" when not registered
    QString unit;  // "kg/m", or "kg/m2" for plates
};

// The unit weight of a member or plate: the size key is the part after the first "-" with "×" as
// "*" (a round bar's "φ" removed); the last registry row with that name and key wins. A deleted
// registry row (empty name or size) is never found.
UnitWeight LookupUnitWeight(const registries::BuzaiWeightTable& registry, const QString& name,
                            const QString& size);

// The conversion rate of a weld class at a thickness, "###0.##0", or "?" when not registered.
// A thickness with a fraction interpolates between its two whole millimetres.
QString LookupWeldRate(const registries::KansanTable& registry, const QString& weldClass,
                       const QString& thickness);

struct FinishFlags {
    bool unitWeightMissing = false;
    bool weldRateMissing = false;
};

// Unit weights, weights and total rows of the steel, galvanizing and joint tables, then the rates,
// converted lengths and total row of the weld table.
FinishFlags finishTables(TotalsTables& tables, const registries::BuzaiWeightTable& weights,
                         const registries::KansanTable& rates);

// Sorts every table ascending over all its columns (total rows included), renumbers the steel
// table's groups and marks the total rows of the steel and joint tables "A".
void orderTables(TotalsTables& tables);

} // namespace tv::totals
