// Two estimates side by side: loading each into a private data root, and the differences of the
// tables, the entries and the registries.
#include "totals/estimate_compare.h"

#include "lists/member_lists.h"
#include "registries/buzai_weight_table.h"
#include "registries/kansan_table.h"
#include "services/format_number.h"
#include "services/num.h"
#include "shell/installation.h"
#include "shell/project_bundle.h"
#include "shell/record_file.h"
#include "totals/totals_run.h"

#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>

#include <algorithm>
#include <functional>
#include <future>

namespace tv::totals {

using services::TextGrid;

namespace {

constexpr std::size_t kBuzaiWeightIndex = 3; // in the bundle order of the working files
constexpr std::size_t kKansanIndex = 4;
constexpr std::size_t kFirstWorkDataIndex = 6;

QList<QStringList> recordsOf(const QStringList& lines) {
    QList<QStringList> records;
    for (const QStringList& fields : shell::splitRecords(lines))
        records.append(fields.mid(1));
    return records;
}

// Which cells of a table's row name it and which hold its quantity and weight (-1: none).
struct TableShape {
    QList<int> keys;
    int quantity;
    int weight;
    QStringView quantityPattern; // the formats of a difference
    QStringView weightPattern;
};

TableShape shapeOf(TableId id) {
    switch (id) {
    case TableId::Steel:
    case TableId::Joint:
        return {{0, 1, 2, 3, 5}, 4, 8, u"###0.#0", u"###0.#0"};
    case TableId::Weld: // the 6 mm fillet length has three decimals
        return {{0, 1, 2}, 3, 5, u"###0.#0", u"###0.##0"};
    case TableId::Bolt:
        return {{0, 1, 2, 3}, 4, -1, u"###0", u"###0"};
    case TableId::Coating:
        return {{0, 1, 2}, 3, -1, u"###0.#0", u"###0.#0"};
    case TableId::Galv:
        return {{0, 1, 2, 4}, 3, 7, u"###0.#0", u"###0.#0"};
    }
    return {{0}, 1, -1, u"###0.#0", u"###0.#0"};
}

QString difference(const QString& before, const QString& after, QStringView pattern) {
    return services::formatNumber(services::Num(after) - services::Num(before), pattern);
}

// Pairs the items of two lists by key, in order: the n-th item of a key in `before` with the n-th of
// the same key in `after`. `visit` gets both (either may be null) in the order the keys first appear,
// before's keys first.
template <typename Item>
void pairByKey(const QList<Item>& before, const QList<Item>& after,
               const std::function<QString(const Item&)>& key,
               const std::function<void(const Item*, const Item*)>& visit) {
    QStringList order;
    QHash<QString, QList<const Item*>> left;
    QHash<QString, QList<const Item*>> right;
    for (const Item& item : before) {
        const QString k = key(item);
        if (!left.contains(k) && !right.contains(k))
            order.append(k);
        left[k].append(&item);
    }
    for (const Item& item : after) {
        const QString k = key(item);
        if (!left.contains(k) && !right.contains(k))
            order.append(k);
        right[k].append(&item);
    }
    for (const QString& k : std::as_const(order)) {
        const QList<const Item*>& a = left[k];
        const QList<const Item*>& b = right[k];
        for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i)
            visit(i < a.size() ? a[i] : nullptr, i < b.size() ? b[i] : nullptr);
    }
}

struct TableRow {
    QStringList cells;
};

void compareTable(const TextGrid& before, const TextGrid& after, TableId id, QStringList& lines) {
    const TableShape shape = shapeOf(id);
    const QString total = QStringLiteral("合計");
    const auto rowsOf = [&total](const TextGrid& grid, QStringList* totalRow) {
        QList<TableRow> rows;
        for (int r = 1; r < grid.rowCount(); ++r) {
            if (grid.text(r, 1) == total)
                *totalRow = grid.rowTexts(r);
            else
                rows.append({grid.rowTexts(r)});
        }
        return rows;
    };
    QStringList totalBefore;
    QStringList totalAfter;
    const QList<TableRow> a = rowsOf(before, &totalBefore);
    const QList<TableRow> b = rowsOf(after, &totalAfter);
    const auto key = [&shape](const TableRow& row) {
        QStringList cells;
        for (int c : shape.keys)
            cells.append(row.cells.value(c));
        return cells.join(u'\t');
    };
    const auto values = [&shape](const TableRow* before, const TableRow* after) {
        QStringList cells;
        for (int c : {shape.quantity, shape.weight}) {
            if (c < 0)
                continue;
            const QString from = before ? before->cells.value(c) : QString();
            const QString to = after ? after->cells.value(c) : QString();
            cells << from << to
                  << difference(from, to, c == shape.weight ? shape.weightPattern : shape.quantityPattern);
        }
        return cells;
    };
    pairByKey<TableRow>(a, b, key, [&](const TableRow* x, const TableRow* y) {
        const QString& rowKey = key(x ? *x : *y);
        if (x && y) {
            const bool same =
                x->cells.value(shape.quantity) == y->cells.value(shape.quantity) &&
                (shape.weight < 0 || x->cells.value(shape.weight) == y->cells.value(shape.weight));
            if (same)
                return;
        }
        const QString verb = !x   ? QStringLiteral("追加")
                             : !y ? QStringLiteral("削除")
                                  : QStringLiteral("変更");
        lines.append((QStringList{verb, rowKey} + values(x, y)).join(u'\t'));
    });
    // The table's own total where it has one, else the sum of its rows.
    const int column = shape.weight >= 0 ? shape.weight : shape.quantity;
    const QStringView pattern = shape.weight >= 0 ? shape.weightPattern : shape.quantityPattern;
    const auto sum = [column, pattern](const QList<TableRow>& rows, const QStringList& totalRow) {
        if (!totalRow.isEmpty())
            return totalRow.value(column);
        double value = 0;
        for (const TableRow& row : rows)
            value += services::Num(row.cells.value(column));
        return services::formatNumber(value, pattern);
    };
    const QString from = sum(a, totalBefore);
    const QString to = sum(b, totalAfter);
    lines.append(QStringList{total, from, to, difference(from, to, pattern)}.join(u'\t'));
}

// An entry of a sheet: its floor and mark and its rows (cells 1 on, as stored).
struct Entry {
    QString floor;
    QString mark;
    QList<QStringList> rows;
};

QList<Entry> entriesOf(const QList<QStringList>& records, int sheet) {
    QList<Entry> entries;
    bool open = false;
    for (const QStringList& cells : records) {
        const bool empty =
            std::all_of(cells.cbegin(), cells.cend(), [](const QString& c) { return c.isEmpty(); });
        if (empty) {
            open = false;
            continue;
        }
        if (sheet == 2) { // the secondary sheet: every row stands alone, named by its member and position
            entries.append(
                {cells.value(1), QStringList{cells.value(0), cells.value(2)}.join(u' ').trimmed(), {cells}});
            continue;
        }
        if (!cells.value(0).isEmpty() || !open) {
            entries.append({cells.value(1), cells.value(2), {}});
            open = true;
        }
        entries.last().rows.append(cells);
    }
    return entries;
}

// The name of what a cell holds, for a changed entry. `column` counts from 1, as the sheet's columns.
QString fieldName(int sheet, int row, int column) {
    if (sheet == 2) {
        if (column >= 4 && column <= 6)
            return QStringLiteral("断面");
        if (column == 7)
            return QStringLiteral("長さ");
        if (column == 8)
            return QStringLiteral("本数");
        if (column == 9)
            return QStringLiteral("数量");
        if (column >= 10 && column <= 16)
            return QStringLiteral("溶接");
        if (column >= 17 && column <= 20)
            return QStringLiteral("塗装");
        return column == 3 ? QStringLiteral("位置/ｺﾒﾝﾄ") : QStringLiteral("入力内容");
    }
    if (column == 4)
        return QStringLiteral("位置/ｺﾒﾝﾄ");
    if (column >= 5 && column <= 7)
        return row == 0 ? QStringLiteral("断面") : QStringLiteral("プレート");
    if (column == 8)
        return QStringLiteral("長さ");
    if (column == 9)
        return QStringLiteral("本数");
    if (column == 10 || column == 11)
        return QStringLiteral("JOINT");
    if (column >= 12 && column <= 16)
        return QStringLiteral("溶接");
    if (column >= 17 && column <= 19)
        return QStringLiteral("塗装/耐火被覆");
    if (column >= 20 && column <= 23)
        return QStringLiteral("ボルト");
    return QStringLiteral("入力内容");
}

QStringList movedFields(const Entry& before, const Entry& after, int sheet) {
    QStringList names;
    const auto add = [&names](const QString& name) {
        if (!names.contains(name))
            names.append(name);
    };
    if (before.rows.size() != after.rows.size())
        add(QStringLiteral("行数"));
    for (qsizetype r = 0; r < std::max(before.rows.size(), after.rows.size()); ++r) {
        const QStringList x = before.rows.value(r);
        const QStringList y = after.rows.value(r);
        for (qsizetype c = 0; c < std::max(x.size(), y.size()); ++c)
            if (x.value(c) != y.value(c))
                add(fieldName(sheet, int(r), int(c + 1)));
    }
    return names;
}

void compareSheet(const QList<QStringList>& before, const QList<QStringList>& after, int sheet,
                  QStringList& lines) {
    pairByKey<Entry>(
        entriesOf(before, sheet), entriesOf(after, sheet),
        [](const Entry& e) { return e.floor + u'\t' + e.mark; },
        [&](const Entry* x, const Entry* y) {
            const Entry& e = x ? *x : *y;
            if (!x || !y) {
                lines.append(
                    QStringList{!x ? QStringLiteral("追加") : QStringLiteral("削除"), e.floor, e.mark}.join(
                        u'\t'));
                return;
            }
            const QStringList moved = movedFields(*x, *y, sheet);
            if (!moved.isEmpty())
                lines.append((QStringList{QStringLiteral("変更"), e.floor, e.mark} + moved).join(u'\t'));
        });
}

// Registry rows by their key as stored (name and size, symbol and thickness) and value.
void compareRegistry(const QList<QStringList>& before, const QList<QStringList>& after, int keyCells,
                     QStringList& lines) {
    const auto counts = [keyCells](const QStringList& r) {
        return !r.value(0).isEmpty() && (keyCells < 2 || !r.value(1).isEmpty());
    };
    QList<QStringList> a;
    QList<QStringList> b;
    for (const QStringList& r : before)
        if (counts(r))
            a.append(r);
    for (const QStringList& r : after)
        if (counts(r))
            b.append(r);
    const auto key = [](const QStringList& r) { return r.value(0) + u'\t' + r.value(1); };
    // The fields after the key as stored, without empty fields at the end (an extra left empty).
    const auto value = [keyCells](const QStringList* r) {
        QStringList fields = r ? r->mid(keyCells) : QStringList();
        while (!fields.isEmpty() && fields.last().isEmpty())
            fields.removeLast();
        return fields.join(u'\'');
    };
    pairByKey<QStringList>(a, b, key, [&](const QStringList* x, const QStringList* y) {
        if (x && y && value(x) == value(y))
            return;
        const QString verb = !x   ? QStringLiteral("追加")
                             : !y ? QStringLiteral("削除")
                                  : QStringLiteral("変更");
        lines.append(QStringList{verb, key(x ? *x : *y), value(x), value(y)}.join(u'\t'));
    });
}

} // namespace

const QStringList& compareSheetNames() {
    static const QStringList names{QStringLiteral("柱積算"), QStringLiteral("梁積算"),
                                   QStringLiteral("副部材")};
    return names;
}

const QStringList& compareRegistryNames() {
    static const QStringList names{QStringLiteral("部材単位重量"), QStringLiteral("溶接換算率")};
    return names;
}

const QStringList& compareTableNames() {
    static const QStringList names{QStringLiteral("鋼材"),           QStringLiteral("溶接"),
                                   QStringLiteral("ボルト"),         QStringLiteral("塗装・耐火被覆"),
                                   QStringLiteral("溶融亜鉛メッキ"), QStringLiteral("JOINTの数量")};
    return names;
}

Estimate loadEstimate(const QString& bundlePath) {
    Estimate estimate;
    const shell::ProjectBundle::Reading reading = shell::ProjectBundle::read(bundlePath);
    if (!reading.refusal.isEmpty()) {
        estimate.refusal = reading.refusal;
        return estimate;
    }
    if (!reading.doubts.isEmpty()) {
        estimate.doubts = reading.doubts;
        return estimate;
    }
    QTemporaryDir folder;
    if (!folder.isValid()) {
        estimate.refusal =
            QStringLiteral("比較のための一時フォルダを作れません。\n%1").arg(folder.errorString());
        return estimate;
    }
    const shell::DataRoot root(folder.path());
    const shell::InstallReport laid = shell::layDownInstallation(root, shell::InstallScope::Everything);
    services::Status status = laid.status;
    if (status.ok())
        status =
            shell::ProjectBundle::open(root, reading, QFileInfo(bundlePath).completeBaseName(), bundlePath);
    lists::MemberLists lists;
    registries::BuzaiWeightTable weights;
    registries::KansanTable rates;
    if (status.ok())
        status = loadTotalsRegistries(root, lists, weights, rates);
    if (!status.ok()) {
        estimate.refusal = status.error;
        return estimate;
    }
    const TotalsOutcome outcome = RunTotals(estimate.tables, root, lists.JointList, weights, rates);
    if (!outcome.ok()) {
        estimate.refusal = outcome.error;
        return estimate;
    }
    estimate.registrationsMissing = outcome.flags.unitWeightMissing || outcome.flags.weldRateMissing;
    for (std::size_t i = 0; i < estimate.sheets.size(); ++i)
        estimate.sheets[i] = recordsOf(reading.files[kFirstWorkDataIndex + i]);
    estimate.weights = recordsOf(reading.files[kBuzaiWeightIndex]);
    estimate.rates = recordsOf(reading.files[kKansanIndex]);
    return estimate;
}

std::array<Estimate, 2> loadEstimates(const QString& before, const QString& after) {
    std::future<Estimate> first = std::async(std::launch::async, [&before] { return loadEstimate(before); });
    Estimate second = loadEstimate(after);
    return {first.get(), std::move(second)};
}

QStringList compareEstimates(const Estimate& before, const Estimate& after, int onlyTable) {
    QStringList lines;
    for (int t = 0; t < kTableCount; ++t) {
        if (onlyTable >= 0 && onlyTable != t)
            continue;
        lines.append(QStringLiteral("# ") + compareTableNames()[t]);
        compareTable(before.tables.table(TableId(t)), after.tables.table(TableId(t)), TableId(t), lines);
    }
    if (onlyTable >= 0)
        return lines;
    for (int s = 0; s < int(before.sheets.size()); ++s) {
        lines.append(QStringLiteral("# ") + compareSheetNames()[s]);
        compareSheet(before.sheets[size_t(s)], after.sheets[size_t(s)], s, lines);
    }
    lines.append(QStringLiteral("# ") + compareRegistryNames()[0]);
    compareRegistry(before.weights, after.weights, 2, lines);
    lines.append(QStringLiteral("# ") + compareRegistryNames()[1]);
    compareRegistry(before.rates, after.rates, 2, lines);
    return lines;
}

} // namespace tv::totals
