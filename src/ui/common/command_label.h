// A command shown as clickable text: reports clicks and the pointer entering or leaving it.
#pragma once

#include <QLabel>

namespace tv::ui {

class CommandLabel : public QLabel {
    Q_OBJECT
public:
    CommandLabel(int index, const QString& caption, QWidget* parent = nullptr);
    int index() const { return m_index; }
    // Caption colour as the window model says.
    void setCaptionColour(const QColor& colour);

Q_SIGNALS:
    void clicked(int index);
    void hovered(int index); // -1 when the pointer left the label

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int m_index;
};

} // namespace tv::ui
