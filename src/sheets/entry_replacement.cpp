// The replacement question of the entry dialogs' OK.
#include "sheets/entry_replacement.h"

#include "services/text.h"

namespace tv::sheets {

namespace {

const QString kFloorSuffix = QStringLiteral("階");

QString floorOnly(const QString& floor) {
    return services::Trim(QString(floor).remove(kFloorSuffix));
}

QString shown(const EntryName& name) {
    return floorOnly(name.floor) + kFloorSuffix + u' ' + name.mark;
}

} // namespace

EntryPlacement askEntryPlacement(services::Prompter& prompter, const EntryName& opened,
                                 const EntryName& confirmed) {
    if (opened.mark.isEmpty() && floorOnly(opened.floor).isEmpty())
        return EntryPlacement::Replace;
    if (services::SameIdentifier(floorOnly(opened.floor), floorOnly(confirmed.floor)) &&
        services::SameIdentifier(opened.mark, confirmed.mark))
        return EntryPlacement::Replace;
    const QString question =
        QStringLiteral("%1 の入力を %2 で置き換えますか？").arg(shown(opened), shown(confirmed));
    switch (prompter.ask(question, QStringLiteral("確認"), services::PromptButtons::YesNoCancel)) {
    case services::PromptAnswer::Yes:
        return EntryPlacement::Replace;
    case services::PromptAnswer::No:
        return EntryPlacement::AddNew;
    default:
        return EntryPlacement::BackToDialog;
    }
}

} // namespace tv::sheets
