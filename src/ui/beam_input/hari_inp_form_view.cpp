// The beam dialog window: building its panels and frames and wiring their controls to the model.
#include "ui/beam_input/hari_inp_form_view.h"

#include "beam_input/plate_columns.h"
#include "ui/beam_input/beam_pictures.h"
#include "ui/common/command_label.h"
#include "ui/common/entry_dialog_parts.h"
#include "ui/common/text_grid_view.h"
#include "ui/common/window_look.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace tv::ui {

using namespace beam_input;

namespace {

QString commandCaption(int index) {
    static const QStringList captions{QStringLiteral("OK"),
                                      QStringLiteral("キャンセル"),
                                      QStringLiteral("入力済データ読込"),
                                      QStringLiteral("選択行入力削除"),
                                      QStringLiteral("空白行削除"),
                                      QStringLiteral("空白行挿入"),
                                      QStringLiteral("選択行入力削除"),
                                      QStringLiteral("空白行削除"),
                                      QStringLiteral("空白行挿入"),
                                      QStringLiteral("入力説明")};
    return captions.value(index);
}

// A framed panel of its own, so that a whole group of fields shows or hides at once.
QWidget* framed(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    return frame;
}

} // namespace

HariInpFormView::HariInpFormView(HariInpForm& form, QWidget* parent)
    : EntryDialogView(commandCaption, kInputCount, kCaptionCount, parent), m_form(form) {
    setWindowTitle(QStringLiteral("梁-") + QStringLiteral("入力"));
    setObjectName(QStringLiteral("HariInpForm"));
    services::TextGrid* grids[3] = {m_form.indexGridForView(), m_form.dataGridForView(),
                                    m_form.hifukuGridForView()};
    const char* names[3] = {"IndexGrid", "DataGrid", "HifukuGrid"};
    for (int which = 0; which < 3; ++which) {
        m_grids[which] = new TextGridView(grids[which], this);
        m_grids[which]->setObjectName(QString::fromLatin1(names[which]));
        m_grids[which]->setWidenToTexts(true);
        m_grids[which]->setSelectionMode(QAbstractItemView::NoSelection);
        m_grids[which]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    for (int i = 0; i < kInputCount; ++i)
        m_inpTx[i] = makeInput(i, this);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(makeHeaderPanel());
    // The coating grid with its shapes beside the plate grid, so that the dialog fits a 1920 × 1080
    // screen at 100 % in either end kind; narrower screens scroll under the commands.
    auto* side = new QHBoxLayout;
    layout->addLayout(side);
    side->addWidget(makePlatePanel(
        m_grids[PlateGrid], QStringLiteral("【溶接・プレート】"),
        {HariInpForm::ClearPlateRow, HariInpForm::DeletePlateBlankRow, HariInpForm::InsertPlateBlankRow},
        {QStringLiteral("枚・単位L・締付Lは計算式可　入力例）9+12+9　右クリックで欄削除。")},
        {QStringLiteral("※枚は*側ガセット・*側ｽﾁﾌﾅｰを選択した場合のみ梁本数と同じになります。"
                        "他は実枚数を入力します。（梁本数とは関連しません）"),
         QStringLiteral("※BOLTの単位本はPL1枚あたりの本数を入力します。（梁本数とは関連しません）")}));
    side->addSpacing(fontMetrics().averageCharWidth() * 2);
    QWidget* coating = makeCoatingPanel(
        m_grids[CoatingGrid],
        {HariInpForm::ClearCoatingRow, HariInpForm::DeleteCoatingBlankRow,
         HariInpForm::InsertCoatingBlankRow},
        QStringLiteral("[形状]（番号入力）"),
        [](int shape, QWidget* parent) { return new BeamCoatingPicture(shape, parent); }, 7, true);
    side->addWidget(coating, 0, Qt::AlignTop);
    side->addStretch(1);
    layout->addStretch(1);
    layOut({HariInpForm::Ok, HariInpForm::Cancel, HariInpForm::LoadEntered, HariInpForm::Help}, content);

    m_fieldList = new QListWidget(this);
    m_fieldList->setObjectName(QStringLiteral("FieldList"));
    m_fieldList->setWindowFlags(Qt::Popup);
    m_fieldList->hide();
    m_fieldList->installEventFilter(this);
    connect(m_fieldList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { fieldListPicked(item->text()); });

    bindGrids();
    addUndo(
        m_form.history(), [this] { m_form.undo(); }, [this] { m_form.redo(); },
        {m_grids.begin(), m_grids.end()},
        [this] {
            closeLists();
            m_offerKind = {};
        });
    connect(&m_form, &HariInpForm::changed, this, &HariInpFormView::showState);
    showState();
    if (m_form.InfoGd(3).isEmpty())
        m_kaiTx->setFocus();
    else
        focusInput(0);
}

QLineEdit* HariInpFormView::makeInput(int index, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QStringLiteral("InpTx_%1").arg(index));
    field->setMinimumWidth(fontMetrics().averageCharWidth() * (index == 1 ? 24 : 10));
    field->installEventFilter(this);
    connect(field, &QLineEdit::textEdited, this, [this, field, index](const QString& text) {
        if (!m_form.setInpTx(index, text) || field->text() != m_form.InpTx(index)) {
            const int cursor = field->cursorPosition();
            field->setText(m_form.InpTx(index)); // refused, or stored half-width
            field->setCursorPosition(std::min(cursor, int(field->text().size())));
        }
    });
    return field;
}

QButtonGroup* HariInpFormView::makeOptions(const QStringList& captions, const QString& name, QLayout* into,
                                           QWidget* parent) {
    auto* group = new QButtonGroup(this);
    for (int option = 0; option < captions.size(); ++option) {
        auto* button = new QRadioButton(captions[option], parent);
        button->setObjectName(QStringLiteral("%1_%2").arg(name).arg(option));
        group->addButton(button, option);
        into->addWidget(button);
    }
    return group;
}

QWidget* HariInpFormView::makeHeaderPanel() {
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);

    // Floor and its marks.
    auto* floorColumn = new QVBoxLayout;
    floorColumn->addWidget(headingLabel(QStringLiteral("【積算する階】"), panel));
    auto* floorRow = new QHBoxLayout;
    m_kaiTx->setObjectName(QStringLiteral("KaiTx"));
    m_kaiTx->setMaximumWidth(fontMetrics().averageCharWidth() * 10);
    m_kaiTx->installEventFilter(this);
    connect(m_kaiTx, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (!m_form.setKaiTx(text) || m_kaiTx->text() != m_form.KaiTx())
            m_kaiTx->setText(m_form.KaiTx());
    });
    floorRow->addWidget(m_kaiTx);
    floorRow->addWidget(noteLabel(QStringLiteral("階"), panel));
    floorRow->addStretch(1);
    floorColumn->addLayout(floorRow);
    floorColumn->addWidget(headingLabel(QStringLiteral("【符号一覧】"), panel));
    floorColumn->addWidget(m_grids[MarkGrid]);
    floorColumn->addStretch(1);
    row->addLayout(floorColumn);

    // The chosen beam, count, comment, end kind and surface class; the frame of the end kind below.
    auto* middle = new QVBoxLayout;
    auto* chosen = new QHBoxLayout;
    chosen->addWidget(makeInfo(2, 6, panel));
    chosen->addWidget(makeInfo(3, 8, panel));
    chosen->addWidget(makeInfo(0, 46, panel), 1);
    middle->addLayout(chosen);
    auto* counts = new QHBoxLayout;
    counts->addWidget(noteLabel(QStringLiteral("本数="), panel));
    counts->addWidget(m_inpTx[0]);
    counts->addWidget(noteLabel(QStringLiteral("コメント"), panel));
    counts->addWidget(m_inpTx[1], 1);
    middle->addLayout(counts);
    auto* ends = new QHBoxLayout;
    ends->addWidget(headingLabel(QStringLiteral("【端部】"), panel));
    m_tanbuOp = makeOptions({QStringLiteral("溶接"), QStringLiteral("プレート接続")},
                            QStringLiteral("TanbuOp"), ends, panel);
    ends->addSpacing(fontMetrics().averageCharWidth() * 2);
    ends->addWidget(headingLabel(QStringLiteral("【分類】"), panel));
    m_bunruiOp = makeOptions({QStringLiteral("塗装有"), QStringLiteral("塗装無"), QStringLiteral("溶融亜鉛"),
                              QStringLiteral("その他")},
                             QStringLiteral("BunruiOp"), ends, panel);
    ends->addStretch(1);
    middle->addLayout(ends);
    connect(m_tanbuOp, &QButtonGroup::idClicked, this, [this](int option) {
        closeLists();
        m_grids[PlateGrid]->cancelEditor();
        m_form.setTanbuOp(EndKind(option));
    });
    connect(m_bunruiOp, &QButtonGroup::idClicked, this,
            [this](int option) { m_form.setBunruiOp(SurfaceClass(option)); });
    middle->addWidget(makeWeldedFrame());
    middle->addWidget(makeGirderFrame());
    middle->addStretch(1);
    row->addLayout(middle, 1);
    return panel;
}

QWidget* HariInpFormView::makeWeldedFrame() {
    m_weldedFrame = framed(nullptr);
    m_weldedFrame->setObjectName(QStringLiteral("WeldedFrame"));
    QWidget* frame = m_weldedFrame;
    auto* row = new QHBoxLayout(frame);
    auto* fields = new QGridLayout;
    fields->addWidget(noteLabel(QStringLiteral("（入力単位ミリ）※計算式可"), frame), 0, 0, 1, 4);
    const QStringList captions{QStringLiteral("全長 L="), QStringLiteral("A端部 L="),
                               QStringLiteral("B端部 L=")};
    const int lengthInfo[3] = {1, 6, 7};
    for (int i = 0; i < 3; ++i) {
        fields->addWidget(noteLabel(captions[i], frame), i + 1, 0, Qt::AlignRight);
        fields->addWidget(m_inpTx[4 + i], i + 1, 1);
        fields->addWidget(noteLabel(QStringLiteral("→"), frame), i + 1, 2);
        fields->addWidget(makeInfo(lengthInfo[i], 7, frame), i + 1, 3);
    }
    fields->addWidget(noteLabel(QStringLiteral("中央部 L="), frame), 4, 0, Qt::AlignRight);
    fields->addWidget(makeInfo(9, 7, frame), 4, 3);
    fields->addWidget(noteLabel(QStringLiteral("WEB溶接加算 L="), frame), 5, 0, Qt::AlignRight);
    fields->addWidget(m_inpTx[7], 5, 1);

    auto* options = new QHBoxLayout;
    options->addWidget(noteLabel(QStringLiteral("A端"), frame));
    m_leftOp =
        makeOptions({QStringLiteral("①"), QStringLiteral("②")}, QStringLiteral("LeftOp"), options, frame);
    options->addSpacing(fontMetrics().averageCharWidth() * 2);
    options->addWidget(noteLabel(QStringLiteral("B端"), frame));
    m_rightOp =
        makeOptions({QStringLiteral("①"), QStringLiteral("②")}, QStringLiteral("RightOp"), options, frame);
    options->addStretch(1);
    fields->addLayout(options, 6, 0, 1, 4);
    connect(m_leftOp, &QButtonGroup::idClicked, this, [this](int option) { m_form.setLeftOp(option); });
    connect(m_rightOp, &QButtonGroup::idClicked, this, [this](int option) { m_form.setRightOp(option); });

    auto* joint = new QHBoxLayout;
    m_jointCh = new QCheckBox(QStringLiteral("ジョイント有"), frame);
    m_jointCh->setObjectName(QStringLiteral("JointCh"));
    connect(m_jointCh, &QCheckBox::clicked, this, [this](bool ticked) {
        closeLists();
        m_form.setJointCh(ticked);
    });
    joint->addWidget(m_jointCh);
    m_jointFrame = new QWidget(frame);
    auto* jointFields = new QHBoxLayout(m_jointFrame);
    jointFields->setContentsMargins(0, 0, 0, 0);
    jointFields->addWidget(noteLabel(QStringLiteral("[符号]"), m_jointFrame));
    m_inpTx[2]->setParent(m_jointFrame);
    jointFields->addWidget(m_inpTx[2]);
    m_inpTx[3]->setParent(m_jointFrame);
    jointFields->addWidget(m_inpTx[3]);
    jointFields->addWidget(noteLabel(QStringLiteral("ヶ所（1本当り）"), m_jointFrame));
    joint->addWidget(m_jointFrame);
    joint->addStretch(1);
    fields->addLayout(joint, 7, 0, 1, 4);
    row->addLayout(fields);

    m_endPicture = new BeamEndPicture(frame);
    row->addWidget(m_endPicture, 1);
    return frame;
}

QWidget* HariInpFormView::makeGirderFrame() {
    m_girderFrame = framed(nullptr);
    m_girderFrame->setObjectName(QStringLiteral("GirderFrame"));
    QWidget* frame = m_girderFrame;
    auto* row = new QHBoxLayout(frame);
    auto* fields = new QGridLayout;
    fields->addWidget(noteLabel(QStringLiteral("（入力単位ミリ）※計算式可"), frame), 0, 0, 1, 5);
    fields->addWidget(noteLabel(QStringLiteral("梁芯々 L="), frame), 1, 0, Qt::AlignRight);
    fields->addWidget(m_inpTx[8], 1, 1);
    fields->addWidget(noteLabel(QStringLiteral("内法 L="), frame), 1, 2, Qt::AlignRight);
    fields->addWidget(makeInfo(8, 7, frame), 1, 3);
    const QStringList sides{QStringLiteral("【A梁】"), QStringLiteral("【B梁】")};
    for (int side = 0; side < 2; ++side) {
        const int line = 2 + 2 * side;
        fields->addWidget(headingLabel(sides[side], frame), line, 0, Qt::AlignRight);
        auto* mark = new QHBoxLayout;
        mark->addWidget(noteLabel(QStringLiteral("[符号]"), frame));
        mark->addWidget(m_inpTx[9 + 2 * side]);
        fields->addLayout(mark, line, 1);
        fields->addWidget(noteLabel(QStringLiteral("[H]"), frame), line, 2, Qt::AlignRight);
        fields->addWidget(m_inpTx[10 + 2 * side], line, 3);
        fields->addWidget(makeInfo(4 + side, 30, frame), line + 1, 1, 1, 3);
        fields->addWidget(makeInfo(10 + side, 5, frame), line + 1, 4);
    }
    auto* gusset = new QHBoxLayout;
    gusset->addWidget(noteLabel(QStringLiteral("ガセット e="), frame));
    gusset->addWidget(m_inpTx[13]);
    gusset->addWidget(noteLabel(QStringLiteral("H="), frame));
    gusset->addWidget(m_inpTx[14]);
    gusset->addWidget(noteLabel(QStringLiteral("以上は②とする"), frame));
    gusset->addStretch(1);
    fields->addLayout(gusset, 6, 0, 1, 5);
    auto* basis = new QHBoxLayout;
    basis->addWidget(headingLabel(QStringLiteral("【採寸基準】"), frame));
    m_saisunOp = makeOptions({QStringLiteral("実面積近似長方形"), QStringLiteral("最大外形寸法")},
                             QStringLiteral("SaisunOp"), basis, frame);
    basis->addStretch(1);
    fields->addLayout(basis, 7, 0, 1, 5);
    connect(m_saisunOp, &QButtonGroup::idClicked, this, [this](int option) { m_form.setSaisunOp(option); });
    auto* explanation = noteLabel(QStringLiteral("[H]は積算する梁に対するA梁・B梁の高さを入力します。"
                                                 "低い場合（マイナス）は考慮されません"),
                                  frame);
    explanation->setWordWrap(true);
    fields->addWidget(explanation, 8, 0, 1, 5);
    row->addLayout(fields);

    m_girderPicture = new GirderPlatePicture(frame);
    row->addWidget(m_girderPicture, 1);
    return frame;
}

QAbstractButton* HariInpFormView::classification(SurfaceClass option) const {
    return m_bunruiOp->button(int(option));
}

QAbstractButton* HariInpFormView::endKind(EndKind option) const {
    return m_tanbuOp->button(int(option));
}

QAbstractButton* HariInpFormView::leftOption(int option) const {
    return m_leftOp->button(option);
}

QAbstractButton* HariInpFormView::rightOption(int option) const {
    return m_rightOp->button(option);
}

QAbstractButton* HariInpFormView::basisOption(int option) const {
    return m_saisunOp->button(option);
}

} // namespace tv::ui
