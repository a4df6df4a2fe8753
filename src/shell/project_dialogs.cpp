// Dialog settings, outcomes and messages of the project dialogs.
#include "shell/project_dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace tv::shell {

using services::FileChoice;
using services::FileDialogRequest;
using services::PromptAnswer;
using services::PromptButtons;

namespace {

// The folder part of a chosen path: the full path without its title.
QString folderOf(const FileChoice& choice) {
    return choice.path.left(choice.path.size() - choice.title.size());
}

// Whether the folder holds a file whose name equals `title` (as the file system compares names).
bool folderHolds(const QString& folder, const QString& title) {
    return QFileInfo(QDir(folder.isEmpty() ? QStringLiteral(".") : folder), title).isFile();
}

FileDialogRequest bundleRequest(const DataRoot& root, FileDialogRequest::Kind kind, const QString& title) {
    FileDialogRequest request;
    request.kind = kind;
    request.title = title;
    request.filter = kBundleFilter.toString();
    request.initialFolder = root.folder(kDataFolder);
    request.defaultExtension = kBundleExtension.toString();
    return request;
}

} // namespace

QString projectNameOf(const QString& title) {
    const QString extension = u'.' + kBundleExtension.toString();
    return title.endsWith(extension, Qt::CaseInsensitive) ? title.chopped(extension.size()) : title;
}

std::optional<ProjectChoice> runNewProjectDialog(const DataRoot& root, services::FileChooser& chooser,
                                                 services::Prompter& prompter) {
    const QString caption = QStringLiteral("新規物件作成");
    const FileChoice choice = chooser.choose(bundleRequest(root, FileDialogRequest::Kind::Save, caption));
    if (choice.outcome == FileChoice::Outcome::Cancelled)
        return std::nullopt;
    if (choice.outcome == FileChoice::Outcome::Failed || choice.title.isEmpty()) {
        prompter.tell(QStringLiteral("エラー(Kutai:NewFile)1"), QStringLiteral("チェック"));
        return std::nullopt;
    }
    if (folderHolds(folderOf(choice), choice.title)) {
        prompter.tell(choice.title + u'\n' + QStringLiteral("同じ名前の物件があります。") + u'\n' +
                          QStringLiteral("名前を変更してください。"),
                      caption);
        return std::nullopt;
    }
    return ProjectChoice{projectNameOf(choice.title), choice.path};
}

std::optional<ProjectChoice> runOpenDialog(const DataRoot& root, const QString& currentName,
                                           services::FileChooser& chooser, services::Prompter& prompter) {
    const FileChoice choice =
        chooser.choose(bundleRequest(root, FileDialogRequest::Kind::Open, QStringLiteral("物件データを開く")));
    if (choice.outcome == FileChoice::Outcome::Cancelled)
        return std::nullopt;
    if (choice.outcome == FileChoice::Outcome::Failed) {
        prompter.tell(QStringLiteral("エラー(Kutai:FileOpen)1"), QStringLiteral("チェック"));
        return std::nullopt;
    }
    if (choice.title.isEmpty())
        return std::nullopt;
    const QString name = projectNameOf(choice.title);
    if (name == currentName) {
        const PromptAnswer reload =
            prompter.ask(QStringLiteral("現在開かれています。再読込しますか？") + u'\n' +
                             QStringLiteral("開こうとしているデータが現在のものと同じか新しいかを必ず確認してください。"),
                         QStringLiteral("確認"), PromptButtons::OkCancel);
        if (reload != PromptAnswer::Ok)
            return std::nullopt;
    }
    if (!folderHolds(folderOf(choice), choice.title)) {
        prompter.tell(QStringLiteral("ファイルがありません。"), QStringLiteral("読込エラー"));
        return std::nullopt;
    }
    return ProjectChoice{name, choice.path};
}

} // namespace tv::shell
