// 部材単位重量登録 on screen, and the shared pieces of the registry windows.
#include "ui/buzai_form_view.h"

#include "ui/qt_prompter.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace tv::ui {

using registries::EditorKey;

CommandLabel* makeRegistryCommand(int index, const QString& caption, QWidget* parent) {
    auto* label = new CommandLabel(index, caption, parent);
    QObject::connect(label, &CommandLabel::hovered, label, [label, parent](int over) {
        label->setCaptionColour(over >= 0 ? QColor(255, 0, 0)
                                          : parent->palette().color(QPalette::WindowText));
    });
    return label;
}

int twipsToPixels(const QWidget* widget, int twips) {
    const int dpi = widget && widget->logicalDpiX() > 0 ? widget->logicalDpiX() : 96;
    return (twips * dpi + 720) / 1440;
}

void paintRegistryBackground(QWidget* widget) {
    const services::Rgb c = registries::kRegistryBackground;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, QColor(c.red, c.green, c.blue));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

EditorKeyFilter::EditorKeyFilter(QLineEdit* editor, std::function<void(EditorKey)> onKey)
    : QObject(editor), m_onKey(std::move(onKey)) {
    editor->installEventFilter(this);
}

bool EditorKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_onKey(EditorKey::Enter);
        return true;
    case Qt::Key_Up:
        m_onKey(EditorKey::Up);
        return true;
    case Qt::Key_Down:
        m_onKey(EditorKey::Down);
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

BuzaiFormView::BuzaiFormView(registries::BuzaiForm& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_nameTx(new QLineEdit(this)), m_nameList(new QListWidget(this)),
      m_grid(new TextGridView(model.gridForView(), this)) {
    setWindowTitle(registries::BuzaiForm::title());
    paintRegistryBackground(this);
    setMouseTracking(true);

    m_nameTx->setObjectName(QStringLiteral("NameTx"));
    m_nameTx->setReadOnly(true);
    m_nameTx->installEventFilter(this);
    m_nameList->setObjectName(QStringLiteral("NameList"));
    m_nameList->hide();
    m_grid->setObjectName(QStringLiteral("DataGrid"));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_nameTx, 1);
    auto* open = makeRegistryCommand(2, registries::BuzaiForm::commandCaption(2), this);
    nameRow->addWidget(open);
    auto* commands = new QGridLayout;
    const int placement[][3] = {{0, 0, 0}, {1, 0, 1}, {3, 1, 0}, {4, 1, 1}, {5, 2, 0}};
    for (const auto& p : placement) {
        auto* command = makeRegistryCommand(p[0], registries::BuzaiForm::commandCaption(p[0]), this);
        commands->addWidget(command, p[1], p[2]);
        connect(command, &CommandLabel::clicked, &m_model, &registries::BuzaiForm::command);
    }
    connect(open, &CommandLabel::clicked, &m_model, &registries::BuzaiForm::command);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(nameRow);
    layout->addWidget(m_grid, 1);
    layout->addLayout(commands);

    bindRegistryGrid(m_grid, m_model);
    connect(m_nameList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_model.chooseName(m_nameList->row(item));
        m_grid->setFocus(Qt::OtherFocusReason);
    });
    connect(&m_model, &registries::BuzaiForm::changed, this, &BuzaiFormView::showState);
    connect(&m_model, &registries::BuzaiForm::closeRequested, this, [this] { QDialog::reject(); });

    // The form's size, kept within the screen with room for the title bar and a task bar.
    int height = twipsToPixels(this, 11055);
    if (const QScreen* s = screen()) {
        height = qMin(height, s->availableGeometry().height() - 64);
        move(s->availableGeometry().left() + twipsToPixels(this, 1500), s->availableGeometry().top());
    }
    resize(twipsToPixels(this, 4080), height);
    showState();
}

void BuzaiFormView::showState() {
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

void BuzaiFormView::reject() {
    if (m_model.isClosed())
        QDialog::reject();
    else
        m_model.close();
}

void BuzaiFormView::mouseMoveEvent(QMouseEvent* event) {
    QDialog::mouseMoveEvent(event);
    m_model.mouseOverBackground();
}

bool BuzaiFormView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_nameTx && event->type() == QEvent::MouseButtonPress) {
        m_model.clickNameTx();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void showBuzaiForm(QWidget* parent, const shell::DataRoot& root) {
    QtPrompter prompter(parent);
    registries::BuzaiForm model(root, prompter);
    if (!model.open())
        return;
    BuzaiFormView view(model, parent);
    prompter.setParentWidget(&view);
    view.exec();
}

} // namespace tv::ui
