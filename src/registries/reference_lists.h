// The installation's plain reference lists in set/ (grades, bolt kinds and diameters, plate names,
// member kinds): one entry per line, no tag, empty lines skipped, file order kept.
//
// Kikaku.ini, the other set/ file of the project, is carried by the project bundle only; nothing
// here reads or writes it.
#pragma once

#include "services/status.h"

#include <QString>
#include <QStringList>

namespace tv::registries {

inline constexpr QStringView kHasiraKikakuFile = u"HasiraKikaku.ini";     // steel grades
inline constexpr QStringView kHtbKataFile = u"HtbKata.ini";               // bolt kinds
inline constexpr QStringView kBoltKeiFile = u"BoltKei.ini";               // bolt diameters
inline constexpr QStringView kPLNameFile = u"PLName.ini";                 // plate names
inline constexpr QStringView kHasiraKataSikiFile = u"HasiraKataSiki.ini"; // member kinds

struct ReferenceList {
    QStringList entries; // every non-empty line, unchanged, in file order
    QString error;       // a refusal message; entries is then empty

    bool ok() const { return error.isEmpty(); }
};

// A missing file gives an empty list.
ReferenceList loadList(const QString& path);
// Rewrites the file with every non-empty entry, one per line, in list order.
services::Status saveList(const QString& path, const QStringList& entries);

} // namespace tv::registries
