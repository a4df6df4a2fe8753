// Drives the context menu that the next right click opens: once it shows, its captions are kept and
// its command `index` runs.
#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <QTimer>

namespace tv::test {

// Call before the right click; `captions` receives the menu's captions.
inline void runContextMenuCommand(QObject* context, int index, QStringList* captions) {
    QTimer::singleShot(0, context, [index, captions] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            captions->append(action->text());
        menu->actions().at(index)->trigger();
        menu->close();
    });
}

} // namespace tv::test
