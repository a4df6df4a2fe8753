// Column widths dragged in the caption rows.
#include "ui/common/column_drag.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>

#include <algorithm>
#include <cstdlib>

namespace tv::ui {

ColumnDrag::ColumnDrag(QTableView* captions, std::function<void(int, int)> resized,
                       std::function<void()> finished)
    : QObject(captions), m_captions(captions), m_resized(std::move(resized)),
      m_finished(std::move(finished)) {
    captions->viewport()->setMouseTracking(true);
    captions->viewport()->installEventFilter(this);
}

int ColumnDrag::borderAt(int x) const {
    const QHeaderView* columns = m_captions->horizontalHeader();
    for (int visual = 0; visual < columns->count(); ++visual) {
        const int column = columns->logicalIndex(visual);
        if (m_captions->isColumnHidden(column))
            continue;
        const int right = m_captions->columnViewportPosition(column) + m_captions->columnWidth(column);
        if (std::abs(x - right) <= kBorderReach)
            return column;
    }
    return -1;
}

bool ColumnDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_captions->viewport())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        const int x = static_cast<QMouseEvent*>(event)->position().toPoint().x();
        if (m_column >= 0) {
            m_resized(m_column, std::max(kNarrowest, m_startWidth + x - m_startX));
            return true;
        }
        if (borderAt(x) >= 0)
            m_captions->viewport()->setCursor(Qt::SplitHCursor);
        else
            m_captions->viewport()->unsetCursor();
        return false;
    }
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const int column = borderAt(mouse->position().toPoint().x());
        if (mouse->button() != Qt::LeftButton || column < 0)
            return false;
        m_column = column;
        m_startX = mouse->position().toPoint().x();
        m_startWidth = m_captions->columnWidth(column);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (m_column < 0)
            return false;
        m_column = -1;
        m_finished();
        return true;
    case QEvent::MouseButtonDblClick: {
        const int column = borderAt(static_cast<QMouseEvent*>(event)->position().toPoint().x());
        if (column < 0)
            return false;
        m_column = -1;
        m_resized(column, -1);
        m_finished();
        return true;
    }
    case QEvent::Leave:
        if (m_column < 0)
            m_captions->viewport()->unsetCursor();
        return false;
    default:
        return false;
    }
}

} // namespace tv::ui
