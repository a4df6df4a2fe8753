// TextGridView: shows a TextGrid and edits its cells through a popup list or an in-place editor.
#pragma once

#include "services/text_grid.h"

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

#include <functional>
#include <optional>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace tv::ui {

class TextGridModel;

// The view asks `offer` what a clicked cell offers, opens a list under the cell or a line editor over
// it (with the offer's candidates listed beside it, where it has any: a click on one, or Alt+Down and
// Alt+Up, puts it into the editor), and hands the chosen or typed text to `commit`. Tab and Shift+Tab
// in the editor commit it and open the next or previous cell that offers something.
//
// Typing on a cell that offers a list opens a line editor of its own (listEditor(), the list's items
// beside it) instead of the list: Enter hands the typed text to `commit` as a pick, and the window
// model decides which item it names; when the editor is left otherwise, the text is handed over only
// if it names an item, and dropped if not.
//
// Typed text is mapped to its CP932 forms first; text holding a character that cannot be stored is
// not committed: the character is taken out of the editor, `error` is told and the editor stays open
// with the rest of the typing. Fixed rows and columns are shown as ordinary rows drawn like headers;
// they never become the current cell and offer nothing (a right-click on them is still signalled).
// The grid's current cell and top row follow the view. A text cut off by its cell's width shows
// whole in a tooltip.
class TextGridView : public QTableView {
    Q_OBJECT
public:
    using OfferCallback = std::function<services::CellOffer(int row, int column)>;
    using CommitCallback = std::function<void(int row, int column, const QString& text)>;
    using ErrorCallback = std::function<void(int row, int column, char32_t character)>;

    explicit TextGridView(services::TextGrid* grid, QWidget* parent = nullptr);
    ~TextGridView() override;

    services::TextGrid* grid() const { return m_grid; }
    TextGridModel* gridModel() const { return m_model; }

    void setOfferCallback(OfferCallback offer) { m_offer = std::move(offer); }
    void setCommitCallback(CommitCallback commit) { m_commit = std::move(commit); }
    void setErrorCallback(ErrorCallback error) { m_error = std::move(error); }
    // Widens each column, beyond the width the grid gives it, to its widest unspanned text: for grids
    // whose widths were set for a smaller font than the window's.
    void setWidenToTexts(bool widen) { m_widenToTexts = widen; }

    // After the window model changed the grid: everything (rows, spans, widths, current cell, top
    // row), or only the texts and colours of some rows.
    void refresh();
    void refreshRows(int firstRow, int lastRow);
    void scrollToRow(int row);

    // Asks the offer of a scrollable cell and opens what it offers, as a click on it does; a text editor
    // starts with `typed` instead of the cell's text when given.
    void activateCell(int row, int column, const std::optional<QString>& typed = std::nullopt);
    // Commits the open editor, if any; false when its text cannot be stored (the editor stays open).
    bool commitEditor();
    void cancelEditor();
    bool isEditing() const;
    QLineEdit* lineEditor() const { return m_editor; }
    // The editor that typing opens on a cell that offers a list.
    QLineEdit* listEditor() const { return m_listEditor; }
    QListWidget* popupList() const { return m_list; }
    // The candidates shown beside the editor of a cell that offers text with candidates.
    QListWidget* candidateList() const;

Q_SIGNALS:
    void cellRightClicked(int row, int column);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void scrollContentsBy(int dx, int dy) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A cell too narrow for its text shows the whole text as a tooltip.
    bool viewportEvent(QEvent* event) override;

private:
    void applyLayout();
    void openEditor(int row, int column, const QString& text, bool selectAll);
    // Typing on a cell that offers a list: the typed text in the list editor, the items beside it.
    void openListEditor(int row, int column, const QString& typed, const QStringList& items);
    // The editor in use: the list editor while typing on a list cell, else the text editor.
    QLineEdit* activeEditor() const;
    void closeEditor();
    // Leaving the open editor for another cell: commits it, except that typing on a list cell is
    // handed over only when it names an item and dropped otherwise. False when the text editor
    // refused its text and stays open.
    bool leaveEditor();
    void openList(int row, int column, const QStringList& items);
    void placeEditor();
    void pick(QListWidgetItem* item);
    bool commitAndMove(int rowStep);
    // Commits the editor and opens the next (+1) or previous (-1) cell, in reading order, that offers
    // an editor or a list.
    void commitAndStep(int step);
    void showCandidates(const QStringList& items);
    // Alt+Down and Alt+Up: the next or previous candidate goes into the editor.
    void stepCandidate(int step);
    void hideCandidates();
    void moveCurrent(int row, int column);
    void syncTopRow();

    services::TextGrid* m_grid;
    TextGridModel* m_model;
    QLineEdit* m_editor;
    QLineEdit* m_listEditor;
    QListWidget* m_list;
    QPointer<QListWidget> m_candidates; // lives in the window once shown; the window may delete it
    OfferCallback m_offer;
    CommitCallback m_commit;
    ErrorCallback m_error;
    int m_editRow = -1;
    int m_editColumn = -1;
    bool m_typingListItem = false; // the open editor is the list editor
    int m_listRow = -1;
    int m_listColumn = -1;
    QPersistentModelIndex m_pressed;
    bool m_widenToTexts = false;
};

} // namespace tv::ui
