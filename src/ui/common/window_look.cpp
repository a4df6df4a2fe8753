// The look every window of the program shares.
#include "ui/common/window_look.h"

#include "registries/registry_grid.h"
#include "ui/common/screen_fit.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace tv::ui {

CommandLabel* makeRegistryCommand(int index, const QString& caption, QWidget* parent) {
    auto* label = new CommandLabel(index, caption, parent);
    QObject::connect(label, &CommandLabel::hovered, label, [label, parent](int over) {
        label->setCaptionColour(over >= 0 ? QColor(255, 0, 0)
                                          : parent->palette().color(QPalette::WindowText));
    });
    return label;
}

int twipsToPixels(const QWidget* widget, int twips) {
    const int dpi = widget && widget->logicalDpiX() > 0 ? widget->logicalDpiX() : 96;
    return (twips * dpi + 720) / 1440;
}

void paintRegistryBackground(QWidget* widget) {
    const services::Rgb c = registries::kRegistryBackground;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void placeOnScreen(QWidget* window, int leftTwips, QSize size) {
    const QRect area = clientAreaFor(window);
    fitOnScreen(window, size, QPoint(area.left() + twipsToPixels(window, leftTwips), area.top()));
}

} // namespace tv::ui
