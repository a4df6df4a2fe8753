// Keeping windows inside the screen's available area (the screen less task bars and docks), so that
// no command at a window's edge is out of reach.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace tv::ui {

// The part of the available area that a window's client area may take: the frame and the title bar
// that the window system adds are left out. Empty without a screen.
QRect clientAreaFor(const QWidget* window);

// Resizes `window` to `size`, cut to the client area, and moves it to `topLeft` (screen coordinates),
// pushed inside the area. Without a screen it only resizes.
void fitOnScreen(QWidget* window, QSize size, QPoint topLeft);

} // namespace tv::ui
