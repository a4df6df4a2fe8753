// The look every window of the program shares: command captions that turn red under the pointer,
// the windows' background colour, twips turned into pixels, and a window's place on its screen.
#pragma once

#include "ui/common/command_label.h"

#include <QSize>
#include <QString>

class QWidget;

namespace tv::ui {

// A command caption (CmdGd(index)), red while the pointer is over it.
CommandLabel* makeRegistryCommand(int index, const QString& caption, QWidget* parent);

// Twips to pixels of `widget`'s screen.
int twipsToPixels(const QWidget* widget, int twips);
// Paints `widget`'s background in the colour of the program's windows.
void paintRegistryBackground(QWidget* widget);
// Moves `window` to `leftTwips` from the left edge of its screen's available area, at its top, with
// `size` cut to what the area holds, so that no task bar hides its commands (see screen_fit.h).
void placeOnScreen(QWidget* window, int leftTwips, QSize size);

} // namespace tv::ui
