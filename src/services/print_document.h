// A printout as plain data: A4 pages with texts and lines at positions in twips (56.7 per mm).
// Print layouts build it; the renderer in ui/ draws it on a printer or a PDF.
//
// Layouts cannot measure text, so every text of a printed table comes with its cell: the box it
// must stay inside, already clear of the rules, and its alignment there. The renderer measures the
// text in the real font and fits it into that box; x and y are the layout's own estimate of where
// the text's top-left corner lands.
#pragma once

#include <QList>
#include <QString>

namespace tv::services {

// Millimetres to whole twips, truncated, as every print layout positions its items.
inline int mmToTwips(double mm) {
    return static_cast<int>(mm * 56.7);
}

// The smallest point size a text is drawn in to fit its cell; a text still too wide is cut with "…".
inline constexpr double kMinPrintPoints = 6;

enum class PrintAlign { Left, Centre, Right };

// A rectangle in twips; an empty box means "no cell".
struct PrintBox {
    int x = 0, y = 0, width = 0, height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool operator==(const PrintBox&) const = default;
};

struct PrintText {
    int x = 0;    // left edge, twips
    int y = 0;    // top edge, twips
    QString font; // as the layout names it, e.g. "ＭＳ Ｐ明朝"
    double pointSize = 11;
    bool bold = false;
    bool italic = false;
    QString text;
    // The box the text is drawn inside: aligned by `align`, centred from top to bottom, drawn smaller
    // down to kMinPrintPoints and then cut with "…" when it does not fit. Without a box the text is
    // drawn at x, y as it is.
    PrintBox cell;
    PrintAlign align = PrintAlign::Left;

    bool operator==(const PrintText&) const = default;
};

struct PrintLine {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0; // twips
    int width = 1;                      // printer pixels

    bool operator==(const PrintLine&) const = default;
};

struct PrintPage {
    bool landscape = false;
    QList<PrintText> texts;
    QList<PrintLine> lines;

    bool operator==(const PrintPage&) const = default;
};

struct PrintDocument {
    QString title; // job name
    QList<PrintPage> pages;
};

} // namespace tv::services
