// Start-up: data root, lock, interrupted switch, installation, current project.
#include "shell/startup.h"

#include "shell/bukken_name.h"
#include "shell/project_switch.h"

#include <QDir>
#include <QProcessEnvironment>

namespace tv::shell {

namespace {

QString recoveryNotice(Recovery recovery, const QString& projectName) {
    const QString project = projectName.isEmpty() ? QStringLiteral("(名前なし)") : projectName;
    switch (recovery) {
    case Recovery::RolledForward:
        return QStringLiteral("前回、物件の切り替え中にプログラムが終了していました。\n"
                              "切り替えを最後まで行いました。現在の物件は「%1」です。")
            .arg(project);
    case Recovery::RolledBack:
        return QStringLiteral("前回、物件の切り替え中にプログラムが終了していました。\n"
                              "切り替えを取り消しました。現在の物件は「%1」のままです。")
            .arg(project);
    case Recovery::Failed:
        return QStringLiteral("前回中断された物件の切り替えを片付けられませんでした。\n"
                              "データフォルダの書き込み権限と空き容量を確認してください。");
    case Recovery::None:
        break;
    }
    return {};
}

} // namespace

Startup startUp(const QString& dataRootOption, const QString& programFolder, InstallScope scope) {
    Startup result;
    const QString environment =
        QProcessEnvironment::systemEnvironment().value(QStringLiteral("TORVANEL_DATA_ROOT"));
    result.state.dataRoot =
        DataRoot(DataRoot::resolve(dataRootOption, environment, programFolder, QDir::homePath()));
    result.state.project.dataDrive = ProjectState::driveOf(programFolder);

    result.lock = std::make_shared<DataRootLock>(DataRootLock::acquire(result.state.dataRoot));
    if (!result.lock->held()) {
        result.error = result.lock->refusal();
        return result;
    }
    const Recovery recovery = recoverInterruptedSwitch(result.state.dataRoot);
    if (recovery == Recovery::Failed) {
        result.error = recoveryNotice(recovery, {});
        return result;
    }
    const InstallReport installed = layDownInstallation(result.state.dataRoot, scope);
    result.created = installed.created;
    if (!installed.status.ok()) {
        result.error = installed.status.error;
        return result;
    }
    const BukkenName current = readBukkenName(result.state.dataRoot);
    QStringList notices;
    if (!current.error.isEmpty() || current.missing) {
        // The program still starts, so that New or Open can write a sound record again.
        notices.append(
            (current.missing ? missingFileMessage(bukkenNamePath(result.state.dataRoot)) : current.error) +
            QStringLiteral(
                "\n開いている物件なしで起動します。「新規作成」か「読込」で物件を選んでください。"));
    }
    result.state.project.projectName = current.name;
    result.state.project.bundlePath = current.path;
    removeStrayTemporary(current.path);
    if (recovery != Recovery::None)
        notices.prepend(recoveryNotice(recovery, current.name));
    result.notice = notices.join(QStringLiteral("\n\n"));
    return result;
}

} // namespace tv::shell
