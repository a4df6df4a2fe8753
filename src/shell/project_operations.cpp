// Each operation clears its progress text before any message, so the window never shows a stale one.
#include "shell/project_operations.h"

#include "shell/bukken_name.h"
#include "shell/project_bundle.h"

namespace tv::shell {

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

bool ProjectOperations::remember(const ProjectChoice& choice) {
    m_state.project.projectName = choice.name;
    m_state.project.bundlePath = choice.path;
    const Status written = writeBukkenName(m_state.dataRoot, choice.name, choice.path);
    return written.ok() || fail(written.error, QStringLiteral("確認"));
}

bool ProjectOperations::save() {
    if (m_state.project.bundlePath.isEmpty()) {
        // A fresh installation has no bundle yet: there is nowhere to save to.
        return fail(QStringLiteral("保存先の物件ファイルがありません。\n「新規作成」で物件を作成してください。"),
                    QStringLiteral("保存エラー"));
    }
    status(QStringLiteral("保存中･･･"));
    const Status saved = ProjectBundle::save(m_state.dataRoot, m_state.project.bundlePath);
    if (!saved.ok())
        return fail(saved.error, QStringLiteral("保存エラー"));
    status(QString());
    m_prompter.tell(QStringLiteral("保存しました。"), QStringLiteral("確認"));
    return true;
}

bool ProjectOperations::open(const ProjectChoice& choice) {
    status(QStringLiteral("読込中･･･"));
    const Status opened = ProjectBundle::open(m_state.dataRoot, choice.path);
    if (!opened.ok())
        return fail(opened.error, QStringLiteral("読込エラー"));
    if (!remember(choice))
        return false;
    status(QString());
    m_prompter.tell(QStringLiteral("読込みました。"), QStringLiteral("確認"));
    return true;
}

bool ProjectOperations::createNew(const ProjectChoice& choice) {
    status(QStringLiteral("処理中･･･"));
    const Status created = ProjectBundle::createNew(m_state.dataRoot, choice.path);
    if (!created.ok())
        return fail(created.error, QStringLiteral("新規物件作成"));
    if (!remember(choice))
        return false;
    status(QString());
    m_prompter.tell(QStringLiteral("入力を開始できます。"), QStringLiteral("確認"));
    return true;
}

} // namespace tv::shell
