// Comparing two estimates (two project files): how each totals table moved, which entries of the
// sheets were added, removed or changed, and which registry rows differ.
//
// Each project file is unpacked into a private temporary data root laid down as a new installation,
// never into the open project's files, and its totals are run there as the totals window runs them.
#pragma once

#include "totals/totals_tables.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace tv::totals {

// One project file made ready for comparison.
struct Estimate {
    QString refusal;    // the file cannot be read as a project file: nothing to compare
    QStringList doubts; // signs of damage: the comparison needs the user's consent, which it never asks
    TotalsTables tables;
    bool registrationsMissing = false;
    // The records of the three work files (column sheet, beam sheet, secondary sheet), fields
    // from 1 on (the tag left out), and of the unit-weight and weld-rate registries.
    std::array<QList<QStringList>, 3> sheets;
    QList<QStringList> weights;
    QList<QStringList> rates;
};

Estimate loadEstimate(const QString& bundlePath);
// Both at once, each on its own thread: most of the time goes into writing and syncing the two
// private data roots.
std::array<Estimate, 2> loadEstimates(const QString& before, const QString& after);

// The sheets as the comparison names them, in order: "柱積算", "梁積算", "副部材".
const QStringList& compareSheetNames();
// The registries as the comparison names them: "部材単位重量", "溶接換算率".
const QStringList& compareRegistryNames();
// The window names of the six tables: "鋼材", "溶接", "ボルト", "塗装・耐火被覆", "溶融亜鉛メッキ",
// "JOINTの数量".
const QStringList& compareTableNames();

// The differences from `before` to `after` as lines of TAB-separated text:
// - per table (only table `onlyTable` when it is 0 to 5): "# <table>", then a line per row only in
//   `before` (削除), only in `after` (追加) or with another quantity or weight (変更): the row's key
//   cells, then quantity before, after and difference, then weight before, after and difference
//   (tables without a weight give quantities only); then "合計" with the table's total weight
//   (or quantity) before, after and difference;
// - unless one table was asked for, per sheet "# <sheet>": 追加 / 削除 / 変更 with the entry's floor
//   and mark (and, when changed, the names of the fields that moved), entries of the same floor and
//   mark paired in sheet order; per registry "# <registry>": rows added, removed or changed by their
//   key as stored, with old and new value.
QStringList compareEstimates(const Estimate& before, const Estimate& after, int onlyTable = -1);

} // namespace tv::totals
