// RunTotals: empties the six tables, adds every work-file row, finishes and orders the tables.
//
// The three work files are read before any table changes: when one is missing or cannot be read,
// the run stops with a message naming it and the tables keep what they held.
#pragma once

#include "lists/member_lists.h"
#include "registries/buzai_weight_table.h"
#include "registries/kansan_table.h"
#include "services/status.h"
#include "shell/data_root.h"
#include "totals/totals_finish.h"
#include "totals/totals_tables.h"

#include <QList>

namespace tv::totals {

// What a run needs besides the work files; loaded when the totals window opens.
struct TotalsRegistries {
    lists::MemberLists lists;
    registries::BuzaiWeightTable weights;
    registries::KansanTable rates;
};

// Loads the member lists and the two registries of `root`; a file that cannot be read stops the
// load with its message.
services::Status loadTotalsRegistries(const shell::DataRoot& root, lists::MemberLists& lists,
                                      registries::BuzaiWeightTable& weights, registries::KansanTable& rates);

struct TotalsOutcome {
    QString error;     // a work file could not be read: nothing changed
    FinishFlags flags; // registrations found missing

    bool ok() const { return error.isEmpty(); }
};

TotalsOutcome RunTotals(TotalsTables& tables, const shell::DataRoot& root,
                        const QList<lists::JointListEntry>& joints,
                        const registries::BuzaiWeightTable& weights, const registries::KansanTable& rates);

struct TotalsMessage {
    QString text; // lines separated by "\n"
    QString title;
};

// The messages that close a completed run: the missing registrations, then "終了しました。".
QList<TotalsMessage> closingMessages(const FinishFlags& flags);

// The table as the clipboard takes it: cells joined by TAB, rows joined by `rowSeparator`.
QString tableText(const services::TextGrid& table, QStringView rowSeparator = u"\r");

} // namespace tv::totals
