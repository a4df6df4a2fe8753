// Page layout of the sheet printout. Positions are millimetres from the paper's top left corner,
// turned into whole twips at the end; text widths are estimated from their byte length, as the
// printed table was designed with.
#include "sheets/sheet_print.h"

#include "services/text.h"

#include <array>

namespace tv::sheets {

using services::CellAlignment;
using services::mmToTwips;
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
    double centre; // from the frame's left edge
};

constexpr std::array<GroupCaption, 5> kGroupCaptions{
    {{u"部材", 65}, {u"JOINT", 121}, {u"溶接", 149}, {u"塗装/耐火被覆", 185}, {u"BOLT", 223}}};

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
double referenceLine(double top) {
    return top + 4;
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
    page.texts.append(
        placeText(titleWord + u'-' + QString::number(number), kTitlePoints, L, kTitleX, kTitleLine));
    for (const GroupCaption& caption : kGroupCaptions)
        page.texts.append(placeText(caption.text.toString(), kCaptionPoints, C, kFrameLeft + caption.centre,
                                    referenceLine(kFrameTop)));
    return page;
}

bool printsRow(const services::TextGrid& grid, int row) {
    for (const PrintedColumn& column : kPrintedColumns)
        if (!grid.text(row, column.sheetColumn).isEmpty())
            return true;
    return false;
}

void printRow(PrintPage& page, const services::TextGrid& grid, int row, int band) {
    const double line = referenceLine(bandTop(band));
    double left = kFrameLeft;
    for (const PrintedColumn& column : kPrintedColumns) {
        const double right = kFrameLeft + column.right;
        const QString& text = grid.text(row, column.sheetColumn);
        if (!text.isEmpty()) {
            const double anchor = column.alignment == C   ? (left + right) / 2
                                  : column.alignment == L ? left + 1
                                                          : right - 1;
            page.texts.append(placeText(text, kRowPoints, column.alignment, anchor, line));
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
