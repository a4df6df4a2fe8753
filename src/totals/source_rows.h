// Internal to the totals' sources: how a work-file row is read, and the names and codes that the
// sheet and secondary-member rules share.
#pragma once

#include "totals/totals_sources.h"

#include <QString>
#include <QStringList>

namespace tv::totals::sources {

inline constexpr QChar kTimes = QChar(0x00D7); // ×, the sign between the pieces of a size

inline const QString kPlate = QStringLiteral("普通鋼板");
inline const QString kFlatBar = QStringLiteral("平鋼");
inline const QString kDeck = QStringLiteral("床版");
inline const QString kBolt = QStringLiteral("BOLT");
inline const QString kGalvanized = QStringLiteral("溶融亜鉛");
inline const QString kPainted = QStringLiteral("塗装有");

// Cell k of a row; a line cut short has its missing cells empty.
inline const QString& cell(const WorkRow& row, int k) {
    static const QString missing;
    return k < row.size() ? row[k] : missing;
}

// Piece `index` of a size split at "×"; a missing piece is empty and reads as 0.
inline QString piece(const QStringList& pieces, qsizetype index) {
    return pieces.value(index);
}

inline QString withoutPL(QString text) {
    return text.remove(QStringLiteral("PL-"));
}

// The kind code of a shape name on sheet rows and on secondary rows; empty when the name is not a
// shape there.
QString sheetShapeCode(const QString& name);
QString secondaryShapeCode(const QString& name);

} // namespace tv::totals::sources
