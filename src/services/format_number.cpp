// Pattern formatting on decimal digit strings, so single and double values round as they print.
#include "services/format_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tv::services {
namespace {

struct PatternShape {
    int minIntegerDigits = 0; // "0" placeholders before the point
    int decimals = 0;         // placeholders after the point
    int minDecimals = 0;      // position of the last "0" placeholder after the point
    bool hasPoint = false;
};

PatternShape parsePattern(QStringView pattern) {
    PatternShape shape;
    bool afterPoint = false;
    for (const QChar c : pattern) {
        if (c == u'.') {
            afterPoint = true;
            shape.hasPoint = true;
        } else if (c == u'0' || c == u'#') {
            if (afterPoint) {
                ++shape.decimals;
                if (c == u'0')
                    shape.minDecimals = shape.decimals;
            } else if (c == u'0') {
                ++shape.minIntegerDigits;
            }
        }
    }
    return shape;
}

// Decimal digits of |value| as an integer digit string and a fraction digit string.
struct DecimalDigits {
    std::string integer;  // without leading zeros; may be empty
    std::string fraction; // may be empty
};

DecimalDigits toDecimal(double magnitude, int significantDigits) {
    DecimalDigits d;
    if (magnitude == 0)
        return d;
    // The correctly rounded scientific form, as printf's "%.*e" gives it, at a fraction of its cost
    // (the totals format every quantity they add).
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer - 1, magnitude,
                                       std::chars_format::scientific, significantDigits - 1);
    *written.ptr = '\0';
    // buffer: "d.dddddde±XX"
    std::string digits;
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            digits += *p;
    const int exponent = std::atoi(p + 1);
    // value = 0.digits × 10^(exponent + 1)
    const int pointPos = exponent + 1;
    if (pointPos <= 0) {
        d.fraction = std::string(-pointPos, '0') + digits;
    } else if (pointPos >= int(digits.size())) {
        d.integer = digits + std::string(pointPos - digits.size(), '0');
    } else {
        d.integer = digits.substr(0, pointPos);
        d.fraction = digits.substr(pointPos);
    }
    // Leading zeros of the integer part cannot occur (the first significant digit is non-zero).
    return d;
}

// Rounds half away from zero to `decimals` fraction digits.
void roundDigits(DecimalDigits& d, int decimals) {
    if (int(d.fraction.size()) <= decimals) {
        return;
    }
    const bool up = d.fraction[decimals] >= '5';
    d.fraction.resize(decimals);
    if (!up)
        return;
    std::string all = d.integer + d.fraction;
    int i = int(all.size()) - 1;
    for (; i >= 0; --i) {
        if (all[i] == '9') {
            all[i] = '0';
        } else {
            ++all[i];
            break;
        }
    }
    if (i < 0)
        all.insert(all.begin(), '1');
    d.integer = all.substr(0, all.size() - decimals);
    d.fraction = all.substr(all.size() - decimals);
}

QString format(double magnitude, bool negative, int significantDigits, QStringView pattern) {
    const PatternShape shape = parsePattern(pattern);
    DecimalDigits d = toDecimal(magnitude, significantDigits);
    roundDigits(d, shape.decimals);

    // Drop leading zeros, then pad to the "0" placeholders.
    std::size_t firstNonZero = d.integer.find_first_not_of('0');
    d.integer = firstNonZero == std::string::npos ? std::string() : d.integer.substr(firstNonZero);
    if (int(d.integer.size()) < shape.minIntegerDigits)
        d.integer.insert(0, shape.minIntegerDigits - d.integer.size(), '0');

    d.fraction.resize(std::max<std::size_t>(d.fraction.size(), shape.decimals), '0');
    while (int(d.fraction.size()) > shape.minDecimals && d.fraction.back() == '0')
        d.fraction.pop_back();

    std::string out;
    if (negative)
        out += '-';
    out += d.integer;
    if (shape.hasPoint) {
        out += '.';
        out += d.fraction;
    }
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

} // namespace

QString formatNumber(float value, QStringView pattern) {
    if (!std::isfinite(value))
        value = 0;
    return format(std::fabs(double(value)), value < 0, 7, pattern);
}

QString formatNumber(double value, QStringView pattern) {
    if (!std::isfinite(value))
        value = 0;
    return format(std::fabs(value), value < 0, 15, pattern);
}

} // namespace tv::services
