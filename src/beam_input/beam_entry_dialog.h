// The beam dialog behind the sheets' entry-dialog port: a fresh model for each entry, shown by the
// caller's `show` (the window runs it modally), and the entry's rows handed back after OK.
#pragma once

#include "beam_input/entry_picker.h"
#include "beam_input/hari_inp_form.h"
#include "sheets/entry_dialog.h"

#include <functional>

namespace tv::beam_input {

class BeamEntryDialog : public sheets::EntryDialog {
public:
    // Runs the opened model until it closes (OK, Cancel or the window closed).
    using Show = std::function<void(HariInpForm&)>;

    BeamEntryDialog(shell::ShellState& shell, lists::MemberLists& lists, services::Prompter& prompter,
                    QString& lastFloor, EntryPicker* picker, services::WindowOpener* opener, Show show);

    // nullopt unless the dialog closed with OK.
    std::optional<sheets::EntryDialogResult> edit(const sheets::EntryPayload& payload) override;

private:
    shell::ShellState& m_shell;
    lists::MemberLists& m_lists;
    services::Prompter& m_prompter;
    QString& m_lastFloor;
    EntryPicker* m_picker;
    services::WindowOpener* m_opener;
    Show m_show;
};

} // namespace tv::beam_input
