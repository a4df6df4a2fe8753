// Bolt length = allowance + grip, rounded halves-to-even, then to 5 mm with remainders 3 and 4 up.
#include "services/bolt_length.h"

#include <array>
#include <cmath>

namespace tv::services {
namespace {

struct Allowance {
    const char16_t* diameter;
    int highStrength; // "HTB-F8T" and "普通ボルト"
    int other;
};

constexpr std::array<Allowance, 5> kAllowances{{
    {u"M12", 25, 20},
    {u"M16", 30, 25},
    {u"M20", 35, 30},
    {u"M22", 40, 35},
    {u"M24", 45, 40},
}};

int allowanceFor(const QString& kind, const QString& diameter) {
    const bool tableKind = kind == u"HTB-F8T" || kind == u"普通ボルト";
    for (const Allowance& a : kAllowances) {
        if (diameter == QStringView(a.diameter))
            return tableKind ? a.highStrength : a.other;
    }
    return 0;
}

} // namespace

QString BoltLength(const QString& kind, const QString& diameter, float grip) {
    if (kind.isEmpty() || diameter.isEmpty() || grip == 0.0f)
        return {};
    const float raw = static_cast<float>(allowanceFor(kind, diameter)) + grip;
    const long whole = std::lrint(raw); // halves to the even neighbour
    const long q = whole / 5;
    const long r = whole % 5;
    const long length = (r == 3 || r == 4) ? (q + 1) * 5 : q * 5;
    return QString::number(length);
}

} // namespace tv::services
