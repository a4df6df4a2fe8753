// Test double of the file-dialog port: answers each dialog with a scripted choice and keeps the
// requests for inspection.
#pragma once

#include "services/file_chooser.h"

#include <QList>

namespace tv::test {

class ScriptedFileChooser : public services::FileChooser {
public:
    // The dialog returns this full path (its title is the file name).
    ScriptedFileChooser& choose(const QString& path);
    ScriptedFileChooser& cancel();
    ScriptedFileChooser& failWithError();

    services::FileChoice choose(const services::FileDialogRequest& request) override;

    const QList<services::FileDialogRequest>& requests() const { return m_requests; }
    bool allUsed() const { return m_next == m_choices.size(); }

private:
    QList<services::FileChoice> m_choices;
    QList<services::FileDialogRequest> m_requests;
    qsizetype m_next = 0;
};

} // namespace tv::test
