// The current-project record: project name on line 1, bundle path on line 2.
#pragma once

#include "services/status.h"
#include "shell/data_root.h"
#include "shell/record_file.h"

#include <QString>

namespace tv::shell {

inline constexpr QStringView kBukkenNameFile = u"BukkenName.ini";

struct BukkenName {
    QString name;
    QString path;
    QString error; // a refusal message when the file cannot be read; name and path are then empty
    bool missing = false;
};

QString bukkenNamePath(const DataRoot& root);

// A missing file gives an empty name and path.
BukkenName readBukkenName(const DataRoot& root);
services::Status writeBukkenName(const DataRoot& root, const QString& name, const QString& path);

// The bytes of the record; refused when the name or path holds a character that CP932 cannot store
// (the record could not give the project back at the next start).
EncodedLines encodeBukkenName(const DataRoot& root, const QString& name, const QString& path);

} // namespace tv::shell
