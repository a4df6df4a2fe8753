// The codes an estimator chooses in the entry dialogs and what each means: a weld's 工法, 継手 and
// 面 (joined, they make the weld symbol of the conversion rates, "HT1") and the fourteen numbered
// coating shapes. Candidate lists show a code with its meaning ("T  T継手（完全溶込み）"); the cell
// stores the code alone.
#pragma once

#include <QString>
#include <QStringList>

namespace tv::registries {

// The candidate items of 工法, 継手 and 面, each a code, two blanks and its meaning, in list order.
QStringList weldMethodItems();
QStringList weldJointItems();
QStringList weldSidesItems();

// What a cell stores for a picked item: the code of an item above, any other text unchanged.
QString storedCode(const QString& item);

inline constexpr int kCoatingShapes = 14;
// The outline that coating shape 1 to 14 measures, empty for any other number.
QString coatingShapeName(int shape);
// "3  H形沿い：…" for the shape pictures' tooltips.
QString coatingShapeCaption(int shape);

} // namespace tv::registries
