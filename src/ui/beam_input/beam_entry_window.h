// The beam sheet's entry dialog on screen: the beam dialog model in its window, with the entry
// picker over the sheet that opened it and the help viewer.
#pragma once

#include "beam_input/entry_picker.h"
#include "services/prompter.h"
#include "services/text_grid.h"
#include "services/window_opener.h"
#include "sheets/entry_dialog.h"
#include "state/app_state.h"

#include <functional>

class QWidget;

namespace tv::beam_input {
class HariInpForm;
}

namespace tv::ui {

class HariInpFormView;

class BeamEntryWindow : public sheets::EntryDialog, private beam_input::EntryPicker {
public:
    BeamEntryWindow(AppState& state, services::Prompter& prompter, services::WindowOpener& opener);

    // The grid of the sheet whose entries the picker lists, and the window the dialog is modal to.
    void setSheet(const services::TextGrid* sheet, QWidget* parent);
    // Called with each dialog window once it is set up, before it runs (tests work it from here).
    void setWindowHook(std::function<void(HariInpFormView&)> hook) { m_hook = std::move(hook); }

    std::optional<sheets::EntryDialogResult> edit(const sheets::EntryPayload& payload) override;

private:
    void run(beam_input::HariInpForm& form);
    // 入力済データ読込: the picker over the beam sheet, modal to the dialog window.
    std::optional<sheets::EntryPayload> pickBeamEntry() override;

    AppState& m_state;
    services::Prompter& m_prompter;
    services::WindowOpener& m_opener;
    const services::TextGrid* m_sheet = nullptr;
    QWidget* m_parent = nullptr;
    QWidget* m_shown = nullptr; // the dialog window while it runs
    std::function<void(HariInpFormView&)> m_hook;
};

} // namespace tv::ui
