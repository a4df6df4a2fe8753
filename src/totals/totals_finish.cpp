// Unit weights, weights, weld conversion, total rows and the ordering of the totals tables.
#include "totals/totals_finish.h"

#include "services/format_number.h"
#include "services/num.h"
#include "services/single_precision.h"

namespace tv::totals {

using services::formatNumber;
using services::Num;
using services::StoreSingle;
using services::TextGrid;

namespace {

constexpr QChar kTimes = QChar(0x00D7); // ×

QString sizeKey(const QString& name, const QString& size) {
    if (size.contains(u'-'))
        return size.section(u'-', 1, 1).replace(kTimes, u'*');
    QString key = size;
    if (name == u"丸鋼")
        return key.remove(QChar(0x03C6)); // φ
    return key.replace(kTimes, u'*');
}

// Where each weighed table keeps its columns.
struct WeighedLayout {
    TableId id;
    QString noWeightName; // rows of this name carry no weight ("-")
    int size, quantity, value, weight;
    QString totalCode;
};

const WeighedLayout kWeighed[] = {
    {TableId::Steel, QStringLiteral("床版"), 3, 4, 6, 8, QStringLiteral("99")},
    {TableId::Galv, QStringLiteral("床版"), 2, 3, 5, 7, QStringLiteral("A")},
    {TableId::Joint, QStringLiteral("BOLT"), 3, 4, 6, 8, QStringLiteral("99")},
};

void colorRow(TextGrid& grid, int row) {
    for (int column = 0; column < grid.columnCount(); ++column)
        grid.setBackColor(row, column, kTotalRowColor);
}

// Returns whether a unit weight is missing.
bool finishWeighed(TextGrid& grid, const WeighedLayout& layout,
                   const registries::BuzaiWeightTable& registry) {
    const int dataRows = grid.rowCount();
    for (int row = 1; row < dataRows; ++row) {
        if (grid.text(row, 1) == layout.noWeightName) {
            grid.setText(row, layout.value, QStringLiteral("-"));
            grid.setText(row, layout.value + 1, QString());
        } else {
            const UnitWeight found =
                LookupUnitWeight(registry, grid.text(row, 1), grid.text(row, layout.size));
            grid.setText(row, layout.value, found.value);
            grid.setText(row, layout.value + 1, found.unit);
        }
    }
    bool missing = false;
    float total = 0;
    for (int row = 1; row < dataRows; ++row) {
        const QString& value = grid.text(row, layout.value);
        if (value == u"?")
            missing = true;
        if (value.isEmpty() || value == u"?" || value == u"-")
            continue;
        const float weight = services::SingleProduct(Num(value), Num(grid.text(row, layout.quantity)));
        grid.setText(row, layout.weight, formatNumber(weight, u"#####0.00"));
        total = services::SingleSum(total, weight);
    }
    grid.insertRow(dataRows);
    grid.setText(dataRows, 0, layout.totalCode);
    grid.setText(dataRows, 1, QStringLiteral("合計"));
    grid.setText(dataRows, layout.weight, formatNumber(total, u"#####0.00"));
    colorRow(grid, dataRows);
    return missing;
}

// Returns whether a conversion rate is missing.
bool finishWelds(TextGrid& grid, const registries::KansanTable& registry) {
    const int dataRows = grid.rowCount();
    bool missing = false;
    float total = 0;
    for (int row = 1; row < dataRows; ++row) {
        if (grid.text(row, 1).isEmpty())
            continue;
        const QString rate = LookupWeldRate(registry, grid.text(row, 1), grid.text(row, 2));
        grid.setText(row, 4, rate);
        const float converted = services::SingleProduct(Num(grid.text(row, 3)), Num(rate));
        grid.setText(row, 5, formatNumber(converted, u"##0.##0"));
    }
    for (int row = 1; row < dataRows; ++row) {
        if (grid.text(row, 4) == u"?")
            missing = true;
        total = services::SingleSum(total, Num(grid.text(row, 5)));
    }
    grid.insertRow(dataRows);
    grid.setText(dataRows, 1, QStringLiteral("合計"));
    grid.setText(dataRows, 5, formatNumber(total, u"####0.##0"));
    colorRow(grid, dataRows);
    return missing;
}

// Merges runs of equal cells in columns 0 and 1 of the data rows (column 1 only within a run of
// column 0), so a group number or a name shows once for its rows.
void mergeGroups(TextGrid& grid) {
    for (int column = 0; column < 2; ++column) {
        int start = 1;
        for (int row = 2; row <= grid.rowCount(); ++row) {
            const bool same = row < grid.rowCount() && grid.text(row, column) == grid.text(start, column) &&
                              (column == 0 || grid.text(row, 0) == grid.text(start, 0));
            if (same)
                continue;
            if (row - start > 1)
                grid.addSpan({start, column, row - start, 1});
            start = row;
        }
    }
}

void renumberSteelGroups(TextGrid& grid) {
    int counter = 0;
    QString previous;
    for (int row = 1; row < grid.rowCount(); ++row) {
        const QString code = grid.text(row, 0);
        if (row == 1 || services::compareGridCells(code, previous) != 0)
            ++counter;
        previous = code;
        grid.setText(row, 0, QString::number(counter));
    }
    if (grid.rowCount() > 1)
        grid.setText(grid.rowCount() - 1, 0, QStringLiteral("A"));
}

} // namespace

UnitWeight LookupUnitWeight(const registries::BuzaiWeightTable& registry, const QString& name,
                            const QString& size) {
    const QString key = sizeKey(name, size);
    UnitWeight result{QStringLiteral("?"), QStringLiteral("kg/m")};
    QString registryName = name;
    if (name == u"普通鋼板" || name == u"普通鋼板(J)") {
        result.unit = QStringLiteral("kg/m2");
        registryName = QStringLiteral("普通鋼板");
    } else if (name == u"C鋼") {
        registryName = QStringLiteral("C形鋼");
    }
    for (const registries::BuzaiWeightRow& row : registry.rows) {
        if (row.name.isEmpty() || row.size.isEmpty())
            continue; // a deleted row
        if (row.name == registryName && row.size == key)
            result.value = row.unitWeight;
    }
    return result;
}

QString LookupWeldRate(const registries::KansanTable& registry, const QString& weldClass,
                       const QString& thickness) {
    const qsizetype dot = thickness.indexOf(u'.');
    const QString fraction = dot >= 0 ? thickness.mid(dot + 1) : QString();
    if (dot < 0 || Num(fraction) == 0) {
        QString result = QStringLiteral("?");
        const double wanted = Num(thickness);
        for (const registries::KansanRow& row : registry.rows)
            if (row.symbol == weldClass && Num(row.thickness) == wanted)
                result = formatNumber(Num(row.rate), u"###0.##0");
        return Num(result) == 0 ? QStringLiteral("?") : result;
    }
    const QString whole = thickness.left(dot);
    const double f = Num(QString(QStringLiteral("0.") + fraction));
    const double next = Num(whole) + 1;
    float r0 = 0, r1 = 0;
    bool haveR0 = false, haveR1 = false;
    for (const registries::KansanRow& row : registry.rows) {
        if (row.symbol != weldClass)
            continue;
        if (!haveR0 && row.thickness == whole) {
            r0 = StoreSingle(Num(row.rate));
            haveR0 = true;
        }
        if (!haveR1 && Num(row.thickness) == next) {
            r1 = StoreSingle(Num(row.rate));
            haveR1 = true;
        }
    }
    const double interpolated = double(r0) + double(StoreSingle(double(r1) - double(r0))) * f;
    QString result = formatNumber(interpolated, u"###0.##0");
    if (Num(result) == 0 || r0 == 0)
        return QStringLiteral("?");
    if (r0 > 0 && r1 == 0)
        return formatNumber(r0, u"###0.##0");
    return result;
}

FinishFlags finishTables(TotalsTables& tables, const registries::BuzaiWeightTable& weights,
                         const registries::KansanTable& rates) {
    FinishFlags flags;
    for (const WeighedLayout& layout : kWeighed)
        flags.unitWeightMissing |= finishWeighed(tables.table(layout.id), layout, weights);
    flags.weldRateMissing = finishWelds(tables.table(TableId::Weld), rates);
    return flags;
}

void orderTables(TotalsTables& tables) {
    for (int i = 0; i < kTableCount; ++i) {
        TextGrid& grid = tables.table(TableId(i));
        grid.sortRows(1, grid.rowCount() - 1, 0, grid.columnCount() - 1);
    }
    renumberSteelGroups(tables.table(TableId::Steel));
    TextGrid& joint = tables.table(TableId::Joint);
    if (joint.rowCount() > 1)
        joint.setText(joint.rowCount() - 1, 0, QStringLiteral("A"));
    for (const TableId id : {TableId::Steel, TableId::Galv, TableId::Joint}) {
        TextGrid& grid = tables.table(id);
        grid.clearSpans();
        addHeaderSpans(id, grid);
        mergeGroups(grid);
    }
}

} // namespace tv::totals
