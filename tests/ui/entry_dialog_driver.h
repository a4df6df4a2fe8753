// Driving a member input dialog from its sheet in view tests: clicks on grid cells and list items,
// and opening the dialog on a sheet row with the test's steps run inside the open window.
#pragma once

#include "sheets/sheet_form.h"
#include "ui/common/command_label.h"
#include "ui/common/text_grid_view.h"
#include "ui/sheets/sheet_form_view.h"

#include <QListWidget>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <functional>

namespace tv::test {

inline void clickCell(ui::TextGridView* grid, int row, int column) {
    grid->scrollTo(grid->model()->index(row, column));
    const QRect cell = grid->visualRect(grid->model()->index(row, column));
    QVERIFY(cell.isValid());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

// Clicks the item showing `text` in an open list, or the item of the code `text` where the list
// shows codes with their meanings ("T  T継手（完全溶込み）").
inline void clickListItem(QListWidget* list, const QString& text) {
    QVERIFY2(list->isVisible(), qPrintable(text));
    QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    if (items.isEmpty())
        items = list->findItems(text + QStringLiteral("  "), Qt::MatchStartsWith);
    QVERIFY2(!items.isEmpty(), qPrintable(text));
    list->scrollToItem(items.first());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
}

// Selects sheet row `row`, gives 新規入力・修正 and runs `work` in the dialog window once it is
// active; a window still open afterwards (a failed check) is closed with Escape's reject. `entry`
// is the sheet's entry dialog, which calls its window hook with each window it shows. A dialog that
// never shows or never becomes active fails the test: the steps must have run to the end.
template <typename Window, typename EntryWindow>
void openEntryDialog(EntryWindow& entry, ui::SheetFormView& sheet, int row,
                     std::function<void(Window&)> work) {
    bool shown = false;
    bool worked = false;
    entry.setWindowHook([&shown, &worked, work](Window& window) {
        QTimer::singleShot(0, &window, [&shown, &worked, &window, work] {
            shown = true;
            const auto leave = qScopeGuard([&window] {
                if (window.isVisible())
                    window.reject();
            });
            QVERIFY(QTest::qWaitForWindowActive(&window));
            work(window);
            worked = true;
        });
    });
    clickCell(sheet.grid(), row, 3);
    QTest::mouseClick(sheet.command(sheets::SheetForm::NewInput), Qt::LeftButton);
    QVERIFY2(shown, "the entry dialog did not open");
    QVERIFY2(worked, "the entry dialog did not become active");
}

} // namespace tv::test
