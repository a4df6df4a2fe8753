// Hands a column sheet entry to the column dialog model and its confirmed texts back to the sheet.
#include "column_input/column_entry_dialog.h"

namespace tv::column_input {

ColumnEntryTexts columnEntryTexts(const sheets::EntryPayload& payload) {
    return {payload[0], payload[1], payload[2], payload[3], payload[4]};
}

sheets::EntryPayload entryPayload(const ColumnEntryTexts& texts) {
    return {texts.EntryPaintList, texts.EntryMainRecord, texts.EntryWeldListA, texts.EntryWeldListB,
            texts.EntryPlateList};
}

ColumnEntryDialog::ColumnEntryDialog(const shell::DataRoot& root, const lists::MemberLists& lists,
                                     InputDialogState& shared, services::Prompter& prompter, Session session)
    : m_root(root), m_lists(lists), m_shared(shared), m_prompter(prompter), m_session(std::move(session)) {}

std::optional<sheets::EntryDialogResult> ColumnEntryDialog::edit(const sheets::EntryPayload& payload) {
    ColumnReferenceLoad reference = loadColumnReferenceLists(m_root);
    if (!reference.error.isEmpty()) {
        m_prompter.tellFailure(reference.error);
        return std::nullopt;
    }
    HasiraInpForm form(m_lists, m_shared, std::move(reference.lists), m_prompter);
    form.open(columnEntryTexts(payload));
    if (!form.isClosed()) // an entry the dialog refused to read is not shown
        m_session(form);
    if (!form.isClosed())
        form.cancel();
    // An empty main record means nothing is to change.
    if (form.EntryPayload().EntryMainRecord.isEmpty())
        return std::nullopt;
    return sheets::EntryDialogResult{entryPayload(form.EntryPayload()), {}, form.addsNewEntry()};
}

} // namespace tv::column_input
