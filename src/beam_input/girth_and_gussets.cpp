// Coating girths and girder-side plates. Every intermediate value is stored in single precision,
// as each step of the calculation keeps its result.
#include "beam_input/girth_and_gussets.h"

#include "beam_input/plate_columns.h"
#include "services/format_number.h"
#include "services/formula.h"
#include "services/num.h"
#include "services/single_precision.h"

#include <cmath>
#include <initializer_list>

namespace tv::beam_input {

using services::Num;
using services::SingleProduct;
using services::SingleQuotient;
using services::StoreSingle;

namespace {

float sum(std::initializer_list<float> segments) {
    float total = 0;
    for (float s : segments)
        total = services::SingleSum(total, s);
    return total;
}

} // namespace

float CoatingGirth(double shape, const SectionSize& s, float c) {
    const float twoC = SingleProduct(2, c);
    const float flangeEdge = StoreSingle(s.tf + c);                                  // tf + c
    const float outstand = SingleQuotient(StoreSingle(s.B - s.tw), 2);               // (B − tw)/2
    const float web = StoreSingle(StoreSingle(s.H - SingleProduct(2, s.tf)) - twoC); // H − 2·tf − 2·c
    const float wideEdge = StoreSingle(twoC + s.tf);                                 // 2·c + tf
    const float widthPlusC = StoreSingle(s.B + c);                                   // B + c
    const float wideWidth = StoreSingle(twoC + s.B);                                 // 2·c + B
    const float heightPlusC = StoreSingle(s.H + c);                                  // H + c
    const float wideHeight = StoreSingle(twoC + s.H);                                // 2·c + H
    if (shape != std::floor(shape))
        return 0;
    switch (int(shape)) {
    case 1:
        return sum({flangeEdge, outstand, web, outstand, flangeEdge});
    case 2: {
        const auto twice = [](float v) { return SingleProduct(2, v); };
        return sum({twice(flangeEdge), twice(outstand), twice(web), twice(outstand), twice(flangeEdge)});
    }
    case 3:
        return sum({flangeEdge, outstand, web, outstand, wideEdge, widthPlusC});
    case 4:
        return sum({flangeEdge, outstand, web, outstand, wideEdge, wideWidth, wideEdge, outstand, web,
                    outstand, flangeEdge});
    case 5:
        return sum({wideEdge, outstand, web, outstand, wideEdge, widthPlusC, widthPlusC});
    case 6:
        return sum({wideEdge, outstand, web, outstand, wideEdge, wideWidth, wideEdge, outstand, web, outstand,
                    wideEdge, wideWidth});
    case 7:
        return StoreSingle(s.B);
    case 8:
        return SingleProduct(2, s.B);
    case 9:
        return sum({widthPlusC, wideHeight, widthPlusC});
    case 10:
        return sum({heightPlusC, wideWidth, heightPlusC});
    case 11:
        return sum({widthPlusC, heightPlusC});
    case 12:
        return SingleProduct(2, s.H);
    case 13:
        return StoreSingle(s.H);
    case 14:
        return sum({SingleProduct(2, wideWidth), SingleProduct(2, wideHeight)});
    default:
        return 0;
    }
}

namespace {

struct GirderGeometry {
    SectionSize size;
    float clearWeb; // hg = Hg − 2·tfg
    float outstand; // og = (Bg − twg) / 2
};

GirderGeometry girderGeometry(const QString& girderCaption) {
    GirderGeometry g;
    const QStringList tokens = CaptionTokens(girderCaption);
    g.size = ReadSectionSize(tokens.size() > 1 ? tokens[1] : QString());
    g.clearWeb = StoreSingle(g.size.H - SingleProduct(2, g.size.tf));
    g.outstand = SingleQuotient(StoreSingle(g.size.B - g.size.tw), 2);
    return g;
}

QString whole(float value) {
    return services::formatNumber(value, u"###");
}

QString quantityOf(const QString& formula) {
    const double length = Num(services::EvaluateFormula(formula, services::FormulaModeQuantity));
    return services::formatNumber(SingleQuotient(length, 1000), u"#####0.00");
}

// The weld of one stiffener: both flange edges and the web height of the girder, per beam.
void stiffenerWeld(QStringList& cells, const GirderLineInputs& in) {
    if (in.girderCaption.isEmpty()) {
        cells[kWeldThickness].clear();
        cells[kWeldLength].clear();
        cells[kWeldQuantity].clear();
        return;
    }
    const GirderGeometry g = girderGeometry(in.girderCaption);
    const QString s = services::formatNumber(g.outstand, u"#####0");
    const QString h = services::formatNumber(g.clearWeb, u"#####0");
    const QString f = s + QStringLiteral("*2+") + h;
    cells[kWeldThickness] = cells[kThickness];
    const double n = std::trunc(Num(in.count));
    cells[kWeldLength] = n > 1 ? u'(' + f + QStringLiteral(")*") + NumberText(n) : f;
    cells[kWeldQuantity] = quantityOf(cells[kWeldLength]);
}

} // namespace

void SizeGussetLine(QStringList& cells, const GirderLineInputs& in) {
    cells[kPlates] = in.count;
    if (in.girderCaption.isEmpty()) {
        cells[kWidth].clear();
        cells[kDepth].clear();
        cells[kPlates].clear();
    } else {
        const GirderGeometry g = girderGeometry(in.girderCaption);
        const double hr = Num(in.relativeHeight);
        const double e = Num(in.margin);
        if (in.largestOuter) {
            const float width = StoreSingle(g.outstand + e);
            const float depth = StoreSingle(StoreSingle(g.clearWeb + hr) + g.size.tf);
            cells[kWidth] = whole(width);
            cells[kDepth] = whole(depth);
        } else {
            const SectionSize beam = ReadSectionSize(CentreSizeToken(in.beamCaption));
            const float beamWeb = StoreSingle(beam.H - SingleProduct(2, beam.tf));
            float area =
                StoreSingle(SingleProduct(beamWeb, e) + double(SingleProduct(g.outstand, g.clearWeb)));
            if (Num(in.threshold) <= hr) {
                // Shape ②: the gusset also covers the part of the girder above the beam.
                const float rise =
                    StoreSingle(StoreSingle(StoreSingle(g.clearWeb + hr) + g.size.tf) - double(beamWeb));
                area = StoreSingle(area + double(SingleQuotient(SingleProduct(rise, e), 2)));
            }
            double width = std::nearbyint(StoreSingle(g.outstand + e));
            width = std::trunc(width / 50) * 50;
            if (width == 0)
                width = 50;
            cells[kWidth] = whole(StoreSingle(width));
            cells[kDepth] = whole(SingleQuotient(area, width));
        }
    }
    stiffenerWeld(cells, in);
}

void SizeStiffenerLine(QStringList& cells, const GirderLineInputs& in) {
    stiffenerWeld(cells, in);
    if (in.girderCaption.contains(QChar(0x00D7))) {
        const GirderGeometry g = girderGeometry(in.girderCaption);
        cells[kWidth] = whole(g.outstand);
        cells[kDepth] = whole(g.clearWeb);
        cells[kPlates] = in.count;
    } else {
        // Without a girder the plate has no size: keep no figures of a girder that is no longer
        // chosen.
        cells[kWidth].clear();
        cells[kDepth].clear();
        cells[kPlates].clear();
    }
}

} // namespace tv::beam_input
