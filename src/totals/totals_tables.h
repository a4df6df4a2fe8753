// The six totals tables and the operations that add one contribution to them.
//
// Every cell is text, as on screen. A quantity is summed by reading the cell and the contribution as
// numbers, adding them in double precision and writing the formatted sum back, so each format's
// rounding is applied after every addition. An add finds the first data row (from row 1 down) whose
// match columns hold the given texts, or appends a row at the end, then writes the row.
#pragma once

#include "services/text_grid.h"

#include <QString>

#include <array>

namespace tv::totals {

enum class TableId { Steel = 0, Weld = 1, Bolt = 2, Coating = 3, Galv = 4, Joint = 5 };
inline constexpr int kTableCount = 6;

// Column counts of the tables.
inline constexpr int kSteelColumns = 9;
inline constexpr int kWeldColumns = 6;
inline constexpr int kBoltColumns = 5;
inline constexpr int kCoatingColumns = 4;
inline constexpr int kGalvColumns = 8;
inline constexpr int kJointColumns = 9;

// Format modes of AddQuantityText.
enum QuantityMode : int {
    QuantityModeDecimal = 0, // "###0.#0"
    QuantityModeCount = 1,   // "###", a zero sum is empty text
};

// The sum of two quantity texts, formatted with `mode`; text without a leading number reads as 0.
QString AddQuantityText(const QString& current, const QString& added, int mode);

// "C鋼" and "2C鋼" as the steel table names them; any other name unchanged.
QString steelDisplayName(const QString& name);

class TotalsTables {
public:
    // The six tables, each with its header row only.
    TotalsTables();

    services::TextGrid& table(TableId id) { return m_tables[size_t(id)]; }
    const services::TextGrid& table(TableId id) const { return m_tables[size_t(id)]; }

    // Empties every table down to its header row.
    void clear();

    void AddSteel(const QString& code, const QString& name, const QString& grade, const QString& size,
                  const QString& quantity, const QString& unit);
    void AddWeld(const QString& weldClass, const QString& thickness, const QString& length);
    void AddBolt(const QString& grade, const QString& diameter, const QString& length, const QString& count);
    void AddCoating(const QString& coatingClass, const QString& thickness, const QString& area);
    // Matches name, size and unit: a row sums quantities of one unit only.
    void AddGalvanized(const QString& code, const QString& name, const QString& size, const QString& quantity,
                       const QString& unit);
    // A splice plate of a joint: kind code "1", name "普通鋼板", unit "m2".
    void AddJointPlate(const QString& grade, const QString& thickness, const QString& area);
    // The bolts of a joint: kind code "2", name "BOLT", size diameter + "：" + length, unit "本".
    void AddJointBolt(const QString& kind, const QString& diameter, const QString& length,
                      const QString& count);

private:
    std::array<services::TextGrid, kTableCount> m_tables;
};

// The header row texts of a table, column 0 first.
const QStringList& headerTexts(TableId id);
// Merges the header cells shown as one ("数量" and "単位重量" of the tables with weights).
void addHeaderSpans(TableId id, services::TextGrid& grid);

} // namespace tv::totals
