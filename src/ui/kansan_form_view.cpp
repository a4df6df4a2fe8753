// 隅肉6㍉換算率登録 on screen, with the symbol-name dialog beside it.
#include "ui/kansan_form_view.h"

#include "registries/kigou_form.h"
#include "ui/buzai_form_view.h"
#include "ui/kigou_form_view.h"
#include "ui/qt_prompter.h"
#include "ui/text_grid_view.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tv::ui {

using registries::KansanForm;

KansanFormView::KansanFormView(KansanForm& model, services::Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_model(model), m_prompter(prompter), m_nameTx(new QLineEdit(this)),
      m_nameList(new QListWidget(this)), m_grid(new TextGridView(model.gridForView(), this)) {
    setWindowTitle(KansanForm::title());
    paintRegistryBackground(this);
    setMouseTracking(true);

    m_nameTx->setObjectName(QStringLiteral("NameTx"));
    m_nameTx->setReadOnly(true);
    m_nameTx->installEventFilter(this);
    m_nameList->setObjectName(QStringLiteral("NameList"));
    m_nameList->hide();
    m_grid->setObjectName(QStringLiteral("DataGrid"));

    auto* nameRow = new QHBoxLayout;
    auto* label1 = new QLabel(KansanForm::label1(), this);
    label1->setObjectName(QStringLiteral("Label1"));
    nameRow->addWidget(label1);
    nameRow->addWidget(m_nameTx, 1);
    auto* open = makeRegistryCommand(2, KansanForm::commandCaption(2), this);
    nameRow->addWidget(open);
    connect(open, &CommandLabel::clicked, &m_model, &KansanForm::command);
    auto* commands = new QGridLayout;
    const int placement[][3] = {{0, 0, 0}, {1, 0, 1}, {3, 1, 0}, {4, 1, 1}, {5, 2, 0}};
    for (const auto& p : placement) {
        auto* command = makeRegistryCommand(p[0], KansanForm::commandCaption(p[0]), this);
        commands->addWidget(command, p[1], p[2]);
        connect(command, &CommandLabel::clicked, &m_model, &KansanForm::command);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(m_grid, 1);
    layout->addLayout(commands);

    m_model.setAskSymbol([this] { return askSymbol(); });
    bindRegistryGrid(m_grid, m_model);
    connect(m_nameList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_model.chooseSymbol(m_nameList->row(item));
        m_grid->setFocus(Qt::OtherFocusReason);
    });
    connect(&m_model, &KansanForm::changed, this, &KansanFormView::showState);
    connect(&m_model, &KansanForm::closeRequested, this, [this] { QDialog::reject(); });

    // The form's size in twips, or larger where the font's grid needs it: no horizontal scroll bar.
    layout->setContentsMargins(6, 6, 6, 6);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int gridWidth = m_grid->horizontalHeader()->length() +
                          m_grid->verticalScrollBar()->sizeHint().width() + 2 * m_grid->frameWidth() + 12;
    // All 37 thicknesses in view where the screen is tall enough; on a smaller screen the window keeps
    // within it (room for the title bar and a task bar) and the grid scrolls.
    const int allRows = m_grid->verticalHeader()->length() + 2 * m_grid->frameWidth();
    QSize size(qMax(twipsToPixels(this, 2400), gridWidth),
               qMax(twipsToPixels(this, 10350), sizeHint().height() - m_grid->sizeHint().height() + allRows));
    if (const QScreen* s = screen()) {
        size.setHeight(qMin(size.height(), s->availableGeometry().height() - 64));
        move(s->availableGeometry().left() + twipsToPixels(this, 1500), s->availableGeometry().top());
    }
    resize(size);
    showState();
}

QString KansanFormView::askSymbol() {
    registries::KigouForm model(m_prompter);
    KigouFormView dialog(model, this);
    dialog.adjustSize();
    dialog.move(frameGeometry().right() + 1, frameGeometry().top());
    dialog.exec();
    return model.result();
}

void KansanFormView::showState() {
    m_nameTx->setText(m_model.NameTx());
    if (!m_model.isNameListVisible()) {
        m_nameList->hide();
        return;
    }
    m_nameList->clear();
    m_nameList->addItems(m_model.NameList());
    const QRect under = m_nameTx->geometry();
    m_nameList->setGeometry(
        under.left(), under.bottom() + 1, under.width(),
        twipsToPixels(this, registries::nameListHeightTwips(int(m_model.NameList().size()))));
    m_nameList->show();
    m_nameList->raise();
}

void KansanFormView::reject() {
    if (m_model.isClosed())
        QDialog::reject();
    else
        m_model.close();
}

void KansanFormView::mouseMoveEvent(QMouseEvent* event) {
    QDialog::mouseMoveEvent(event);
    m_model.mouseOverBackground();
}

bool KansanFormView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_nameTx && event->type() == QEvent::MouseButtonPress) {
        m_model.clickNameTx();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void showKansanForm(QWidget* parent, const shell::DataRoot& root) {
    QtPrompter prompter(parent);
    KansanForm model(root, prompter);
    if (!model.open())
        return;
    KansanFormView view(model, prompter, parent);
    prompter.setParentWidget(&view);
    view.exec();
}

} // namespace tv::ui
