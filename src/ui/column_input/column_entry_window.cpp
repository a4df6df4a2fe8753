// Runs the column dialog window for one sheet entry.
#include "ui/column_input/column_entry_window.h"

#include "column_input/column_entry_dialog.h"
#include "column_input/hasira_inp_commands.h"
#include "ui/column_input/hasira_inp_form_view.h"
#include "ui/common/mae_inp_form_view.h"

namespace tv::ui {

ColumnEntryWindow::ColumnEntryWindow(AppState& state, services::Prompter& prompter,
                                     services::WindowOpener& opener)
    : m_state(state), m_prompter(prompter), m_opener(opener) {}

void ColumnEntryWindow::setSheet(const services::TextGrid* sheet, QWidget* parent) {
    m_sheet = sheet;
    m_parent = parent;
}

std::optional<sheets::EntryDialogResult> ColumnEntryWindow::edit(const sheets::EntryPayload& payload) {
    column_input::ColumnEntryDialog dialog(m_state.shell.dataRoot, m_state.lists, m_state.input, m_prompter,
                                           [this](column_input::HasiraInpForm& form) { run(form); });
    return dialog.edit(payload);
}

void ColumnEntryWindow::run(column_input::HasiraInpForm& form) {
    HasiraInpFormView* shown = nullptr;
    auto picker = [this, &shown] {
        if (!m_sheet)
            return column_input::PickedPayload{};
        return pickEnteredEntry(*m_sheet, column_input::ColumnPicker, m_prompter, shown);
    };
    auto help = [this] {
        m_state.shell.project.helpFilePath = m_state.shell.dataRoot.file(shell::kInfoFolder, u"info-3.txt");
        m_opener.open(services::WindowId::InfoForm);
    };
    column_input::HasiraInpCommands commands(form, m_prompter, picker, help);
    HasiraInpFormView view(form, commands, m_parent);
    shown = &view;
    if (m_hook)
        m_hook(view);
    view.exec();
}

} // namespace tv::ui
