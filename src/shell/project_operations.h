// Save, Open and New of the open project, as the start window and the command line run them:
// progress text, the bundle operation, the current-project record, and the closing message.
#pragma once

#include "services/prompter.h"
#include "shell/project_dialogs.h"
#include "shell/project_state.h"

#include <functional>

namespace tv::shell {

class ProjectOperations {
public:
    // `showStatus` shows a progress text (and lets the window repaint once); empty text clears it.
    ProjectOperations(ShellState& state, services::Prompter& prompter,
                      std::function<void(const QString&)> showStatus = {});

    // Packs the working files into the open project's bundle; says "保存しました。".
    bool save();
    // Rewrites the working files from the chosen bundle and makes it the open project.
    bool open(const ProjectChoice& choice);
    // Starts the chosen bundle as a new project with empty lists and sheets.
    bool createNew(const ProjectChoice& choice);

private:
    void status(const QString& text);
    bool fail(const QString& message, const QString& title);
    bool remember(const ProjectChoice& choice);

    ShellState& m_state;
    services::Prompter& m_prompter;
    std::function<void(const QString&)> m_showStatus;
};

} // namespace tv::shell
