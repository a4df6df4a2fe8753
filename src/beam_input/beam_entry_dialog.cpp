// One showing of the beam dialog for one sheet entry.
#include "beam_input/beam_entry_dialog.h"

namespace tv::beam_input {

BeamEntryDialog::BeamEntryDialog(shell::ShellState& shell, lists::MemberLists& lists,
                                 services::Prompter& prompter, QString& lastFloor, EntryPicker* picker,
                                 services::WindowOpener* opener, Show show)
    : m_shell(shell), m_lists(lists), m_prompter(prompter), m_lastFloor(lastFloor), m_picker(picker),
      m_opener(opener), m_show(std::move(show)) {}

std::optional<sheets::EntryDialogResult> BeamEntryDialog::edit(const sheets::EntryPayload& payload) {
    HariInpForm form(m_shell, m_lists, m_prompter, m_lastFloor, m_picker, m_opener);
    form.open(payload);
    m_show(form);
    if (!form.confirmed())
        return std::nullopt;
    return form.result();
}

} // namespace tv::beam_input
