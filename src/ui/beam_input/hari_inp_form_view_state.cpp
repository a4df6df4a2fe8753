// The beam dialog window: its grids bound to the model, the keys of its fields and editors, the
// lists under the mark fields, and redrawing from the model's state.
#include "beam_input/plate_columns.h"
#include "ui/beam_input/beam_pictures.h"
#include "ui/beam_input/hari_inp_form_view.h"
#include "ui/common/entry_dialog_parts.h"
#include "ui/common/text_grid_view.h"
#include "ui/common/window_look.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollArea>
#include <QScrollBar>

#include <utility>

namespace tv::ui {

using namespace beam_input;
using services::CellOffer;

namespace {

// Column widths in twips, widened to their texts by the grid view where the font needs it.
const QList<int> kMarkWidths{1000};
const QList<int> kPlateWidths{250, 1200, 750, 400, 550, 550, 400, 400, 400, 350,
                              450, 1100, 550, 900, 500, 550, 400, 550, 550};
const QList<int> kCoatingWidths{250, 800, 450, 450, 600, 900, 450, 800, 0};
// Rows each grid shows: the mark list a few marks, the others all their rows.
const int kShownRows[3] = {8, kPlateHeaderRows + kPlateLines, kCoatingHeaderRows + kCoatingLines};
// Height of one item of the lists under the fields.
constexpr int kListItemTwips = 250;
constexpr int kMostListItems = 12;

void checkOption(QButtonGroup* group, int option) {
    if (QAbstractButton* button = group->button(option))
        button->setChecked(true);
}

} // namespace

void HariInpFormView::bindGrids() {
    m_grids[MarkGrid]->setOfferCallback([this](int row, int) {
        closeLists();
        m_form.chooseMark(row);
        focusInput(0);
        return CellOffer{};
    });
    connect(m_grids[MarkGrid], &TextGridView::cellRightClicked, this, [this] { showUndoMenu(); });
    for (Grid which : {PlateGrid, CoatingGrid}) {
        TextGridView* view = m_grids[which];
        view->setOfferCallback([this, which](int row, int column) {
            m_fieldList->hide();
            CellOffer offer;
            if (auto pending = std::exchange(m_pendingOffer[which], std::nullopt))
                offer = *pending;
            else
                offer = which == PlateGrid ? m_form.plateCellClicked(row, column)
                                           : m_form.coatingCellClicked(row, column);
            m_offerKind[which] = offer.kind;
            return offer;
        });
        // The editor writes every keystroke into the model (bindGridEditor), so a committed editor
        // has nothing left to hand over; a list hands over its pick, and the model says where the
        // cursor goes on.
        view->setCommitCallback([this, which](int, int, const QString& text) {
            if (std::exchange(m_offerKind[which], CellOffer::Kind::None) != CellOffer::Kind::List)
                return;
            openOffer(which,
                      which == PlateGrid ? m_form.plateListPicked(text) : m_form.coatingListPicked(text));
        });
        connect(view, &TextGridView::cellRightClicked, this, [this, view, which](int row, int column) {
            closeLists();
            view->cancelEditor();
            // A right click that empties no cell opens 元に戻す / やり直し.
            if (which != PlateGrid || !m_form.plateCellEmptied(row, column))
                showUndoMenu();
        });
        bindGridEditor(which);
    }
}

// Each change typed into the editor goes into its cell at once, so the quantities follow the typing
// and OK (F12) sees the text typed so far. Text the model refuses, or stores in half-width letters,
// is put back into the editor as the cell holds it.
void HariInpFormView::bindGridEditor(Grid which) {
    TextGridView* view = m_grids[which];
    QLineEdit* editor = view->lineEditor();
    editor->installEventFilter(this);
    connect(editor, &QLineEdit::textEdited, this, [this, view, editor, which](const QString& text) {
        if (!view->isEditing())
            return;
        if (which == PlateGrid)
            m_form.plateEditorChanged(text);
        else
            m_form.coatingEditorChanged(text);
        const services::TextGrid& grid = which == PlateGrid ? m_form.DataGrid() : m_form.HifukuGrid();
        showCellInEditor(editor, grid.text(grid.currentRow(), grid.currentColumn()));
    });
}

// Opens what the model offers on the cell it moved the cursor to; nothing when the cursor stays.
void HariInpFormView::openOffer(Grid which, const std::optional<CellOffer>& offer) {
    if (!offer)
        return;
    const services::TextGrid& grid = which == PlateGrid ? m_form.DataGrid() : m_form.HifukuGrid();
    m_pendingOffer[which] = *offer;
    m_grids[which]->activateCell(grid.currentRow(), grid.currentColumn());
    m_pendingOffer[which].reset();
}

// Enter or Down in the plate or coating editor: on to the cell the model moves to, if any.
bool HariInpFormView::editorKey(Grid which) {
    const std::optional<CellOffer> next =
        which == PlateGrid ? m_form.plateEditorAdvance() : m_form.coatingEditorAdvance();
    if (!next)
        return true;
    m_grids[which]->cancelEditor(); // its text is in the cell already
    openOffer(which, next);
    return true;
}

void HariInpFormView::applyWidths(Grid which) {
    const QList<int>& widths = which == PlateGrid     ? kPlateWidths
                               : which == CoatingGrid ? kCoatingWidths
                                                      : kMarkWidths;
    services::TextGrid* grid = m_grids[which]->grid();
    for (int column = 0; column < widths.size() && column < grid->columnCount(); ++column)
        grid->setColumnWidth(column, widths[column]);
}

void HariInpFormView::refreshGrid(Grid which) {
    TextGridView* view = m_grids[which];
    const services::TextGrid* grid = view->grid();
    if ((view->isEditing() || view->popupList()->isVisible()) && grid->rowCount() == m_shownRows[which]) {
        view->refreshRows(0, grid->rowCount() - 1);
        return;
    }
    applyWidths(which);
    view->refresh();
    m_shownRows[which] = grid->rowCount();
    fitGridToCells(view, kShownRows[which], which == MarkGrid);
}

void HariInpFormView::showModelState() {
    if (m_kaiTx->text() != m_form.KaiTx())
        m_kaiTx->setText(m_form.KaiTx());
    for (int i = 0; i < kCaptionCount; ++i)
        m_infoGd[i]->setText(m_form.InfoGd(i));
    for (int i = 0; i < kInputCount; ++i) {
        if (m_inpTx[i]->text() != m_form.InpTx(i))
            m_inpTx[i]->setText(m_form.InpTx(i));
    }
    checkOption(m_bunruiOp, int(m_form.BunruiOp()));
    checkOption(m_tanbuOp, int(m_form.TanbuOp()));
    checkOption(m_leftOp, m_form.LeftOp());
    checkOption(m_rightOp, m_form.RightOp());
    checkOption(m_saisunOp, m_form.SaisunOp());
    m_jointCh->setChecked(m_form.JointCh());
    const bool welded = m_form.TanbuOp() == EndKind::Welded;
    m_weldedFrame->setVisible(welded);
    m_girderFrame->setVisible(!welded);
    m_jointFrame->setVisible(m_form.inputVisible(2));
    for (Grid which : {MarkGrid, PlateGrid, CoatingGrid})
        refreshGrid(which);
    m_endPicture->setEnds(m_form.LeftOp(), m_form.RightOp(), m_form.JointCh());
    m_girderPicture->setBasis(m_form.SaisunOp());
}

void HariInpFormView::runCommand(int index) {
    closeLists();
    if (index >= HariInpForm::ClearPlateRow && index <= HariInpForm::InsertCoatingBlankRow)
        m_grids[index <= HariInpForm::InsertPlateBlankRow ? PlateGrid : CoatingGrid]->cancelEditor();
    if (m_form.run(HariInpForm::Command(index))) {
        QDialog::accept();
        return;
    }
    if (index == HariInpForm::Ok && m_form.focusInput() >= 0)
        focusInput(m_form.focusInput());
}

void HariInpFormView::cancelEntry() {
    m_form.cancel();
}

void HariInpFormView::focusInput(int index) {
    if (index < 0 || index >= kInputCount || !m_form.inputVisible(index))
        return;
    m_inpTx[index]->setFocus(Qt::OtherFocusReason);
    m_inpTx[index]->selectAll();
}

void HariInpFormView::closeLists() {
    m_fieldList->hide();
    m_listField = -1;
    for (TextGridView* view : m_grids) {
        if (view->popupList()->isVisible())
            view->popupList()->hide();
    }
}

// The joint marks under the joint-mark field, or the girder marks under a girder field as wide as
// the field; 250 twips an item.
void HariInpFormView::openFieldList(int field) {
    closeLists();
    const QStringList items = field == 2 ? m_form.KouhoList(0) : m_form.FugoList();
    if (items.isEmpty())
        return;
    m_fieldList->clear();
    m_fieldList->addItems(items);
    QLineEdit* under = m_inpTx[field];
    const int shown = std::min(int(items.size()), kMostListItems);
    const int itemHeight = std::max(twipsToPixels(this, kListItemTwips), m_fieldList->sizeHintForRow(0));
    for (int row = 0; row < m_fieldList->count(); ++row)
        m_fieldList->item(row)->setSizeHint(QSize(0, itemHeight));
    int width = under->width();
    if (field == 2)
        width = std::max(width, m_fieldList->sizeHintForColumn(0) + 2 * m_fieldList->frameWidth());
    if (int(items.size()) > shown)
        width += m_fieldList->verticalScrollBar()->sizeHint().width();
    m_fieldList->setGeometry(QRect(under->mapToGlobal(QPoint(0, under->height())),
                                   QSize(width, shown * itemHeight + 2 * m_fieldList->frameWidth())));
    m_listField = field;
    m_fieldList->show();
    m_fieldList->setFocus(Qt::PopupFocusReason);
}

void HariInpFormView::fieldListPicked(const QString& item) {
    const int field = m_listField;
    m_fieldList->hide();
    m_listField = -1;
    if (field == 2) {
        // A pick is a step of its own, apart from typing in the field.
        m_form.history().endStep();
        m_form.setInpTx(2, item);
        m_form.history().endStep();
        focusInput(2);
    } else if (field == 9 || field == 11) {
        focusInput(m_form.pickGirder(field, item));
    }
}

bool HariInpFormView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == m_fieldList) {
            if (isEnter(key) && m_fieldList->currentItem()) {
                fieldListPicked(m_fieldList->currentItem()->text());
                return true;
            }
            if (key == Qt::Key_Escape) {
                closeLists();
                return true;
            }
            return QDialog::eventFilter(watched, event);
        }
        for (Grid which : {PlateGrid, CoatingGrid}) {
            if (watched == m_grids[which]->lineEditor() && (isEnter(key) || key == Qt::Key_Down))
                return editorKey(which);
        }
        if (!isEnter(key))
            return QDialog::eventFilter(watched, event);
        // Enter moves between the fields and never reaches the dialog (no beep, no default button).
        for (int i = 0; i < kInputCount; ++i) {
            if (watched == m_inpTx[i]) {
                focusInput(m_form.nextInputOnEnter(i));
                return true;
            }
        }
        if (watched == m_kaiTx)
            return true;
    } else if (type == QEvent::MouseButtonRelease) {
        for (int i = 0; i < kInputCount; ++i) {
            if (watched != m_inpTx[i])
                continue;
            if (i == 2 || i == 9 || i == 11)
                openFieldList(i);
            else
                m_inpTx[i]->selectAll();
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tv::ui
