// Standard bolt length for a grip: allowance by kind and diameter, rounded to the 5 mm stock steps.
#pragma once

#include <QString>

namespace tv::services {

// The bolt length in mm as whole-number text (a multiple of 5), or empty text when the kind or the
// diameter is empty or the grip is zero. Kinds and diameters are compared as exact text.
QString BoltLength(const QString& kind, const QString& diameter, float grip);

} // namespace tv::services
