// The one number reader: the leading number of a text, as every quantity field is read.
#pragma once

#include <QStringView>

namespace tv::services {

// Reads the leading number of `text`, or 0 when it has none.
// Blanks, tabs and line feeds are skipped anywhere inside the number; an optional sign, digits with
// at most one decimal point and an optional exponent (E or D) follow. "&H" reads hexadecimal and
// "&O" octal whole numbers (up to 4 hex digits wrap to signed 16 bits, longer ones to signed 32 bits).
// The first other character ends the number. The decimal point is always ".".
double Num(QStringView text);

} // namespace tv::services
