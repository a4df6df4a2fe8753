// The totals run and its closing messages.
#include "totals/totals_run.h"

#include "lists/list_files.h"
#include "shell/data_root.h"
#include "totals/totals_sources.h"

namespace tv::totals {

services::Status loadTotalsRegistries(const shell::DataRoot& root, lists::MemberLists& lists,
                                      registries::BuzaiWeightTable& weights, registries::KansanTable& rates) {
    services::Status status = lists::LoadLists(root, lists);
    if (status.ok())
        status = weights.load(root.file(shell::kSetFolder, registries::kBuzaiWeightFile));
    if (status.ok())
        status = rates.load(root.file(shell::kSetFolder, registries::kKansanFile));
    return status;
}

TotalsOutcome RunTotals(TotalsTables& tables, const shell::DataRoot& root,
                        const QList<lists::JointListEntry>& joints,
                        const registries::BuzaiWeightTable& weights, const registries::KansanTable& rates) {
    const WorkRowsRead read = readWorkRows(root);
    if (!read.error.isEmpty())
        return {read.error + QStringLiteral("\n集計は行いませんでした。"), {}};
    tables.clear();
    addSheetRows(tables, read.rows.sheetRows, joints);
    addSecondaryRows(tables, read.rows.secondaryRows);
    TotalsOutcome outcome;
    outcome.flags = finishTables(tables, weights, rates);
    orderTables(tables);
    return outcome;
}

QList<TotalsMessage> closingMessages(const FinishFlags& flags) {
    const QString again = QStringLiteral("\n登録後再度集計してください。");
    QList<TotalsMessage> messages;
    if (flags.unitWeightMissing)
        messages.append(
            {QStringLiteral("単位重量が登録されていない部材があります。") + again, QStringLiteral("確認")});
    if (flags.weldRateMissing)
        messages.append(
            {QStringLiteral("溶接換算率が登録されていない部材があります。") + again, QStringLiteral("確認")});
    messages.append({QStringLiteral("終了しました。"), QStringLiteral("集計")});
    return messages;
}

QString tableText(const services::TextGrid& table, QStringView rowSeparator) {
    QString text;
    for (int row = 0; row < table.rowCount(); ++row) {
        if (row > 0)
            text += rowSeparator;
        text += table.rowTexts(row).join(u'\t');
    }
    return text;
}

} // namespace tv::totals
