// One case per window; a window that this build does not have yet answers false.
#include "ui/qt_window_opener.h"

#include "lists/list_form.h"
#include "ui/list_form_view.h"
#include "ui/list_message_box.h"

namespace tv::ui {

bool QtWindowOpener::open(services::WindowId id) {
    switch (id) {
    case services::WindowId::ListForm: {
        ListMessageBox prompter(m_parent);
        lists::ListForm form(m_state.shell.dataRoot, m_state.lists, prompter);
        if (!form.open())
            return true; // the lists could not be read: the message has been shown
        ListFormView view(form, m_parent);
        prompter.setParentWidget(&view);
        view.exec();
        return true;
    }
    default:
        break;
    }
    return false;
}

} // namespace tv::ui
