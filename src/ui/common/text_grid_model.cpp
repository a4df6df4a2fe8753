// TextGridModel: texts, colours and alignment of a TextGrid for Qt's item views.
#include "ui/common/text_grid_model.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace tv::ui {

using services::CellAlignment;

namespace {

// The background of fixed (header) cells that have no colour of their own.
const QColor kFixedBackground(224, 224, 224);

Qt::Alignment toQt(CellAlignment alignment) {
    switch (alignment) {
    case CellAlignment::Center:
        return Qt::AlignHCenter;
    case CellAlignment::Right:
        return Qt::AlignRight;
    case CellAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

} // namespace

TextGridModel::TextGridModel(services::TextGrid* grid, QObject* parent)
    : QAbstractTableModel(parent), m_grid(grid) {}

bool TextGridModel::holds(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() < m_grid->rowCount() &&
           index.column() < m_grid->columnCount();
}

bool TextGridModel::isFixed(int row, int column) const {
    return row < m_grid->fixedRows() || column < m_grid->fixedColumns();
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid->rowCount();
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_grid->columnCount();
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!holds(index))
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return m_grid->text(row, column);
    case Qt::BackgroundRole:
        if (const std::optional<services::Rgb> color = m_grid->backColor(row, column))
            return QBrush(QColor(color->red, color->green, color->blue));
        if (isFixed(row, column))
            return QBrush(kFixedBackground);
        return {};
    case Qt::TextAlignmentRole: {
        const Qt::Alignment horizontal =
            row < m_grid->fixedRows() ? Qt::AlignHCenter : toQt(m_grid->alignment(column));
        return QVariant::fromValue(horizontal | Qt::AlignVCenter);
    }
    default:
        return {};
    }
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const {
    if (!holds(index))
        return Qt::NoItemFlags;
    if (isFixed(index.row(), index.column()))
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void TextGridModel::refresh() {
    beginResetModel();
    endResetModel();
}

void TextGridModel::refreshRows(int firstRow, int lastRow) {
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, m_grid->rowCount() - 1);
    if (firstRow > lastRow || m_grid->columnCount() == 0)
        return;
    Q_EMIT dataChanged(index(firstRow, 0), index(lastRow, m_grid->columnCount() - 1));
}

void TextGridModel::insertGridRow(int at, const QStringList& texts) {
    at = std::clamp(at, 0, m_grid->rowCount());
    beginInsertRows({}, at, at);
    m_grid->insertRow(at, texts);
    endInsertRows();
}

void TextGridModel::removeGridRow(int at) {
    if (at < 0 || at >= m_grid->rowCount())
        return;
    beginRemoveRows({}, at, at);
    m_grid->removeRow(at);
    endRemoveRows();
}

} // namespace tv::ui
