// Draws a PrintDocument on a printer or into a PDF file: A4 pages, twips turned into the device's
// pixels, the layout's font names replaced by the installed Japanese fonts. A text with a cell is
// measured in the installed font and fitted into its cell.
#pragma once

#include "services/print_document.h"
#include "services/status.h"

#include <QList>
#include <QRectF>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace tv::ui {

// What drawing a page put where, in the device's pixels.
struct DrawnText {
    QString text;     // as drawn: the whole text, or its start with "…"
    double pointSize; // as drawn
    QRectF box;       // the measured text: its advance wide, ascent plus descent high
    QRectF cell;      // the layout's cell; empty for a text without one
};

struct DrawnPage {
    QList<DrawnText> texts;
    QList<QRectF> rules; // each rule with its line width
};

// The installed font that stands in for a font name of a print layout.
QString substituteFont(const QString& layoutFont);

// Draws `page` with `painter` on a device of `dpiX` × `dpiY` pixels per inch whose origin is the
// paper's corner, and tells where each text and rule went.
DrawnPage drawPage(QPainter& painter, const services::PrintPage& page, double dpiX, double dpiY);

// Draws every page of `document` on `device` (a QPrinter or a QPdfWriter), page size A4 and each
// page's orientation.
services::Status renderDocument(const services::PrintDocument& document, QPagedPaintDevice& device);

// Writes `document` as a PDF file with the fonts embedded, whole or not at all; a failure names the
// file and the reason.
services::Status renderToPdf(const services::PrintDocument& document, const QString& path);

} // namespace tv::ui
