// One painter per job; no painter scaling, so font sizes are true point sizes on every device.
// A text is measured on the device it is drawn on, so its fit holds for the printer and the PDF.
#include "ui/common/print_renderer.h"

#include "shell/durable_file.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace tv::ui {

using services::PrintDocument;
using services::PrintPage;
using services::Status;

namespace {

constexpr double kTwipsPerInch = 1440;

QPageLayout pageLayout(const PrintPage& page) {
    return QPageLayout(QPageSize(QPageSize::A4),
                       page.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

QFont printFont(const services::PrintText& text, double points) {
    QFont font(substituteFont(text.font));
    font.setPointSizeF(points);
    font.setBold(text.bold);
    font.setItalic(text.italic);
    return font;
}

// The measured size of `text`: as wide as its advance and as any ink beyond it, as high as the font.
QSizeF measured(const QFontMetricsF& metrics, const QString& text) {
    const QRectF ink = metrics.boundingRect(text);
    const double right = std::max(metrics.horizontalAdvance(text), ink.right());
    return {right - std::min(0.0, ink.left()), metrics.ascent() + metrics.descent()};
}

// Draws `text` in its cell: the largest size down to the minimum, in quarter points, at which it
// fits; at the minimum a text still too wide is cut at the cell with "…".
DrawnText drawInCell(QPainter& painter, const services::PrintText& text, const QRectF& cell) {
    double points = text.pointSize;
    QFont font = printFont(text, points);
    QSizeF size = measured(QFontMetricsF(font, painter.device()), text.text);
    while ((size.width() > cell.width() || size.height() > cell.height()) &&
           points > services::kMinPrintPoints) {
        const double scale = std::min(cell.width() / size.width(), cell.height() / size.height());
        const double smaller = std::floor(points * std::min(scale, 0.99) * 4) / 4;
        points = std::max(services::kMinPrintPoints, std::min(smaller, points - 0.25));
        font = printFont(text, points);
        size = measured(QFontMetricsF(font, painter.device()), text.text);
    }
    const QFontMetricsF metrics(font, painter.device());
    QString shown = text.text;
    // Cut against a narrower limit as long as the ink of the last glyph would still leave the cell.
    for (double limit = cell.width(); size.width() > cell.width() && limit > 0; limit -= 1) {
        shown = metrics.elidedText(text.text, Qt::ElideRight, limit);
        size = measured(metrics, shown);
    }
    double left = cell.left();
    if (text.align == services::PrintAlign::Right)
        left = cell.right() - size.width();
    else if (text.align == services::PrintAlign::Centre)
        left = cell.left() + (cell.width() - size.width()) / 2;
    const QRectF box(left, cell.top() + (cell.height() - size.height()) / 2, size.width(), size.height());
    const double ink = -std::min(0.0, metrics.boundingRect(shown).left());
    painter.setFont(font);
    painter.drawText(QPointF(box.left() + ink, box.top() + metrics.ascent()), shown);
    return DrawnText{shown, points, box, cell};
}

} // namespace

DrawnPage drawPage(QPainter& painter, const PrintPage& page, double dpiX, double dpiY) {
    const double xScale = dpiX / kTwipsPerInch;
    const double yScale = dpiY / kTwipsPerInch;
    DrawnPage drawn;
    for (const services::PrintLine& line : page.lines) {
        const double width = std::max(1, line.width);
        QPen pen(Qt::black);
        pen.setWidthF(width);
        painter.setPen(pen);
        const QPointF from(line.x1 * xScale, line.y1 * yScale);
        const QPointF to(line.x2 * xScale, line.y2 * yScale);
        painter.drawLine(from, to);
        drawn.rules.append(
            QRectF(from, to).normalized().adjusted(-width / 2, -width / 2, width / 2, width / 2));
    }
    painter.setPen(Qt::black);
    for (const services::PrintText& text : page.texts) {
        if (!text.cell.isEmpty()) {
            const QRectF cell(text.cell.x * xScale, text.cell.y * yScale, text.cell.width * xScale,
                              text.cell.height * yScale);
            drawn.texts.append(drawInCell(painter, text, cell));
            continue;
        }
        const QFont font = printFont(text, text.pointSize);
        painter.setFont(font);
        const QFontMetricsF metrics(font, painter.device());
        const QPointF topLeft(text.x * xScale, text.y * yScale);
        painter.drawText(topLeft + QPointF(0, metrics.ascent()), text.text);
        drawn.texts.append(
            DrawnText{text.text, text.pointSize, QRectF(topLeft, measured(metrics, text.text)), QRectF()});
    }
    return drawn;
}

QString substituteFont(const QString& layoutFont) {
    if (layoutFont == u"ＭＳ Ｐ明朝" || layoutFont == u"ＭＳ 明朝")
        return QStringLiteral("IPAPMincho");
    if (layoutFont == u"ＭＳ Ｐゴシック" || layoutFont == u"ＭＳ ゴシック")
        return QStringLiteral("IPAPGothic");
    return layoutFont;
}

Status renderDocument(const PrintDocument& document, QPagedPaintDevice& device) {
    const QList<PrintPage> pages = document.pages.isEmpty() ? QList<PrintPage>{PrintPage{}} : document.pages;
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        // Positions count from the paper's corner, not from the printable area.
        printer->setFullPage(true);
        printer->setDocName(document.title);
    }
    device.setPageLayout(pageLayout(pages.constFirst()));
    QPainter painter;
    if (!painter.begin(&device))
        return Status::failure(QStringLiteral("印刷を開始できませんでした。"));
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0) {
            device.setPageLayout(pageLayout(pages[i]));
            if (!device.newPage()) {
                painter.end();
                return Status::failure(QStringLiteral("印刷中にエラーが発生しました。"));
            }
        }
        drawPage(painter, pages[i], device.logicalDpiX(), device.logicalDpiY());
    }
    if (!painter.end())
        return Status::failure(QStringLiteral("印刷を終了できませんでした。"));
    return Status::success();
}

Status renderToPdf(const PrintDocument& document, const QString& path) {
    // The PDF is made in memory and then written like every other file: whole, synced and renamed
    // into place, so that a full disk leaves no cut file behind and is reported as such.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("VOR鉄骨積算シート"));
        writer.setResolution(1200);
        const Status rendered = renderDocument(document, writer);
        if (!rendered.ok())
            return rendered;
    }
    if (buffer.data().isEmpty())
        return Status::failure(
            QStringLiteral("PDFファイル「%1」を作成できませんでした。").arg(shell::displayPath(path)));
    return shell::replaceFile(path, buffer.data());
}

} // namespace tv::ui
