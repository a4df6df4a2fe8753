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

// Full-width Latin letters, digits and the signs of sizes and formulas (＊ ． － ＋ ／ （ ） ，) typed
// with an input method, as their half-width forms; everything else is kept. Fields that hold
// identifiers or numbers (floor, mark, grade, size, lengths, counts) store their text this way, so
// "Ｃ２" and "C2" are one mark.
QString HalfWidthIdentifier(QStringView text);

// Whether two identifiers are the same once full-width letters, digits and size signs are read as
// half-width; entries stored before the conversion still match what is typed now.
bool SameIdentifier(QStringView a, QStringView b);

// The value divided by 1000 in single precision, formatted "##0.000" (millimetres as metres).
QString FormatThousandths(float value);

} // namespace tv::services
