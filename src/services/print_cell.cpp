// Placing texts in the cells of printed tables.
#include "services/print_cell.h"

#include "services/text.h"

#include <algorithm>

namespace tv::services {

namespace {
double fontHeightMm(double points) {
    return points * 25 / 72;
}
} // namespace

PrintBox boxFromMm(double left, double top, double right, double bottom) {
    const int x = mmToTwips(left);
    const int y = mmToTwips(top);
    return PrintBox{x, y, mmToTwips(right) - x, mmToTwips(bottom) - y};
}

double estimatedWidthMm(QStringView text, double points) {
    return AnsiByteLength(text) * fontHeightMm(points) * 0.5;
}

PrintText textInCell(const QString& text, const QString& font, double points, PrintBox cell,
                     PrintAlign align) {
    const int width = mmToTwips(estimatedWidthMm(text, points));
    const int height = mmToTwips(fontHeightMm(points));
    int x = cell.x;
    if (align == PrintAlign::Right)
        x = cell.x + cell.width - width;
    else if (align == PrintAlign::Centre)
        x = cell.x + (cell.width - width) / 2;
    PrintText item;
    item.x = std::max(x, cell.x);
    item.y = cell.y + (cell.height - height) / 2;
    item.font = font;
    item.pointSize = points;
    item.text = text;
    item.cell = cell;
    item.align = align;
    return item;
}

void putInCell(PrintText& item, PrintBox cell, PrintAlign align) {
    item.y = cell.y + (cell.height - mmToTwips(fontHeightMm(item.pointSize))) / 2;
    item.cell = cell;
    item.align = align;
}

void keepInLine(PrintText& item, double rightMm, double gapMm) {
    const int gap = mmToTwips(gapMm);
    item.cell = PrintBox{item.x, item.y - gap, mmToTwips(rightMm) - item.x,
                         mmToTwips(fontHeightMm(item.pointSize)) + 2 * gap};
    item.align = PrintAlign::Left;
}

} // namespace tv::services
