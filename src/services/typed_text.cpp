// Typed text: refused characters taken out, typed list items matched.
#include "services/typed_text.h"

#include "services/cp932.h"
#include "services/text.h"

namespace tv::services {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == QChar(0x3000);
}

// The item's own text up to the first blank: "T" of "T  T継手".
QStringView codeOf(QStringView item) {
    const QStringView trimmed = item.trimmed();
    for (qsizetype i = 0; i < trimmed.size(); ++i)
        if (isBlank(trimmed[i]))
            return trimmed.left(i);
    return trimmed;
}

} // namespace

StorableText TakeOutRefused(QStringView typed, QStringView forbidden) {
    StorableText result;
    bool anyForbidden = false;
    for (QChar c : forbidden)
        anyForbidden = anyForbidden || typed.contains(c);
    if (!anyForbidden && !Cp932::firstUnencodable(typed)) {
        result.text = typed.toString();
        return result;
    }
    result.text.reserve(typed.size());
    for (qsizetype i = 0; i < typed.size();) {
        const qsizetype length = typed[i].isHighSurrogate() && i + 1 < typed.size() ? 2 : 1;
        const QStringView character = typed.mid(i, length);
        const bool refused =
            (length == 1 && forbidden.contains(typed[i])) || Cp932::firstUnencodable(character).has_value();
        if (!refused)
            result.text.append(character);
        else if (!result.refused)
            result.refused =
                length == 2 ? QChar::surrogateToUcs4(typed[i], typed[i + 1]) : char32_t(typed[i].unicode());
        i += length;
    }
    return result;
}

QString refusedCharacterMessage(char32_t character) {
    const QString shown = QString::fromUcs4(&character, 1);
    const QString named =
        Cp932::firstUnencodable(shown) ? Cp932::describe(character) : QStringLiteral("「%1」").arg(shown);
    return named + QStringLiteral("は使用できない文字です。");
}

std::optional<QString> ItemTyped(const QStringList& items, QStringView typed) {
    const QString wanted = HalfWidthIdentifier(Trim(typed));
    if (wanted.isEmpty())
        return std::nullopt;
    for (Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (const QString& item : items) {
            const QString whole = HalfWidthIdentifier(Trim(item));
            const QString code = HalfWidthIdentifier(codeOf(item));
            if (whole.compare(wanted, sensitivity) == 0 || code.compare(wanted, sensitivity) == 0)
                return item;
        }
    }
    return std::nullopt;
}

QString notAnItemMessage(QStringView typed, QStringView caption) {
    return QStringLiteral("「%1」は「%2」の一覧にありません。\n一覧の中から選んでください。")
        .arg(Trim(typed), caption.toString());
}

} // namespace tv::services
