// One case per window; a window that this build does not have yet answers false.
#include "ui/common/qt_window_opener.h"

#include "lists/list_form.h"
#include "shell/info_form.h"
#include "ui/beam_input/beam_entry_window.h"
#include "ui/column_input/column_entry_window.h"
#include "ui/common/info_form_view.h"
#include "ui/common/qt_file_chooser.h"
#include "ui/common/qt_printer.h"
#include "ui/common/qt_prompter.h"
#include "ui/lists/list_form_view.h"
#include "ui/registries/buzai_form_view.h"
#include "ui/registries/kansan_form_view.h"
#include "ui/registries/settei_form_view.h"
#include "ui/secondary/zatu_inp_form_view.h"
#include "ui/sheets/sheet_form_view.h"
#include "ui/totals/syukei_form_view.h"

namespace tv::ui {

namespace {

void showInfoForm(QWidget* parent, AppState& state) {
    QtPrompter prompter(parent);
    QtFileChooser chooser(parent);
    QtPrinter printer(prompter, chooser, pdfPlace(state));
    shell::InfoForm model(state.shell.project, prompter, printer);
    InfoFormView view(model, parent);
    prompter.setParentWidget(&view);
    chooser.setParentWidget(&view);
    printer.setParentWidget(&view);
    view.exec();
}

} // namespace

bool QtWindowOpener::open(services::WindowId id) {
    switch (id) {
    case services::WindowId::InfoForm:
        showInfoForm(m_parent, m_state);
        return true;
    case services::WindowId::ListForm: {
        QtPrompter prompter(m_parent);
        lists::ListForm form(m_state.shell.dataRoot, m_state.lists, prompter);
        if (!form.open())
            return true; // the lists could not be read: the message has been shown
        ListFormView view(form, m_parent);
        prompter.setParentWidget(&view);
        view.exec();
        return true;
    }
    case services::WindowId::BuzaiForm:
        showBuzaiForm(m_parent, m_state.shell.dataRoot);
        return true;
    case services::WindowId::KansanForm:
        showKansanForm(m_parent, m_state.shell.dataRoot);
        return true;
    case services::WindowId::MainInputForm: {
        QtPrompter prompter(m_parent);
        QtWindowOpener helpOpener(m_parent, m_state);
        ColumnEntryWindow dialog(m_state, prompter, helpOpener);
        showSheetForm(m_parent, m_state, prompter, dialog, sheets::SheetKind::Column,
                      [&dialog, &helpOpener](sheets::SheetForm& sheet, QWidget* view) {
                          dialog.setSheet(&sheet.DataGrid(), view);
                          helpOpener.setParentWidget(view);
                      });
        return true;
    }
    case services::WindowId::MainInput2Form: {
        QtPrompter prompter(m_parent);
        QtWindowOpener helpOpener(m_parent, m_state);
        BeamEntryWindow dialog(m_state, prompter, helpOpener);
        showSheetForm(m_parent, m_state, prompter, dialog, sheets::SheetKind::Beam,
                      [&dialog, &helpOpener](sheets::SheetForm& sheet, QWidget* view) {
                          dialog.setSheet(&sheet.DataGrid(), view);
                          helpOpener.setParentWidget(view);
                      });
        return true;
    }
    case services::WindowId::SetteiForm:
        showSetteiForm(m_parent, m_state.shell.dataRoot);
        return true;
    case services::WindowId::ZatuInpForm:
        showZatuInpForm(m_parent, m_state);
        return true;
    case services::WindowId::SyukeiForm:
        showSyukeiForm(m_parent, m_state);
        return true;
    default:
        return false;
    }
}

} // namespace tv::ui
