// The pages of a printout shown before anything is printed: the user prints them on the default
// printer, saves them as a PDF file instead, or cancels.
#pragma once

#include "services/print_document.h"

#include <QString>

class QWidget;

namespace tv::ui {

enum class PreviewChoice { Print, SavePdf, Cancel };

// Shows `document` modally over `parent`. Without a printer (`printerName` empty) only the PDF is
// offered.
PreviewChoice showPrintPreview(const services::PrintDocument& document, const QString& printerName,
                               QWidget* parent);

} // namespace tv::ui
