// Building blocks of the member input dialogs: plain and bold captions, a body that scrolls under a
// row of commands kept in view, fitting such a window to the screen, and grids sized to their cells.
#pragma once

#include <QString>

class QDialog;
class QLabel;
class QScrollArea;
class QWidget;

namespace tv::ui {

class TextGridView;

QLabel* noteLabel(const QString& text, QWidget* parent);
QLabel* headingLabel(const QString& text, QWidget* parent);

// Lays `dialog` out as the `commands` row above `scroll`, which holds `content` and scrolls it when
// the screen is too small for it.
void layOutUnderCommands(QDialog& dialog, QWidget* commands, QScrollArea* scroll, QWidget* content);
// As large as the content, at the screen's top left corner; on a smaller screen the window keeps
// within it and the content scrolls under the commands. Call once the window is about to show.
void fitToScreen(QDialog& dialog, QScrollArea* scroll);

// As wide as its columns (plus a vertical scroll bar when `withScrollBar`) and `rows` rows high, so
// that it never scrolls sideways.
void fitGridToCells(TextGridView* view, int rows, bool withScrollBar);

} // namespace tv::ui
