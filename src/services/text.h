// Small text helpers shared by every window: trimming, byte widths for printing, record-safe fields
// and the thousandths display.
#pragma once

#include <QString>
#include <QStringView>

namespace tv::services {

// Removes blanks (U+0020) and full-width blanks (U+3000) at both ends, nothing else.
QString Trim(QStringView text);

// Number of bytes `text` takes in Shift-JIS: one for ASCII and half-width katakana, two otherwise.
qint16 AnsiByteLength(QStringView text);

// Replaces the record separator "'" by "’" and the list-field separator ":" by "：".
QString SanitizeField(QString text);

// Replaces the record separator "'" by "’" (registry fields, where ":" is allowed).
QString ReplaceApostrophe(QString text);

// The value divided by 1000 in single precision, formatted "##0.000" (millimetres as metres).
QString FormatThousandths(float value);

} // namespace tv::services
