// Page layout of the secondary-member printout, in millimetres turned into twips.
#include "secondary/zatu_print.h"

#include "services/text.h"

#include <array>

namespace tv::secondary {

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

void addLine(PrintPage& page, double x1, double y1, double x2, double y2, int width) {
    page.lines.append(PrintLine{twipsX(x1), twipsY(y1), twipsX(x2), twipsY(y2), width});
}

// A text placed by its anchor and base line: its height is size × 25/72 mm and its width half that
// for every Shift-JIS byte.
void addText(PrintPage& page, const QString& text, double anchor, double baseLine, double size, Align align) {
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
    page.texts.append(item);
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
    addText(page, QStringLiteral("副部材積算-") + QString::number(number), kLeft + 3, kTop - 2, kTitleSize,
            Align::Left);
    addText(page, QStringLiteral("部材"), kLeft + 90, kTop + 4, kCaptionSize, Align::Left);
    addText(page, QStringLiteral("溶接"), kLeft + 174, kTop + 4, kCaptionSize, Align::Left);
    addText(page, QStringLiteral("塗装"), kLeft + 225, kTop + 4, kCaptionSize, Align::Left);
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
            addText(document.pages.last(), text, kLeft + column.anchor, baseLine, kDataSize, column.align);
        }
        if (++i == kPrintRowsPerPage) {
            document.pages.append(framePage(int(document.pages.size()) + 1));
            i = 0;
        }
    }
    return document;
}

} // namespace tv::secondary
