// Window sizes and places cut to the screen's available area.
#include "ui/common/screen_fit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tv::ui {

namespace {
// What a window system adds around a client area, at most: borders and a title bar.
constexpr QMargins kFrame(8, 40, 8, 8);
} // namespace

QRect clientAreaFor(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->availableGeometry().marginsRemoved(kFrame);
}

void fitOnScreen(QWidget* window, QSize size, QPoint topLeft) {
    const QRect area = clientAreaFor(window);
    if (area.isEmpty()) {
        window->resize(size);
        return;
    }
    // The layout's minimum would otherwise push the window past the edge again.
    QSize minimum = window->minimumSize();
    if (window->layout())
        minimum = minimum.expandedTo(window->layout()->minimumSize());
    window->setMinimumSize(minimum.boundedTo(area.size()));
    window->resize(size.boundedTo(area.size()));
    // move() places the frame, which stands kFrame's left and top beyond the client area.
    const QSize frame = window->size().grownBy(kFrame);
    const QRect available = area.marginsAdded(kFrame);
    window->move(std::clamp(topLeft.x(), available.left(),
                            std::max(available.left(), available.right() + 1 - frame.width())),
                 std::clamp(topLeft.y(), available.top(),
                            std::max(available.top(), available.bottom() + 1 - frame.height())));
}

} // namespace tv::ui
