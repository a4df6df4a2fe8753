// Text helpers; byte widths follow the Shift-JIS code page the files and printouts use.
#include "services/text.h"

#include "services/format_number.h"

namespace tv::services {

namespace {
bool isTrimmed(QChar c) { return c == u' ' || c == QChar(0x3000); }

// The half-width form of a full-width letter, digit or size sign, or 0 when `u` is none of them.
// The apostrophe, colon and wave dash keep their full-width forms: they stand for the record and
// list separators and for a range.
char16_t halfWidthOf(char16_t u) {
    const bool letterOrDigit = (u >= 0xFF10 && u <= 0xFF19) || (u >= 0xFF21 && u <= 0xFF3A) ||
                               (u >= 0xFF41 && u <= 0xFF5A);
    const bool sign = u == 0xFF0A || u == 0xFF0E || u == 0xFF0D || u == 0xFF0B || u == 0xFF0F ||
                      u == 0xFF08 || u == 0xFF09 || u == 0xFF0C;
    return letterOrDigit || sign ? static_cast<char16_t>(u - 0xFEE0) : 0;
}
} // namespace

QString HalfWidthIdentifier(QStringView text) {
    QString out = text.toString();
    for (QChar& c : out) {
        if (const char16_t half = halfWidthOf(c.unicode()))
            c = QChar(half);
    }
    return out;
}

bool SameIdentifier(QStringView a, QStringView b) {
    return a.size() == b.size() && HalfWidthIdentifier(a) == HalfWidthIdentifier(b);
}

QString Trim(QStringView text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text[begin]))
        ++begin;
    while (end > begin && isTrimmed(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

qint16 AnsiByteLength(QStringView text) {
    int bytes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < text.size() && QChar::isLowSurrogate(text[i + 1].unicode())) {
            ++i; // one character outside the BMP
            bytes += 2;
        } else if (u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F)) {
            bytes += 1;
        } else {
            bytes += 2;
        }
    }
    return static_cast<qint16>(bytes);
}

QString ReplaceApostrophe(QString text) {
    text.replace(u'\'', QChar(0x2019));
    return text;
}

QString SanitizeField(QString text) {
    text.replace(u'\'', QChar(0x2019));
    text.replace(u':', QChar(0xFF1A));
    return text;
}

QString FormatThousandths(float value) { return formatNumber(value / 1000.0f, u"##0.000"); }

} // namespace tv::services
