// Save, Open and New of the open project, as the start window and the command line run them:
// progress text, the bundle operation with the current-project record, and the closing message.
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
    // Rewrites the working files from the chosen bundle and makes it the open project. A bundle that
    // looks damaged is opened only when the user says Yes.
    bool open(const ProjectChoice& choice);
    // Starts the chosen bundle as a new project with empty lists and sheets; with `carryOver` the
    // new bundle is written from the current working files and nothing is emptied.
    bool createNew(const ProjectChoice& choice, bool carryOver = false);

    // After a failed operation: whether what it reads could not be read (a bundle that is no bundle
    // at all, a working file that is missing or damaged).
    bool inputUnreadable() const { return m_unreadable; }

private:
    void status(const QString& text);
    bool fail(const QString& message, const QString& title);
    void remember(const ProjectChoice& choice);

    ShellState& m_state;
    services::Prompter& m_prompter;
    std::function<void(const QString&)> m_showStatus;
    bool m_unreadable = false;
};

} // namespace tv::shell
