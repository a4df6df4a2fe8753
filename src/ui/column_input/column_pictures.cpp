// Drawing the column sections and the coating shapes with QPainter, scaled to the widget's font.
#include "ui/column_input/column_pictures.h"

#include "registries/input_codes.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tv::ui {

namespace {

const QColor kSteel(150, 150, 150);
const QColor kWeld(200, 0, 0);
const QColor kCoating(220, 0, 0);

// An H with horizontal flanges of width b and thickness tf around a vertical web tw high h, its
// centre at `centre`.
QPainterPath hSection(QPointF centre, double h, double b, double tw, double tf) {
    QPainterPath path;
    path.addRect(centre.x() - b / 2, centre.y() - h / 2, b, tf);
    path.addRect(centre.x() - b / 2, centre.y() + h / 2 - tf, b, tf);
    path.addRect(centre.x() - tw / 2, centre.y() - h / 2 + tf, tw, h - 2 * tf);
    return path.simplified();
}

// A weld label with a leader from the text to the weld.
void weldLabel(QPainter& p, int number, QPointF weld, QPointF text) {
    p.save();
    p.setPen(QPen(kWeld, 1.5));
    p.drawLine(weld, text);
    p.setBrush(kWeld);
    p.drawEllipse(weld, 3, 3);
    const QString label = QStringLiteral("溶接%1").arg(number);
    const QFontMetricsF metrics(p.font());
    QRectF box(QPointF(), metrics.size(0, label));
    box.moveCenter(text);
    // Kept inside the picture.
    const QRectF bounds(QPointF(2, 2), QSizeF(p.device()->width() - 4, p.device()->height() - 4));
    box.moveLeft(std::clamp(box.left(), bounds.left(), bounds.right() - box.width()));
    box.moveTop(std::clamp(box.top(), bounds.top(), bounds.bottom() - box.height()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawRect(box.adjusted(-2, 0, 2, 0));
    p.setPen(kWeld);
    p.drawText(box, Qt::AlignCenter, label);
    p.restore();
}

} // namespace

SectionPicture::SectionPicture(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("DanmenFrame"));
}

void SectionPicture::setSectionCode(int code) {
    if (code == m_code)
        return;
    m_code = code;
    update();
}

QSize SectionPicture::sizeHint() const {
    const int em = fontMetrics().height();
    return {em * 17, em * 11};
}

void SectionPicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(Qt::gray));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_code < 0)
        return;
    const double em = fontMetrics().height();
    const QPointF c(width() / 2.0, height() / 2.0);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(kSteel);
    switch (m_code) {
    case 0:
    case 1:
    case 2: {
        // The H (web vertical), with the cut T welded to the right of the web (code 1) or one to
        // each side (code 2).
        const double h = height() - 3.2 * em, b = h * 0.55, tw = em * 0.35, tf = em * 0.5;
        const QPointF hc = m_code == 1 ? c - QPointF(width() * 0.12, 0) : c;
        p.drawPath(hSection(hc, h, b, tw, tf));
        const double top = hc.y() - h / 2;
        const double ct = width() * 0.26; // cut T: web length
        const double ctb = h * 0.45;      // cut T: flange length
        auto drawTee = [&](int side) {
            const double webX0 = hc.x() + side * tw / 2;
            const double webX1 = hc.x() + side * (tw / 2 + ct);
            p.drawRect(QRectF(QPointF(std::min(webX0, webX1), hc.y() - tw / 2), QSizeF(ct, tw)));
            p.drawRect(QRectF(QPointF(side > 0 ? webX1 : webX1 - tf, hc.y() - ctb / 2), QSizeF(tf, ctb)));
        };
        weldLabel(p, 1, QPointF(hc.x() - b / 4, top), QPointF(hc.x() - b / 2 - em * 1.2, top + 0.4 * em));
        weldLabel(p, 2, QPointF(hc.x() - tw / 2, hc.y() - h / 4),
                  QPointF(hc.x() - b / 2 - em * 1.2, hc.y() - h / 4));
        if (m_code >= 1) {
            drawTee(1);
            const double flangeX = hc.x() + tw / 2 + ct + tf;
            weldLabel(p, 3, QPointF(flangeX, hc.y() - ctb / 4),
                      QPointF(flangeX + em * 1.6, hc.y() - ctb / 2 - 0.3 * em));
            weldLabel(p, 4, QPointF(hc.x() + tw / 2 + ct * 0.6, hc.y() - tw / 2),
                      QPointF(hc.x() + tw / 2 + ct * 0.6, top - 0.1 * em + em * 0.9));
        }
        if (m_code == 1)
            weldLabel(p, 5, QPointF(hc.x() + tw / 2, hc.y() + tw / 2),
                      QPointF(hc.x() + b / 2 + em * 0.6, hc.y() + h / 2 - 0.4 * em));
        if (m_code == 2) {
            drawTee(-1);
            const double flangeX = hc.x() - tw / 2 - ct - tf;
            weldLabel(p, 5, QPointF(flangeX, hc.y() + ctb / 4),
                      QPointF(flangeX - em * 0.4, hc.y() + ctb / 2 + 0.8 * em));
            weldLabel(p, 6, QPointF(hc.x() - tw / 2 - ct * 0.6, hc.y() + tw / 2),
                      QPointF(hc.x() - tw / 2 - ct * 0.6, hc.y() + h / 2 - 0.5 * em));
            weldLabel(p, 7, QPointF(hc.x() + tw / 2, hc.y() + tw / 2),
                      QPointF(hc.x() + b / 2 + em * 1.4, hc.y() + h / 2 - 0.4 * em));
            weldLabel(p, 8, QPointF(hc.x() - tw / 2, hc.y() - tw / 2),
                      QPointF(hc.x() - b / 2 - em * 1.2, hc.y() - h / 2 + 2.6 * em));
        }
        break;
    }
    case 3: {
        const double s = height() - 3.5 * em, t = em * 0.45;
        const QRectF outer(c.x() - s / 2, c.y() - s / 2, s, s);
        QPainterPath path;
        path.addRect(outer);
        path.addRect(outer.adjusted(t, t, -t, -t));
        p.drawPath(path);
        weldLabel(p, 1, outer.topRight() + QPointF(0, s / 3),
                  outer.topRight() + QPointF(em * 1.2, -0.6 * em));
        break;
    }
    case 4: {
        const double d = height() - 3.5 * em, t = em * 0.45;
        QPainterPath path;
        path.addEllipse(c, d / 2, d / 2);
        path.addEllipse(c, d / 2 - t, d / 2 - t);
        p.drawPath(path);
        weldLabel(p, 1, c + QPointF(d * 0.35, -d * 0.35), c + QPointF(d / 2 + em * 1.2, -d / 2 - 0.3 * em));
        break;
    }
    default:
        break;
    }
}

CoatingShapePicture::CoatingShapePicture(int shape, QWidget* parent) : QWidget(parent), m_shape(shape) {
    setObjectName(QStringLiteral("CoatingShape_%1").arg(shape));
    setToolTip(QStringLiteral("形状") + registries::coatingShapeCaption(shape));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CoatingShapePicture::sizeHint() const {
    const int em = fontMetrics().height();
    return {int(em * 3.6), int(em * 4.4)};
}

void CoatingShapePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::gray);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const double em = fontMetrics().height();
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 0, width(), em * 1.2), Qt::AlignCenter, QString::number(m_shape));

    // The section in the lower part: an H for shapes 1 to 13, a square and a round pipe for 14.
    const QRectF area(em * 0.6, em * 1.5, width() - em * 1.2, height() - em * 2.1);
    const double h = std::min(area.height(), area.width() * 1.2) * 0.78;
    const double b = h * 0.8, tw = std::max(2.0, em * 0.15), tf = std::max(2.5, em * 0.22);
    const double c = em * 0.25; // coating thickness as drawn
    const QPointF centre = area.center();
    QPen coating(kCoating, std::max(1.5, em * 0.13));
    coating.setJoinStyle(Qt::MiterJoin);

    if (m_shape == 14) {
        // A square pipe boxed all round, and a round pipe ringed.
        const double s = std::min(area.width() / 2.0 - c * 2, area.height() * 0.5);
        const QPointF sq(area.left() + area.width() / 4, centre.y() - s * 0.35);
        const QPointF ci(area.right() - area.width() / 4, centre.y() + s * 0.45);
        QPainterPath pipe;
        pipe.addRect(QRectF(sq.x() - s / 2, sq.y() - s / 2, s, s));
        pipe.addRect(QRectF(sq.x() - s / 2 + tf, sq.y() - s / 2 + tf, s - 2 * tf, s - 2 * tf));
        pipe.addEllipse(ci, s / 2, s / 2);
        pipe.addEllipse(ci, s / 2 - tf, s / 2 - tf);
        p.setPen(Qt::black);
        p.setBrush(kSteel);
        p.drawPath(pipe);
        p.setPen(coating);
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(sq.x() - s / 2 - c, sq.y() - s / 2 - c, s + 2 * c, s + 2 * c));
        p.drawEllipse(ci, s / 2 + c, s / 2 + c);
        return;
    }

    p.setPen(Qt::black);
    p.setBrush(kSteel);
    p.drawPath(hSection(centre, h, b, tw, tf));
    p.setPen(coating);
    p.setBrush(Qt::NoBrush);
    const double l = centre.x() - b / 2, r = centre.x() + b / 2;
    const double t = centre.y() - h / 2, bo = centre.y() + h / 2;
    const double wl = centre.x() - tw / 2, wr = centre.x() + tw / 2;
    // Profile-following outlines, as points offset by the coating thickness.
    const QList<QPointF> left{{l - c, t - c},        {l - c, t + tf + c},  {wl - c, t + tf + c},
                              {wl - c, bo - tf - c}, {l - c, bo - tf - c}, {l - c, bo + c}};
    const QList<QPointF> right{{r + c, t - c},        {r + c, t + tf + c},  {wr + c, t + tf + c},
                               {wr + c, bo - tf - c}, {r + c, bo - tf - c}, {r + c, bo + c}};
    auto polyline = [&p](const QList<QPointF>& points) { p.drawPolyline(points.data(), int(points.size())); };
    auto line = [&p](double x1, double y1, double x2, double y2) {
        p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    };
    // Boards around the section: top and bottom faces (width B), left and right sides (height H).
    const double L = l - c, R = r + c, T = t - c, B = bo + c;
    switch (m_shape) {
    case 1: // one side of the profile
        polyline(left);
        break;
    case 2: // both sides of the profile
        polyline(left);
        polyline(right);
        break;
    case 3: // one side and the bottom flange's face
        polyline(left);
        line(L, B, r, B);
        break;
    case 4: // the whole profile but the top face
        polyline(left);
        polyline(right);
        line(L, B, R, B);
        break;
    case 5: // one side and both flange faces
        polyline(left);
        line(L, T, r, T);
        line(L, B, r, B);
        break;
    case 6: // the whole profile
        polyline(left);
        polyline(right);
        line(L, T, R, T);
        line(L, B, R, B);
        break;
    case 7: // one flange face
        line(l, T, r, T);
        break;
    case 8: // both flange faces
        line(l, T, r, T);
        line(l, B, r, B);
        break;
    case 9: // boxed on three sides: top, one side, bottom
        polyline({{r, T}, {L, T}, {L, B}, {r, B}});
        break;
    case 10: // boxed on three sides: one side, bottom, other side
        polyline({{L, t}, {L, B}, {R, B}, {R, t}});
        break;
    case 11: // boxed on two sides: top and one side
        polyline({{r, T}, {L, T}, {L, bo}});
        break;
    case 12: // both sides
        line(L, t, L, bo);
        line(R, t, R, bo);
        break;
    case 13: // one side
        line(L, t, L, bo);
        break;
    default:
        break;
    }
}

} // namespace tv::ui
