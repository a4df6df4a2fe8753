// Beam sections as the beam dialog shows and reads them: the section caption built from a
// registered beam, the size tokens read back from it, and the lookup of a registered beam by mark.
//
// The caption is either "grade H-600×200×11×17" (one section) or
// "[中央部] grade size [端部] grade size" (centre and end sections). Every calculation of the dialog
// reads its dimensions back from this text, split at blanks, so its form is fixed.
#pragma once

#include "lists/member_lists.h"

#include <QString>
#include <QStringList>
#include <QStringView>

namespace tv::beam_input {

inline constexpr QStringView kCentreTag = u"[中央部]";
inline constexpr QStringView kEndTag = u"[端部]";

// "grade type-H×B×tw×tf" of one section field (six parts joined by "･"); missing parts are empty.
QString SectionText(const QString& sectionField);

// The beam caption: the centre text alone when the end section has no grade, else the
// "[中央部] … [端部] …" form.
QString BeamSectionCaption(const lists::HariListEntry& entry);

// The caption split at blanks; empty parts are kept, so a grade-less text still has its size at 1.
QStringList CaptionTokens(const QString& caption);

// Size token of the centre section: token 1 of a one-section caption, token 2 of a two-section
// caption; empty for any other caption.
QString CentreSizeToken(const QString& caption);
// Size token that the welds of welded ends use: the only section, or the end section (token 5).
QString EndSizeToken(const QString& caption);
// Whether the caption has exactly one of the two forms.
bool HasSectionForm(const QString& caption);

// Dimensions of a size token "H-600×200×11×17", each by the leading-number rule.
struct SectionSize {
    double H = 0;  // height: the piece after "-" of the first part
    double B = 0;  // flange width
    double tw = 0; // web thickness
    double tf = 0; // flange thickness
};
SectionSize ReadSectionSize(QStringView token);

// The member name of a size token: its part before "-" followed by "鋼" ("H-…" gives "H鋼").
QString MemberName(const QString& token);

// A number as plain text, the way a computed value is written into a formula or a cell
// ("17", "143.5").
QString NumberText(double value);
QString NumberText(float value);

// The floor of a floor caption ("3階" gives "3").
QString FloorOfCaption(const QString& caption);

// The registered beam for a floor and a mark: among the entries of that floor first, else among
// all entries whatever their floor (secondary beams are registered under "小梁"). The last match
// in list order wins; nullptr when none matches. Marks and floors match as identifiers.
const lists::HariListEntry* FindBeam(const QList<lists::HariListEntry>& list, const QString& floor,
                                     const QString& mark);

} // namespace tv::beam_input
