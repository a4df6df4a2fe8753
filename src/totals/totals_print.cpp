// Layout of the totals printout: frame, title and cells at their millimetre positions. Each cell's
// text has its box between the rules, so that no text reaches a rule.
#include "totals/totals_print.h"

#include "services/print_cell.h"
#include "services/text.h"

#include <QList>

namespace tv::totals {

using services::kCellGapMm;
using services::mmToTwips;
using services::PrintAlign;
using services::PrintDocument;
using services::PrintLine;
using services::PrintPage;
using services::PrintText;

namespace {

constexpr double kFrameLeft = 16;
constexpr double kFrameTop = 18;
constexpr double kFrameWidth = 174;
constexpr double kRowHeight = 6;
constexpr double kFrameHeight = kRowHeight * kPrintRowsPerPage; // 252
constexpr double kPointSize = 10;
constexpr int kBorderWidth = 7;
constexpr double kCellMarginMm = 2; // between a left- or right-aligned text and its column's rule

enum class Align { Left, Centre, Right };

struct PrintColumn {
    double width;
    Align align;
};

QList<PrintColumn> printColumns(TableId id) {
    constexpr Align C = Align::Centre, L = Align::Left, R = Align::Right;
    switch (id) {
    case TableId::Steel:
    case TableId::Joint:
        return {{8, C}, {20, C}, {20, C}, {40, L}, {18, R}, {9, L}, {20, R}, {11, L}, {22, R}};
    case TableId::Weld:
        return {{8, C}, {15, C}, {18, C}, {18, R}, {15, R}, {30, R}};
    case TableId::Bolt:
        return {{8, C}, {25, C}, {12, C}, {20, C}, {20, C}};
    case TableId::Coating:
        return {{8, C}, {25, C}, {12, C}, {20, R}};
    case TableId::Galv:
        return {{8, C}, {20, C}, {40, L}, {18, R}, {9, L}, {20, R}, {11, L}, {22, R}};
    }
    return {};
}

// Header cells that print nothing: the second of the merged "数量" and "単位重量" headers.
bool skippedHeaderCell(TableId id, int column) {
    if (id == TableId::Steel)
        return column == 5 || column == 7;
    if (id == TableId::Galv)
        return column == 4 || column == 6;
    return false;
}

// A text placed on its reference line `baseline` (mm) at an anchor `x` (mm): the estimated width
// decides where it starts, every text sits 3.5 mm left of its anchor, and its top is the font
// height plus 2 mm above the reference line.
PrintText placeText(const QString& text, double anchor, Align align, double baseline) {
    const double width = services::AnsiByteLength(text) * kPointSize * 25 / 72 * 0.5;
    double left = anchor;
    if (align == Align::Centre)
        left -= width / 2;
    else if (align == Align::Right)
        left -= width;
    PrintText item;
    item.x = mmToTwips(left - 3.5);
    item.y = mmToTwips(baseline - (kPointSize * 25 / 72 + 2));
    item.font = QStringLiteral("ＭＳ Ｐ明朝");
    item.pointSize = kPointSize;
    item.text = text;
    return item;
}

// A cell's text: left-aligned 2 mm right of the column's left rule, right-aligned 2 mm left of its
// right rule, or centred between them; it may reach to the gap before the far rule, and stands in
// its row clear of the rules above and below.
PrintText cellText(const QString& text, const PrintColumn& column, double left, double top) {
    const double right = left + column.width;
    const double from = left + (column.align == Align::Left ? kCellMarginMm : kCellGapMm);
    const double to = right - (column.align == Align::Right ? kCellMarginMm : kCellGapMm);
    const PrintAlign align = column.align == Align::Left    ? PrintAlign::Left
                             : column.align == Align::Right ? PrintAlign::Right
                                                            : PrintAlign::Centre;
    return services::textInCell(
        text, QStringLiteral("ＭＳ Ｐ明朝"), kPointSize,
        services::boxFromMm(from, top + kCellGapMm, to, top + kRowHeight - kCellGapMm), align);
}

PrintLine line(double x1, double y1, double x2, double y2, int width) {
    return {mmToTwips(x1), mmToTwips(y1), mmToTwips(x2), mmToTwips(y2), width};
}

PrintPage framePage(const QList<PrintColumn>& columns, const QString& title) {
    PrintPage page;
    const double right = kFrameLeft + kFrameWidth;
    const double bottom = kFrameTop + kFrameHeight;
    page.lines.append(line(kFrameLeft, kFrameTop, right, kFrameTop, kBorderWidth));
    page.lines.append(line(kFrameLeft, bottom, right, bottom, kBorderWidth));
    page.lines.append(line(kFrameLeft, kFrameTop, kFrameLeft, bottom, kBorderWidth));
    page.lines.append(line(right, kFrameTop, right, bottom, kBorderWidth));
    for (int row = 1; row < kPrintRowsPerPage; ++row) {
        const double y = kFrameTop + kRowHeight * row;
        page.lines.append(line(kFrameLeft, y, right, y, 1));
    }
    double x = kFrameLeft;
    for (const PrintColumn& column : columns) {
        x += column.width;
        page.lines.append(line(x, kFrameTop, x, bottom, 1));
    }
    PrintText titleText = placeText(title, kFrameLeft + 3, Align::Left, kFrameTop - 3);
    services::keepInLine(titleText, right);
    page.texts.append(titleText);
    return page;
}

} // namespace

QString tableCaption(TableId id) {
    static const QStringList captions{QStringLiteral("鋼材"),           QStringLiteral("溶接"),
                                      QStringLiteral("ボルト"),         QStringLiteral("塗装・耐火被覆"),
                                      QStringLiteral("溶融亜鉛メッキ"), QStringLiteral("JOINTの数量")};
    return captions.value(int(id));
}

PrintDocument PrintTotalsTable(const services::TextGrid& table, TableId id, const QString& projectName) {
    const QList<PrintColumn> columns = printColumns(id);
    QString title = tableCaption(id) + QStringLiteral("集計表");
    PrintDocument document;
    document.title = title;
    if (!projectName.isEmpty())
        title += u'：' + projectName;
    for (int row = 0; row < table.rowCount(); ++row) {
        const int k = row % kPrintRowsPerPage;
        if (k == 0)
            document.pages.append(framePage(columns, title));
        PrintPage& page = document.pages.last();
        const double top = kFrameTop + kRowHeight * k;
        double left = kFrameLeft;
        for (int column = 0; column < columns.size() && column < table.columnCount(); ++column) {
            const PrintColumn& pc = columns[column];
            const QString& text = table.text(row, column);
            if (!text.isEmpty() && !(row == 0 && skippedHeaderCell(id, column)))
                page.texts.append(cellText(text, pc, left, top));
            left += pc.width;
        }
    }
    return document;
}

} // namespace tv::totals
