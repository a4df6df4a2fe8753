// What OK in an entry dialog does with the entry the dialog was opened on when the confirmed entry
// names another floor or mark: the user is asked whether it replaces that entry or is added beside it.
#pragma once

#include "services/prompter.h"

#include <QString>

namespace tv::sheets {

// The floor ("2" or "2階") and mark that name an entry; both empty for a new entry.
struct EntryName {
    QString floor;
    QString mark;
};

enum class EntryPlacement {
    Replace,      // the confirmed entry takes the place of the opened one
    AddNew,       // the confirmed entry is a further entry; the opened one stays
    BackToDialog, // nothing is stored, the dialog stays open
};

// Replace without a question when the dialog was opened on a new entry or floor and mark are the
// same (full-width and half-width forms are one); otherwise asks
// "2階 G1 の入力を 2階 G2 で置き換えますか？" with はい (Replace), いいえ (AddNew) and キャンセル
// (BackToDialog).
EntryPlacement askEntryPlacement(services::Prompter& prompter, const EntryName& opened,
                                 const EntryName& confirmed);

} // namespace tv::sheets
