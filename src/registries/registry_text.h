// Text typed into the registry windows: what may be stored, and which values read as numbers.
//
// "Reads as a plain number": after Trim the whole text is one plain decimal number, an optional sign,
// digits with at most one decimal point and at least one digit ("65.4", "-1", ".5", "12."). Text
// with anything else (units, commas, exponents, "&H") does not, even where the leading-number rule
// of the totals would read a number from its start; the windows mark such a cell so that the
// estimator sees it before the totals do. Empty text is not marked: an empty value is allowed.
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tv::registries {

bool readsAsPlainNumber(QStringView text);

// The form in which typed text is stored: look-alike characters mapped to their CP932 twins and
// the record separator "'" replaced by "’" (it would split the record).
QString storableText(const QString& typed);

// The message refusing a character that CP932 cannot hold, or nullopt when every character can be
// stored.
std::optional<QString> unusableCharacterMessage(QStringView text);
QString unusableCharacterMessage(char32_t character);

} // namespace tv::registries
