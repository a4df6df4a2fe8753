// The dialog never asks before overwriting: the callers check names themselves and say why.
#include "ui/common/qt_file_chooser.h"

#include "ui/common/screen_fit.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QTreeView>

namespace tv::ui {

using services::FileChoice;
using services::FileDialogRequest;

namespace {

// The file list's column captions in Japanese, whatever translations are installed.
class JapaneseColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static const QStringList captions{QStringLiteral("名前"), QStringLiteral("サイズ"),
                                          QStringLiteral("種類"), QStringLiteral("更新日時")};
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
            section < captions.size())
            return captions[section];
        return QIdentityProxyModel::headerData(section, orientation, role);
    }
};

// Japanese captions for the dialog's labels and buttons, and columns as wide as their contents.
void makeJapanese(QFileDialog& dialog, bool save) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setProxyModel(new JapaneseColumns(&dialog));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("場所:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("ファイル名:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ファイルの種類:"));
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("保存") : QStringLiteral("開く"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
    dialog.setViewMode(QFileDialog::Detail);
    if (auto* view = dialog.findChild<QTreeView*>()) {
        view->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        view->header()->setStretchLastSection(false);
    }
    const QRect area = clientAreaFor(&dialog);
    const QSize size(760, 460);
    fitOnScreen(&dialog, size, area.center() - QPoint(size.width() / 2, size.height() / 2));
}

} // namespace

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
    makeJapanese(dialog, save);
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
