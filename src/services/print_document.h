// A printout as plain data: A4 pages with texts and lines at positions in twips (56.7 per mm).
// Print layouts build it; the renderer in ui/ draws it on a printer or a PDF.
#pragma once

#include <QList>
#include <QString>

namespace tv::services {

// Millimetres to whole twips, truncated, as every print layout positions its items.
inline int mmToTwips(double mm) { return static_cast<int>(mm * 56.7); }

struct PrintText {
    int x = 0; // left edge, twips
    int y = 0; // top edge, twips
    QString font; // as the layout names it, e.g. "ＭＳ Ｐ明朝"
    double pointSize = 11;
    bool bold = false;
    bool italic = false;
    QString text;

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
