// Drawing the beam's end details, its gusset and stiffener, and its coating outlines with QPainter,
// scaled to the widget's font.
#include "ui/beam_input/beam_pictures.h"

#include "registries/input_codes.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tv::ui {

namespace {

const QColor kSteel(150, 150, 150);
const QColor kPlate(120, 160, 210);
const QColor kWeld(200, 0, 0);
const QColor kExtra(230, 120, 0);

void frame(QPainter& p, const QWidget& w) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(w.rect(), Qt::white);
    p.setPen(Qt::gray);
    p.drawRect(w.rect().adjusted(0, 0, -1, -1));
}

void text(QPainter& p, QPointF centre, const QString& s, const QColor& colour = Qt::black) {
    const QFontMetricsF metrics(p.font());
    QRectF box(QPointF(), metrics.size(0, s));
    box.moveCenter(centre);
    p.save();
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, s);
    p.restore();
}

// An H section in its cross-section: flanges of width b and thickness tf, web tw, centred at `c`.
QPainterPath hSection(QPointF c, double h, double b, double tw, double tf) {
    QPainterPath path;
    path.addRect(c.x() - b / 2, c.y() - h / 2, b, tf);
    path.addRect(c.x() - b / 2, c.y() + h / 2 - tf, b, tf);
    path.addRect(c.x() - tw / 2, c.y() - h / 2 + tf, tw, h - 2 * tf);
    return path.simplified();
}

} // namespace

// --- welded ends ---------------------------------------------------------------------------------

BeamEndPicture::BeamEndPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EndPicture"));
}

void BeamEndPicture::setEnds(int leftOption, int rightOption, bool joint) {
    if (leftOption == m_left && rightOption == m_right && joint == m_joint)
        return;
    m_left = leftOption;
    m_right = rightOption;
    m_joint = joint;
    update();
}

QSize BeamEndPicture::sizeHint() const {
    const int em = fontMetrics().height();
    return {em * 17, em * 9};
}

void BeamEndPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    frame(p, *this);
    const double em = fontMetrics().height();
    const double left = em * 1.4, right = width() - em * 1.4;
    const double top = em * 2.2, bottom = height() - em * 2.2, tf = em * 0.35;
    // The columns the beam is welded to, and the beam between them.
    p.setPen(Qt::black);
    p.setBrush(kSteel);
    p.drawRect(QRectF(left - em * 0.8, em * 0.6, em * 0.8, height() - em * 1.2));
    p.drawRect(QRectF(right, em * 0.6, em * 0.8, height() - em * 1.2));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(left, top, right - left, tf));
    p.drawRect(QRectF(left, bottom - tf, right - left, tf));
    p.drawRect(QRectF(left, top + tf, right - left, bottom - top - 2 * tf));
    // The end sections at each end, as far as a third of the beam.
    const double endLength = (right - left) / 4;
    p.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
    p.drawLine(QPointF(left + endLength, top - em * 0.3), QPointF(left + endLength, bottom + em * 0.3));
    p.drawLine(QPointF(right - endLength, top - em * 0.3), QPointF(right - endLength, bottom + em * 0.3));
    text(p, QPointF(left + endLength / 2, top + em * 1.2), QStringLiteral("A端部"));
    text(p, QPointF(right - endLength / 2, top + em * 1.2), QStringLiteral("B端部"));
    text(p, QPointF(left + endLength + (right - left - 2 * endLength) / 4, top + em * 1.2),
         QStringLiteral("中央部"));
    // Flange welds (red) at both ends; the web weld, with the extra length of an end whose option is ①.
    p.setPen(QPen(kWeld, std::max(2.0, em * 0.2)));
    for (double x : {left + 1, right - 1}) {
        p.drawLine(QPointF(x, top), QPointF(x, top + tf));
        p.drawLine(QPointF(x, bottom - tf), QPointF(x, bottom));
        p.drawLine(QPointF(x, top + tf + em * 0.4), QPointF(x, bottom - tf - em * 0.4));
    }
    const int options[2] = {m_left, m_right};
    for (int end = 0; end < 2; ++end) {
        const double x = end == 0 ? left : right;
        const double inward = end == 0 ? 1 : -1;
        text(p, QPointF(x + inward * em * 1.2, bottom + em * 0.8),
             options[end] == 0 ? QStringLiteral("①") : QStringLiteral("②"));
        if (options[end] != 0)
            continue;
        // The extra web weld: along the scallops at the flanges.
        p.setPen(QPen(kExtra, std::max(2.0, em * 0.2)));
        p.drawLine(QPointF(x, top + tf + 1), QPointF(x + inward * em * 0.9, top + tf + 1));
        p.drawLine(QPointF(x, bottom - tf - 1), QPointF(x + inward * em * 0.9, bottom - tf - 1));
    }
    text(p, QPointF(left + em * 1.2, em * 0.7), QStringLiteral("A端"));
    text(p, QPointF(right - em * 1.2, em * 0.7), QStringLiteral("B端"));
    if (m_joint) {
        // A joint in the middle: splice plates over the flanges and the web.
        const double x = (left + right) / 2;
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(kPlate);
        p.drawRect(QRectF(x - em * 0.9, top - tf, em * 1.8, tf));
        p.drawRect(QRectF(x - em * 0.9, bottom, em * 1.8, tf));
        p.drawRect(QRectF(x - em * 0.6, top + tf + em * 0.5, em * 1.2, bottom - top - 2 * tf - em));
        text(p, QPointF(x, bottom + em * 0.8), QStringLiteral("ジョイント"));
    }
}

// --- gusset and stiffener ---------------------------------------------------------------------------

GirderPlatePicture::GirderPlatePicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GirderPicture"));
}

void GirderPlatePicture::setBasis(int basis) {
    if (basis == m_basis)
        return;
    m_basis = basis;
    update();
}

QSize GirderPlatePicture::sizeHint() const {
    const int em = fontMetrics().height();
    return {em * 16, em * 12};
}

void GirderPlatePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    frame(p, *this);
    const double em = fontMetrics().height();
    // The girder in cross-section on the left, taller than the beam; the beam comes from the right.
    const double gh = height() - em * 3.2, gb = gh * 0.5, tw = em * 0.3, tf = em * 0.45;
    const QPointF g(em * 1.2 + gb / 2, em * 1.2 + gh / 2);
    const double gTop = g.y() - gh / 2, gBottom = g.y() + gh / 2;
    const double beamTop = gTop + em * 1.2, beamBottom = beamTop + gh * 0.55;
    const double webRight = g.x() + tw / 2, flangeRight = g.x() + gb / 2;
    const double margin = em * 1.6; // e
    p.setPen(Qt::black);
    // Gusset: between the girder's flanges, welded to its web, reaching e past the flange edge.
    p.setBrush(kPlate);
    QPolygonF gusset;
    if (m_basis == 0) {
        gusset << QPointF(webRight, gTop + tf) << QPointF(flangeRight + margin, gTop + tf)
               << QPointF(flangeRight + margin, beamBottom) << QPointF(webRight, beamBottom);
    } else {
        gusset << QPointF(webRight, gTop + tf) << QPointF(flangeRight + margin, gTop + tf)
               << QPointF(flangeRight + margin, gBottom - tf) << QPointF(webRight, gBottom - tf);
    }
    p.drawPolygon(gusset);
    // Stiffener on the other side of the web.
    p.setBrush(QColor(170, 200, 120));
    p.drawRect(QRectF(g.x() - gb / 2, gTop + tf, gb / 2 - tw / 2, gh - 2 * tf));
    p.setBrush(kSteel);
    p.drawPath(hSection(g, gh, gb, tw, tf));
    // The beam seen from the side, its end bolted to the gusset.
    p.setBrush(QColor(210, 210, 210));
    const double beamLeft = flangeRight + em * 0.3;
    p.drawRect(QRectF(beamLeft, beamTop, width() - beamLeft - em * 0.5, beamBottom - beamTop));
    p.setBrush(Qt::black);
    for (int bolt = 0; bolt < 3; ++bolt)
        p.drawEllipse(QPointF(flangeRight + margin * 0.6, beamTop + (beamBottom - beamTop) * (bolt + 1) / 4),
                      em * 0.15, em * 0.15);
    p.setBrush(Qt::NoBrush);
    // Welds of gusset and stiffener to the girder.
    p.setPen(QPen(kWeld, std::max(2.0, em * 0.18)));
    p.drawLine(QPointF(webRight + 1, gTop + tf),
               QPointF(webRight + 1, m_basis == 0 ? beamBottom : gBottom - tf));
    p.drawLine(QPointF(g.x() - tw / 2 - 1, gTop + tf), QPointF(g.x() - tw / 2 - 1, gBottom - tf));
    // Captions.
    text(p, QPointF(flangeRight + margin / 2, gTop - em * 0.5), QStringLiteral("e"));
    text(p, QPointF(flangeRight + margin * 1.8, (gTop + beamTop) / 2), QStringLiteral("[H]"));
    text(p, QPointF((webRight + flangeRight) / 2 + margin / 2, (beamTop + beamBottom) / 2 + em),
         QStringLiteral("G.PL"));
    text(p, QPointF(g.x() - gb / 4, gBottom + em * 0.7), QStringLiteral("ST.PL"));
    text(p, QPointF(width() - em * 3, gBottom + em * 0.7),
         m_basis == 0 ? QStringLiteral("①近似長方形") : QStringLiteral("②最大外形"));
}

// --- coating outlines ---------------------------------------------------------------------------------

BeamCoatingPicture::BeamCoatingPicture(int shape, QWidget* parent) : QWidget(parent), m_shape(shape) {
    setObjectName(QStringLiteral("CoatingShape_%1").arg(shape));
    setToolTip(QStringLiteral("形状") + registries::coatingShapeCaption(shape));
}

QSize BeamCoatingPicture::sizeHint() const {
    const int em = fontMetrics().height();
    return {int(em * 3.6), int(em * 4.4)};
}

void BeamCoatingPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    frame(p, *this);
    const double em = fontMetrics().height();
    text(p, QPointF(width() / 2.0, em * 0.6), QString::number(m_shape));
    const QRectF area(em * 0.5, em * 1.3, width() - em * 1.0, height() - em * 1.8);
    const double h = std::min(area.height(), area.width() * 1.3) * 0.8;
    const double b = h * 0.7, tw = std::max(2.0, em * 0.15), tf = std::max(2.5, em * 0.22);
    const double d = em * 0.22; // the coating, as drawn
    const QPointF c = area.center();
    p.setPen(Qt::black);
    p.setBrush(kSteel);
    p.drawPath(hSection(c, h, b, tw, tf));

    // Corner points of the outline, measured from the section centre.
    const double l = c.x() - b / 2, r = c.x() + b / 2, t = c.y() - h / 2, bo = c.y() + h / 2;
    const double wl = c.x() - tw / 2, wr = c.x() + tw / 2;
    // One side's profile: flange edge, under the flange, down the web, over the lower flange, its edge.
    const auto profile = [&](bool rightSide, bool fullTop, bool fullBottom) {
        const double x = rightSide ? r + d : l - d, web = rightSide ? wr + d : wl - d;
        return QPolygonF{QPointF(x, fullTop ? t - d : t), QPointF(x, t + tf + d),
                         QPointF(web, t + tf + d),        QPointF(web, bo - tf - d),
                         QPointF(x, bo - tf - d),         QPointF(x, fullBottom ? bo + d : bo)};
    };
    QPen pen(kWeld, std::max(1.5, em * 0.12));
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    QList<QPolygonF> lines;
    switch (m_shape) {
    case 1:
        lines << profile(true, false, false);
        break;
    case 2:
        lines << profile(true, false, false) << profile(false, false, false);
        break;
    case 3:
        lines << (profile(true, false, true) << QPointF(l, bo + d));
        break;
    case 4: {
        QPolygonF around = profile(true, false, true);
        QPolygonF other = profile(false, false, true);
        std::reverse(other.begin(), other.end());
        lines << (around + other);
        break;
    }
    case 5:
        lines << (QPolygonF{QPointF(l, t - d)} + profile(true, true, true) << QPointF(l, bo + d));
        break;
    case 6: {
        QPolygonF around = profile(true, true, true);
        QPolygonF other = profile(false, true, true);
        std::reverse(other.begin(), other.end());
        around += other;
        around << around.first();
        lines << around;
        break;
    }
    case 7:
        lines << QPolygonF{QPointF(l, bo + d), QPointF(r, bo + d)};
        break;
    case 8:
        lines << QPolygonF{QPointF(l, t - d), QPointF(r, t - d)}
              << QPolygonF{QPointF(l, bo + d), QPointF(r, bo + d)};
        break;
    case 9:
        lines << QPolygonF{QPointF(l, t - d), QPointF(r + d, t - d), QPointF(r + d, bo + d),
                           QPointF(l, bo + d)};
        break;
    case 10:
        lines << QPolygonF{QPointF(l - d, t), QPointF(l - d, bo + d), QPointF(r + d, bo + d),
                           QPointF(r + d, t)};
        break;
    case 11:
        lines << QPolygonF{QPointF(l, bo + d), QPointF(r + d, bo + d), QPointF(r + d, t)};
        break;
    case 12:
        lines << QPolygonF{QPointF(l - d, t), QPointF(l - d, bo)}
              << QPolygonF{QPointF(r + d, t), QPointF(r + d, bo)};
        break;
    case 13:
        lines << QPolygonF{QPointF(r + d, t), QPointF(r + d, bo)};
        break;
    case 14:
        lines << QPolygonF{QPointF(l - d, t - d), QPointF(r + d, t - d), QPointF(r + d, bo + d),
                           QPointF(l - d, bo + d), QPointF(l - d, t - d)};
        break;
    default:
        break;
    }
    for (const QPolygonF& line : lines)
        p.drawPolyline(line);
}

} // namespace tv::ui
