// Port: the input dialog that a sheet opens on one of its entries. The sheets know only this port,
// so the column and beam dialogs plug in without the sheets depending on them.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tv::sheets {

// The five hidden texts of an entry, columns 24 to 28 of its first row, in column order; all empty
// for a new entry.
using EntryPayload = std::array<QString, 5>;

// What a confirmed dialog hands back.
struct EntryDialogResult {
    EntryPayload payload;
    // The rows of the new entry when the dialog lays them out itself (the beam dialog): each row
    // holds 29 cells indexed by grid column (cell 0, the entry number, is ignored). Empty when the
    // sheet expands the payload itself (the column sheet).
    QList<QStringList> rows;
    // The user chose to keep the entry the dialog was opened on and add this one as a further entry.
    bool addAsNew = false;
};

class EntryDialog {
public:
    virtual ~EntryDialog() = default;
    // Shows the dialog modally on `payload`; nullopt when it was cancelled (nothing changes).
    virtual std::optional<EntryDialogResult> edit(const EntryPayload& payload) = 0;
};

} // namespace tv::sheets
