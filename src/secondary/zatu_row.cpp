// The secondary-member row and its three computed quantities.
#include "secondary/zatu_row.h"

#include "services/formula.h"
#include "services/num.h"

#include <algorithm>

namespace tv::secondary {

using services::EvaluateFormula;
using services::FormulaModeQuantity;
using services::Num;

namespace {

// factor × multiplier through the formula evaluator, or empty when either reads as zero.
QString product(const QString& factor, const QString& multiplier) {
    if (Num(factor) == 0 || Num(multiplier) == 0)
        return {};
    return EvaluateFormula(factor + u'*' + multiplier, FormulaModeQuantity);
}

} // namespace

const QString& ZatuRow::cell(int k) const {
    static const QString empty;
    return k >= 1 && k <= kZatuCells ? cells[size_t(k - 1)] : empty;
}

void ZatuRow::setCell(int k, const QString& text) {
    if (k >= 1 && k <= kZatuCells)
        cells[size_t(k - 1)] = text;
}

bool ZatuRow::isEmpty() const {
    return std::all_of(cells.begin(), cells.end(), [](const QString& c) { return c.isEmpty(); });
}

bool ZatuRow::hasPrintedCell() const {
    return std::any_of(cells.begin(), cells.begin() + kLastPrintedCell,
                       [](const QString& c) { return !c.isEmpty(); });
}

void RecalcZatuRow(ZatuRow& row) {
    // The length is a formula: its value (two decimals) is what the multiplier scales.
    const QString length = EvaluateFormula(row.cell(LengthCell), FormulaModeQuantity);
    row.setCell(QuantityCell,
                row.cell(BuzaiCell) == kBoltCategory ? QString() : product(length, row.cell(CountCell)));
    row.setCell(WeldQuantityCell, product(row.cell(WeldLengthCell), row.cell(WeldCountCell)));
    row.setCell(PaintQuantityCell, product(row.cell(GirthCell), row.cell(PaintCountCell)));
}

} // namespace tv::secondary
