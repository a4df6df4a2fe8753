// The values that windows share for the whole run, one object that the program creates and passes
// on. Each window model takes references to the parts it needs, so tests build only those.
#pragma once

#include "lists/member_lists.h"
#include "shell/project_state.h"
#include "state/input_dialog_state.h"

namespace tv {

struct AppState {
    shell::ShellState shell;  // data root and ProjectState
    lists::MemberLists lists; // HasiraList, HariList, JointList; loaded by each window that needs them
    InputDialogState input;   // LastFloor, WeldMemory, CurrentListEntry
    QString lastPdfFolder;    // where the last printout was saved as PDF in this run; empty before
};

} // namespace tv
