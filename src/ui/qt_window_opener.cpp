// One case per window; a window that this build does not have yet answers false.
#include "ui/qt_window_opener.h"

#include "ui/buzai_form_view.h"
#include "ui/kansan_form_view.h"
#include "ui/settei_form_view.h"

namespace tv::ui {

bool QtWindowOpener::open(services::WindowId id) {
    switch (id) {
    case services::WindowId::BuzaiForm:
        showBuzaiForm(m_parent, m_state.shell.dataRoot);
        return true;
    case services::WindowId::KansanForm:
        showKansanForm(m_parent, m_state.shell.dataRoot);
        return true;
    case services::WindowId::SetteiForm:
        showSetteiForm(m_parent, m_state.shell.dataRoot);
        return true;
    default:
        return false;
    }
}

} // namespace tv::ui
