// The column dialog behind the sheets' entry-dialog port: it opens the dialog model on an entry's
// five texts, lets the window (or a scripted user in tests) work it until OK or Cancel, and hands
// the texts back to the column sheet.
#pragma once

#include "column_input/hasira_inp_form.h"
#include "sheets/entry_dialog.h"
#include "shell/data_root.h"

#include <functional>

namespace tv::column_input {

// The sheet's hidden cells (columns 24 to 28) and the dialog's texts, in either direction.
ColumnEntryTexts columnEntryTexts(const sheets::EntryPayload& payload);
sheets::EntryPayload entryPayload(const ColumnEntryTexts& texts);

class ColumnEntryDialog : public sheets::EntryDialog {
public:
    // Shows the opened dialog modally and returns when the user closed it; a dialog that is still
    // open then (closed by the window's close box) counts as cancelled.
    using Session = std::function<void(HasiraInpForm&)>;

    ColumnEntryDialog(const shell::DataRoot& root, const lists::MemberLists& lists, InputDialogState& shared,
                      services::Prompter& prompter, Session session);

    // nullopt when the dialog was cancelled or could not open (its reference lists are unreadable).
    std::optional<sheets::EntryDialogResult> edit(const sheets::EntryPayload& payload) override;

private:
    const shell::DataRoot& m_root;
    const lists::MemberLists& m_lists;
    InputDialogState& m_shared;
    services::Prompter& m_prompter;
    Session m_session;
};

} // namespace tv::column_input
