// The dialog never asks before overwriting: the callers check names themselves and say why.
#include "ui/qt_file_chooser.h"

#include <QFileDialog>
#include <QFileInfo>

namespace tv::ui {

using services::FileChoice;
using services::FileDialogRequest;

QString QtFileChooser::qtFilter(const QString& filter) {
    const QStringList parts = filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        filters.append(parts[i] + QStringLiteral(" (") + patterns + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

FileChoice QtFileChooser::choose(const FileDialogRequest& request) {
    QFileDialog dialog(m_parent, request.title, request.initialFolder);
    const bool save = request.kind == FileDialogRequest::Kind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.filter.isEmpty())
        dialog.setNameFilter(qtFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);

    FileChoice choice;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        choice.outcome = FileChoice::Outcome::Cancelled;
        return choice;
    }
    choice.outcome = FileChoice::Outcome::Chosen;
    choice.path = QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
    choice.title = QFileInfo(choice.path).fileName();
    return choice;
}

} // namespace tv::ui
