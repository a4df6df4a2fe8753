// Default weld rows of a column section, weld places and weld quantities.
#include "column_input/weld_rows.h"

#include "services/format_number.h"
#include "services/num.h"
#include "services/single_precision.h"
#include "services/text.h"

#include <algorithm>

namespace tv::column_input {

using services::Num;
using services::SingleProduct;
using services::StoreSingle;
using services::TextGrid;

namespace {

const QChar kSep = lists::kPartSeparator;

// One default weld row: method, joint type, sides, thickness text and the length per place in mm
// (nullopt for a row whose length is the column length, filled when a length is typed).
struct WeldTemplate {
    QString method, joint, sides, thickness;
    std::optional<float> lengthMm;
};

WeldTemplate tee(const QString& thickness, float length) {
    return {QStringLiteral("H"), QStringLiteral("T"), QStringLiteral("1"), thickness, length};
}
WeldTemplate fillet(const QString& thickness, std::optional<float> length) {
    return {QStringLiteral("H"), QStringLiteral("F"), QStringLiteral("2"), thickness, length};
}

// The rows of a cut T welded to the H: flange (b) and web (h − tf).
QList<WeldTemplate> cutTeeRows(const QStringList& t) {
    return {tee(t.value(4), StoreSingle(Num(t.value(2)))),
            fillet(t.value(3), StoreSingle(Num(t.value(1)) - Num(t.value(4))))};
}

QList<WeldTemplate> templatesFor(WeldGrid which, SectionCode code, const ColumnSpecs& specs) {
    const QStringList& s1 = specs.spec1;
    QList<WeldTemplate> rows;
    switch (code) {
    case SectionCode::PlainH:
    case SectionCode::HWithOneTee:
    case SectionCode::HWithTwoTees: {
        const float twiceFlange = SingleProduct(2, Num(s1.value(5)));
        rows.append(tee(s1.value(5), SingleProduct(2, Num(s1.value(3)))));
        rows.append(fillet(s1.value(4), StoreSingle(Num(s1.value(2)) - twiceFlange)));
        if (code == SectionCode::PlainH)
            break;
        rows.append(cutTeeRows(specs.spec2));
        if (code == SectionCode::HWithTwoTees)
            rows.append(cutTeeRows(specs.spec3));
        if (which == FirstWelds) {
            rows.append(fillet(specs.spec2.value(3), std::nullopt));
            if (code == SectionCode::HWithTwoTees)
                rows.append(fillet(specs.spec3.value(3), std::nullopt));
        }
        break;
    }
    case SectionCode::SquarePipe:
        rows.append(tee(s1.value(3), SingleProduct(StoreSingle(Num(s1.value(1)) + Num(s1.value(2))), 2)));
        break;
    case SectionCode::RoundPipe:
        rows.append(tee(s1.value(2), SingleProduct(Num(s1.value(1)), 3.14)));
        break;
    case SectionCode::None:
        break;
    }
    return rows;
}

bool isHSection(SectionCode code) {
    return code == SectionCode::PlainH || code == SectionCode::HWithOneTee ||
           code == SectionCode::HWithTwoTees;
}

void labelRows(TextGrid& grid) {
    for (int row = 1; row < grid.rowCount(); ++row)
        grid.setText(row, 0, QStringLiteral("溶接%1").arg(row));
}

} // namespace

TextGrid makeWeldGrid(int weldRows) {
    TextGrid grid(weldRows + 1, kWeldGridColumns);
    grid.setFixedRows(1);
    grid.setFixedColumns(1);
    grid.setRowTexts(0, {QString(), QStringLiteral("工法"), QStringLiteral("継手"), QStringLiteral("面"),
                         QStringLiteral("厚"), QStringLiteral("単位L"), QStringLiteral("ヶ所"),
                         QStringLiteral("数量")});
    labelRows(grid);
    return grid;
}

void setWeldRowCount(TextGrid& grid, int weldRows) {
    grid.resize(std::clamp(weldRows, 0, kMaxWeldRows) + 1, kWeldGridColumns);
    labelRows(grid);
}

void fillDefaultWeldRows(TextGrid& grid, WeldGrid which, SectionCode code, const ColumnSpecs& specs,
                         const std::array<QString, 8>& memory) {
    const QList<WeldTemplate> rows = templatesFor(which, code, specs);
    for (int i = 0; i < rows.size() && i + 1 < grid.rowCount(); ++i) {
        const int row = i + 1;
        const WeldTemplate& t = rows[i];
        QStringList attributes{t.method, t.joint, t.sides};
        if (isHSection(code) && memory[i].contains(kSep))
            attributes = lists::splitParts(memory[i], 3);
        grid.setText(row, WeldMethod, attributes[0]);
        grid.setText(row, WeldJoint, attributes[1]);
        grid.setText(row, WeldSides, attributes[2]);
        grid.setText(row, WeldThickness, t.thickness);
        grid.setText(row, WeldUnitLength, t.lengthMm ? services::FormatThousandths(*t.lengthMm) : QString());
    }
}

QList<int> lengthDependentRows(SectionCode code) {
    if (code == SectionCode::HWithOneTee)
        return {5};
    if (code == SectionCode::HWithTwoTees)
        return {7, 8};
    return {};
}

void setWeldPlaces(TextGrid& grid, const QString& places) {
    for (int row = 1; row < grid.rowCount(); ++row)
        grid.setText(row, WeldPlaces, places);
}

void recomputeWeldQuantities(TextGrid& grid, bool noWelds) {
    for (int row = 1; row < grid.rowCount(); ++row) {
        const float q = SingleProduct(Num(grid.text(row, WeldPlaces)), Num(grid.text(row, WeldUnitLength)));
        grid.setText(row, WeldQuantity, q != 0.0f ? services::formatNumber(q, u"#####0.00") : QString());
        if (noWelds) {
            grid.setText(row, WeldPlaces, QString());
            grid.setText(row, WeldQuantity, QString());
        }
    }
}

void rememberWelds(const TextGrid& grid, std::array<QString, 8>& memory) {
    for (int row = 1; row < grid.rowCount() && row <= kMaxWeldRows; ++row)
        memory[row - 1] =
            grid.text(row, WeldMethod) + kSep + grid.text(row, WeldJoint) + kSep + grid.text(row, WeldSides);
}

} // namespace tv::column_input
