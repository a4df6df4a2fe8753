// The shared layout helpers of the member input dialogs.
#include "ui/common/entry_dialog_parts.h"

#include "ui/common/text_grid_view.h"

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tv::ui {

QLabel* noteLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* headingLabel(const QString& text, QWidget* parent) {
    auto* label = noteLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void layOutUnderCommands(QDialog& dialog, QWidget* commands, QScrollArea* scroll, QWidget* content) {
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* outer = new QVBoxLayout(&dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    if (QLayout* row = commands->layout())
        row->setContentsMargins(9, 6, 9, 0);
    outer->addWidget(commands);
    outer->addWidget(scroll);
}

void fitToScreen(QDialog& dialog, QScrollArea* scroll) {
    QWidget* content = scroll->widget();
    content->ensurePolished();
    const QSize wanted = content->sizeHint().expandedTo(content->minimumSizeHint());
    const int commands = dialog.sizeHint().height() - scroll->sizeHint().height();
    QSize size = wanted + QSize(scroll->verticalScrollBar()->sizeHint().width() + 4, commands + 4);
    if (const QScreen* s = dialog.screen()) {
        const QRect available = s->availableGeometry();
        size = size.boundedTo(QSize(available.width() - 16, available.height() - 48));
        dialog.move(available.topLeft());
    }
    dialog.resize(size);
}

void fitGridToCells(TextGridView* view, int rows, bool withScrollBar) {
    const int frame = 2 * view->frameWidth();
    view->setFixedWidth(view->horizontalHeader()->length() + frame +
                        (withScrollBar ? view->verticalScrollBar()->sizeHint().width() : 0));
    view->setFixedHeight(rows * view->verticalHeader()->defaultSectionSize() + frame);
}

} // namespace tv::ui
