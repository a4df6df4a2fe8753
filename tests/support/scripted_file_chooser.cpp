// Scripted dialog answers; an unscripted dialog is answered as cancelled.
#include "support/scripted_file_chooser.h"

#include <QFileInfo>

namespace tv::test {

using services::FileChoice;

ScriptedFileChooser& ScriptedFileChooser::choose(const QString& path) {
    m_choices.append({FileChoice::Outcome::Chosen, path, QFileInfo(path).fileName()});
    return *this;
}

ScriptedFileChooser& ScriptedFileChooser::cancel() {
    m_choices.append({FileChoice::Outcome::Cancelled, {}, {}});
    return *this;
}

ScriptedFileChooser& ScriptedFileChooser::failWithError() {
    m_choices.append({FileChoice::Outcome::Failed, {}, {}});
    return *this;
}

FileChoice ScriptedFileChooser::choose(const services::FileDialogRequest& request) {
    m_requests.append(request);
    if (m_next >= m_choices.size())
        return {FileChoice::Outcome::Cancelled, {}, {}};
    return m_choices[m_next++];
}

} // namespace tv::test
