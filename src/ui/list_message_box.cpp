// Message boxes of the list window. Button captions come from Qt's Japanese translation without
// their mnemonic suffix; closing a box without a button answers Cancel (OK for an OK-only box).
#include "ui/list_message_box.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QRegularExpression>

namespace tv::ui {

using services::PromptAnswer;
using services::PromptButtons;

PromptAnswer ListMessageBox::ask(const QString& text, const QString& title, PromptButtons buttons) {
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(buttons == PromptButtons::Ok ? QMessageBox::Information : QMessageBox::Question);
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    if (buttons == PromptButtons::OkCancel)
        standard = QMessageBox::Ok | QMessageBox::Cancel;
    else if (buttons == PromptButtons::YesNoCancel)
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    box.setStandardButtons(standard);
    box.setDefaultButton(buttons == PromptButtons::YesNoCancel ? QMessageBox::Yes : QMessageBox::Ok);
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)$"));
    for (QAbstractButton* button : box.buttons())
        button->setText(button->text().remove(mnemonic).remove(u'&'));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
    }
}

} // namespace tv::ui
