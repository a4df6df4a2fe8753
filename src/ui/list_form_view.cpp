// The list registration window: category options over four panels, text fields with candidate
// lists, the registered grids, the joint input grid and the command labels. It only draws the model
// and forwards what the user does.
#include "ui/list_form_view.h"

#include "ui/text_grid_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <functional>

namespace tv::ui {

using lists::BeamKind;
using lists::ColumnShape;
using lists::ListCategory;
using lists::ListForm;
using lists::ListPanel;

namespace {

// A label used as a command: its caption turns red while the mouse is over it.
class ListCommandLabel : public QLabel {
public:
    ListCommandLabel(const QString& caption, std::function<void()> action, QWidget* parent)
        : QLabel(caption, parent), m_action(std::move(action)) {
        setAlignment(Qt::AlignCenter);
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setMinimumWidth(90);
        setMinimumHeight(26);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void enterEvent(QEnterEvent*) override { setStyleSheet(QStringLiteral("color: rgb(255, 0, 0);")); }
    void leaveEvent(QEvent*) override { setStyleSheet(QString()); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_action();
    }

private:
    std::function<void()> m_action;
};

QLabel* caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QRadioButton* option(QButtonGroup* group, int id, const QString& text, const QString& name, QWidget* parent) {
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(name + QString::number(id));
    group->addButton(button, id);
    return button;
}

} // namespace

ListFormView::ListFormView(ListForm& form, QWidget* parent) : QDialog(parent), m_form(form) {
    setWindowTitle(QStringLiteral("リスト登録"));
    setModal(true);
    resize(1180, 760);
    auto* layout = new QVBoxLayout(this);

    auto* top = new QHBoxLayout;
    m_categories = new QButtonGroup(this);
    const QStringList categories{QStringLiteral("柱"), QStringLiteral("梁"), QStringLiteral("ジョイント"),
                                 QStringLiteral("ガセット類")};
    for (int i = 0; i < categories.size(); ++i)
        top->addWidget(option(m_categories, i, categories[i], QStringLiteral("BunruiOp"), this));
    top->addStretch();
    top->addWidget(commandLabel(ListForm::Register, this));
    top->addWidget(commandLabel(ListForm::Finish, this));
    layout->addLayout(top);
    for (int i = 0; i < 3; ++i)
        layout->addWidget(new QLabel(ListForm::notes()[i], this));

    m_panels = new QStackedWidget(this);
    m_panels->addWidget(buildColumnPanel());
    m_panels->addWidget(buildBeamPanel());
    m_panels->addWidget(buildJointPanel());
    m_panels->addWidget(new QWidget(this)); // ガセット類 registers nothing
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
    redraw();
}

ListFormView::~ListFormView() = default;

QWidget* ListFormView::commandLabel(int index, QWidget* parent) {
    auto* label = new ListCommandLabel(
        ListForm::commandCaption(index), [this, index] { runCommand(index); }, parent);
    label->setObjectName(QStringLiteral("CmdGd") + QString::number(index));
    return label;
}

ListFormView::Field ListFormView::makeField(QWidget* parent, const QString& name, bool withCandidates) {
    Field field;
    if (withCandidates) {
        field.combo = new QComboBox(parent);
        field.combo->setEditable(true);
        field.combo->setInsertPolicy(QComboBox::NoInsert);
        // Inline completion would show text the model never received; the list is the help.
        field.combo->setCompleter(nullptr);
        field.combo->setObjectName(name);
        field.edit = field.combo->lineEdit();
    } else {
        field.edit = new QLineEdit(parent);
        field.edit->setObjectName(name);
    }
    field.edit->installEventFilter(this);
    if (field.combo)
        field.combo->installEventFilter(this); // a combo box takes the keys of its line edit
    (field.combo ? static_cast<QWidget*>(field.combo) : field.edit)->setFixedWidth(field.combo ? 120 : 90);
    return field;
}

QWidget* ListFormView::buildColumnPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    auto* head = new QHBoxLayout;
    for (int k = 0; k < ListForm::kColumnFieldCount; ++k) {
        const bool candidates = k == 2 || k == 3 || k == 8 || k == 13 || k == 18 || k == 22;
        m_columnFields[k] = makeField(panel, QStringLiteral("InpTx") + QString::number(k), candidates);
        connect(m_columnFields[k].edit, &QLineEdit::textEdited, this,
                [this, k](const QString& text) { m_form.setInpTx(k, text); });
        if (m_columnFields[k].combo)
            connect(m_columnFields[k].combo, &QComboBox::textActivated, this,
                    [this, k](const QString& text) { m_form.setInpTx(k, text); });
    }
    const auto widget = [this](int k) -> QWidget* {
        return m_columnFields[k].combo ? static_cast<QWidget*>(m_columnFields[k].combo)
                                       : m_columnFields[k].edit;
    };
    head->addWidget(new QLabel(QStringLiteral("階"), panel));
    head->addWidget(widget(0));
    head->addWidget(new QLabel(QStringLiteral("符号"), panel));
    head->addWidget(widget(1));
    m_shapes = new QButtonGroup(this);
    head->addWidget(option(m_shapes, 0, lists::kShapeH.toString(), QStringLiteral("KeijyoOp"), panel));
    head->addWidget(
        option(m_shapes, 1, lists::kShapeSquareTube.toString(), QStringLiteral("KeijyoOp"), panel));
    head->addWidget(
        option(m_shapes, 2, lists::kShapeRoundTube.toString(), QStringLiteral("KeijyoOp"), panel));
    head->addStretch();
    head->addWidget(commandLabel(ListForm::ClearColumn, panel));
    head->addWidget(commandLabel(ListForm::DeleteColumn, panel));
    layout->addLayout(head);

    // One frame of fields per shape; only the selected shape's frame is shown. Each section is a
    // row of captions over a row of fields.
    struct Section {
        QString name;
        QStringList captions;
        QList<int> fields;
    };
    const auto frame = [&](const QList<Section>& sections) {
        auto* box = new QWidget(panel);
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(0, 0, 0, 0);
        grid->setVerticalSpacing(2);
        for (int r = 0; r < sections.size(); ++r) {
            grid->addWidget(new QLabel(sections[r].name, box), 2 * r + 1, 0);
            for (int c = 0; c < sections[r].fields.size(); ++c) {
                grid->addWidget(caption(sections[r].captions[c], box), 2 * r, c + 1);
                grid->addWidget(widget(sections[r].fields[c]), 2 * r + 1, c + 1);
            }
        }
        grid->setColumnStretch(7, 1);
        return box;
    };
    const QStringList cutTee{QStringLiteral("規格"), QStringLiteral("CT=高"), QStringLiteral("巾"),
                             QStringLiteral("W厚"), QStringLiteral("F厚")};
    m_shapeFrames[0] = frame({{QStringLiteral("①"),
                               {QStringLiteral("規格"), QStringLiteral("型"), QStringLiteral("高"),
                                QStringLiteral("巾"), ListForm::notes()[5], ListForm::notes()[6]},
                               {2, 3, 4, 5, 6, 7}},
                              {QStringLiteral("②"), cutTee, {8, 9, 10, 11, 12}},
                              {QStringLiteral("③"), cutTee, {13, 14, 15, 16, 17}}});
    m_shapeFrames[1] =
        frame({{lists::kShapeSquareTube.toString(),
                {QStringLiteral("規格"), QStringLiteral("B"), QStringLiteral("D"), QStringLiteral("t")},
                {18, 19, 20, 21}}});
    m_shapeFrames[2] = frame({{lists::kShapeRoundTube.toString(),
                               {QStringLiteral("規格"), QStringLiteral("外径"), QStringLiteral("t")},
                               {22, 23, 24}}});
    for (QWidget* f : m_shapeFrames)
        layout->addWidget(f);
    for (int k = 1; k < ListForm::kColumnFieldCount; ++k)
        setTabOrder(widget(k - 1), widget(k));

    m_hasiraGrid = new TextGridView(m_form.hasiraGridForView(), panel);
    m_hasiraGrid->setObjectName(QStringLiteral("HasiraGrid"));
    m_hasiraGrid->setOfferCallback([this](int row, int) {
        m_form.selectColumnRow(row);
        return services::CellOffer{};
    });
    layout->addWidget(m_hasiraGrid, 1);
    return panel;
}

QWidget* ListFormView::buildBeamPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    for (int k = 0; k < ListForm::kBeamFieldCount; ++k) {
        const bool candidates = k == 2 || k == 3 || k == 8 || k == 9;
        m_beamFields[k] = makeField(panel, QStringLiteral("HariInpTx") + QString::number(k), candidates);
        connect(m_beamFields[k].edit, &QLineEdit::textEdited, this,
                [this, k](const QString& text) { m_form.setHariInpTx(k, text); });
        if (m_beamFields[k].combo)
            connect(m_beamFields[k].combo, &QComboBox::textActivated, this,
                    [this, k](const QString& text) { m_form.setHariInpTx(k, text); });
    }
    const auto widget = [this](int k) -> QWidget* {
        return m_beamFields[k].combo ? static_cast<QWidget*>(m_beamFields[k].combo) : m_beamFields[k].edit;
    };
    auto* head = new QHBoxLayout;
    head->addWidget(new QLabel(QStringLiteral("階"), panel));
    head->addWidget(widget(0));
    head->addWidget(new QLabel(QStringLiteral("符号"), panel));
    head->addWidget(widget(1));
    m_beamKinds = new QButtonGroup(this);
    head->addWidget(option(m_beamKinds, 0, QStringLiteral("一般梁"), QStringLiteral("HariOp"), panel));
    head->addWidget(option(m_beamKinds, 1, QStringLiteral("小梁"), QStringLiteral("HariOp"), panel));
    head->addStretch();
    head->addWidget(commandLabel(ListForm::ClearBeam, panel));
    head->addWidget(commandLabel(ListForm::DeleteBeam, panel));
    layout->addLayout(head);

    auto* grid = new QGridLayout;
    const QStringList captions{QStringLiteral("規格"), QStringLiteral("型"), QStringLiteral("高"),
                               QStringLiteral("巾"),   ListForm::notes()[5], ListForm::notes()[6]};
    for (int c = 0; c < captions.size(); ++c)
        grid->addWidget(caption(captions[c], panel), 0, c + 1);
    grid->addWidget(new QLabel(QStringLiteral("中央部"), panel), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("端部"), panel), 2, 0);
    for (int c = 0; c < 6; ++c) {
        grid->addWidget(widget(2 + c), 1, c + 1);
        grid->addWidget(widget(8 + c), 2, c + 1);
    }
    grid->setColumnStretch(7, 1);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(ListForm::notes()[3], panel));
    for (int k = 1; k < ListForm::kBeamFieldCount; ++k)
        setTabOrder(widget(k - 1), widget(k));

    m_hariGrid = new TextGridView(m_form.hariGridForView(), panel);
    m_hariGrid->setObjectName(QStringLiteral("HariGrid"));
    m_hariGrid->setOfferCallback([this](int row, int) {
        m_form.selectBeamRow(row);
        return services::CellOffer{};
    });
    layout->addWidget(m_hariGrid, 1);
    return panel;
}

QWidget* ListFormView::buildJointPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    auto* head = new QHBoxLayout;
    m_jointMark = new QLineEdit(panel);
    m_jointMark->setObjectName(QStringLiteral("JointInpTx"));
    m_jointMark->installEventFilter(this);
    connect(m_jointMark, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_form.setJointInpTx(text); });
    m_galvanized = new QCheckBox(QStringLiteral("溶融亜鉛メッキ部材"), panel);
    m_galvanized->setObjectName(QStringLiteral("MekkiCh"));
    connect(m_galvanized, &QCheckBox::clicked, this, [this](bool checked) { m_form.setMekkiCh(checked); });
    head->addWidget(new QLabel(QStringLiteral("符号"), panel));
    head->addWidget(m_jointMark);
    head->addWidget(m_galvanized);
    head->addStretch();
    head->addWidget(commandLabel(ListForm::ClearJointInput, panel));
    head->addWidget(commandLabel(ListForm::DeleteJoint, panel));
    layout->addLayout(head);
    layout->addWidget(new QLabel(ListForm::notes()[4], panel));

    auto* body = new QHBoxLayout;
    m_jointGrid = new TextGridView(m_form.jointGridForView(), panel);
    m_jointGrid->setObjectName(QStringLiteral("JointGrid"));
    m_jointGrid->setOfferCallback([this](int row, int column) { return m_form.jointCellOffer(row, column); });
    m_jointGrid->setCommitCallback(
        [this](int row, int column, const QString& text) { m_form.setJointCell(row, column, text); });
    m_jointGrid->setErrorCallback(
        [this](int, int, char32_t character) { m_form.characterRefused(character); });
    body->addWidget(m_jointGrid, 1);
    auto* side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("登録済み符号"), panel));
    m_jointMarks = new QListWidget(panel);
    m_jointMarks->setObjectName(QStringLiteral("JointList"));
    m_jointMarks->setMaximumWidth(160);
    connect(m_jointMarks, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_form.selectJointMark(m_jointMarks->row(item)); });
    side->addWidget(m_jointMarks, 1);
    body->addLayout(side);
    layout->addLayout(body, 1);
    setTabOrder(m_jointMark, m_galvanized);
    setTabOrder(m_galvanized, m_jointGrid);
    setTabOrder(m_jointGrid, m_jointMarks);
    return panel;
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
    m_beamFields[0].edit->setReadOnly(m_form.beamFloorLocked());

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
