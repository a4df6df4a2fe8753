// The Shift-JIS (CP932) code page of every data file: encoding, strict decoding, look-alike mapping.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <optional>

namespace tv::services {

class Cp932 {
public:
    // Maps characters that other systems type in place of their CP932 twins
    // (〜 − ‖ ¢ £ ¬) to the CP932 form. Apply where text is typed or pasted.
    static QString mapLookAlikes(QString text);

    // The first character of `text` that CP932 cannot hold, or nullopt when all can be stored.
    static std::optional<char32_t> firstUnencodable(QStringView text);

    // Encodes `text`; nullopt when a character cannot be held (see firstUnencodable).
    static std::optional<QByteArray> encode(QStringView text);

    // Decodes strictly: nullopt for bytes that are not valid CP932 or that hold a NUL byte.
    static std::optional<QString> decode(QByteArrayView bytes);

    // A character as the user reads it in a message: the character and its code point.
    static QString describe(char32_t character);
};

} // namespace tv::services
