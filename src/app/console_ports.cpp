// Console answers follow the window's default buttons: OK, Yes where Yes, No and Cancel are offered,
// and No where only Yes and No are (those questions guard against opening a damaged bundle).
#include "app/console_ports.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace tv::app {

using services::PromptAnswer;
using services::PromptButtons;

PromptAnswer ConsolePrompter::ask(const QString& text, const QString& title, PromptButtons buttons) {
    const QByteArray line = (QStringLiteral("[") + title + QStringLiteral("] ") +
                             QString(text).replace(u'\n', QStringLiteral("\n  ")) + u'\n')
                                .toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    switch (buttons) {
    case PromptButtons::YesNoCancel:
        return PromptAnswer::Yes;
    case PromptButtons::YesNo:
        // A question that guards against harm (opening a damaged bundle) is answered No.
        return PromptAnswer::No;
    default:
        return PromptAnswer::Ok;
    }
}

services::FileChoice ConsoleFileChooser::choose(const services::FileDialogRequest& request) {
    services::FileChoice choice;
    if (m_path.isEmpty()) {
        choice.outcome = services::FileChoice::Outcome::Cancelled;
        return choice;
    }
    QString path = QFileInfo(m_path).absoluteFilePath();
    if (request.kind == services::FileDialogRequest::Kind::Save && QFileInfo(path).suffix().isEmpty() &&
        !request.defaultExtension.isEmpty())
        path += u'.' + request.defaultExtension;
    choice.outcome = services::FileChoice::Outcome::Chosen;
    choice.path = path;
    choice.title = QFileInfo(path).fileName();
    return choice;
}

} // namespace tv::app
