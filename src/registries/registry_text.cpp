// Typed-text rules shared by the registry windows.
#include "registries/registry_text.h"

#include "services/cp932.h"
#include "services/text.h"

namespace tv::registries {

bool readsAsPlainNumber(QStringView text) {
    const QString t = services::Trim(text);
    qsizetype i = 0;
    if (i < t.size() && (t[i] == u'+' || t[i] == u'-'))
        ++i;
    int digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits > 0;
}

QString storableText(const QString& typed) {
    return services::ReplaceApostrophe(services::Cp932::mapLookAlikes(typed));
}

std::optional<QString> unusableCharacterMessage(QStringView text) {
    const auto bad = services::Cp932::firstUnencodable(text);
    if (!bad)
        return std::nullopt;
    return unusableCharacterMessage(*bad);
}

QString unusableCharacterMessage(char32_t character) {
    return services::Cp932::describe(character) + QStringLiteral("は使用できない文字です。");
}

} // namespace tv::registries
