// Coating girth by shape and family, and the coated area of each coating line.
#include "column_input/coating.h"

#include "lists/member_lists.h"
#include "services/format_number.h"
#include "services/formula.h"
#include "services/num.h"
#include "services/single_precision.h"
#include "services/text.h"

#include <array>

namespace tv::column_input {

using services::Num;
using services::StoreSingle;
using services::TextGrid;

namespace {

enum class Family { None, H, SquarePipe, RoundPipe };

// The main section's dimensions read back from the section text: its second word split at "×".
struct Dimensions {
    Family family = Family::None;
    double H = 0, B = 0, tw = 0, tf = 0;
};

Dimensions dimensionsOf(const QString& kind, const QString& sectionText) {
    const QStringList parts = sectionText.split(u' ').value(1).split(QStringLiteral("×"));
    Dimensions d;
    if (kind == lists::kShapeH) {
        const QString first = parts.value(0);
        const qsizetype dash = first.indexOf(u'-');
        d.family = Family::H;
        d.H = dash < 0 ? 0 : Num(QStringView(first).mid(dash + 1));
        d.B = Num(parts.value(1));
        d.tw = Num(parts.value(2));
        d.tf = Num(parts.value(3));
    } else if (kind == lists::kShapeSquareTube) {
        d.family = Family::SquarePipe;
        d.B = Num(parts.value(0));
        d.H = Num(parts.value(1));
    } else if (kind == lists::kShapeRoundTube) {
        d.family = Family::RoundPipe;
        d.B = Num(parts.value(0));
    }
    return d;
}

// Segment arithmetic: every operation's result is stored in single precision.
float add(double a, double b) {
    return StoreSingle(a + b);
}
float sub(double a, double b) {
    return StoreSingle(a - b);
}
float twice(double a) {
    return StoreSingle(2 * a);
}

QList<float> hSegments(int shape, float c, const Dimensions& d) {
    const float flangeEdge = add(d.tf, c);                      // tf + c
    const float flangeOut = add(twice(c), d.tf);                // 2c + tf
    const float halfFlange = StoreSingle(sub(d.B, d.tw) / 2.0); // (B − tw)/2
    const float web = sub(sub(d.H, twice(d.tf)), twice(c));     // H − 2tf − 2c
    const float width = add(twice(c), d.B);                     // 2c + B
    const float widthEdge = add(d.B, c);                        // B + c
    switch (shape) {
    case 1:
        return {flangeEdge, halfFlange, web, halfFlange, flangeEdge};
    case 2:
        return {twice(flangeEdge), twice(halfFlange), twice(web), twice(halfFlange), twice(flangeEdge)};
    case 3:
        return {flangeEdge, halfFlange, web, halfFlange, flangeOut, widthEdge};
    case 4:
        return {flangeEdge, halfFlange, web, halfFlange, flangeOut, width,
                flangeOut,  halfFlange, web, halfFlange, flangeEdge};
    case 5:
        return {flangeOut, halfFlange, web, halfFlange, flangeOut, widthEdge, widthEdge};
    case 6:
        return {flangeOut, halfFlange, web, halfFlange, flangeOut, width,
                flangeOut, halfFlange, web, halfFlange, flangeOut, width};
    default:
        return {};
    }
}

// Shapes 7 to 13 on an H or a square pipe: the faces of a box round the section.
QList<float> boxSegments(int shape, float c, const Dimensions& d) {
    switch (shape) {
    case 7:
        return {StoreSingle(d.B)};
    case 8:
        return {twice(d.B)};
    case 9:
        return {add(d.B, c), add(twice(c), d.H), add(d.B, c)};
    case 10:
        return {add(d.H, c), add(twice(c), d.B), add(d.H, c)};
    case 11:
        return {add(d.B, c), add(d.H, c)};
    case 12:
        return {twice(d.H)};
    case 13:
        return {StoreSingle(d.H)};
    default:
        return {};
    }
}

QList<float> segments(int shape, float c, const Dimensions& d) {
    if (shape >= 1 && shape <= 6)
        return d.family == Family::H ? hSegments(shape, c, d) : QList<float>{};
    if (shape >= 7 && shape <= 13)
        return d.family == Family::H || d.family == Family::SquarePipe ? boxSegments(shape, c, d)
                                                                       : QList<float>{};
    if (shape == 14 && d.family == Family::SquarePipe)
        return {twice(add(twice(c), d.B)), twice(add(twice(c), d.H))};
    if (shape == 14 && d.family == Family::RoundPipe)
        return {StoreSingle(double(add(twice(c), d.B)) * 3.14)};
    return {};
}

} // namespace

TextGrid makeCoatingGrid() {
    TextGrid grid(1 + kCoatingLines, kCoatingGridColumns);
    grid.setFixedRows(1);
    grid.setFixedColumns(1);
    grid.setRowTexts(0, {QString(), QStringLiteral("種類"), QStringLiteral("厚"), QStringLiteral("形状"),
                         QStringLiteral("糸尺"), QStringLiteral("単位L(mm)"), QStringLiteral("本"),
                         QStringLiteral("数量(m2)"), QString()});
    grid.setColumnWidth(CoatingCarried, 0);
    for (int line = 1; line <= kCoatingLines; ++line)
        grid.setText(line, 0, QString::number(line));
    return grid;
}

float coatingGirth(int shape, float c, const QString& sectionKind, const QString& sectionText) {
    float girth = 0.0f;
    for (float segment : segments(shape, c, dimensionsOf(sectionKind, sectionText)))
        girth = services::SingleSum(girth, segment);
    return girth;
}

void recomputeCoatingLines(TextGrid& grid, const QString& sectionKind, const QString& sectionText) {
    const QString pattern = QStringLiteral("##0.##0");
    for (int row = 1; row <= kCoatingLines; ++row) {
        if (grid.text(row, CoatingKind).isEmpty())
            continue;
        const QString& shapeText = grid.text(row, CoatingShape);
        float girth = 0.0f;
        if (!shapeText.isEmpty()) {
            const float c = services::SingleQuotient(Num(grid.text(row, CoatingThickness)), 2);
            const double shape = Num(shapeText);
            girth =
                shape == double(int(shape)) ? coatingGirth(int(shape), c, sectionKind, sectionText) : 0.0f;
        }
        if (girth <= 0.0f) {
            grid.setText(row, CoatingGirth, QString());
            grid.setText(row, CoatingArea, QString());
            continue;
        }
        grid.setText(row, CoatingGirth,
                     services::formatNumber(services::SingleQuotient(girth, 1000), pattern));
        // Length and count are kept to three decimals of a thousandth: a count of 2.6 is 0.003.
        const double metres = Num(services::FormatThousandths(StoreSingle(
            Num(services::EvaluateFormula(grid.text(row, CoatingLength), services::FormulaModeQuantity)))));
        const double thousandColumns =
            Num(services::FormatThousandths(StoreSingle(Num(grid.text(row, CoatingCount)))));
        const float area = services::SingleProduct(services::SingleProduct(girth, metres), thousandColumns);
        grid.setText(row, CoatingArea, services::formatNumber(area, pattern));
    }
}

} // namespace tv::column_input
