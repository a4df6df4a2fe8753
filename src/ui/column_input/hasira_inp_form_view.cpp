// The column dialog window: building its panels, binding them to the model and redrawing.
#include "ui/column_input/hasira_inp_form_view.h"

#include "column_input/coating.h"
#include "column_input/plate_lines.h"
#include "column_input/weld_rows.h"
#include "ui/column_input/column_pictures.h"
#include "ui/common/command_label.h"
#include "ui/common/entry_dialog_parts.h"
#include "ui/common/text_grid_view.h"
#include "ui/common/window_look.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tv::ui {

using namespace column_input;

HasiraInpFormView::HasiraInpFormView(HasiraInpForm& form, HasiraInpCommands& commands, QWidget* parent)
    : EntryDialogView(hasiraCommandCaption, kInputFields, 4, parent), m_form(form), m_commands(commands) {
    setWindowTitle(QStringLiteral("柱入力"));
    setObjectName(QStringLiteral("HasiraInpForm"));
    for (int which = 0; which < 5; ++which) {
        m_grids[which] = new TextGridView(commands.grid(which), this);
        m_grids[which]->setWidenToTexts(true);
        m_grids[which]->setSelectionMode(QAbstractItemView::NoSelection);
        m_grids[which]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    m_grids[FirstWeldGrid]->setObjectName(QStringLiteral("DataGrid_0"));
    m_grids[SecondWeldGrid]->setObjectName(QStringLiteral("DataGrid_1"));
    m_grids[PlateGrid]->setObjectName(QStringLiteral("DataGrid_2"));
    m_grids[CoatingGrid]->setObjectName(QStringLiteral("HifukuGrid"));
    m_grids[MarkGrid]->setObjectName(QStringLiteral("IndexGrid"));

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(makeHeaderPanel());
    layout->addWidget(makeWeldPanel());
    layout->addWidget(
        makePlatePanel(m_grids[PlateGrid], QStringLiteral("【付属プレート類】"),
                       {CommandClearPlateRow, CommandDeleteBlankPlateRow, CommandInsertBlankPlateRow},
                       {QStringLiteral("枚・単位L・締付Lは計算式可       右クリックで欄削除。"),
                        QStringLiteral("※A.BOLTの場合はボルト長さ")},
                       {}));
    layout->addWidget(makeCoatingPanel(
        m_grids[CoatingGrid],
        {CommandClearCoatingRow, CommandDeleteBlankCoatingRow, CommandInsertBlankCoatingRow},
        QStringLiteral("[形状]（番号入力）  ※鋼管（丸）は14"),
        [](int shape, QWidget* parent) { return new CoatingShapePicture(shape, parent); }, 14));
    layout->addStretch(1);
    layOut({CommandOk, CommandCancel, CommandLoadEntered, CommandHelp}, content);

    m_jointList = new QListWidget(this);
    m_jointList->setObjectName(QStringLiteral("KouhoList_0"));
    m_jointList->setWindowFlags(Qt::Popup);
    m_jointList->hide();
    connect(m_jointList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_jointList->hide();
        // A pick is a step of its own, apart from typing in the field.
        m_form.history().endStep();
        m_form.setInpTx(JointMarkInput, item->text());
        m_form.history().endStep();
    });

    for (int which = 0; which < 5; ++which)
        bindGrid(which);
    addUndo(
        m_form.history(), [this] { m_form.undo(); }, [this] { m_form.redo(); },
        {m_grids.begin(), m_grids.end()}, [this] { closeLists(); });
    connect(&m_form, &HasiraInpForm::changed, this, &HasiraInpFormView::showState);
    showState();
    focusInput(LengthInput);
    if (m_form.InfoGd(3).isEmpty())
        m_kaiTx->setFocus();
}

QWidget* HasiraInpFormView::makeHeaderPanel() {
    auto* panel = new QWidget;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);

    // Floor and its marks.
    auto* floorColumn = new QVBoxLayout;
    auto* floorRow = new QHBoxLayout;
    floorRow->addWidget(noteLabel(QStringLiteral("階"), panel));
    m_kaiTx->setObjectName(QStringLiteral("KaiTx"));
    m_kaiTx->setMaximumWidth(fontMetrics().averageCharWidth() * 10);
    m_kaiTx->installEventFilter(this);
    connect(m_kaiTx, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!m_form.setKaiTx(text))
            m_kaiTx->setText(m_form.KaiTx());
    });
    floorRow->addWidget(m_kaiTx);
    floorRow->addStretch(1);
    floorColumn->addLayout(floorRow);
    floorColumn->addWidget(m_grids[MarkGrid], 1);
    grid->addLayout(floorColumn, 0, 0);

    // The chosen column: floor, mark and kind in one row, the section text below them.
    auto* info = new QGridLayout;
    const QStringList infoCaptions{QStringLiteral("種類"), QStringLiteral("断面"), QStringLiteral("階"),
                                   QStringLiteral("符号")};
    const int place[4][3] = {{0, 4, 1}, {1, 0, 5}, {0, 0, 1}, {0, 2, 1}}; // row, caption column, span
    for (int i = 0; i < 4; ++i) {
        makeInfo(i, 8, panel);
        // The section text of an H with two cut T is the longest the panel shows.
        if (i == 1)
            m_infoGd[i]->setMinimumWidth(
                fontMetrics().horizontalAdvance(
                    QStringLiteral("SN490B H-588×300×12×20 SN490B CT-175×200×9×12 SN490B CT-175×200×9×12")) +
                fontMetrics().averageCharWidth() * 2);
        const int column = place[i][1];
        info->addWidget(noteLabel(infoCaptions[i], panel), place[i][0], column);
        info->addWidget(m_infoGd[i], place[i][0], column + 1, 1, place[i][2]);
        info->setColumnStretch(column + 1, 1);
    }

    const QStringList inputCaptions{QStringLiteral("L="), QStringLiteral("本数="),
                                    QStringLiteral("ジョイント符号"), QStringLiteral("ロ部ヶ所(計算式可)"),
                                    QStringLiteral("位置/コメント")};
    for (int i = 0; i < kInputFields; ++i) {
        m_inpTx[i] = new QLineEdit(panel);
        m_inpTx[i]->setObjectName(QStringLiteral("InpTx_%1").arg(i));
        m_inpTx[i]->installEventFilter(this);
        // What the model keeps (a refused character taken out) is shown with the cursor where it was.
        connect(m_inpTx[i], &QLineEdit::textEdited, this, [this, i](const QString& text) {
            m_form.setInpTx(i, text);
            showCellInEditor(m_inpTx[i], m_form.InpTx(i));
        });
    }
    auto* inputs = new QGridLayout;
    inputs->addWidget(noteLabel(inputCaptions[LengthInput], panel), 0, 0, Qt::AlignRight);
    inputs->addWidget(m_inpTx[LengthInput], 0, 1);
    inputs->addWidget(noteLabel(QStringLiteral("mm"), panel), 0, 2);
    inputs->addWidget(noteLabel(inputCaptions[CountInput], panel), 0, 3, Qt::AlignRight);
    inputs->addWidget(m_inpTx[CountInput], 0, 4);
    inputs->addWidget(noteLabel(inputCaptions[SecondPlacesInput], panel), 1, 0, 1, 3, Qt::AlignRight);
    inputs->addWidget(m_inpTx[SecondPlacesInput], 1, 3, 1, 2);
    inputs->addWidget(noteLabel(inputCaptions[CommentInput], panel), 2, 0, 1, 3, Qt::AlignRight);
    inputs->addWidget(m_inpTx[CommentInput], 2, 3, 1, 2);

    m_jointCh = new QCheckBox(QStringLiteral("ジョイント有"), panel);
    m_jointCh->setObjectName(QStringLiteral("JointCh"));
    connect(m_jointCh, &QCheckBox::clicked, this, [this](bool ticked) { m_form.setJointCh(ticked); });
    m_jointFrame = new QWidget(panel);
    auto* jointRow = new QHBoxLayout(m_jointFrame);
    jointRow->setContentsMargins(0, 0, 0, 0);
    jointRow->addWidget(noteLabel(inputCaptions[JointMarkInput], m_jointFrame));
    m_inpTx[JointMarkInput]->setParent(m_jointFrame);
    jointRow->addWidget(m_inpTx[JointMarkInput]);
    auto* jointLine = new QHBoxLayout;
    jointLine->addWidget(m_jointCh);
    jointLine->addWidget(m_jointFrame);
    jointLine->addStretch(1);

    auto* classes = new QHBoxLayout;
    classes->addWidget(headingLabel(QStringLiteral("【分類】"), panel));
    m_bunruiOp = new QButtonGroup(this);
    for (int option = Painted; option <= OtherTreatment; ++option) {
        auto* button = new QRadioButton(classificationCaption(option), panel);
        button->setObjectName(QStringLiteral("BunruiOp_%1").arg(option));
        m_bunruiOp->addButton(button, option);
        classes->addWidget(button);
    }
    classes->addStretch(1);
    connect(m_bunruiOp, &QButtonGroup::idClicked, this, [this](int option) { m_form.setBunruiOp(option); });

    auto* middle = new QVBoxLayout;
    middle->addLayout(info);
    middle->addLayout(inputs);
    middle->addLayout(jointLine);
    middle->addLayout(classes);
    middle->addWidget(
        noteLabel(QStringLiteral("※溶融亜鉛の場合は付属プレート類も溶融亜鉛となります。"), panel));
    middle->addStretch(1);
    grid->addLayout(middle, 0, 1);

    m_section = new SectionPicture(panel);
    grid->addWidget(m_section, 0, 2);
    grid->setColumnStretch(1, 1);
    return panel;
}

QWidget* HasiraInpFormView::makeWeldPanel() {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    const QStringList titles{QStringLiteral("【イ部溶接】"), QStringLiteral("【ロ部溶接】")};
    const QStringList notes{QStringLiteral("ヶ所=本数になります。"), QString()};
    for (int i = 0; i < 2; ++i) {
        auto* box = new QVBoxLayout;
        auto* top = new QHBoxLayout;
        top->addWidget(headingLabel(titles[i], panel));
        m_yousetuCh[i] = new QCheckBox(QStringLiteral("溶接無し"), panel);
        m_yousetuCh[i]->setObjectName(QStringLiteral("YousetuCh_%1").arg(i));
        connect(m_yousetuCh[i], &QCheckBox::clicked, this,
                [this, i](bool ticked) { m_form.setYousetuCh(i, ticked); });
        top->addWidget(m_yousetuCh[i]);
        top->addWidget(noteLabel(notes[i], panel));
        top->addStretch(1);
        box->addLayout(top);
        box->addWidget(m_grids[i], 0, Qt::AlignLeft | Qt::AlignTop);
        box->addStretch(1);
        row->addLayout(box);
    }
    auto* noteBox = new QVBoxLayout;
    auto* explanation = noteLabel(
        QStringLiteral("※ロ部溶接のヶ所とプレートの枚数は、１本あたりの数量ではなく実際の数量又は計算式"
                       "を入力して下さい。\n"
                       "例）1本あたり3ヶ所で柱本数が10本の場合は、30又は10*3と入力します。"),
        panel);
    explanation->setWordWrap(true);
    // Wrapped into a few lines, so that the dialog stays within a 1366-pixel screen at 100 %.
    explanation->setMaximumWidth(fontMetrics().averageCharWidth() * 60);
    noteBox->addWidget(explanation);
    noteBox->addStretch(1);
    row->addLayout(noteBox, 1);
    return panel;
}

QAbstractButton* HasiraInpFormView::classification(int option) const {
    return m_bunruiOp->button(option);
}

void HasiraInpFormView::runCommand(int index) {
    closeLists();
    if (index == CommandClearCoatingRow || index == CommandDeleteBlankCoatingRow ||
        index == CommandInsertBlankCoatingRow)
        m_grids[CoatingGrid]->cancelEditor();
    m_commands.command(index);
    if (m_form.isClosed()) {
        QDialog::accept();
        return;
    }
    if (index == CommandOk && m_form.focusedInput() >= 0)
        focusInput(m_form.focusedInput());
}

void HasiraInpFormView::cancelEntry() {
    if (!m_form.isClosed())
        m_form.cancel();
}

void HasiraInpFormView::focusInput(int index) {
    if (index < 0 || index >= kInputFields || !m_inpTx[index]->isVisible())
        return;
    m_inpTx[index]->setFocus(Qt::OtherFocusReason);
    m_inpTx[index]->selectAll();
}

void HasiraInpFormView::closeLists() {
    m_jointList->hide();
    for (TextGridView* view : m_grids) {
        if (view->popupList()->isVisible())
            view->popupList()->hide();
    }
}

void HasiraInpFormView::openJointList() {
    closeLists();
    const QStringList items = m_form.KouhoList(KouhoJointMark);
    if (items.isEmpty())
        return;
    m_jointList->clear();
    m_jointList->addItems(items);
    QLineEdit* field = m_inpTx[JointMarkInput];
    const int rows = std::min(int(items.size()), 10);
    const int height = rows * std::max(m_jointList->sizeHintForRow(0), 1) + 2 * m_jointList->frameWidth();
    m_jointList->setGeometry(
        QRect(field->mapToGlobal(QPoint(0, field->height())),
              QSize(std::max(field->width(), m_jointList->sizeHintForColumn(0) + 24), height)));
    m_jointList->show();
    m_jointList->setFocus(Qt::PopupFocusReason);
}

} // namespace tv::ui
