// The per-project weld conversion registry: weld symbol and plate thickness to the rate that turns
// one metre of that weld into metres of 6 mm fillet weld; kept in set/Kansan.ini as ZZKN records.
//
// Every field is text and kept as written; a rate may be empty. A row counts when its symbol is
// non-empty. Symbol and thickness together identify a row.
#pragma once

#include "services/status.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tv::registries {

inline constexpr QStringView kKansanFile = u"Kansan.ini";
inline constexpr QStringView kKansanTag = u"ZZKN";

struct KansanRow {
    QString symbol;
    QString thickness; // plate thickness in mm
    QString rate;      // a decimal number as text, may be empty

    bool operator==(const KansanRow&) const = default;
};

// The plate thicknesses a symbol has rates for: "4", "5", … "40" (37 texts).
const QStringList& kansanThicknesses();

class KansanTable {
public:
    QList<KansanRow> rows;

    // Reads the file (a missing file is refused, named). A file that cannot be read leaves the table
    // empty and returns the refusal.
    services::Status load(const QString& path);
    // Rewrites the file with every row that has a symbol, in table order; an empty rate is written
    // as an empty last field.
    services::Status save(const QString& path) const;

    // Whether a row has this symbol, full-width letters and digits read as half-width.
    bool hasSymbol(const QString& symbol) const;
    // The symbols of the table, each once, in order of first appearance.
    QStringList symbols() const;
};

} // namespace tv::registries
