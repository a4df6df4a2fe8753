// The list window's panels: the category row, the column, beam and joint panels with their fields,
// command labels and grids.
#include "ui/lists/list_form_view.h"

#include "ui/common/text_grid_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QRadioButton>
#include <QVBoxLayout>

#include <functional>

namespace tv::ui {

using lists::ListForm;

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

void ListFormView::buildTop(QVBoxLayout* layout) {
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
}

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
    m_hasiraGrid->setWidenToTexts(true);
    m_hasiraGrid->refresh();
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
    m_hariGrid->setWidenToTexts(true);
    m_hariGrid->refresh();
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
    m_jointGrid->setWidenToTexts(true);
    m_jointGrid->refresh();
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
    m_jointNotice = new QLabel(panel);
    m_jointNotice->setObjectName(QStringLiteral("JointNotice"));
    layout->addWidget(m_jointNotice);
    setTabOrder(m_jointMark, m_galvanized);
    setTabOrder(m_galvanized, m_jointGrid);
    setTabOrder(m_jointGrid, m_jointMarks);
    return panel;
}

} // namespace tv::ui
