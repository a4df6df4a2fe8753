// Default weld conversion rates: cross-section of the weld over that of a 6 mm fillet.
#include "registries/default_weld_rates.h"

#include "services/format_number.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

namespace tv::registries {

namespace {

constexpr double kSixMillimetreFillet = 18.0; // mm², 6 × 6 / 2

double filletSide(int t) {
    const double leg = filletLegFor(t);
    return leg * leg / 2.0 / kSixMillimetreFillet;
}

double singleBevel(int t) {
    return (7.0 * t + t * t * std::tan(35.0 * std::numbers::pi / 180.0) / 2.0) / kSixMillimetreFillet;
}

double doubleBevel(int t) {
    return (t - 2.0) * (t - 2.0) / 4.0 / kSixMillimetreFillet;
}

} // namespace

int filletLegFor(int thickness) {
    const int leg = (7 * thickness + 9) / 10; // ⌈0.7·t⌉ in whole millimetres
    return std::min(std::max(leg, 4), thickness);
}

QList<KansanRow> defaultKansanRows() {
    struct Symbol {
        const char16_t* name;
        int thinnest;
        std::function<double(int)> rate;
    };
    const Symbol symbols[] = {
        {u"HF1", 4, filletSide},   {u"HF2", 4, [](int t) { return 2.0 * filletSide(t); }},
        {u"HT1", 6, singleBevel},  {u"HB1", 6, singleBevel},
        {u"HT2", 12, doubleBevel}, {u"HB2", 12, doubleBevel},
    };
    QList<KansanRow> rows;
    for (const Symbol& symbol : symbols) {
        for (int t = symbol.thinnest; t <= 40; ++t)
            rows.append({QString::fromUtf16(symbol.name), QString::number(t),
                         services::formatNumber(symbol.rate(t), u"0.00")});
    }
    return rows;
}

} // namespace tv::registries
