// Dragging a column's width in a grid's caption rows: the pointer turns into a sizing cursor over the
// right border of a column, a drag makes the column wider or narrower, and a double click on the
// border gives the column back the width the window sets.
#pragma once

#include <QObject>

#include <functional>

class QTableView;

namespace tv::ui {

class ColumnDrag : public QObject {
public:
    // `captions` shows the caption rows that take the mouse; `resized` receives a column's new width
    // in pixels as it is dragged, and -1 when a double click asks for the window's own width;
    // `finished` runs once a drag or a double click is over (to remember the widths).
    ColumnDrag(QTableView* captions, std::function<void(int column, int pixels)> resized,
               std::function<void()> finished);

    static constexpr int kBorderReach = 4; // pixels either side of a border that catch the mouse
    static constexpr int kNarrowest = 12;  // pixels a column keeps at least

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The column whose right border lies within reach of `x`, or -1.
    int borderAt(int x) const;

    QTableView* m_captions;
    std::function<void(int, int)> m_resized;
    std::function<void()> m_finished;
    int m_column = -1; // the column being dragged
    int m_startX = 0;
    int m_startWidth = 0;
};

} // namespace tv::ui
