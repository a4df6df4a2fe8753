// Page layout of the sheet printout. Positions are millimetres from the paper's top left corner,
// turned into whole twips at the end; text widths are estimated from their byte length, as the
// printed table was designed with. Every text of the table has its cell: the column between its
// rules and the band between its rules, less a small gap, so that no text reaches a rule.
#include "sheets/sheet_print.h"

#include "services/print_cell.h"
#include "services/text.h"

#include <algorithm>
#include <array>

namespace tv::sheets {

using services::boxFromMm;
using services::CellAlignment;
using services::kCellGapMm;
using services::mmToTwips;
using services::PrintAlign;
using services::PrintDocument;
using services::PrintLine;
using services::PrintPage;
using services::PrintText;

namespace {

constexpr double kFrameLeft = 17;
constexpr double kFrameTop = 12;
constexpr double kFrameRight = kFrameLeft + 265;
constexpr double kFrameBottom = kFrameTop + 180;
constexpr double kBandHeight = 5;
constexpr double kCaptionBandBottom = kFrameTop + kBandHeight;
constexpr double kTitleX = kFrameLeft + 3;
constexpr double kTitleLine = 10;
constexpr int kHeavyRule = 7;
constexpr int kThinRule = 1;

constexpr double kCellMarginMm = 1; // between a left- or right-aligned text and its column's rule

constexpr double kTitlePoints = 10.5;
constexpr double kCaptionPoints = 9;
constexpr double kRowPoints = 8.5;

struct PrintedColumn {
    int sheetColumn;
    double right; // from the frame's left edge
    CellAlignment alignment;
    bool groupBoundary; // its rule runs through the caption band
};

constexpr CellAlignment C = CellAlignment::Center;
constexpr CellAlignment L = CellAlignment::Left;
constexpr CellAlignment R = CellAlignment::Right;

constexpr std::array<PrintedColumn, 22> kPrintedColumns{{
    {2, 6, C, true},       {3, 15, C, true},      {4, 33, L, false},     {5, 48, C, false},
    {6, 60, L, false},     {7, 95, L, false},     {8, 104, R, false},    {9, 110, C, true},
    {10, 124, C, false},   {11, 130, C, true},    {12, 135, C, false},   {13, 140, C, false},
    {14, 145, C, false},   {15, 151.5, C, false}, {16, 163.5, R, true},  {17, 178.5, C, false},
    {18, 188.5, R, false}, {19, 200.5, R, true},  {20, 216.5, L, false}, {21, 224.5, C, false},
    {22, 232.5, R, false}, {23, 239.5, R, true},
}};

struct GroupCaption {
    QStringView text;
    double centre;                // from the frame's left edge
    double groupLeft, groupRight; // the rules the caption stands between
};

constexpr std::array<GroupCaption, 5> kGroupCaptions{{{u"部材", 65, 15, 110},
                                                      {u"JOINT", 121, 110, 130},
                                                      {u"溶接", 149, 130, 163.5},
                                                      {u"塗装/耐火被覆", 185, 163.5, 200.5},
                                                      {u"BOLT", 223, 200.5, 239.5}}};

PrintAlign printAlign(CellAlignment alignment) {
    return alignment == C ? PrintAlign::Centre : alignment == L ? PrintAlign::Left : PrintAlign::Right;
}

// A text at its anchor: `x` is the anchor for `alignment` (the middle for centred text, the start of
// left-aligned text, the end of right-aligned text) and `line` the reference line the text stands on.
PrintText placeText(const QString& text, double points, CellAlignment alignment, double x, double line) {
    const double fontMm = points * 25 / 72;
    const double width = services::AnsiByteLength(text) * fontMm * 0.5;
    double left = x;
    if (alignment == C)
        left = x - width / 2;
    else if (alignment == R)
        left = x - width;
    PrintText item;
    item.x = mmToTwips(left - 3.5);
    item.y = mmToTwips(line - (fontMm + 2));
    item.font = QString::fromUtf16(kSheetPrintFont);
    item.pointSize = points;
    item.text = text;
    return item;
}

PrintLine rule(double x1, double y1, double x2, double y2, int width) {
    return PrintLine{mmToTwips(x1), mmToTwips(y1), mmToTwips(x2), mmToTwips(y2), width};
}

double bandTop(int band) {
    return kCaptionBandBottom + band * kBandHeight;
}

PrintPage newPage(const QString& titleWord, int number) {
    PrintPage page;
    page.landscape = true;
    page.lines = {
        rule(kFrameLeft, kFrameTop, kFrameRight, kFrameTop, kHeavyRule),
        rule(kFrameLeft, kFrameBottom, kFrameRight, kFrameBottom, kHeavyRule),
        rule(kFrameLeft, kFrameTop, kFrameLeft, kFrameBottom, kHeavyRule),
        rule(kFrameRight, kFrameTop, kFrameRight, kFrameBottom, kHeavyRule),
        rule(kFrameLeft, kCaptionBandBottom, kFrameRight, kCaptionBandBottom, kHeavyRule),
    };
    // The bottom band's rule is the frame's.
    for (int band = 1; band < kPrintRowsPerPage; ++band)
        page.lines.append(rule(kFrameLeft, bandTop(band), kFrameRight, bandTop(band), kThinRule));
    for (const PrintedColumn& column : kPrintedColumns) {
        const double x = kFrameLeft + column.right;
        page.lines.append(
            rule(x, column.groupBoundary ? kFrameTop : kCaptionBandBottom, x, kFrameBottom, kThinRule));
    }
    PrintText title =
        placeText(titleWord + u'-' + QString::number(number), kTitlePoints, L, kTitleX, kTitleLine);
    services::keepInLine(title, kFrameRight);
    page.texts.append(title);
    // A caption keeps its place across its group, 3.5 mm left of its anchor, and stands in the
    // caption band below the frame's top.
    for (const GroupCaption& caption : kGroupCaptions) {
        const double centre = kFrameLeft + caption.centre - 3.5;
        const double half =
            std::min(centre - (kFrameLeft + caption.groupLeft), kFrameLeft + caption.groupRight - centre) -
            kCellGapMm;
        PrintText item =
            placeText(caption.text.toString(), kCaptionPoints, C, kFrameLeft + caption.centre, kFrameTop);
        services::putInCell(
            item,
            boxFromMm(centre - half, kFrameTop + kCellGapMm, centre + half, kCaptionBandBottom - kCellGapMm),
            PrintAlign::Centre);
        page.texts.append(item);
    }
    return page;
}

bool printsRow(const services::TextGrid& grid, int row) {
    for (const PrintedColumn& column : kPrintedColumns)
        if (!grid.text(row, column.sheetColumn).isEmpty())
            return true;
    return false;
}

// A left-aligned text starts 1 mm right of its column's left rule, a right-aligned one ends 1 mm left
// of its right rule, a centred one is centred between them; each may reach to the gap before the
// far rule, and stands in its band clear of the rules above and below.
void printRow(PrintPage& page, const services::TextGrid& grid, int row, int band) {
    const double top = bandTop(band) + kCellGapMm;
    const double bottom = bandTop(band) + kBandHeight - kCellGapMm;
    double left = kFrameLeft;
    for (const PrintedColumn& column : kPrintedColumns) {
        const double right = kFrameLeft + column.right;
        const QString& text = grid.text(row, column.sheetColumn);
        if (!text.isEmpty()) {
            const double from = left + (column.alignment == L ? kCellMarginMm : kCellGapMm);
            const double to = right - (column.alignment == R ? kCellMarginMm : kCellGapMm);
            page.texts.append(services::textInCell(text, QString::fromUtf16(kSheetPrintFont), kRowPoints,
                                                   boxFromMm(from, top, to, bottom),
                                                   printAlign(column.alignment)));
        }
        left = right;
    }
}

} // namespace

PrintDocument sheetPrintout(const services::TextGrid& grid, SheetKind kind) {
    const QString titleWord = sheetTraits(kind).windowTitle.toString();
    PrintDocument document;
    document.title = titleWord;
    document.pages.append(newPage(titleWord, 1));
    int band = 0;
    for (int row = kFirstDataRow; row < grid.rowCount(); ++row) {
        if (!printsRow(grid, row))
            continue;
        if (band == kPrintRowsPerPage) {
            document.pages.append(newPage(titleWord, int(document.pages.size()) + 1));
            band = 0;
        }
        printRow(document.pages.last(), grid, row, band++);
    }
    return document;
}

} // namespace tv::sheets
