// One painter per job; no painter scaling, so font sizes are true point sizes on every device.
#include "ui/common/print_renderer.h"

#include "shell/durable_file.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

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

void drawPage(QPainter& painter, QPagedPaintDevice& device, const PrintPage& page) {
    const double xScale = device.logicalDpiX() / kTwipsPerInch;
    const double yScale = device.logicalDpiY() / kTwipsPerInch;
    for (const services::PrintLine& line : page.lines) {
        QPen pen(Qt::black);
        pen.setWidthF(std::max(1, line.width));
        painter.setPen(pen);
        painter.drawLine(QPointF(line.x1 * xScale, line.y1 * yScale),
                         QPointF(line.x2 * xScale, line.y2 * yScale));
    }
    painter.setPen(Qt::black);
    for (const services::PrintText& text : page.texts) {
        QFont font(substituteFont(text.font));
        font.setPointSizeF(text.pointSize);
        font.setBold(text.bold);
        font.setItalic(text.italic);
        painter.setFont(font);
        const QFontMetricsF metrics(font, &device);
        painter.drawText(QPointF(text.x * xScale, text.y * yScale + metrics.ascent()), text.text);
    }
}

} // namespace

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
        drawPage(painter, device, pages[i]);
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
