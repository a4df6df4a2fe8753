// CP932 through Qt's ICU-backed converters ("windows-31j"); every conversion checks for errors so
// that nothing is ever silently written as "?".
#include "services/cp932.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace tv::services {
namespace {

constexpr const char* kCodecName = "windows-31j";

QStringEncoder makeEncoder() {
    QStringEncoder encoder(kCodecName, QStringConverter::Flag::Stateless);
    Q_ASSERT_X(encoder.isValid(), "Cp932", "the windows-31j converter is missing (Qt built without ICU)");
    return encoder;
}

QStringDecoder makeDecoder() {
    QStringDecoder decoder(kCodecName, QStringConverter::Flag::Stateless);
    Q_ASSERT_X(decoder.isValid(), "Cp932", "the windows-31j converter is missing (Qt built without ICU)");
    return decoder;
}

struct LookAlike {
    char16_t from;
    char16_t to;
};

constexpr LookAlike kLookAlikes[] = {
    {0x301C, 0xFF5E}, // WAVE DASH → FULLWIDTH TILDE
    {0x2212, 0xFF0D}, // MINUS SIGN → FULLWIDTH HYPHEN-MINUS
    {0x2016, 0x2225}, // DOUBLE VERTICAL LINE → PARALLEL TO
    {0x00A2, 0xFFE0}, // CENT SIGN → FULLWIDTH CENT SIGN
    {0x00A3, 0xFFE1}, // POUND SIGN → FULLWIDTH POUND SIGN
    {0x00AC, 0xFFE2}, // NOT SIGN → FULLWIDTH NOT SIGN
};

bool encodes(QStringView piece) {
    QStringEncoder encoder = makeEncoder();
    const QByteArray bytes = encoder.encode(piece);
    return !encoder.hasError();
}

} // namespace

QString Cp932::mapLookAlikes(QString text) {
    for (const LookAlike& l : kLookAlikes)
        text.replace(QChar(l.from), QChar(l.to));
    return text;
}

std::optional<char32_t> Cp932::firstUnencodable(QStringView text) {
    if (encodes(text))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const QStringView piece = text.mid(i, len);
        if (!encodes(piece))
            return len == 2 ? QChar::surrogateToUcs4(text[i], text[i + 1]) : char32_t(text[i].unicode());
        i += len;
    }
    return std::nullopt;
}

std::optional<QByteArray> Cp932::encode(QStringView text) {
    QStringEncoder encoder = makeEncoder();
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return std::nullopt;
    return bytes;
}

std::optional<QString> Cp932::decode(QByteArrayView bytes) {
    if (bytes.contains('\0'))
        return std::nullopt;
    QStringDecoder decoder = makeDecoder();
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString Cp932::describe(char32_t character) {
    const QString hex = QString::number(uint(character), 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral("「%1」(U+%2)").arg(QString::fromUcs4(&character, 1), hex);
}

} // namespace tv::services
