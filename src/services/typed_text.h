// What typed text stores: characters that cannot be stored are taken out one by one, and a cell that
// takes only the items of its list takes the item that the typed text names.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tv::services {

struct StorableText {
    QString text;                    // the typed text without the refused characters
    std::optional<char32_t> refused; // the first character taken out, if any
};

// Takes out of `typed` every character that CP932 cannot hold and every character of `forbidden`
// (a separator of the stored texts); everything else stays as typed, in its order.
StorableText TakeOutRefused(QStringView typed, QStringView forbidden = {});

// "「･」は使用できない文字です。" for a character CP932 holds (a separator), with the code point for
// one it cannot hold.
QString refusedCharacterMessage(char32_t character);

// The item of `items` that `typed` names: the item whose text, or whose code (its text before the
// first blank, when an explanation follows it), equals the trimmed typed text once full-width
// letters, digits and size signs are read as half-width; an exact match of letter case is preferred
// to one without. nullopt when no item matches or nothing was typed.
std::optional<QString> ItemTyped(const QStringList& items, QStringView typed);

// The message for typed text that names no item of the list of the column `caption`.
QString notAnItemMessage(QStringView typed, QStringView caption);

} // namespace tv::services
