// The weld conversion rates a new installation starts with, derived from the cross-section of each
// weld against the 18 mm² of a 6 mm fillet. Every row is keyed by plate thickness, as the totals
// look rates up by the weld row's thickness.
#pragma once

#include "registries/kansan_table.h"

namespace tv::registries {

// The fillet leg size assumed for a plate of `thickness` mm: ⌈0.7·t⌉, at least 4 and at most t.
int filletLegFor(int thickness);

// HF1 and HF2 (fillet, one or both sides) for t = 4 … 40: (S/6)² per side with S = filletLegFor(t).
// HT1 and HB1 (single-bevel groove with backing, 35°, root gap 7 mm) for t = 6 … 40:
// (7t + t²·tan 35°/2) / 18. HT2 and HB2 (double-bevel groove, 45°, root face 2 mm) for t = 12 … 40:
// (t − 2)²/4 / 18. Rates have two decimals; thinner plates take other grooves and have no rows.
QList<KansanRow> defaultKansanRows();

} // namespace tv::registries
