// The candidate lists (KouhoList 0 to 8) of the column dialog: joint marks, weld attributes, bolt
// kinds and diameters, plate names and grades, coating kinds.
#pragma once

#include "lists/member_lists.h"
#include "shell/data_root.h"

#include <QString>
#include <QStringList>

namespace tv::column_input {

// The reference lists the dialog reads once when it opens, in file order.
struct ColumnReferenceLists {
    QStringList boltKinds;     // HtbKata.ini
    QStringList boltDiameters; // BoltKei.ini
    QStringList plateNames;    // PLName.ini
    QStringList grades;        // HasiraKikaku.ini
};

struct ColumnReferenceLoad {
    ColumnReferenceLists lists;
    QString error; // a refusal message naming the file; the dialog does not open then
};

// Reads the four reference files of the data root's set folder (a missing file gives an empty list).
ColumnReferenceLoad loadColumnReferenceLists(const shell::DataRoot& root);

enum KouhoListIndex : int {
    KouhoJointMark = 0,
    KouhoWeldMethod = 1,
    KouhoWeldJoint = 2,
    KouhoWeldSides = 3,
    KouhoBoltKind = 4,
    KouhoBoltDiameter = 5,
    KouhoPlateName = 6,
    KouhoPlateGrade = 7,
    KouhoCoatingKind = 8,
};
inline constexpr int kKouhoLists = 9;

// The items of candidate list `index`; empty for an index outside 0 to 8.
QStringList kouhoList(int index, const ColumnReferenceLists& reference,
                      const QList<lists::JointListEntry>& joints);

} // namespace tv::column_input
