// Draws a PrintDocument on a printer or into a PDF file: A4 pages, twips turned into the device's
// pixels, the layout's font names replaced by the installed Japanese fonts.
#pragma once

#include "services/print_document.h"
#include "services/status.h"

#include <QString>

class QPagedPaintDevice;

namespace tv::ui {

// The installed font that stands in for a font name of a print layout.
QString substituteFont(const QString& layoutFont);

// Draws every page of `document` on `device` (a QPrinter or a QPdfWriter), page size A4 and each
// page's orientation; texts are placed by their top-left corner.
services::Status renderDocument(const services::PrintDocument& document, QPagedPaintDevice& device);

// Writes `document` as a PDF file with the fonts embedded, whole or not at all; a failure names the
// file and the reason.
services::Status renderToPdf(const services::PrintDocument& document, const QString& path);

} // namespace tv::ui
