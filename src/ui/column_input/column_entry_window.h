// The column sheet's entry dialog on screen: the column dialog model in its window, with the entry
// picker over the sheet that opened it and the help viewer.
#pragma once

#include "services/prompter.h"
#include "services/text_grid.h"
#include "services/window_opener.h"
#include "sheets/entry_dialog.h"
#include "state/app_state.h"

#include <functional>

class QWidget;

namespace tv::column_input {
class HasiraInpForm;
}

namespace tv::ui {

class HasiraInpFormView;

class ColumnEntryWindow : public sheets::EntryDialog {
public:
    ColumnEntryWindow(AppState& state, services::Prompter& prompter, services::WindowOpener& opener);

    // The grid of the sheet whose entries the picker lists, and the window the dialog is modal to.
    void setSheet(const services::TextGrid* sheet, QWidget* parent);
    // Called with each dialog window once it is set up, before it runs (tests work it from here).
    void setWindowHook(std::function<void(HasiraInpFormView&)> hook) { m_hook = std::move(hook); }

    std::optional<sheets::EntryDialogResult> edit(const sheets::EntryPayload& payload) override;

private:
    void run(column_input::HasiraInpForm& form);

    AppState& m_state;
    services::Prompter& m_prompter;
    services::WindowOpener& m_opener;
    const services::TextGrid* m_sheet = nullptr;
    QWidget* m_parent = nullptr;
    std::function<void(HasiraInpFormView&)> m_hook;
};

} // namespace tv::ui
