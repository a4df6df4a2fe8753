// A missing file is never laid down behind the user's back: an empty file would pass for one whose
// records were all deleted, and the totals would count it as such.
#include "shell/missing_files.h"

#include "shell/durable_file.h"
#include "shell/record_file.h"

#include <QFileInfo>

namespace tv::shell {

using services::PromptAnswer;
using services::PromptButtons;

bool offerToCreateMissing(const QStringList& paths, services::Prompter& prompter) {
    for (const QString& path : paths) {
        if (QFileInfo::exists(path))
            continue;
        const QString question =
            missingFileMessage(path) +
            QStringLiteral(
                "\n空のファイルを作成しますか？\n作成すると、このファイルのデータは空になります。");
        if (prompter.ask(question, QStringLiteral("確認"), PromptButtons::YesNo) != PromptAnswer::Yes)
            return false;
        const services::Status created = writeLines(path, {});
        if (!created.ok()) {
            prompter.tellFailure(created.error);
            return false;
        }
    }
    return true;
}

} // namespace tv::shell
