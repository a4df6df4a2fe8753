// The picker window: a click selects a row, OK hands the row back, キャンセル and Escape nothing.
#include "ui/common/mae_inp_form_view.h"

#include "ui/common/command_label.h"
#include "ui/common/text_grid_view.h"
#include "ui/common/window_look.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tv::ui {

using column_input::MaeInpForm;

MaeInpFormView::MaeInpFormView(MaeInpForm& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_grid(new TextGridView(model.gridForView(), this)) {
    setWindowTitle(QStringLiteral("入力済み内容読込"));
    setObjectName(QStringLiteral("MaeInpForm"));
    paintRegistryBackground(this);
    m_grid->setObjectName(QStringLiteral("KouhoGrid"));
    m_grid->setWidenToTexts(true);
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    m_grid->setOfferCallback([this](int row, int) {
        m_model.clickRow(row);
        m_grid->refreshRows(0, m_model.KouhoGrid().rowCount() - 1);
        return services::CellOffer{};
    });

    auto* commands = new QHBoxLayout;
    const QStringList captions{QStringLiteral("OK"), QStringLiteral("キャンセル")};
    for (int i = 0; i < 2; ++i) {
        auto* label = makeRegistryCommand(i, captions[i], this);
        m_commands.append(label);
        commands->addWidget(label);
    }
    commands->addStretch(1);
    connect(m_commands[0], &CommandLabel::clicked, this, [this] {
        if (m_model.ok())
            accept();
    });
    connect(m_commands[1], &CommandLabel::clicked, this, &MaeInpFormView::reject);

    auto* layout = new QVBoxLayout(this);
    auto* noteLabel = new QLabel(QStringLiteral("※階・符号以外の入力内容が読み込まれます。"), this);
    noteLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(noteLabel);
    layout->addWidget(m_grid, 1);
    layout->addLayout(commands);
    m_grid->refresh();
    placeOnScreen();
}

void MaeInpFormView::reject() {
    m_model.cancel();
    QDialog::reject();
}

// At the top of the screen, towards its right; as wide as the list and up to twenty rows high.
void MaeInpFormView::placeOnScreen() {
    const int rowHeight = m_grid->verticalHeader()->defaultSectionSize();
    const int rows = std::clamp(m_model.KouhoGrid().rowCount(), 8, 20);
    m_grid->setMinimumSize(m_grid->horizontalHeader()->length() +
                               m_grid->verticalScrollBar()->sizeHint().width() + 2 * m_grid->frameWidth(),
                           rows * rowHeight + 2 * m_grid->frameWidth());
    adjustSize();
    if (const QScreen* s = screen()) {
        const QRect available = s->availableGeometry();
        const int right = std::min(available.right(), available.left() + twipsToPixels(this, 15330));
        move(std::max(available.left(), right - frameGeometry().width()), available.top());
    }
}

column_input::PickedPayload pickEnteredEntry(const services::TextGrid& sheet, int source,
                                             services::Prompter& prompter, QWidget* parent) {
    MaeInpForm model(sheet, source, prompter);
    MaeInpFormView view(model, parent);
    view.exec();
    return model.Picked();
}

} // namespace tv::ui
