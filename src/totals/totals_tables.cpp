// The six totals tables: header rows and the add operations.
#include "totals/totals_tables.h"

#include "services/format_number.h"
#include "services/num.h"

#include <initializer_list>
#include <utility>

namespace tv::totals {

using services::TextGrid;

namespace {

using Match = std::pair<int, QStringView>; // column, text it must hold

// The first data row whose columns hold the texts, or -1.
int findRow(const TextGrid& grid, std::initializer_list<Match> match) {
    for (int row = 1; row < grid.rowCount(); ++row) {
        bool equal = true;
        for (const Match& m : match) {
            if (grid.text(row, m.first) != m.second) {
                equal = false;
                break;
            }
        }
        if (equal)
            return row;
    }
    return -1;
}

// Whether the texts of `columns`, joined without separator, equal `key`; no text is built.
bool joinedEquals(const TextGrid& grid, int row, std::initializer_list<int> columns, QStringView key) {
    qsizetype at = 0;
    for (int column : columns) {
        const QString& text = grid.text(row, column);
        if (key.size() - at < text.size() || key.sliced(at, text.size()) != text)
            return false;
        at += text.size();
    }
    return at == key.size();
}

// The first data row matching `key` joined as above (and `name` in column 1 when given), or a new row.
int joinedRowOrAppend(TextGrid& grid, std::initializer_list<int> columns, QStringView key,
                      QStringView name = {}) {
    for (int row = 1; row < grid.rowCount(); ++row) {
        if ((name.isNull() || grid.text(row, 1) == name) && joinedEquals(grid, row, columns, key))
            return row;
    }
    grid.insertRow(grid.rowCount());
    return grid.rowCount() - 1;
}

int rowOrAppend(TextGrid& grid, std::initializer_list<Match> match) {
    const int row = findRow(grid, match);
    if (row >= 0)
        return row;
    grid.insertRow(grid.rowCount());
    return grid.rowCount() - 1;
}

void addTo(TextGrid& grid, int row, int column, const QString& added, int mode) {
    grid.setText(row, column, AddQuantityText(grid.text(row, column), added, mode));
}

} // namespace

QString AddQuantityText(const QString& current, const QString& added, int mode) {
    const double sum = services::Num(current) + services::Num(added);
    return services::formatNumber(sum, mode == QuantityModeCount ? u"###" : u"###0.#0");
}

QString steelDisplayName(const QString& name) {
    if (name == u"C鋼")
        return QStringLiteral("C形鋼");
    if (name == u"2C鋼")
        return QStringLiteral("2C形鋼");
    return name;
}

const QStringList& headerTexts(TableId id) {
    static const std::array<QStringList, kTableCount> headers{{
        {QString(), QStringLiteral("名称"), QStringLiteral("規格"), QStringLiteral("サイズ"),
         QStringLiteral("数量"), QStringLiteral("数量"), QStringLiteral("単位重量"),
         QStringLiteral("単位重量"), QStringLiteral("総重量(Kg)")},
        {QString(), QStringLiteral("分類"), QStringLiteral("厚"), QStringLiteral("数量"),
         QStringLiteral("換算率"), QStringLiteral("隅肉6㍉換算(m)")},
        {QString(), QStringLiteral("規格"), QStringLiteral("径"), QStringLiteral("L"), QStringLiteral("本")},
        {QString(), QStringLiteral("分類"), QStringLiteral("厚"), QStringLiteral("数量(m2)")},
        {QString(), QStringLiteral("分類"), QStringLiteral("サイズ"), QStringLiteral("数量"),
         QStringLiteral("数量"), QStringLiteral("単位重量"), QStringLiteral("単位重量"),
         QStringLiteral("総重量(Kg)")},
        {QString(), QStringLiteral("名称"), QStringLiteral("規格"), QStringLiteral("サイズ/L"),
         QStringLiteral("数量"), QStringLiteral("数量"), QStringLiteral("単位重量"),
         QStringLiteral("単位重量"), QStringLiteral("総重量(Kg)")},
    }};
    return headers[size_t(id)];
}

namespace {

// Column widths on screen (twips) and alignments: names and codes centred, sizes left, quantities,
// unit weights and weights right; units left.
struct ColumnLook {
    int width;
    services::CellAlignment alignment;
};

QList<ColumnLook> columnLooks(TableId id) {
    constexpr auto C = services::CellAlignment::Center, L = services::CellAlignment::Left,
                   R = services::CellAlignment::Right;
    switch (id) {
    case TableId::Steel:
    case TableId::Joint:
        return {{450, C}, {1200, C}, {1100, C}, {2200, L}, {1000, R},
                {450, L}, {1000, R}, {650, L},  {1250, R}};
    case TableId::Weld:
        return {{300, C}, {1100, C}, {800, C}, {1100, R}, {900, R}, {1700, R}};
    case TableId::Bolt:
        return {{300, C}, {1500, C}, {800, C}, {800, C}, {1000, R}};
    case TableId::Coating:
        return {{300, C}, {1800, C}, {800, C}, {1200, R}};
    case TableId::Galv:
        return {{450, C}, {1200, C}, {2200, L}, {1000, R}, {450, L}, {1000, R}, {650, L}, {1250, R}};
    }
    return {};
}

} // namespace

TotalsTables::TotalsTables() {
    for (int i = 0; i < kTableCount; ++i) {
        const QStringList& header = headerTexts(TableId(i));
        TextGrid& grid = m_tables[size_t(i)];
        grid.resize(1, int(header.size()));
        grid.setRowTexts(0, header);
        grid.setFixedRows(1);
        grid.setFixedColumns(1);
        const QList<ColumnLook> looks = columnLooks(TableId(i));
        for (int column = 0; column < looks.size(); ++column) {
            grid.setColumnWidth(column, looks[column].width);
            grid.setAlignment(column, looks[column].alignment);
        }
        addHeaderSpans(TableId(i), grid);
    }
}

void TotalsTables::clear() {
    for (int i = 0; i < kTableCount; ++i) {
        TextGrid& grid = m_tables[size_t(i)];
        grid.resize(1, grid.columnCount());
        grid.clearSpans();
        addHeaderSpans(TableId(i), grid);
    }
}

void addHeaderSpans(TableId id, TextGrid& grid) {
    // The two "数量" and the two "単位重量" headers show as one cell each.
    const int quantity = id == TableId::Galv ? 3 : 4;
    if (id == TableId::Steel || id == TableId::Galv || id == TableId::Joint) {
        grid.addSpan({0, quantity, 1, 2});
        grid.addSpan({0, quantity + 2, 1, 2});
    }
}

void TotalsTables::AddSteel(const QString& code, const QString& name, const QString& grade,
                            const QString& size, const QString& quantity, const QString& unit) {
    TextGrid& grid = table(TableId::Steel);
    const QString display = steelDisplayName(name);
    const int row = rowOrAppend(grid, {{1, display}, {2, grade}, {3, size}});
    grid.setText(row, 0, code);
    grid.setText(row, 1, display);
    grid.setText(row, 2, grade);
    grid.setText(row, 3, size);
    addTo(grid, row, 4, quantity, QuantityModeDecimal);
    grid.setText(row, 5, unit);
}

void TotalsTables::AddWeld(const QString& weldClass, const QString& thickness, const QString& length) {
    TextGrid& grid = table(TableId::Weld);
    const int row = rowOrAppend(grid, {{1, weldClass}, {2, thickness}});
    grid.setText(row, 1, weldClass);
    grid.setText(row, 2, thickness);
    addTo(grid, row, 3, length, QuantityModeDecimal);
}

void TotalsTables::AddBolt(const QString& grade, const QString& diameter, const QString& length,
                           const QString& count) {
    TextGrid& grid = table(TableId::Bolt);
    const int row = rowOrAppend(grid, {{1, grade}, {2, diameter}, {3, length}});
    grid.setText(row, 1, grade);
    grid.setText(row, 2, diameter);
    grid.setText(row, 3, length);
    addTo(grid, row, 4, count, QuantityModeCount);
}

void TotalsTables::AddCoating(const QString& coatingClass, const QString& thickness, const QString& area) {
    TextGrid& grid = table(TableId::Coating);
    const int row = rowOrAppend(grid, {{1, coatingClass}, {2, thickness}});
    grid.setText(row, 1, coatingClass);
    grid.setText(row, 2, thickness);
    addTo(grid, row, 3, area, QuantityModeDecimal);
}

void TotalsTables::AddGalvanized(const QString& code, const QString& name, const QString& size,
                                 const QString& quantity, const QString& unit) {
    TextGrid& grid = table(TableId::Galv);
    // Lengths and areas never add up into one row, whatever their names.
    const int row = rowOrAppend(grid, {{1, name}, {2, size}, {4, unit}});
    grid.setText(row, 0, code);
    grid.setText(row, 1, name);
    grid.setText(row, 2, size);
    addTo(grid, row, 3, quantity, QuantityModeDecimal);
    grid.setText(row, 4, unit);
}

void TotalsTables::AddJointPlate(const QString& grade, const QString& thickness, const QString& area) {
    TextGrid& grid = table(TableId::Joint);
    static const QString plate = QStringLiteral("普通鋼板");
    const int row = joinedRowOrAppend(grid, {1, 2, 3}, QString(plate + grade + thickness));
    grid.setText(row, 0, QStringLiteral("1"));
    grid.setText(row, 1, plate);
    grid.setText(row, 2, grade);
    grid.setText(row, 3, thickness);
    addTo(grid, row, 4, area, QuantityModeDecimal);
    grid.setText(row, 5, QStringLiteral("m2"));
}

void TotalsTables::AddJointBolt(const QString& kind, const QString& diameter, const QString& length,
                                const QString& count) {
    TextGrid& grid = table(TableId::Joint);
    static const QString bolt = QStringLiteral("BOLT");
    const QString size = diameter + u'：' + length;
    // Only bolt rows are candidates: a plate whose grade and thickness happen to spell the same text
    // (a grade may hold "：") must not take the bolt count.
    const int row = joinedRowOrAppend(grid, {2, 3}, QString(kind + size), bolt);
    grid.setText(row, 0, QStringLiteral("2"));
    grid.setText(row, 1, bolt);
    grid.setText(row, 2, kind);
    grid.setText(row, 3, size);
    addTo(grid, row, 4, count, QuantityModeCount);
    grid.setText(row, 5, QStringLiteral("本"));
}

} // namespace tv::totals
