// Text helpers; byte widths follow the Shift-JIS code page the files and printouts use.
#include "services/text.h"

#include "services/format_number.h"

namespace tv::services {

namespace {
bool isTrimmed(QChar c) { return c == u' ' || c == QChar(0x3000); }
} // namespace

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
