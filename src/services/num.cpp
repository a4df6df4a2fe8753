// The leading-number rule, independent of the machine's locale.
#include "services/num.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace tv::services {
namespace {

bool isSkippable(QChar c) { return c == u' ' || c == u'\t' || c == u'\n'; }

// Next position at or after `i` that is not a skippable blank.
qsizetype skipBlanks(QStringView text, qsizetype i) {
    while (i < text.size() && isSkippable(text[i]))
        ++i;
    return i;
}

int digitValue(QChar c, int base) {
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v >= 0 && v < base ? v : -1;
}

// "&H…" and "&O…": a whole number that wraps like the 16- and 32-bit integers it was typed as.
double readRadix(QStringView text, qsizetype i, int base) {
    std::uint64_t value = 0;
    int digits = 0;
    for (i = skipBlanks(text, i); i < text.size(); i = skipBlanks(text, i + 1)) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            break;
        value = (value * base + d) & 0xFFFFFFFFull;
        ++digits;
    }
    if (digits == 0)
        return 0;
    const bool fitsShort = base == 16 ? digits <= 4 : (digits <= 6 && value <= 0xFFFF);
    if (fitsShort)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

} // namespace

double Num(QStringView text) {
    qsizetype i = skipBlanks(text, 0);
    if (i < text.size() && text[i] == u'&') {
        const qsizetype k = skipBlanks(text, i + 1);
        if (k < text.size()) {
            const QChar p = text[k].toUpper();
            if (p == u'H')
                return readRadix(text, k + 1, 16);
            if (p == u'O')
                return readRadix(text, k + 1, 8);
        }
        return 0;
    }

    std::string number;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-')
            number += '-';
        i = skipBlanks(text, i + 1);
    }
    bool seenPoint = false;
    bool seenDigit = false;
    std::string mantissa;
    for (; i < text.size(); i = skipBlanks(text, i + 1)) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            mantissa += char(c.unicode());
            seenDigit = true;
        } else if (c == u'.' && !seenPoint) {
            mantissa += '.';
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0;
    number += mantissa;

    if (i < text.size()) {
        const QChar e = text[i].toUpper();
        if (e == u'E' || e == u'D') {
            std::string exponent;
            qsizetype k = skipBlanks(text, i + 1);
            if (k < text.size() && (text[k] == u'-' || text[k] == u'+')) {
                if (text[k] == u'-')
                    exponent += '-';
                k = skipBlanks(text, k + 1);
            }
            bool expDigit = false;
            for (; k < text.size() && text[k] >= u'0' && text[k] <= u'9'; k = skipBlanks(text, k + 1)) {
                exponent += char(text[k].unicode());
                expDigit = true;
            }
            if (expDigit)
                number += 'e' + exponent;
        }
    }

    double value = 0;
    const char* first = number.data();
    if (!number.empty() && number.front() == '-')
        ++first;
    const auto result = std::from_chars(first, number.data() + number.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large for a double reads as the largest magnitude; too small as zero.
        value = (number.find("e-") != std::string::npos) ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return number.front() == '-' ? -value : value;
}

} // namespace tv::services
