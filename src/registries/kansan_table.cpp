// Loading and saving the weld conversion registry.
#include "registries/kansan_table.h"

#include "services/text.h"
#include "shell/record_file.h"

#include <QSet>

namespace tv::registries {

using services::Status;

const QStringList& kansanThicknesses() {
    static const QStringList thicknesses = [] {
        QStringList list;
        for (int t = 4; t <= 40; ++t)
            list.append(QString::number(t));
        return list;
    }();
    return thicknesses;
}

Status KansanTable::load(const QString& path) {
    rows.clear();
    const shell::LinesResult read = shell::readDataFile(path);
    if (!read.ok())
        return Status::failure(read.error);
    const QList<QStringList> records = shell::splitRecords(read.lines);
    rows.reserve(records.size());
    for (const QStringList& r : records)
        rows.append({shell::fieldAt(r, 1), shell::fieldAt(r, 2), shell::fieldAt(r, 3)});
    return Status::success();
}

Status KansanTable::save(const QString& path) const {
    QStringList lines;
    lines.reserve(rows.size());
    const QString tag = kKansanTag.toString();
    for (const KansanRow& r : rows) {
        if (!r.symbol.isEmpty())
            lines.append(shell::joinRecord(tag, {r.symbol, r.thickness, r.rate}));
    }
    return shell::writeLines(path, lines);
}

bool KansanTable::hasSymbol(const QString& symbol) const {
    for (const KansanRow& r : rows) {
        if (services::SameIdentifier(r.symbol, symbol))
            return true;
    }
    return false;
}

QStringList KansanTable::symbols() const {
    QStringList symbols;
    QSet<QString> seen;
    for (const KansanRow& r : rows) {
        if (!r.symbol.isEmpty() && !seen.contains(r.symbol)) {
            seen.insert(r.symbol);
            symbols.append(r.symbol);
        }
    }
    return symbols;
}

} // namespace tv::registries
