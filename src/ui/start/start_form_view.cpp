// Layout of the start window: title area, the open project, the progress text and the menu in
// three columns (project, estimation, registration). Sizes follow the font; nothing is fixed in pixels.
#include "ui/start/start_form_view.h"

#include "ui/common/command_label.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWindow>

namespace tv::ui {

using shell::StartForm;

namespace {

// Twips per screen pixel at the platform's reference resolution of 96 pixels per inch.
constexpr int kTwipsPerPixel = 15;

QColor toColour(shell::Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// The title area: pressing it moves the window, as its title bar would.
class TitleArea : public QFrame {
public:
    explicit TitleArea(QWidget* parent) : QFrame(parent) {
        setObjectName(QStringLiteral("TitlePict"));
        setFrameShape(QFrame::StyledPanel);
        setCursor(Qt::SizeAllCursor);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && window()->windowHandle())
            window()->windowHandle()->startSystemMove();
        QFrame::mousePressEvent(event);
    }
};

QLabel* scaledLabel(const QString& text, double scale, bool bold, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * scale);
    font.setBold(bold);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

StartFormView::StartFormView(AppState& state, services::Prompter& prompter, services::FileChooser& chooser,
                             services::SettingsStore& settings, services::WindowOpener& opener,
                             QWidget* parent)
    : QWidget(parent), m_model(state.shell, prompter, chooser, settings, opener) {
    setObjectName(QStringLiteral("StartForm"));
    setWindowTitle(StartForm::title());
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, toColour(StartForm::kBackground));
    setPalette(background);

    auto* title = new TitleArea(this);
    auto* titleLayout = new QHBoxLayout(title);
    titleLayout->addWidget(scaledLabel(StartForm::title(), 1.8, true, title));
    titleLayout->addStretch(1);
    auto* version = scaledLabel(StartForm::version(), 1.0, false, title);
    version->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    titleLayout->addWidget(version);

    auto* heading = scaledLabel(StartForm::projectHeading(), 1.0, false, this);
    m_name = scaledLabel(QString(), 1.3, true, this);
    m_name->setObjectName(QStringLiteral("BNameGd"));
    m_name->setFrameShape(QFrame::Panel);
    m_name->setFrameShadow(QFrame::Sunken);
    m_name->setMargin(fontMetrics().height() / 4);
    m_name->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("あ")) * 20);
    m_name->setMinimumHeight(QFontMetrics(m_name->font()).height() + m_name->margin() * 2 + 4);
    m_guide = scaledLabel(QString(), 1.0, true, this);
    m_guide->setObjectName(QStringLiteral("GuideGd"));
    m_guide->setMinimumHeight(fontMetrics().height());
    QPalette guidePalette = m_guide->palette();
    guidePalette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    m_guide->setPalette(guidePalette);

    for (int i = 0; i < StartForm::CommandCount; ++i) {
        auto* label = new CommandLabel(i, m_model.CmdGd[i], this);
        connect(label, &CommandLabel::clicked, this, [this](int index) { m_model.command(index); });
        connect(label, &CommandLabel::hovered, this, [this](int index) { m_model.hover(index); });
        m_commands.append(label);
    }
    // Project commands, estimation windows, registrations; help and exit on the last row.
    const QList<QList<int>> columns{
        {StartForm::NewProject, StartForm::OpenProject, StartForm::SaveProject},
        {StartForm::ListRegistration, StartForm::ColumnSheet, StartForm::BeamSheet, StartForm::SecondarySheet,
         StartForm::Totals},
        {StartForm::UnitWeights, StartForm::WeldRates, StartForm::InitialSettings}};
    auto* menu = new QGridLayout;
    const int gap = fontMetrics().height() / 2;
    menu->setHorizontalSpacing(gap * 2);
    menu->setVerticalSpacing(gap);
    int rows = 0;
    for (int column = 0; column < columns.size(); ++column) {
        for (int row = 0; row < columns[column].size(); ++row)
            menu->addWidget(m_commands[columns[column][row]], row, column);
        rows = std::max(rows, int(columns[column].size()));
    }
    menu->setRowMinimumHeight(rows, gap);
    int widest = 0;
    for (const CommandLabel* label : m_commands)
        widest = std::max(widest, label->sizeHint().width());
    for (CommandLabel* label : m_commands)
        label->setMinimumWidth(widest);
    menu->addWidget(m_commands[StartForm::Help], rows + 1, 0);
    menu->addWidget(m_commands[StartForm::Exit], rows + 1, 2);

    auto* layout = new QVBoxLayout(this);
    const int margin = fontMetrics().height();
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(gap);
    layout->addWidget(title);
    layout->addSpacing(gap);
    layout->addWidget(heading);
    layout->addWidget(m_name);
    layout->addWidget(m_guide);
    layout->addLayout(menu);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_model.changed = [this] { refresh(); };
    m_model.closeRequested = [this] { close(); };
    move(StartForm::kLeftTwips / kTwipsPerPixel, StartForm::kTopTwips / kTwipsPerPixel);
    refresh();
}

void StartFormView::refresh() {
    m_name->setText(m_model.BNameGd);
    m_guide->setText(m_model.GuideGd);
    for (int i = 0; i < m_commands.size(); ++i)
        m_commands[i]->setCaptionColour(toColour(m_model.captionColour(i)));
    if (!m_model.GuideGd.isEmpty() && isVisible()) {
        // A progress text must be on the screen before the long operation that follows starts.
        m_guide->repaint();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void StartFormView::closeEvent(QCloseEvent* event) {
    m_model.closing(pos().x() * kTwipsPerPixel, pos().y() * kTwipsPerPixel);
    event->accept();
}

} // namespace tv::ui
