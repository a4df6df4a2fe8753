// TextGridModel: a TextGrid shown through Qt's item views, fixed cells looking like headers.
#pragma once

#include "services/text_grid.h"

#include <QAbstractTableModel>

namespace tv::ui {

// The grid belongs to a window model and outlives this model. The window model changes the grid
// directly and then calls refresh() (rows or columns added, removed or reordered) or refreshRows()
// (texts or colours of existing rows changed); insertGridRow()/removeGridRow() change the grid and
// tell attached views in one step.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TextGridModel(services::TextGrid* grid, QObject* parent = nullptr);

    services::TextGrid* grid() const { return m_grid; }
    bool isFixed(int row, int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    void refresh();
    void refreshRows(int firstRow, int lastRow);
    void insertGridRow(int at, const QStringList& texts = {});
    void removeGridRow(int at);

private:
    bool holds(const QModelIndex& index) const;

    services::TextGrid* m_grid;
};

} // namespace tv::ui
