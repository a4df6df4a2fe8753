// Clears the clipboard first so that no other format of an earlier copy stays beside the text.
#include "ui/common/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tv::ui {

void QtClipboard::setText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace tv::ui
