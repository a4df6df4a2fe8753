// One line of the secondary-member sheet (副部材): 25 text cells, numbered 1 to 25 like the sheet's
// columns, and the three quantity cells worked out from them.
//
// Cells 21 to 25 are hidden: the sheet never writes them, and whatever they hold is loaded and
// saved unchanged. Lengths are in metres, sizes in millimetres.
#pragma once

#include <QString>
#include <QStringView>

#include <array>

namespace tv::secondary {

inline constexpr int kZatuCells = 25;
inline constexpr int kLastPrintedCell = 20; // cells 21 to 25 are hidden

// The cells by number (1-based, as the sheet's columns).
enum ZatuCell : int {
    BuzaiCell = 1,          // 部材名: the category
    FloorCell = 2,          // 階
    PositionCell = 3,       // 位置/ｺﾒﾝﾄ
    GradeCell = 4,          // 規格; the bolt kind on BOLT rows
    NameCell = 5,           // 名称: a member name of the unit-weight registry; the diameter on BOLT rows
    SizeCell = 6,           // 寸法/サイズ: prefix + size; the bolt length on BOLT rows
    LengthCell = 7,         // 計算式/L(m): a quantity formula
    CountCell = 8,          // ×: pieces; the bolt count on BOLT rows
    QuantityCell = 9,       // 数量 (computed)
    WeldMethodCell = 10,    // 工
    WeldJointCell = 11,     // 継
    WeldFacesCell = 12,     // 面
    WeldThickCell = 13,     // 厚
    WeldLengthCell = 14,    // L(m)
    WeldCountCell = 15,     // ×
    WeldQuantityCell = 16,  // 数量 (computed)
    PaintClassCell = 17,    // 分類
    GirthCell = 18,         // 糸尺(m)
    PaintCountCell = 19,    // ×
    PaintQuantityCell = 20, // 数量 (computed)
    FirstHiddenCell = 21,
};

// The categories of 部材名, in the order the sheet offers them.
inline constexpr std::array<QStringView, 9> kCategories{u"胴縁", u"ブレース", u"床版", u"BOLT", u"雑-1",
                                                        u"雑-2", u"雑-3",     u"雑-4", u"雑-5"};
inline constexpr QStringView kBoltCategory = u"BOLT";
inline constexpr QStringView kDeckCategory = u"床版";

struct ZatuRow {
    std::array<QString, kZatuCells> cells;

    // Cell `k` (1 to 25); empty text outside.
    const QString& cell(int k) const;
    void setCell(int k, const QString& text);

    // True when every cell is empty: such a row is not saved.
    bool isEmpty() const;
    // True when any of cells 1 to 20 holds text: such a row is printed.
    bool hasPrintedCell() const;

    bool operator==(const ZatuRow&) const = default;
};

// Recomputes the three quantity cells of `row`: 数量 = 計算式/L(m) × × (empty on BOLT rows),
// weld 数量 = L(m) × ×, painting 数量 = 糸尺(m) × ×, each "#####0.00"; a quantity whose factors read
// as zero (or are empty) is empty.
void RecalcZatuRow(ZatuRow& row);

} // namespace tv::secondary
