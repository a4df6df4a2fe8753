// Data-drive detection for ProjectState.
#include "shell/project_state.h"

namespace tv::shell {

QString ProjectState::driveOf(const QString& programFolder) {
    if (programFolder.size() >= 2 && programFolder[1] == u':' && programFolder[0].isLetter())
        return programFolder.left(2);
    return {};
}

} // namespace tv::shell
