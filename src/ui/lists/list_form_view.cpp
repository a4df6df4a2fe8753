// The list registration window: drawing the model, keys, focus and commands. It only draws the
// model and forwards what the user does; the panels are built in list_form_panels.cpp.
#include "ui/lists/list_form_view.h"

#include "ui/common/screen_fit.h"
#include "ui/common/text_grid_view.h"
#include "ui/common/undo_actions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace tv::ui {

using lists::BeamKind;
using lists::ColumnShape;
using lists::ListCategory;
using lists::ListForm;
using lists::ListPanel;

ListFormView::ListFormView(ListForm& form, QWidget* parent) : QDialog(parent), m_form(form) {
    setWindowTitle(QStringLiteral("リスト登録"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    buildTop(layout);

    m_panels = new QStackedWidget(this);
    m_panels->addWidget(buildColumnPanel());
    m_panels->addWidget(buildBeamPanel());
    m_panels->addWidget(buildJointPanel());
    auto* gussets =
        new QLabel(QStringLiteral("※ガセット類はここでは登録しません（登録する項目はありません）。"), this);
    gussets->setObjectName(QStringLiteral("GussetNote"));
    gussets->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_panels->addWidget(gussets);
    layout->addWidget(m_panels, 1);

    connect(m_categories, &QButtonGroup::idClicked, this,
            [this](int id) { m_form.selectCategory(ListCategory(id)); });
    connect(m_shapes, &QButtonGroup::idClicked, this,
            [this](int id) { m_form.selectShape(ColumnShape(id)); });
    connect(m_beamKinds, &QButtonGroup::idClicked, this,
            [this](int id) { m_form.selectBeamKind(BeamKind(id)); });
    connect(&m_form, &ListForm::changed, this, &ListFormView::redraw);
    connect(&m_form, &ListForm::focusRequested, this, &ListFormView::focusField);
    auto* f12 = new QShortcut(QKeySequence(Qt::Key_F12), this);
    f12->setContext(Qt::WindowShortcut);
    connect(f12, &QShortcut::activated, this, &ListFormView::registerEntry);
    addUndoCommands();
    redraw();
    // As wide as the grids want, centred, but within the screen's available area.
    const QSize size(1180, 680);
    fitOnScreen(this, size, clientAreaFor(this).center() - QPoint(size.width() / 2, size.height() / 2));
}

ListFormView::~ListFormView() = default;

void ListFormView::addUndoCommands() {
    // An open grid editor is dropped first: the step puts back the grid it edits.
    const UndoActions undo = addUndoActions(
        this, m_form.history(),
        [this] {
            m_jointGrid->cancelEditor();
            m_form.undo();
        },
        [this] {
            m_jointGrid->cancelEditor();
            m_form.redo();
        });
    // A right click on a grid opens the two commands.
    for (TextGridView* grid : {m_hasiraGrid, m_hariGrid, m_jointGrid})
        connect(grid, &TextGridView::cellRightClicked, this, [undo] { showUndoMenu(undo, QCursor::pos()); });
    // A field or grid editor takes Ctrl+Z for its own typing first.
    for (const Field& field : m_columnFields)
        passSpentUndoKeys(field.edit);
    for (const Field& field : m_beamFields)
        passSpentUndoKeys(field.edit);
    for (QLineEdit* editor : {m_jointMark, m_jointGrid->lineEditor(), m_jointGrid->listEditor()})
        passSpentUndoKeys(editor);
}

void ListFormView::setFieldText(const Field& field, const QString& text) {
    if (field.edit->text() != text)
        field.edit->setText(text);
}

void ListFormView::setCandidates(QComboBox* combo, const QStringList& items) {
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown.append(combo->itemText(i));
    if (shown == items)
        return;
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(items);
    combo->setEditText(text);
}

void ListFormView::redraw() {
    if (m_updating)
        return;
    m_updating = true;
    m_categories->button(int(m_form.category()))->setChecked(true);
    m_panels->setCurrentIndex(int(m_form.category()));
    m_shapes->button(int(m_form.shape()))->setChecked(true);
    for (int i = 0; i < 3; ++i)
        m_shapeFrames[i]->setVisible(i == int(m_form.shape()));
    m_beamKinds->button(int(m_form.beamKind()))->setChecked(true);
    // Greyed while 小梁 locks it, so that the lock is seen.
    m_beamFields[0].edit->setReadOnly(m_form.beamFloorLocked());
    m_beamFields[0].edit->setEnabled(!m_form.beamFloorLocked());

    for (int k : {2, 8, 13, 18, 22})
        setCandidates(m_columnFields[k].combo, m_form.gradeCandidates());
    setCandidates(m_columnFields[3].combo, m_form.columnTypeCandidates());
    for (int k : {2, 8})
        setCandidates(m_beamFields[k].combo, m_form.gradeCandidates());
    for (int k : {3, 9})
        setCandidates(m_beamFields[k].combo, m_form.beamTypeCandidates());
    for (int k = 0; k < ListForm::kColumnFieldCount; ++k)
        setFieldText(m_columnFields[k], m_form.InpTx(k));
    for (int k = 0; k < ListForm::kBeamFieldCount; ++k)
        setFieldText(m_beamFields[k], m_form.HariInpTx(k));
    if (m_jointMark->text() != m_form.JointInpTx())
        m_jointMark->setText(m_form.JointInpTx());
    m_galvanized->setChecked(m_form.MekkiCh());
    m_jointNotice->setText(m_form.jointNotice());

    QStringList marks;
    for (int i = 0; i < m_jointMarks->count(); ++i)
        marks.append(m_jointMarks->item(i)->text());
    if (marks != m_form.jointMarks()) {
        m_jointMarks->clear();
        m_jointMarks->addItems(m_form.jointMarks());
    }
    m_hasiraGrid->refresh();
    m_hariGrid->refresh();
    if (!m_jointGrid->isEditing())
        m_jointGrid->refresh();
    m_updating = false;
}

void ListFormView::focusField(ListPanel panel, int index) {
    QLineEdit* edit = panel == ListPanel::Column ? m_columnFields[index].edit
                      : panel == ListPanel::Beam ? m_beamFields[index].edit
                                                 : m_jointMark;
    edit->setFocus(Qt::OtherFocusReason);
    edit->end(false);
}

// Enter moves on to the next field of the panel, in the order of the fields.
void ListFormView::focusNextField(QObject* edit) {
    QList<QLineEdit*> order;
    for (int k : m_form.columnFieldOrder())
        order.append(m_columnFields[k].edit);
    if (order.contains(edit)) {
        order[(order.indexOf(edit) + 1) % order.size()]->setFocus(Qt::TabFocusReason);
        return;
    }
    order.clear();
    for (int k = m_form.beamFloorLocked() ? 1 : 0; k < ListForm::kBeamFieldCount; ++k)
        order.append(m_beamFields[k].edit);
    if (order.contains(edit)) {
        order[(order.indexOf(edit) + 1) % order.size()]->setFocus(Qt::TabFocusReason);
        return;
    }
    if (edit == m_jointMark) {
        services::TextGrid* grid = m_form.jointGridForView();
        grid->setCurrent(grid->fixedRows(), ListForm::kJointFlangeColumn);
        m_jointGrid->refresh();
        m_jointGrid->setFocus(Qt::TabFocusReason);
    }
}

bool ListFormView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (qobject_cast<QLineEdit*>(watched) || qobject_cast<QComboBox*>(watched))) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            auto* combo = qobject_cast<QComboBox*>(watched);
            focusNextField(combo ? combo->lineEdit() : watched);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ListFormView::registerEntry() {
    if (m_jointGrid->isEditing() && !m_jointGrid->commitEditor())
        return;
    m_form.registerEntry();
}

void ListFormView::runCommand(int index) {
    if (index == ListForm::Register) {
        registerEntry();
        return;
    }
    if (index == ListForm::Finish) {
        if (m_jointGrid->isEditing() && !m_jointGrid->commitEditor())
            return;
        if (m_form.finish())
            accept();
        return;
    }
    m_form.command(index);
}

void ListFormView::reject() {
    if (m_form.closeRequested())
        QDialog::reject();
}

} // namespace tv::ui
