// Page layout of the secondary-member printout, in millimetres turned into twips. Texts keep the
// anchors of the table; each also has its box between the rules, so that no text reaches a rule.
#include "secondary/zatu_print.h"

#include "services/print_cell.h"
#include "services/text.h"

#include <algorithm>
#include <array>

namespace tv::secondary {

using services::kCellGapMm;
using services::PrintAlign;
using services::PrintBox;
using services::PrintLine;
using services::PrintPage;
using services::PrintText;

namespace {

// The frame, in millimetres from the paper's corner.
constexpr double kLeft = 17;
constexpr double kTop = 12;
constexpr double kWidth = 265;
constexpr double kHeight = 180;
constexpr double kBand = 5;
constexpr int kBands = 36; // band 0 holds the group captions

// A fixed calibration of the paper position, applied to every drawn point.
constexpr double kShiftX = -3.5;
constexpr double kShiftY = -2;

constexpr double kTitleSize = 10.5;
constexpr double kCaptionSize = 9;
constexpr double kDataSize = 8.5;

enum class Align { Left, Centre, Right };

struct PrintedColumn {
    double rightEdge; // from the frame's left edge
    double anchor;
    Align align;
};

// Cells 1 to 20.
constexpr std::array<PrintedColumn, kLastPrintedCell> kPrintedColumns{{
    {12, 6, Align::Centre},       {18, 14.5, Align::Centre},    {36, 19, Align::Left},
    {52, 43, Align::Centre},      {66, 53, Align::Left},        {101, 67, Align::Left},
    {131, 102, Align::Left},      {137, 134, Align::Centre},    {149, 148, Align::Right},
    {154, 151.5, Align::Centre},  {159, 156.5, Align::Centre},  {164, 161.5, Align::Centre},
    {170.5, 167, Align::Centre},  {180.5, 179.5, Align::Right}, {187.5, 184, Align::Centre},
    {199.5, 198.5, Align::Right}, {214.5, 207, Align::Centre},  {224.5, 223.5, Align::Right},
    {231.5, 228, Align::Centre},  {243.5, 242.5, Align::Right},
}};

// The vertical lines of these cells start at the frame's top: they bound the groups.
bool isGroupBoundary(int cell) {
    return cell == 1 || cell == 2 || cell == 9 || cell == 16 || cell == 20;
}

int twipsX(double mm) {
    return services::mmToTwips(mm + kShiftX);
}

int twipsY(double mm) {
    return services::mmToTwips(mm + kShiftY);
}

PrintBox box(double left, double top, double right, double bottom) {
    return PrintBox{twipsX(left), twipsY(top), twipsX(right) - twipsX(left), twipsY(bottom) - twipsY(top)};
}

void addLine(PrintPage& page, double x1, double y1, double x2, double y2, int width) {
    page.lines.append(PrintLine{twipsX(x1), twipsY(y1), twipsX(x2), twipsY(y2), width});
}

// A text placed by its anchor and base line: its height is size × 25/72 mm and its width half that
// for every Shift-JIS byte. It is drawn inside `cell`.
void addText(PrintPage& page, const QString& text, double anchor, double baseLine, double size, Align align,
             PrintBox cell) {
    const double height = size * 25 / 72;
    const double width = services::AnsiByteLength(text) * height * 0.5;
    const double left = align == Align::Centre  ? anchor - width / 2
                        : align == Align::Right ? anchor - width
                                                : anchor;
    PrintText item;
    item.x = twipsX(left);
    item.y = twipsY(baseLine - height);
    item.font = QStringLiteral("ＭＳ Ｐ明朝");
    item.pointSize = size;
    item.text = text;
    item.cell = cell;
    item.align = align == Align::Centre  ? PrintAlign::Centre
                 : align == Align::Right ? PrintAlign::Right
                                         : PrintAlign::Left;
    page.texts.append(item);
}

// The box of a data cell in row band `i` + 1: from its anchor to the gap before the far rule, or,
// for a centred text, as far to both sides of the anchor as the nearer rule allows.
PrintBox cellBox(int cell, int i) {
    const PrintedColumn& column = kPrintedColumns[size_t(cell - 1)];
    const double left = kLeft + (cell == 1 ? 0 : kPrintedColumns[size_t(cell - 2)].rightEdge);
    const double right = kLeft + column.rightEdge;
    const double anchor = kLeft + column.anchor;
    const double top = kTop + kBand * (i + 1);
    double from = anchor;
    double to = right - kCellGapMm;
    if (column.align == Align::Right) {
        from = left + kCellGapMm;
        to = anchor;
    } else if (column.align == Align::Centre) {
        const double half = std::min(anchor - left, right - anchor) - kCellGapMm;
        from = anchor - half;
        to = anchor + half;
    }
    return box(from, top + kCellGapMm, to, top + kBand - kCellGapMm);
}

PrintPage framePage(int number) {
    PrintPage page;
    page.landscape = true;
    const double right = kLeft + kWidth;
    const double bottom = kTop + kHeight;
    addLine(page, kLeft, kTop, right, kTop, 7);
    addLine(page, right, kTop, right, bottom, 7);
    addLine(page, right, bottom, kLeft, bottom, 7);
    addLine(page, kLeft, bottom, kLeft, kTop, 7);
    addLine(page, kLeft, kTop + kBand, right, kTop + kBand, 1);
    for (int band = 2; band < kBands; ++band)
        addLine(page, kLeft, kTop + kBand * band, right, kTop + kBand * band, 1);
    for (int cell = 1; cell <= kLastPrintedCell; ++cell) {
        const double x = kLeft + kPrintedColumns[size_t(cell - 1)].rightEdge;
        addLine(page, x, isGroupBoundary(cell) ? kTop : kTop + kBand, x, bottom, 1);
    }
    // The title's box is its own line above the frame; each caption may reach to its group's end.
    const double titleTop = kTop - 2 - kTitleSize * 25 / 72;
    addText(page, QStringLiteral("副部材積算-") + QString::number(number), kLeft + 3, kTop - 2, kTitleSize,
            Align::Left, box(kLeft + 3, titleTop - 1, right, kTop - 1));
    const double captionTop = kTop + kCellGapMm;
    const double captionBottom = kTop + kBand - kCellGapMm;
    addText(page, QStringLiteral("部材"), kLeft + 90, kTop + 4, kCaptionSize, Align::Left,
            box(kLeft + 90, captionTop, kLeft + 149 - kCellGapMm, captionBottom));
    addText(page, QStringLiteral("溶接"), kLeft + 174, kTop + 4, kCaptionSize, Align::Left,
            box(kLeft + 174, captionTop, kLeft + 199.5 - kCellGapMm, captionBottom));
    addText(page, QStringLiteral("塗装"), kLeft + 225, kTop + 4, kCaptionSize, Align::Left,
            box(kLeft + 225, captionTop, kLeft + 243.5 - kCellGapMm, captionBottom));
    return page;
}

} // namespace

services::PrintDocument ZatuPrintLayout(const QList<ZatuRow>& rows) {
    services::PrintDocument document;
    document.title = QStringLiteral("副部材積算");
    document.pages.append(framePage(1));
    int i = 0;
    for (const ZatuRow& row : rows) {
        if (!row.hasPrintedCell())
            continue;
        const double baseLine = kTop + kBand * (i + 2) - 1;
        for (int cell = 1; cell <= kLastPrintedCell; ++cell) {
            const QString& text = row.cell(cell);
            if (text.isEmpty())
                continue;
            const PrintedColumn& column = kPrintedColumns[size_t(cell - 1)];
            addText(document.pages.last(), text, kLeft + column.anchor, baseLine, kDataSize, column.align,
                    cellBox(cell, i));
        }
        if (++i == kPrintRowsPerPage) {
            document.pages.append(framePage(int(document.pages.size()) + 1));
            i = 0;
        }
    }
    return document;
}

} // namespace tv::secondary
