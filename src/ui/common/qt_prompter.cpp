// Button captions come from Qt's Japanese translation (installed by the window program), without
// the translation's mnemonic suffix: "はい(&Y)" shows as "はい". The first button is the default, and
// Escape answers Cancel where there is one; a Yes/No question defaults to No, its safe answer.
#include "ui/common/qt_prompter.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QRegularExpression>

namespace tv::ui {

using services::PromptAnswer;
using services::PromptButtons;

namespace {

void plainCaptions(QMessageBox& box) {
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)$"));
    for (QAbstractButton* button : box.buttons())
        button->setText(button->text().remove(mnemonic).remove(u'&'));
}

} // namespace

PromptAnswer QtPrompter::ask(const QString& text, const QString& title, PromptButtons buttons) {
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setIcon(buttons == PromptButtons::Ok ? QMessageBox::Information : QMessageBox::Question);
    switch (buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    plainCaptions(box);
    switch (box.exec()) {
    case QMessageBox::Ok:
        return PromptAnswer::Ok;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        // Closing the box without a button is Cancel (No for a Yes/No question); an OK-only box can
        // only mean OK.
        return buttons == PromptButtons::Ok      ? PromptAnswer::Ok
               : buttons == PromptButtons::YesNo ? PromptAnswer::No
                                                 : PromptAnswer::Cancel;
    }
}

} // namespace tv::ui
