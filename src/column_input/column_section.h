// The section of a registered column as the column dialog uses it: the split section fields, the
// section code that shapes the weld grids, the section text and the painted girth.
//
// The section text is read back word by word for the coating girth and expanded by the column sheet
// into grade and size pairs, so its form ("SN490C H-400×200×8×13 SN490 CT-200×200×8×13") is binding.
#pragma once

#include "lists/member_lists.h"

#include <QString>
#include <QStringList>

namespace tv::column_input {

// Section codes: plain H, H with one cut T, H with two cut T (cruciform), square pipe, circular pipe.
enum class SectionCode {
    None = -1,
    PlainH = 0,
    HWithOneTee = 1,
    HWithTwoTees = 2,
    SquarePipe = 3,
    RoundPipe = 4
};

// The three section fields of a list entry (main section and two cut tees), split at "･" (missing
// parts are empty).
struct ColumnSpecs {
    QString kind;      // "H鋼", "鋼管(角)", "鋼管(丸)"
    QStringList spec1; // six parts
    QStringList spec2; // five parts
    QStringList spec3; // five parts

    static ColumnSpecs of(const lists::HasiraListEntry& entry);
};

// The code for a section kind and its section fields; None for a kind the dialog does not know.
SectionCode sectionCode(const QString& kind, const ColumnSpecs& specs);

// Number of weld rows of the イ部 (first) and ロ部 (second) grids for a code.
struct WeldRowCounts {
    int first = 0;
    int second = 0;
};
WeldRowCounts weldRowCounts(SectionCode code);

// The section text of the info panel.
QString sectionText(const ColumnSpecs& specs);

// The painted girth in mm of a column section (0 for an unknown kind).
float paintedGirth(const ColumnSpecs& specs);

} // namespace tv::column_input
