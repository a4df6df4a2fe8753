// TextGridView: a TextGrid in a table view, with spans, header-looking fixed cells and cell editors.
#include "ui/common/text_grid_view.h"

#include "services/cp932.h"
#include "services/typed_text.h"
#include "ui/common/text_grid_model.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>

#include <algorithm>

namespace tv::ui {

using services::CellOffer;

namespace {

// The most items the popup list shows without scrolling.
constexpr int kListRows = 12;

// Draws fixed cells as header sections, every other cell as usual.
class FixedCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const auto* model = qobject_cast<const TextGridModel*>(index.model());
        if (!model || !model->isFixed(index.row(), index.column())) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        QStyleOptionHeader header;
        header.rect = option.rect;
        header.palette = option.palette;
        header.fontMetrics = option.fontMetrics;
        header.state = QStyle::State_Enabled | QStyle::State_Raised;
        header.text = index.data(Qt::DisplayRole).toString();
        header.textAlignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.canConvert<QBrush>()) {
            header.palette.setBrush(QPalette::Button, background.value<QBrush>());
            header.palette.setBrush(QPalette::Window, background.value<QBrush>());
        }
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (!style)
            return;
        painter->save();
        painter->setClipRect(option.rect);
        style->drawControl(QStyle::CE_Header, &header, painter, widget);
        painter->restore();
    }
};

bool isCommitKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

TextGridView::TextGridView(services::TextGrid* grid, QWidget* parent)
    : QTableView(parent), m_grid(grid), m_model(new TextGridModel(grid, this)),
      m_editor(new QLineEdit(viewport())), m_listEditor(new QLineEdit(viewport())),
      m_list(new QListWidget(this)), m_candidates(new QListWidget(this)) {
    setModel(m_model);
    setItemDelegate(new FixedCellDelegate(this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setWordWrap(false);

    for (QLineEdit* editor : {m_editor, m_listEditor}) {
        editor->hide();
        editor->setFrame(false);
        editor->installEventFilter(this);
    }
    m_listEditor->setObjectName(QStringLiteral("ListEditor"));

    m_list->setWindowFlags(Qt::Popup);
    m_list->hide();
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemClicked, this, &TextGridView::pick);

    // The candidates beside the editor never take the focus, so that typing goes on in the editor.
    m_candidates->setObjectName(QStringLiteral("CandidateList"));
    m_candidates->setFocusPolicy(Qt::NoFocus);
    m_candidates->hide();
    connect(m_candidates, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!item || !isEditing())
            return;
        activeEditor()->setText(item->text());
        commitEditor();
    });
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TextGridView::syncTopRow);

    refresh();
}

// Closing the window must not commit what the editor still holds: the window model may be gone.
TextGridView::~TextGridView() {
    m_editor->removeEventFilter(this);
    m_listEditor->removeEventFilter(this);
    m_list->removeEventFilter(this);
    delete m_candidates.data(); // it may live in the window rather than in this view
}

void TextGridView::applyLayout() {
    clearSpans();
    for (const services::CellSpan& span : m_grid->spans())
        setSpan(span.row, span.column, span.rowSpan, span.columnSpan);
    const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
    for (int c = 0; c < m_grid->columnCount(); ++c) {
        const int twips = m_grid->columnWidth(c);
        setColumnHidden(c, twips == 0);
        if (twips <= 0)
            continue;
        int width = (twips * dpi + 720) / 1440;
        if (m_widenToTexts) {
            const QFontMetrics metrics(font());
            const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 6;
            for (int r = 0; r < m_model->rowCount(); ++r)
                if (columnSpan(r, c) == 1)
                    width = std::max(
                        width, metrics.horizontalAdvance(m_model->index(r, c).data().toString()) + padding);
        }
        setColumnWidth(c, width);
    }
}

void TextGridView::refresh() {
    const int row = m_grid->currentRow();
    const int column = m_grid->currentColumn();
    const int top = m_grid->topRow();
    cancelEditor();
    m_list->hide();
    m_model->refresh();
    applyLayout();
    executeDelayedItemsLayout();
    if (row < m_grid->rowCount() && column < m_grid->columnCount() && !m_model->isFixed(row, column))
        moveCurrent(row, column);
    m_grid->setCurrent(row, column);
    scrollToRow(top);
}

void TextGridView::refreshRows(int firstRow, int lastRow) {
    m_model->refreshRows(firstRow, lastRow);
}

void TextGridView::scrollToRow(int row) {
    verticalScrollBar()->setValue(row <= m_grid->fixedRows() ? 0 : row);
    syncTopRow();
}

void TextGridView::syncTopRow() {
    const int top = rowAt(0);
    m_grid->setTopRow(top >= 0 ? top : verticalScrollBar()->value());
}

void TextGridView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (current.isValid())
        m_grid->setCurrent(current.row(), current.column());
}

void TextGridView::moveCurrent(int row, int column) {
    const QModelIndex index = m_model->index(row, column);
    if (index.isValid())
        setCurrentIndex(index);
}

QModelIndex TextGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableView::moveCursor(action, modifiers);
    if (!next.isValid() || !m_model->isFixed(next.row(), next.column()))
        return next;
    const QModelIndex clamped = m_model->index(std::max(next.row(), m_grid->fixedRows()),
                                               std::max(next.column(), m_grid->fixedColumns()));
    return clamped.isValid() ? clamped : currentIndex();
}

void TextGridView::activateCell(int row, int column, const std::optional<QString>& typed) {
    if (!m_model->index(row, column).isValid() || m_model->isFixed(row, column))
        return;
    if (isEditing()) {
        if (row == m_editRow && column == m_editColumn)
            return;
        if (!commitEditor())
            return;
    }
    if (!m_offer)
        return;
    const CellOffer offer = m_offer(row, column);
    switch (offer.kind) {
    case CellOffer::Kind::Text:
        if (typed)
            openEditor(row, column, *typed, false);
        else
            openEditor(row, column, m_grid->text(row, column), true);
        showCandidates(offer.items);
        break;
    case CellOffer::Kind::List:
        if (offer.items.isEmpty())
            break;
        if (typed)
            openListEditor(row, column, *typed, offer.items);
        else
            openList(row, column, offer.items);
        break;
    case CellOffer::Kind::None:
        break;
    }
}

void TextGridView::openEditor(int row, int column, const QString& text, bool selectAll) {
    m_list->hide();
    m_editRow = row;
    m_editColumn = column;
    QLineEdit* editor = activeEditor();
    const services::CellAlignment alignment = m_grid->alignment(column);
    editor->setAlignment(Qt::AlignVCenter | (alignment == services::CellAlignment::Right    ? Qt::AlignRight
                                             : alignment == services::CellAlignment::Center ? Qt::AlignHCenter
                                                                                            : Qt::AlignLeft));
    editor->setText(text);
    if (selectAll)
        editor->selectAll();
    else
        editor->end(false);
    scrollTo(m_model->index(row, column));
    placeEditor();
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
}

void TextGridView::openListEditor(int row, int column, const QString& typed, const QStringList& items) {
    m_typingListItem = true;
    openEditor(row, column, typed, false);
    showCandidates(items);
}

QLineEdit* TextGridView::activeEditor() const {
    return m_typingListItem ? m_listEditor : m_editor;
}

void TextGridView::placeEditor() {
    if (!isEditing())
        return;
    const QRect cell = visualRect(m_model->index(m_editRow, m_editColumn));
    activeEditor()->setGeometry(cell);
    if (!m_candidates || !m_candidates->isVisible())
        return;
    // Beside the cell, on the right where the window has room, else on the left; inside the window.
    QWidget* host = m_candidates->parentWidget();
    const QRect inHost(viewport()->mapTo(host, cell.topLeft()), cell.size());
    const QSize size = m_candidates->size();
    int x = inHost.right() + 1;
    if (x + size.width() > host->width())
        x = inHost.left() - size.width();
    const int y = std::min(inHost.top(), host->height() - size.height());
    m_candidates->move(std::max(x, 0), std::max(y, 0));
}

void TextGridView::showCandidates(const QStringList& items) {
    if (items.isEmpty() || !isEditing() || !m_candidates) {
        hideCandidates();
        return;
    }
    // A child of the window, so that it may stand outside the grid.
    if (m_candidates->parentWidget() != window())
        m_candidates->setParent(window());
    m_candidates->clear();
    m_candidates->addItems(items);
    // The cell's own text marked when it is a candidate; otherwise Alt+Down starts at the first.
    m_candidates->setCurrentRow(int(items.indexOf(m_grid->text(m_editRow, m_editColumn))));
    const int frame = 2 * m_candidates->frameWidth();
    const int shown = std::min(int(items.size()), kListRows);
    int width = m_candidates->sizeHintForColumn(0) + frame;
    if (items.size() > kListRows)
        width += m_candidates->verticalScrollBar()->sizeHint().width();
    m_candidates->resize(width, shown * std::max(m_candidates->sizeHintForRow(0), 1) + frame);
    m_candidates->show();
    m_candidates->raise();
    placeEditor();
}

void TextGridView::stepCandidate(int step) {
    const int count = m_candidates->count();
    const int next = std::clamp(m_candidates->currentRow() + step, 0, count - 1);
    m_candidates->setCurrentRow(next);
    activeEditor()->setText(m_candidates->item(next)->text());
    activeEditor()->selectAll();
}

QListWidget* TextGridView::candidateList() const {
    return m_candidates.data();
}

void TextGridView::hideCandidates() {
    if (m_candidates)
        m_candidates->hide();
}

bool TextGridView::isEditing() const {
    return m_editRow >= 0;
}

bool TextGridView::commitEditor() {
    if (!isEditing())
        return true;
    const int row = m_editRow;
    const int column = m_editColumn;
    QLineEdit* editor = activeEditor();
    const QString text = services::Cp932::mapLookAlikes(editor->text());
    const services::StorableText storable = services::TakeOutRefused(text);
    if (storable.refused) {
        // Only the refused characters leave the editor; the rest of the typing stays for a look
        // before it is committed.
        const int cursor = editor->cursorPosition();
        editor->setText(storable.text);
        editor->setCursorPosition(std::min(cursor, int(storable.text.size())));
        if (m_error)
            m_error(row, column, *storable.refused);
        if (isEditing())
            activeEditor()->setFocus(Qt::OtherFocusReason);
        return false;
    }
    closeEditor();
    if (m_commit)
        m_commit(row, column, text);
    return true;
}

void TextGridView::cancelEditor() {
    if (isEditing())
        closeEditor();
}

void TextGridView::closeEditor() {
    QLineEdit* editor = activeEditor();
    m_editRow = m_editColumn = -1;
    m_typingListItem = false;
    setFocus(Qt::OtherFocusReason);
    editor->hide();
    hideCandidates();
}

bool TextGridView::commitAndMove(int rowStep) {
    const int row = m_editRow;
    const int column = m_editColumn;
    if (!commitEditor())
        return false;
    const int target = row + rowStep;
    if (target >= m_grid->fixedRows() && target < m_grid->rowCount())
        moveCurrent(target, column);
    return true;
}

void TextGridView::commitAndStep(int step) {
    int row = m_editRow;
    int column = m_editColumn;
    if (!commitEditor() || isEditing()) // refused: the editor stays, or reopened on its cell
        return;
    const int columns = m_grid->columnCount();
    const int cells = (m_grid->rowCount() - m_grid->fixedRows()) * columns;
    for (int tried = 0; tried < cells; ++tried) {
        column += step;
        if (column < 0 || column >= columns) {
            row += step;
            column = step > 0 ? 0 : columns - 1;
        }
        if (row < m_grid->fixedRows() || row >= m_grid->rowCount())
            return;
        if (m_model->isFixed(row, column) || isColumnHidden(column) || columnWidth(column) <= 0)
            continue;
        moveCurrent(row, column);
        activateCell(row, column);
        if (isEditing() || m_list->isVisible())
            return;
    }
}

void TextGridView::openList(int row, int column, const QStringList& items) {
    cancelEditor();
    m_listRow = row;
    m_listColumn = column;
    m_list->clear();
    m_list->addItems(items);
    const int selected = int(items.indexOf(m_grid->text(row, column)));
    m_list->setCurrentRow(std::max(selected, 0));

    scrollTo(m_model->index(row, column));
    const QRect cell = visualRect(m_model->index(row, column));
    const int frame = 2 * m_list->frameWidth();
    const int shown = std::min(int(items.size()), kListRows);
    int width = std::max(cell.width(), m_list->sizeHintForColumn(0) + frame);
    if (items.size() > kListRows)
        width += m_list->verticalScrollBar()->sizeHint().width();
    const int height = shown * std::max(m_list->sizeHintForRow(0), 1) + frame;
    QPoint at = viewport()->mapToGlobal(cell.bottomLeft() + QPoint(0, 1));
    if (const QScreen* screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        if (at.y() + height > available.bottom())
            at.setY(viewport()->mapToGlobal(cell.topLeft()).y() - height);
        at.setX(std::clamp(at.x(), available.left(), std::max(available.left(), available.right() - width)));
    }
    m_list->setGeometry(QRect(at, QSize(width, height)));
    m_list->show();
    m_list->setFocus(Qt::PopupFocusReason);
    m_list->scrollToItem(m_list->currentItem());
}

void TextGridView::pick(QListWidgetItem* item) {
    if (!item || m_listRow < 0)
        return;
    const int row = m_listRow;
    const int column = m_listColumn;
    const QString text = item->text();
    m_listRow = m_listColumn = -1;
    m_list->hide();
    setFocus(Qt::OtherFocusReason);
    if (m_commit)
        m_commit(row, column, text);
}

bool TextGridView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QTableView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    const QString text = index.isValid() ? index.data().toString() : QString();
    const QRect cell = index.isValid() ? visualRect(index) : QRect();
    // The item delegate draws a text with a margin of the focus frame and one pixel on each side.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    if (!text.isEmpty() && fontMetrics().horizontalAdvance(text) + margins > cell.width())
        QToolTip::showText(help->globalPos(), text, viewport(), cell);
    else
        QToolTip::hideText();
    return true;
}

bool TextGridView::eventFilter(QObject* watched, QEvent* event) {
    const bool editor = watched == m_editor || watched == m_listEditor;
    if (editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool alt = static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier;
        if (alt && (key == Qt::Key_Down || key == Qt::Key_Up) && m_candidates && m_candidates->isVisible()) {
            stepCandidate(key == Qt::Key_Down ? 1 : -1);
            return true;
        }
        if (isCommitKey(key) || key == Qt::Key_Down || key == Qt::Key_Up) {
            // An item typed into a list cell is taken as a pick is: the window moves on, not the
            // editor.
            if (watched == m_listEditor)
                commitEditor();
            else
                commitAndMove(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
        if (key == Qt::Key_Escape) {
            cancelEditor();
            return true;
        }
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            commitAndStep(key == Qt::Key_Tab ? 1 : -1);
            return true;
        }
    } else if (editor && event->type() == QEvent::FocusOut) {
        // The window losing activation (a candidate list closing, another program) does not end the
        // editing: an editor opened right after a pick would otherwise close again at once.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::ActiveWindowFocusReason)
            return true;
        if (!isEditing() || watched != activeEditor())
            return QTableView::eventFilter(watched, event);
        if (m_typingListItem)
            leaveEditor();
        else if (!services::Cp932::firstUnencodable(services::Cp932::mapLookAlikes(m_editor->text())))
            commitEditor(); // otherwise the editor stays open and the message comes at the commit
    } else if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (isCommitKey(key)) {
            pick(m_list->currentItem());
            return true;
        }
        if (key == Qt::Key_Escape) {
            m_list->hide();
            return true;
        }
    } else if (watched == m_list && event->type() == QEvent::Hide) {
        m_listRow = m_listColumn = -1;
    }
    return QTableView::eventFilter(watched, event);
}

bool TextGridView::leaveEditor() {
    if (!m_typingListItem)
        return commitEditor();
    // Leaving a list cell keeps what was typed only when it names an item of the list; no message
    // interrupts the move.
    QStringList items;
    if (m_candidates)
        for (int i = 0; i < m_candidates->count(); ++i)
            items.append(m_candidates->item(i)->text());
    if (services::ItemTyped(items, m_listEditor->text()))
        return commitEditor();
    cancelEditor();
    return true;
}

void TextGridView::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    if (isEditing() && (index.row() != m_editRow || index.column() != m_editColumn) && !leaveEditor()) {
        event->accept();
        return;
    }
    m_pressed = index;
    if (event->button() == Qt::RightButton) {
        if (index.isValid()) {
            if (!m_model->isFixed(index.row(), index.column()))
                moveCurrent(index.row(), index.column());
            Q_EMIT cellRightClicked(index.row(), index.column());
        }
        event->accept();
        return;
    }
    if (index.isValid() && m_model->isFixed(index.row(), index.column())) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void TextGridView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    const bool clicked = event->button() == Qt::LeftButton && index.isValid() && index == m_pressed;
    m_pressed = QPersistentModelIndex();
    if (clicked)
        activateCell(index.row(), index.column());
}

void TextGridView::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void TextGridView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    if (current.isValid() && (isCommitKey(event->key()) || event->key() == Qt::Key_F2)) {
        activateCell(current.row(), current.column());
        event->accept();
        return;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && typed.front().isPrint() &&
                           !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (current.isValid() && printable) {
        activateCell(current.row(), current.column(), typed);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TextGridView::scrollContentsBy(int dx, int dy) {
    QTableView::scrollContentsBy(dx, dy);
    placeEditor();
}

void TextGridView::updateGeometries() {
    QTableView::updateGeometries();
    placeEditor();
}

} // namespace tv::ui
