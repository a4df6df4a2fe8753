// The list is as wide as the longest line and shows about 24 lines; the window keeps its place
// 5850 and 6000 twips from the screen's corner unless it would then reach past the screen's edge.
#include "ui/common/info_form_view.h"

#include "ui/common/command_label.h"
#include "ui/common/screen_fit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tv::ui {

namespace {
constexpr int kTwipsPerPixel = 15;
const QColor kBackground(219, 227, 217);
} // namespace

InfoFormView::InfoFormView(shell::InfoForm& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(shell::InfoForm::title());
    setModal(true);
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, kBackground);
    background.setColor(QPalette::Base, kBackground);
    setPalette(background);

    auto* title = new QLabel(shell::InfoForm::title(), this);
    title->setObjectName(QStringLiteral("TitleGd_4"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    title->setFont(titleFont);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("infoList"));
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->addItems(m_model.infoList);
    int widest = 0;
    for (const QString& line : m_model.infoList)
        widest = std::max(widest, m_list->fontMetrics().horizontalAdvance(line));
    const int lineHeight = m_list->fontMetrics().height();
    const int frame = m_list->frameWidth() * 2 + m_list->verticalScrollBar()->sizeHint().width() + lineHeight;
    m_list->setMinimumWidth(
        std::max(widest, m_list->fontMetrics().horizontalAdvance(QStringLiteral("あ")) * 30) + frame);
    m_list->setMinimumHeight(lineHeight * 12);
    m_list->resize(m_list->minimumWidth(), lineHeight * 24);

    auto* note = new QLabel(shell::InfoForm::note(), this);
    note->setObjectName(QStringLiteral("Label1_7"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(note, 1);
    for (int i = 0; i < m_model.CmdGd.size(); ++i) {
        auto* label = new CommandLabel(i, m_model.CmdGd[i], this);
        connect(label, &CommandLabel::clicked, this, [this](int index) { m_model.command(index); });
        connect(label, &CommandLabel::hovered, this, [this, label](int index) {
            label->setCaptionColour(index < 0 ? QColor(Qt::black) : QColor(255, 0, 0));
        });
        m_commands.append(label);
        buttons->addWidget(label);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    m_model.closeRequested = [this] { accept(); };

    resize(sizeHint().width(), sizeHint().height() + lineHeight * 12);
    placeOnScreen();
}

CommandLabel* InfoFormView::command(int index) const {
    return m_commands.value(index);
}

void InfoFormView::placeOnScreen() {
    // A long line scrolls sideways rather than push 閉じる off the screen.
    const QRect area = clientAreaFor(this);
    if (!area.isEmpty())
        m_list->setMinimumWidth(std::min(m_list->minimumWidth(), area.width() / 2));
    fitOnScreen(this, size(), QPoint(5850 / kTwipsPerPixel, 6000 / kTwipsPerPixel));
}

} // namespace tv::ui
