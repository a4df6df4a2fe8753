// Reading another project's registries and merging them into this project's tables.
#include "registries/registry_import.h"

#include "services/text.h"
#include "shell/project_bundle.h"
#include "shell/record_file.h"
#include "shell/working_files.h"

#include <QDir>

namespace tv::registries {

namespace {

// Index of the working file of `name` in the bundle order.
std::size_t workingFileIndex(QStringView name) {
    for (std::size_t i = 0; i < shell::kWorkingFiles.size(); ++i)
        if (shell::kWorkingFiles[i].name == name)
            return i;
    return 0;
}

qsizetype findRate(const KansanTable& table, const KansanRow& row) {
    for (qsizetype i = 0; i < table.rows.size(); ++i) {
        const KansanRow& r = table.rows[i];
        if (!r.symbol.isEmpty() && services::SameIdentifier(r.symbol, row.symbol) &&
            services::SameIdentifier(r.thickness, row.thickness))
            return i;
    }
    return -1;
}

// Merges `source` into `table`; counting is merging into a copy, so that the question before taking
// over and what is then done always agree. A row the source holds twice is added once.
template <typename Table, typename Row, typename Find, typename Value, typename TakeValue>
ImportCounts merge(Table& table, const QList<Row>& source, bool replace, Find find, Value value,
                   TakeValue takeValue) {
    ImportCounts counts;
    const qsizetype own = table.rows.size();
    for (const Row& row : source) {
        const qsizetype at = find(table, row);
        if (at < 0) {
            table.rows.append(row);
            ++counts.added;
        } else if (at >= own || value(table.rows[at]) == value(row)) {
            ++counts.unchanged;
        } else if (value(table.rows[at]).isEmpty()) {
            // A row kept without its value (a weld symbol's thickness with no rate yet) lacks it.
            takeValue(table.rows[at], row);
            ++counts.added;
        } else {
            ++counts.replaced;
            if (replace)
                takeValue(table.rows[at], row);
        }
    }
    return counts;
}

ImportCounts mergeWeights(BuzaiWeightTable& table, const QList<BuzaiWeightRow>& source, bool replace) {
    return merge(
        table, source, replace,
        [](const BuzaiWeightTable& t, const BuzaiWeightRow& r) { return t.indexOf(r.name, r.size); },
        [](const BuzaiWeightRow& r) {
            return r.unitWeight.isEmpty() && r.extra.isEmpty() ? QString() : r.unitWeight + u'\'' + r.extra;
        },
        [](BuzaiWeightRow& into, const BuzaiWeightRow& from) {
            into.unitWeight = from.unitWeight;
            into.extra = from.extra;
        });
}

ImportCounts mergeRates(KansanTable& table, const QList<KansanRow>& source, bool replace) {
    return merge(
        table, source, replace, findRate, [](const KansanRow& r) { return r.rate; },
        [](KansanRow& into, const KansanRow& from) { into.rate = from.rate; });
}

} // namespace

ImportSource readImportSource(const QString& bundlePath, RegistryKind kind) {
    ImportSource source;
    const shell::ProjectBundle::Reading reading = shell::ProjectBundle::read(bundlePath);
    if (!reading.refusal.isEmpty()) {
        source.refusal = reading.refusal;
        return source;
    }
    if (!reading.doubts.isEmpty()) {
        source.refusal = QStringLiteral("ファイル「%1」は壊れているおそれがあるため、取り込みません。\n%2")
                             .arg(QDir::toNativeSeparators(bundlePath), reading.doubts.join(u'\n'));
        return source;
    }
    const bool weights = kind == RegistryKind::UnitWeights;
    const QStringList& lines = reading.files[workingFileIndex(weights ? kBuzaiWeightFile : kKansanFile)];
    for (const QStringList& r : shell::splitRecords(lines)) {
        if (weights) {
            BuzaiWeightRow row{shell::fieldAt(r, 1), shell::fieldAt(r, 2), shell::fieldAt(r, 3),
                               shell::fieldAt(r, 4)};
            if (!row.name.isEmpty() && !row.size.isEmpty())
                source.weights.append(row);
        } else {
            KansanRow row{shell::fieldAt(r, 1), shell::fieldAt(r, 2), shell::fieldAt(r, 3)};
            if (!row.symbol.isEmpty())
                source.rates.append(row);
        }
    }
    if (source.weights.isEmpty() && source.rates.isEmpty())
        source.refusal = QStringLiteral("ファイル「%1」には%2がありません。")
                             .arg(QDir::toNativeSeparators(bundlePath),
                                  weights ? QStringLiteral("部材単位重量") : QStringLiteral("溶接換算率"));
    return source;
}

ImportCounts countImport(const BuzaiWeightTable& table, const QList<BuzaiWeightRow>& source) {
    BuzaiWeightTable copy = table;
    return mergeWeights(copy, source, false);
}

ImportCounts countImport(const KansanTable& table, const QList<KansanRow>& source) {
    KansanTable copy = table;
    return mergeRates(copy, source, false);
}

ImportCounts applyImport(BuzaiWeightTable& table, const QList<BuzaiWeightRow>& source, bool replace) {
    return mergeWeights(table, source, replace);
}

ImportCounts applyImport(KansanTable& table, const QList<KansanRow>& source, bool replace) {
    return mergeRates(table, source, replace);
}

QString importSummary(const ImportCounts& counts, bool replace) {
    QString text =
        QStringLiteral("追加 %1行、置き換え %2行").arg(counts.added).arg(replace ? counts.replaced : 0);
    const int kept = counts.unchanged + (replace ? 0 : counts.replaced);
    if (kept > 0)
        text += QStringLiteral("、そのまま %1行").arg(kept);
    return text;
}

} // namespace tv::registries
