// The section geometry of the beam dialog's computed lines: the girth of a coating outline, and the
// gusset and stiffener plates with their welds where the beam is carried by two girders.
#pragma once

#include "beam_input/beam_section.h"

#include <QString>
#include <QStringList>

namespace tv::beam_input {

// Girth in mm of coating outline `shape` (1 to 14, see the outline pictures) around section `s`,
// with c half the coating thickness; 0 for any other shape number (decimals included).
float CoatingGirth(double shape, const SectionSize& s, float c);

// What one gusset or stiffener line is worked out from.
struct GirderLineInputs {
    QString beamCaption;       // the beam's section caption
    QString girderCaption;     // "A梁:…" or "B梁:…" of the girder on that side; empty when none
    QString count;             // beams counted on the entry
    QString relativeHeight;    // [H] of that girder over the beam
    QString margin;            // gusset margin e
    QString threshold;         // height from which the gusset takes shape ②
    bool largestOuter = false; // measuring basis: largest outer dimensions instead of equal area
};

// Plate-grid cells of one line, indexed by grid column (0 to 18).
// Gusset: 枚, plate size and the stiffener weld of the girder.
void SizeGussetLine(QStringList& cells, const GirderLineInputs& in);
// Stiffener: the weld along the girder's flange edges and web, and the plate between its flanges.
void SizeStiffenerLine(QStringList& cells, const GirderLineInputs& in);

} // namespace tv::beam_input
