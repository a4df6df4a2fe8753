// Start-up: data root, installation, current project.
#include "shell/startup.h"

#include "shell/bukken_name.h"
#include "shell/installation.h"

#include <QDir>
#include <QProcessEnvironment>

namespace tv::shell {

Startup startUp(const QString& dataRootOption, const QString& programFolder) {
    Startup result;
    const QString environment = QProcessEnvironment::systemEnvironment().value(QStringLiteral("TORVANEL_DATA_ROOT"));
    result.state.dataRoot =
        DataRoot(DataRoot::resolve(dataRootOption, environment, programFolder, QDir::homePath()));
    result.state.project.dataDrive = ProjectState::driveOf(programFolder);

    const InstallReport installed = layDownInstallation(result.state.dataRoot);
    if (!installed.status.ok()) {
        result.error = installed.status.error;
        return result;
    }
    const BukkenName current = readBukkenName(result.state.dataRoot);
    if (!current.error.isEmpty()) {
        result.error = current.error;
        return result;
    }
    result.state.project.projectName = current.name;
    result.state.project.bundlePath = current.path;
    return result;
}

} // namespace tv::shell
