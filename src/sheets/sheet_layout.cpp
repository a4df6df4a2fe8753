// Captions, widths and alignment of the sheet grid, and the traits of the two sheets.
#include "sheets/sheet_layout.h"

#include <array>

namespace tv::sheets {

using services::CellAlignment;
using services::TextGrid;

namespace {

struct ColumnLayout {
    const char16_t* group;
    const char16_t* caption;
    int width; // twips, column sheet
    CellAlignment alignment;
};

constexpr CellAlignment C = CellAlignment::Center;
constexpr CellAlignment L = CellAlignment::Left;
constexpr CellAlignment R = CellAlignment::Right;

// The hidden entry texts get no width at all: present in the grid, never shown.
const std::array<ColumnLayout, kSheetColumns> kColumns{{
    {u"", u"", 350, C},
    {u"部材", u"分類", 650, C},
    {u"部材", u"階", 450, C},
    {u"部材", u"符号", 650, C},
    {u"部材", u"位置/ｺﾒﾝﾄ", 1200, C},
    {u"部材", u"規格", 750, C},
    {u"部材", u"名称", 750, C},
    {u"部材", u"サイズ", 2000, L},
    {u"部材", u"L", 550, R},
    {u"部材", u"本", 350, C},
    {u"JOINT", u"符号", 650, C},
    {u"JOINT", u"×", 350, C},
    {u"溶接", u"工", 350, C},
    {u"溶接", u"継", 350, C},
    {u"溶接", u"面", 350, C},
    {u"溶接", u"厚", 400, C},
    {u"溶接", u"数量", 730, R},
    {u"塗装/耐火被覆", u"分類", 900, C},
    {u"塗装/耐火被覆", u"糸尺", 530, R},
    {u"塗装/耐火被覆", u"数量", 750, R},
    {u"BOLT", u"規格", 950, C},
    {u"BOLT", u"径", 450, C},
    {u"BOLT", u"L", 450, C},
    {u"BOLT", u"本", 350, C},
    {u"BOLT", u"", 0, L},
    {u"BOLT", u"", 0, L},
    {u"BOLT", u"", 0, L},
    {u"BOLT", u"", 0, L},
    {u"BOLT", u"", 0, L},
}};

const SheetTraits kColumnTraits{SheetKind::Column, u"柱", u"WorkData-1.ini", u"ZZ01", u"info-1.txt",
                                u"柱積算",         1};
const SheetTraits kBeamTraits{SheetKind::Beam, u"梁", u"WorkData-2.ini", u"ZZ02", u"info-2.txt",
                              u"梁積算",       4};

int columnWidth(int column, SheetKind kind) {
    if (kind == SheetKind::Beam) {
        if (column == 15)
            return 350;
        if (column == 16)
            return 750;
        if (column == 18)
            return 550;
    }
    return kColumns[size_t(column)].width;
}

} // namespace

const SheetTraits& sheetTraits(SheetKind kind) {
    return kind == SheetKind::Column ? kColumnTraits : kBeamTraits;
}

QString groupCaption(int column) {
    return column >= 0 && column < kSheetColumns ? QString::fromUtf16(kColumns[size_t(column)].group)
                                                 : QString();
}

QString columnCaption(int column) {
    return column >= 0 && column < kSheetColumns ? QString::fromUtf16(kColumns[size_t(column)].caption)
                                                 : QString();
}

void setUpSheetGrid(TextGrid& grid, SheetKind kind) {
    grid = TextGrid(kHeaderRows, kSheetColumns);
    grid.setFixedRows(kHeaderRows);
    grid.setFixedColumns(1);
    for (int c = 0; c < kSheetColumns; ++c) {
        grid.setText(0, c, groupCaption(c));
        grid.setText(1, c, columnCaption(c));
        grid.setColumnWidth(c, columnWidth(c, kind));
        grid.setAlignment(c, kColumns[size_t(c)].alignment);
        grid.setBackColor(0, c, kHeaderColor);
        grid.setBackColor(1, c, kHeaderColor);
    }
    // Equal neighbouring group captions show as one cell.
    for (int first = 1; first < kSheetColumns;) {
        int last = first;
        while (last + 1 < kSheetColumns &&
               QStringView(kColumns[size_t(last + 1)].group) == QStringView(kColumns[size_t(first)].group))
            ++last;
        if (last > first)
            grid.addSpan({0, first, 1, last - first + 1});
        first = last + 1;
    }
}

bool isEmptyRow(const TextGrid& grid, int row) {
    for (int c = kFirstCell; c <= kLastCell; ++c)
        if (!grid.text(row, c).isEmpty())
            return false;
    return true;
}

} // namespace tv::sheets
