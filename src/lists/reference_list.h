// The installation's plain reference lists in the set folder (grades, section types, bolt kinds and
// diameters): one entry per line, empty lines skipped.
#pragma once

#include "services/status.h"
#include "shell/data_root.h"

#include <QStringList>

namespace tv::lists {

inline constexpr QStringView kGradeFile = u"HasiraKikaku.ini";
inline constexpr QStringView kSectionTypeFile = u"HasiraKataSiki.ini";
inline constexpr QStringView kBoltKindFile = u"HtbKata.ini";
inline constexpr QStringView kBoltDiameterFile = u"BoltKei.ini";

struct ReferenceList {
    QStringList entries; // every non-empty line in file order; a missing file has none
    QString error;       // the file could not be read; entries is then empty
};

ReferenceList readReferenceList(const shell::DataRoot& root, QStringView name);

// Rewrites the file with every non-empty entry, one per line, in list order.
services::Status writeReferenceList(const shell::DataRoot& root, QStringView name,
                                    const QStringList& entries);

} // namespace tv::lists
