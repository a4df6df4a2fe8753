// Loading, saving and looking up the unit-weight registry.
#include "registries/buzai_weight_table.h"

#include "services/num.h"
#include "services/text.h"
#include "shell/record_file.h"

#include <QSet>

namespace tv::registries {

using services::Status;

const QList<BuzaiWeightRow>& BuzaiWeightTable::defaultRows() {
    static const QList<BuzaiWeightRow> rows{
        {QStringLiteral("鋼管(角)"), QStringLiteral("350*350*9"), QStringLiteral("94.7"), {}},
        {QStringLiteral("鋼管(丸)"), QStringLiteral("114.3*3.5"), QStringLiteral("9.56"), {}},
        {QStringLiteral("2C形鋼"), QStringLiteral("100*50*20*2.3"), QStringLiteral("8.12"), {}},
        {QStringLiteral("BH鋼"), QStringLiteral("400*200*9*12"), QStringLiteral("65.4"), {}},
        {QStringLiteral("C鋼"), QStringLiteral("100*50*5*7.5"), QStringLiteral("9.36"), {}},
    };
    return rows;
}

Status BuzaiWeightTable::load(const QString& path) {
    rows.clear();
    const shell::LinesResult read = shell::readDataFile(path);
    if (!read.ok())
        return Status::failure(read.error);
    const QList<QStringList> records = shell::splitRecords(read.lines);
    rows.reserve(records.size() + defaultRows().size());
    for (const QStringList& r : records)
        rows.append({shell::fieldAt(r, 1), shell::fieldAt(r, 2), shell::fieldAt(r, 3), shell::fieldAt(r, 4)});
    appendMissingDefaults();
    return Status::success();
}

void BuzaiWeightTable::appendMissingDefaults() {
    QSet<QString> present;
    for (const BuzaiWeightRow& r : rows)
        present.insert(r.name);
    for (const BuzaiWeightRow& d : defaultRows()) {
        if (!present.contains(d.name))
            rows.append(d);
    }
}

Status BuzaiWeightTable::save(const QString& path) const {
    QStringList lines;
    lines.reserve(rows.size());
    const QString tag = kBuzaiWeightTag.toString();
    for (const BuzaiWeightRow& r : rows) {
        if (!r.name.isEmpty() && !r.size.isEmpty())
            lines.append(shell::joinRecord(tag, {r.name, r.size, r.unitWeight, r.extra}));
    }
    return shell::writeLines(path, lines);
}

qsizetype BuzaiWeightTable::indexOf(const QString& name, const QString& size) const {
    // A row without a name or size does not count (a deleted row): no lookup may find it.
    if (name.isEmpty() || size.isEmpty())
        return -1;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows[i].name == name && services::SameIdentifier(rows[i].size, size))
            return i;
    }
    return -1;
}

std::optional<double> BuzaiWeightTable::unitWeight(const QString& name, const QString& size) const {
    const qsizetype i = indexOf(name, size);
    if (i < 0)
        return std::nullopt;
    return services::Num(rows[i].unitWeight);
}

QStringList BuzaiWeightTable::sizesFor(const QString& name) const {
    QStringList sizes;
    for (const BuzaiWeightRow& r : rows) {
        if (r.name == name && !r.size.isEmpty())
            sizes.append(r.size);
    }
    return sizes;
}

QStringList BuzaiWeightTable::names() const {
    QStringList names;
    QSet<QString> seen;
    for (const BuzaiWeightRow& r : rows) {
        if (!r.name.isEmpty() && !r.size.isEmpty() && !seen.contains(r.name)) {
            seen.insert(r.name);
            names.append(r.name);
        }
    }
    return names;
}

} // namespace tv::registries
