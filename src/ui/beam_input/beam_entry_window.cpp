// Runs the beam dialog window for one sheet entry.
#include "ui/beam_input/beam_entry_window.h"

#include "beam_input/beam_entry_dialog.h"
#include "ui/beam_input/hari_inp_form_view.h"
#include "ui/common/mae_inp_form_view.h"
#include "ui/common/qt_prompter.h"

namespace tv::ui {

using beam_input::PayloadText;

BeamEntryWindow::BeamEntryWindow(AppState& state, services::Prompter& prompter,
                                 services::WindowOpener& opener)
    : m_state(state), m_prompter(prompter), m_opener(opener) {}

void BeamEntryWindow::setSheet(const services::TextGrid* sheet, QWidget* parent) {
    m_sheet = sheet;
    m_parent = parent;
}

std::optional<sheets::EntryDialogResult> BeamEntryWindow::edit(const sheets::EntryPayload& payload) {
    beam_input::BeamEntryDialog dialog(m_state.shell, m_state.lists, m_prompter, m_state.input.LastFloor,
                                       this, &m_opener, [this](beam_input::HariInpForm& form) { run(form); });
    return dialog.edit(payload);
}

void BeamEntryWindow::run(beam_input::HariInpForm& form) {
    HariInpFormView view(form, m_parent);
    m_shown = &view;
    // The dialog's messages show over the dialog, the sheet's again over the sheet afterwards.
    auto* messages = dynamic_cast<QtPrompter*>(&m_prompter);
    if (messages)
        messages->setParentWidget(&view);
    if (m_hook)
        m_hook(view);
    view.exec();
    if (messages)
        messages->setParentWidget(m_parent);
    m_shown = nullptr;
}

std::optional<sheets::EntryPayload> BeamEntryWindow::pickBeamEntry() {
    if (!m_sheet)
        return std::nullopt;
    // The picker hands the beam sheet's hidden texts back from the last column backwards, the
    // first of them last.
    const column_input::PickedPayload picked =
        pickEnteredEntry(*m_sheet, column_input::BeamPicker, m_prompter, m_shown ? m_shown : m_parent);
    if (picked[0].isEmpty())
        return std::nullopt;
    sheets::EntryPayload payload;
    payload[beam_input::kOptionText] = picked[0];
    payload[beam_input::kCaptionText] = picked[1];
    payload[beam_input::kInputText] = picked[2];
    payload[beam_input::kPlateText] = picked[3];
    payload[beam_input::kCoatingText] = picked[4];
    return payload;
}

} // namespace tv::ui
