// The entry dialog of a sheet whose input dialog this build does not have yet: it says so and
// answers "cancelled", so that the sheet changes no row.
#pragma once

#include "services/prompter.h"
#include "sheets/entry_dialog.h"

namespace tv::sheets {

class UnavailableEntryDialog : public EntryDialog {
public:
    explicit UnavailableEntryDialog(services::Prompter& prompter) : m_prompter(prompter) {}
    std::optional<EntryDialogResult> edit(const EntryPayload&) override {
        m_prompter.tell(QStringLiteral("この画面はまだ利用できません。"), QStringLiteral("確認"));
        return std::nullopt;
    }

private:
    services::Prompter& m_prompter;
};

} // namespace tv::sheets
