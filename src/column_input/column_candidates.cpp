// Candidate lists of the column dialog.
#include "column_input/column_candidates.h"

#include "registries/input_codes.h"
#include "registries/reference_lists.h"

namespace tv::column_input {

ColumnReferenceLoad loadColumnReferenceLists(const shell::DataRoot& root) {
    ColumnReferenceLoad load;
    const std::pair<QStringView, QStringList*> files[] = {
        {registries::kHtbKataFile, &load.lists.boltKinds},
        {registries::kBoltKeiFile, &load.lists.boltDiameters},
        {registries::kPLNameFile, &load.lists.plateNames},
        {registries::kHasiraKikakuFile, &load.lists.grades},
    };
    for (const auto& [name, target] : files) {
        registries::ReferenceList list = registries::loadList(root.file(shell::kSetFolder, name));
        if (!list.ok()) {
            load.error = list.error;
            return load;
        }
        *target = std::move(list.entries);
    }
    return load;
}

QStringList kouhoList(int index, const ColumnReferenceLists& reference,
                      const QList<lists::JointListEntry>& joints) {
    switch (index) {
    case KouhoJointMark: {
        QStringList marks;
        for (const lists::JointListEntry& joint : joints) {
            if (!joint.isDeleted() && !marks.contains(joint.Mark))
                marks.append(joint.Mark);
        }
        return marks;
    }
    case KouhoWeldMethod:
        return registries::weldMethodItems();
    case KouhoWeldJoint:
        return registries::weldJointItems();
    case KouhoWeldSides:
        return registries::weldSidesItems();
    case KouhoBoltKind:
        return reference.boltKinds + QStringList{QStringLiteral("A.BOLT(1)"), QStringLiteral("A.BOLT(2)"),
                                                 QStringLiteral("A.BOLT(3)")};
    case KouhoBoltDiameter:
        return reference.boltDiameters;
    case KouhoPlateName:
        return reference.plateNames;
    case KouhoPlateGrade:
        return reference.grades;
    case KouhoCoatingKind:
        return {QStringLiteral("吹付材"), QStringLiteral("板材")};
    default:
        return {};
    }
}

} // namespace tv::column_input
