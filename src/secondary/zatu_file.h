// WorkData-3.ini: the rows of the secondary-member sheet, one "ZZ03" line per non-empty row.
//
// Every line is the tag and cells 1 to 25, joined by "'" (26 fields). Saving replaces "'" inside a
// cell by "’"; loading keeps what it reads. The file is read by the sheet when it opens and by the
// totals; only the sheet writes it, always whole.
#pragma once

#include "secondary/zatu_row.h"
#include "services/status.h"
#include "shell/data_root.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tv::secondary {

inline constexpr QStringView kZatuFile = u"WorkData-3.ini";
inline constexpr QStringView kZatuTag = u"ZZ03";

// The work file's path under the data root.
QString zatuFilePath(const shell::DataRoot& root);

struct ZatuRowsResult {
    QList<ZatuRow> rows; // one per non-empty line, in file order
    bool exists = true;  // false when the file is missing (rows is then empty)
    QString error;       // a refusal message (missing, or the file does not decode); rows is then empty

    bool ok() const { return error.isEmpty(); }
};

// Reads the rows of the file at `path`. Empty lines are skipped; the tag is not checked; a line with
// fewer than 26 fields leaves the missing cells empty, and fields after the 26th are not cells.
ZatuRowsResult LoadZatuRows(const QString& path);

// The file's lines for `rows`: empty rows left out, "'" in a cell written as "’".
QStringList zatuLines(const QList<ZatuRow>& rows);

// Rewrites the file whole from `rows` (an empty file when every row is empty). On failure the old
// file is kept and the message says why.
services::Status SaveZatuRows(const QString& path, const QList<ZatuRow>& rows);

} // namespace tv::secondary
