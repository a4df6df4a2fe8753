// A left click (press and release over the label) runs the command.
#include "ui/common/command_label.h"

#include <QMouseEvent>

namespace tv::ui {

CommandLabel::CommandLabel(int index, const QString& caption, QWidget* parent)
    : QLabel(caption, parent), m_index(index) {
    setObjectName(QStringLiteral("CmdGd_%1").arg(index));
    setCursor(Qt::PointingHandCursor);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    setMargin(fontMetrics().height() / 3);
    setTextFormat(Qt::PlainText);
}

void CommandLabel::setCaptionColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

void CommandLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void CommandLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        Q_EMIT clicked(m_index);
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CommandLabel::enterEvent(QEnterEvent* event) {
    Q_EMIT hovered(m_index);
    QLabel::enterEvent(event);
}

void CommandLabel::leaveEvent(QEvent* event) {
    Q_EMIT hovered(-1);
    QLabel::leaveEvent(event);
}

} // namespace tv::ui
