// The column dialog window: its grids bound to the model, the keys of its fields and editors, and
// redrawing from the model's state.
#include "column_input/coating.h"
#include "column_input/plate_lines.h"
#include "ui/column_input/column_pictures.h"
#include "ui/column_input/hasira_inp_form_view.h"
#include "ui/common/text_grid_view.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>

namespace tv::ui {

using namespace column_input;
using services::CellOffer;

namespace {

const QList<int> kWeldWidths{600, 420, 420, 420, 450, 600, 450, 650};
const QList<int> kPlateWidths{250, 1300, 800, 400,  550, 550, 450, 400, 400, 400,
                              450, 800,  550, 1000, 500, 600, 450, 550, 550};
const QList<int> kCoatingWidths{250, 800, 450, 450, 600, 800, 450, 800, 0};
const QList<int> kMarkWidths{200, 1000};
// Rows the plate and coating grids show; the weld grids show their rows (at least three) and the
// mark list fills the height beside the inputs.
const int kShownRows[5] = {3, 3, 7, 6, 5};

} // namespace

void HasiraInpFormView::bindGrid(int which) {
    TextGridView* view = m_grids[which];
    if (which == MarkGrid) {
        view->setOfferCallback([this](int row, int) {
            closeLists();
            m_form.chooseMark(row);
            focusInput(m_form.focusedInput());
            return CellOffer{};
        });
        connect(view, &TextGridView::cellRightClicked, this, [this] { showUndoMenu(); });
        return;
    }
    view->setOfferCallback([this, which](int row, int column) {
        m_jointList->hide();
        const CellEditor editor = m_commands.clickCell(which, row, column);
        switch (editor.kind) {
        case CellEditor::Kind::List:
            return CellOffer{CellOffer::Kind::List, m_form.KouhoList(editor.list)};
        case CellEditor::Kind::Text:
            return CellOffer{CellOffer::Kind::Text, {}};
        default:
            return CellOffer{};
        }
    });
    view->setCommitCallback([this, which](int row, int column, const QString& text) {
        if (cellEditor(which, column).kind == CellEditor::Kind::List)
            m_commands.pickItem(which, row, column, text);
        else if (m_commands.grid(which)->text(row, column) != text)
            m_commands.typeText(which, row, column, text);
    });
    connect(view, &TextGridView::cellRightClicked, this, [this, view, which](int row, int column) {
        closeLists();
        view->cancelEditor();
        // A right click that empties no cell opens 元に戻す / やり直し.
        if (!m_commands.rightClickCell(which, row, column))
            showUndoMenu();
    });
    // Each change typed into the editor goes into its cell at once, so the quantities follow the
    // typing and OK (F12) sees the text typed so far.
    QLineEdit* editor = view->lineEditor();
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    editor->installEventFilter(this);
    connect(editor, &QLineEdit::textChanged, this, [this, view, editor, which](const QString& text) {
        if (!view->isEditing())
            return;
        const services::TextGrid& grid = *m_commands.grid(which);
        const int row = grid.currentRow(), column = grid.currentColumn();
        m_commands.typeText(which, row, column, text);
        showCellInEditor(editor, grid.text(row, column));
    });
}

void HasiraInpFormView::applyWidths(int which) {
    const QList<int>& widths = which == PlateGrid     ? kPlateWidths
                               : which == CoatingGrid ? kCoatingWidths
                               : which == MarkGrid    ? kMarkWidths
                                                      : kWeldWidths;
    services::TextGrid* grid = m_commands.grid(which);
    for (int column = 0; column < widths.size() && column < grid->columnCount(); ++column)
        grid->setColumnWidth(column, widths[column]);
    if (which == MarkGrid)
        grid->setColumnWidth(0, 0);
}

void HasiraInpFormView::refreshGrid(int which) {
    TextGridView* view = m_grids[which];
    const services::TextGrid* grid = m_commands.grid(which);
    if (view->isEditing() && grid->rowCount() == m_shownRows[which]) {
        view->refreshRows(0, grid->rowCount() - 1);
        return;
    }
    applyWidths(which);
    view->refresh();
    m_shownRows[which] = grid->rowCount();
    // As large as its columns and rows, so that it never scrolls sideways.
    const int rowHeight = view->verticalHeader()->defaultSectionSize();
    const int frame = 2 * view->frameWidth();
    view->setFixedWidth(view->horizontalHeader()->length() + frame +
                        (which == MarkGrid ? view->verticalScrollBar()->sizeHint().width() : 0));
    const int rows =
        which <= SecondWeldGrid ? std::max(grid->rowCount(), kShownRows[which]) : kShownRows[which];
    if (which == MarkGrid)
        view->setMinimumHeight(rows * rowHeight + frame);
    else
        view->setFixedHeight(rows * rowHeight + frame);
}

void HasiraInpFormView::showModelState() {
    if (m_kaiTx->text() != m_form.KaiTx())
        m_kaiTx->setText(m_form.KaiTx());
    for (int i = 0; i < 4; ++i)
        m_infoGd[i]->setText(m_form.InfoGd(i));
    for (int i = 0; i < kInputFields; ++i) {
        if (m_inpTx[i]->text() != m_form.InpTx(i))
            m_inpTx[i]->setText(m_form.InpTx(i));
    }
    m_jointCh->setChecked(m_form.JointCh());
    m_jointFrame->setVisible(m_form.JointCh());
    for (int i = 0; i < 2; ++i)
        m_yousetuCh[i]->setChecked(m_form.YousetuCh(i));
    if (QAbstractButton* option = m_bunruiOp->button(m_form.BunruiOp())) {
        option->setChecked(true);
    } else {
        m_bunruiOp->setExclusive(false);
        for (QAbstractButton* button : m_bunruiOp->buttons())
            button->setChecked(false);
        m_bunruiOp->setExclusive(true);
    }
    for (int which = 0; which < 5; ++which)
        refreshGrid(which);
    m_section->setSectionCode(int(m_form.sectionCode()));
}

bool HasiraInpFormView::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        for (int which : {PlateGrid, CoatingGrid}) {
            if (watched == m_grids[which]->lineEditor() && (isEnter(key) || key == Qt::Key_Down))
                return editorKey(which, key);
        }
        if (!isEnter(key))
            return QDialog::eventFilter(watched, event);
        // Enter moves between the text fields and never reaches the dialog (no beep, no default).
        for (int i = 0; i < kInputFields; ++i) {
            if (watched == m_inpTx[i]) {
                focusInput(inputAfterEnter(i));
                return true;
            }
        }
        if (watched == m_kaiTx)
            return true;
    } else if (type == QEvent::MouseButtonPress &&
               static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        // A right click on a grid editor closes it; what it holds is in the cell already.
        for (int which : {PlateGrid, CoatingGrid}) {
            if (watched == m_grids[which]->lineEditor()) {
                m_grids[which]->commitEditor();
                return true;
            }
        }
    } else if (type == QEvent::MouseButtonRelease) {
        if (watched == m_inpTx[JointMarkInput]) {
            openJointList();
        } else {
            for (QLineEdit* field : m_inpTx) {
                if (watched == field)
                    field->selectAll();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

// Enter or Down in the plate or coating editor: on to the next column's editor, as far as there is one.
bool HasiraInpFormView::editorKey(int which, int) {
    TextGridView* view = m_grids[which];
    services::TextGrid& grid = *m_commands.grid(which);
    const int row = grid.currentRow(), column = grid.currentColumn();
    const int next = which == PlateGrid ? plateColumnAfterEnter(column)
                                        : coatingColumnAfterEnter(column, grid.text(row, CoatingShape));
    if (next < 0 || !view->commitEditor())
        return true;
    grid.setCurrent(row, next);
    view->activateCell(row, next);
    return true;
}

} // namespace tv::ui
