// TextGrid: the value behind every grid of the program (text cells, colours, headers, sorting).
#pragma once

#include "services/rgb.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tv::services {

// Invariants:
// - every row holds exactly columnCount() texts and back colours; reads outside the grid give empty
//   text (no colour), writes outside the grid are ignored;
// - fixedRows() <= rowCount() and fixedColumns() <= columnCount() are not required: the fixed counts
//   are kept as set and only describe how the first rows and columns are shown;
// - currentRow()/currentColumn() always lie inside the grid (0 when it has no rows or columns), and
//   topRow() lies in [fixedRows(), rowCount() - 1] (or is fixedRows() when there is no scrollable row).

enum class CellAlignment { Left, Center, Right };

// Merged-header hint: the cell at (row, column) covers rowSpan × columnSpan cells.
struct CellSpan {
    int row, column, rowSpan, columnSpan;
    bool operator==(const CellSpan&) const = default;
};

// What a cell offers to edit when it is clicked.
struct CellOffer {
    enum class Kind { None, Text, List } kind = Kind::None;
    QStringList items; // for List
};

class TextGrid {
public:
    // A column's width before setColumnWidth, in twips.
    static constexpr int kDefaultColumnWidth = 960;

    TextGrid(int rows = 0, int columns = 0);

    int rowCount() const { return int(m_rows.size()); }
    int columnCount() const { return m_columns; }
    void resize(int rows, int columns); // keeps existing cells

    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int rows);
    int fixedColumns() const { return m_fixedColumns; }
    void setFixedColumns(int columns);

    const QString& text(int row, int column) const;
    void setText(int row, int column, const QString& text);
    QStringList rowTexts(int row) const; // empty list outside the grid
    // Sets the whole row: the given texts from the first column, empty text after them; extra texts
    // beyond the last column are dropped.
    void setRowTexts(int row, const QStringList& texts);

    std::optional<Rgb> backColor(int row, int column) const;
    void setBackColor(int row, int column, std::optional<Rgb> color);

    CellAlignment alignment(int column) const;
    void setAlignment(int column, CellAlignment alignment);
    int columnWidth(int column) const; // twips
    void setColumnWidth(int column, int twips);

    void addSpan(CellSpan span);
    const QList<CellSpan>& spans() const { return m_spans; }
    void clearSpans() { m_spans.clear(); }

    int currentRow() const { return m_currentRow; }
    int currentColumn() const { return m_currentColumn; }
    void setCurrent(int row, int column); // clamped into the grid
    int topRow() const { return m_topRow; }
    void setTopRow(int row); // first visible scrollable row, clamped

    // Inserts a row before `at` (rowCount() appends) filled as setRowTexts does. Rows below move
    // down with their colours; spans below move with them and spans across the row grow.
    void insertRow(int at, const QStringList& texts = {});
    // Removes the row; rows below move up with their colours, spans shrink or move.
    void removeRow(int at);

    // Generic ascending sort of rows [firstRow, lastRow] by columns [firstColumn, lastColumn] in turn:
    // two cells that both read completely as numbers compare by value, otherwise as text by their
    // CP932 bytes with ASCII letters folded to one case; stable. Whole rows move, colours included.
    // Bounds may come in either order and are clipped to the grid.
    void sortRows(int firstRow, int lastRow, int firstColumn, int lastColumn);

private:
    struct Row {
        QStringList texts;
        QList<std::optional<Rgb>> colors;
    };
    Row makeRow(const QStringList& texts) const;
    bool contains(int row, int column) const;
    void clampPositions();

    std::vector<Row> m_rows;
    int m_columns = 0;
    int m_fixedRows = 0;
    int m_fixedColumns = 0;
    QList<CellAlignment> m_alignments;
    QList<int> m_widths;
    QList<CellSpan> m_spans;
    int m_currentRow = 0;
    int m_currentColumn = 0;
    int m_topRow = 0;
};

// The sort's cell comparison (<0, 0, >0).
int compareGridCells(const QString& a, const QString& b);

// True when the whole text, blanks at both ends allowed, is an optional sign, digits with at most
// one decimal point and an optional exponent (E or D, optional sign, digits); `value` receives it.
bool readsAsNumber(QStringView text, double* value = nullptr);

} // namespace tv::services
