// Plate lines: governing weld thickness, weld length, bolt length and bolt count.
#include "column_input/plate_lines.h"

#include "services/bolt_length.h"
#include "services/format_number.h"
#include "services/formula.h"
#include "services/num.h"
#include "services/single_precision.h"

#include <cmath>

namespace tv::column_input {

using services::EvaluateFormula;
using services::Num;
using services::TextGrid;

namespace {

const QString kQuantityPattern = QStringLiteral("#####0.00");
const QString kCountPattern = QStringLiteral("#####0");

// Empty text in place of a formatted zero.
QString unlessZero(const QString& text) {
    return Num(text) != 0 ? text : QString();
}

} // namespace

TextGrid makePlateGrid() {
    TextGrid grid(kPlateFirstRow + kPlateLines, kPlateGridColumns);
    grid.setFixedRows(2);
    grid.setFixedColumns(1);
    const QStringList groups{QStringLiteral("PL"), QStringLiteral("溶接"), QStringLiteral("BOLT")};
    for (int column = 1; column < kPlateGridColumns; ++column)
        grid.setText(0, column, groups[(column - 1) / 6]);
    for (int g = 0; g < 3; ++g)
        grid.addSpan({0, 1 + 6 * g, 1, 6});
    grid.setRowTexts(1, {QString(), QStringLiteral("名称"), QStringLiteral("規格"), QStringLiteral("厚"),
                         QStringLiteral("B(mm)"), QStringLiteral("D(mm)"), QStringLiteral("枚"),
                         QStringLiteral("工法"), QStringLiteral("継手"), QStringLiteral("面"),
                         QStringLiteral("(厚)"), QStringLiteral("単位L(mm)"), QStringLiteral("数量"),
                         QStringLiteral("規格"), QStringLiteral("呼径"), QStringLiteral("締付L"),
                         QStringLiteral("L"), QStringLiteral("単位本"), QStringLiteral("数量")});
    for (int line = 0; line < kPlateLines; ++line)
        grid.setText(kPlateFirstRow + line, 0, QString::number(line + 1));
    return grid;
}

bool isComputedPlateColumn(int column) {
    return column == PlateWeldThickness || column == PlateWeldQuantity || column == PlateBoltLength ||
           column == PlateBoltCount;
}

void recomputePlateLines(TextGrid& grid) {
    for (int row = kPlateFirstRow; row < kPlateFirstRow + kPlateLines; ++row) {
        // The count is rounded by the evaluator before its whole part is taken: 2.7 plates are 3.
        const double plates =
            std::trunc(Num(EvaluateFormula(grid.text(row, PlateCount), services::FormulaModeCount)));

        grid.setText(row, PlateWeldThickness,
                     grid.text(row, PlateWeldMethod).isEmpty() ? QString() : grid.text(row, PlateThickness));

        const double perPlate =
            Num(EvaluateFormula(grid.text(row, PlateWeldLength), services::FormulaModeQuantity));
        const float weld = services::SingleProduct(services::SingleQuotient(perPlate, 1000), plates);
        grid.setText(row, PlateWeldQuantity, unlessZero(services::formatNumber(weld, kQuantityPattern)));

        const QString& kind = grid.text(row, PlateBoltKind);
        if (kind.contains(QStringLiteral("A.BOLT"))) {
            // An anchor bolt's grip column holds the bolt length itself: no allowance.
            grid.setText(row, PlateBoltLength, grid.text(row, PlateBoltGrip));
        } else {
            const double grip =
                Num(EvaluateFormula(grid.text(row, PlateBoltGrip), services::FormulaModeQuantity));
            const float roundedGrip =
                float(Num(services::formatNumber(services::StoreSingle(grip), kQuantityPattern)));
            grid.setText(row, PlateBoltLength,
                         services::BoltLength(kind, grid.text(row, PlateBoltDiameter), roundedGrip));
        }

        const float bolts = services::SingleProduct(plates, Num(grid.text(row, PlateBoltsPerPlate)));
        grid.setText(row, PlateBoltCount, unlessZero(services::formatNumber(bolts, kCountPattern)));
    }
}

} // namespace tv::column_input
