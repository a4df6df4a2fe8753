// Fixtures of the sheet tests: work-file lines, a scripted entry dialog, a fresh data root.
#pragma once

#include "sheets/entry_dialog.h"
#include "sheets/sheet_layout.h"
#include "shell/record_file.h"

#include <QList>
#include <QStringList>

#include <optional>

namespace tv::test {

// A work-file line: the tag, then `cells` from column 1, padded with empty cells to column 28.
inline QString workLine(const QString& tag, QStringList cells) {
    cells.resize(sheets::kLastCell);
    return shell::joinRecord(tag, cells);
}

// The five texts of a column entry of `rows` member rows (1 to 3) for floor 2, `mark` and `length`.
inline sheets::EntryPayload columnPayload(const QString& mark, int rows = 1,
                                          const QString& length = QStringLiteral("3500")) {
    QStringList sizes{QStringLiteral("SN490B"), QStringLiteral("400*200")};
    for (int i = 1; i < rows; ++i)
        sizes << QStringLiteral("SN490B") << QStringLiteral("175*200");
    QStringList main(17);
    main[1] = QStringLiteral("H鋼");
    main[2] = sizes.join(u' ');
    main[3] = QStringLiteral("2階");
    main[4] = mark;
    main[5] = length;
    main[6] = QStringLiteral("1");
    return {QString(), main.join(u'･'), QString(), QString(), QString()};
}

inline sheets::EntryDialogResult columnResult(const QString& mark, int rows = 1,
                                              const QString& length = QStringLiteral("3500")) {
    return {columnPayload(mark, rows, length), {}};
}

// The cells 1 to 28 of a grid row.
inline QStringList rowCells(const services::TextGrid& grid, int row) {
    return grid.rowTexts(row).mid(sheets::kFirstCell, sheets::kLastCell);
}

// Answers each edit() with the next scripted result (nullopt = cancelled) and keeps what it was given.
class ScriptedEntryDialog : public sheets::EntryDialog {
public:
    ScriptedEntryDialog& answer(std::optional<sheets::EntryDialogResult> result) {
        m_results.append(std::move(result));
        return *this;
    }
    std::optional<sheets::EntryDialogResult> edit(const sheets::EntryPayload& payload) override {
        received.append(payload);
        return m_results.isEmpty() ? std::nullopt : m_results.takeFirst();
    }
    bool allAnswered() const { return m_results.isEmpty(); }

    QList<sheets::EntryPayload> received;

private:
    QList<std::optional<sheets::EntryDialogResult>> m_results;
};

} // namespace tv::test
