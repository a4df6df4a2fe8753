// The per-project unit-weight registry: member name and size to weight per metre (per square metre
// for plates), kept in set/BuzaiWeight.ini as ZZBW records.
//
// Every field is text and kept as written. A row counts only when name and size are both non-empty;
// a row whose size was emptied is a deleted row and is left out when the table is saved. Name and
// size together identify a row, compared as exact text.
#pragma once

#include "services/status.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tv::registries {

inline constexpr QStringView kBuzaiWeightFile = u"BuzaiWeight.ini";
inline constexpr QStringView kBuzaiWeightTag = u"ZZBW";

struct BuzaiWeightRow {
    QString name;
    QString size;
    QString unitWeight; // kg/m, kg/m² for plates; a decimal number as text, may be empty
    QString extra;      // carried through unchanged; no window shows it

    bool operator==(const BuzaiWeightRow&) const = default;
};

class BuzaiWeightTable {
public:
    QList<BuzaiWeightRow> rows;

    // The rows added after loading for each of their names that the file does not hold at all.
    static const QList<BuzaiWeightRow>& defaultRows();

    // Reads the file (a missing file is refused, named), then appends the missing default rows.
    // A file that cannot be read leaves the table empty and returns the refusal.
    services::Status load(const QString& path);
    // Rewrites the file with every row that has a name and a size, in table order.
    services::Status save(const QString& path) const;

    void appendMissingDefaults();

    // The first row with this name and size, or -1; an empty name or size finds no row. Sizes match
    // with full-width letters and digits read as half-width, so rows of older files still match.
    qsizetype indexOf(const QString& name, const QString& size) const;
    // The unit weight of the first row with this name and size, read with the leading-number rule.
    std::optional<double> unitWeight(const QString& name, const QString& size) const;
    // The sizes of this name's rows (with a size), in table order.
    QStringList sizesFor(const QString& name) const;
    // The names of the rows that count, each once, in order of first appearance.
    QStringList names() const;
};

} // namespace tv::registries
