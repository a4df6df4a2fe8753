// Each operation clears its progress text before any message, so the window never shows a stale one.
// Failures are titled as the dialogs title them ("読込エラー", "新規物件作成"), the others "エラー".
#include "shell/project_operations.h"

#include "shell/project_bundle.h"

namespace tv::shell {

using services::PromptAnswer;
using services::PromptButtons;
using services::Status;

ProjectOperations::ProjectOperations(ShellState& state, services::Prompter& prompter,
                                     std::function<void(const QString&)> showStatus)
    : m_state(state), m_prompter(prompter), m_showStatus(std::move(showStatus)) {}

void ProjectOperations::status(const QString& text) {
    if (m_showStatus)
        m_showStatus(text);
}

bool ProjectOperations::fail(const QString& message, const QString& title) {
    status(QString());
    m_prompter.tell(message, title);
    return false;
}

void ProjectOperations::remember(const ProjectChoice& choice) {
    m_state.project.projectName = choice.name;
    m_state.project.bundlePath = choice.path;
}

bool ProjectOperations::save() {
    m_unreadable = false;
    if (m_state.project.bundlePath.isEmpty()) {
        // A fresh installation has no bundle yet: there is nowhere to save to.
        return fail(
            QStringLiteral("保存先の物件ファイルがありません。\n「新規作成」で物件を作成してください。"),
            QStringLiteral("エラー"));
    }
    status(QStringLiteral("保存中･･･"));
    const Status saved = ProjectBundle::save(m_state.dataRoot, m_state.project.bundlePath, &m_unreadable);
    if (!saved.ok())
        return fail(saved.error + QStringLiteral("\n物件ファイルは保存前のままです。"),
                    QStringLiteral("エラー"));
    status(QString());
    m_prompter.tell(QStringLiteral("保存しました。"), QStringLiteral("確認"));
    return true;
}

bool ProjectOperations::open(const ProjectChoice& choice) {
    m_unreadable = false;
    status(QStringLiteral("読込中･･･"));
    ProjectBundle::Reading reading = ProjectBundle::read(choice.path);
    if (!reading.refusal.isEmpty()) {
        m_unreadable = true;
        return fail(reading.refusal, QStringLiteral("読込エラー"));
    }
    const QStringList losses = ProjectBundle::lossesOnOpening(m_state.dataRoot, reading);
    if (!reading.doubts.isEmpty() || !losses.isEmpty()) {
        status(QString());
        // Losses arise only with bundles saved without the header, by older versions.
        const QString opening = reading.doubts.isEmpty()
                                    ? QStringLiteral("ファイル「%1」は古い形式の物件データです。\n")
                                    : QStringLiteral("ファイル「%1」は壊れているおそれがあります。\n");
        const QString question = opening.arg(choice.path) + (reading.doubts + losses).join(u'\n') +
                                 QStringLiteral("\n続けますか？");
        if (m_prompter.ask(question, QStringLiteral("確認"), PromptButtons::YesNo) != PromptAnswer::Yes)
            return false;
        status(QStringLiteral("読込中･･･"));
    }
    const Status opened = ProjectBundle::open(m_state.dataRoot, reading, choice.name, choice.path);
    if (!opened.ok())
        return fail(opened.error + QStringLiteral("\n作業中のデータは読込前のままです。"),
                    QStringLiteral("読込エラー"));
    remember(choice);
    status(QString());
    m_prompter.tell(QStringLiteral("読込みました。"), QStringLiteral("確認"));
    return true;
}

bool ProjectOperations::createNew(const ProjectChoice& choice, bool carryOver) {
    m_unreadable = false;
    status(QStringLiteral("処理中･･･"));
    const Status created =
        ProjectBundle::createNew(m_state.dataRoot, choice.name, choice.path, carryOver, &m_unreadable);
    if (!created.ok()) {
        return fail(created.error +
                        QStringLiteral("\n物件は作成されませんでした。作業中のデータはそのままです。"),
                    QStringLiteral("新規物件作成"));
    }
    remember(choice);
    status(QString());
    m_prompter.tell(QStringLiteral("入力を開始できます。"), QStringLiteral("確認"));
    return true;
}

} // namespace tv::shell
