// The one number formatter: every number a user sees or a file stores goes through it.
#pragma once

#include <QString>
#include <QStringView>

namespace tv::services {

// Formats `value` with a pattern of "#" and "0" placeholders and an optional decimal point
// ("#####0.00", "##0.##0", "######.#####", "###" …).
//
// The value is first written as a decimal digit string (7 significant digits for a float, 15 for a
// double), then rounded half away from zero to the pattern's decimals. Trailing zero decimals are
// dropped down to the last "0" placeholder after the point; the point itself is always shown when
// the pattern has one. Integer digits are all shown, zero-padded to the "0" placeholders before the
// point. The sign comes from the value before rounding; exact zero has none.
QString formatNumber(float value, QStringView pattern);
QString formatNumber(double value, QStringView pattern);

} // namespace tv::services
