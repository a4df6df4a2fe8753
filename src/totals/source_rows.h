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

// Kind codes of the steel table for what is not a section shape (see shapeCode for the shapes).
inline const QString kPlateCode = QStringLiteral("14");
inline const QString kFlatBarCode = QStringLiteral("15");
inline const QString kDeckCode = QStringLiteral("16");

// The steel table's kind code of a section shape, from sheet rows or from secondary rows; empty when
// the name is not a shape of that source. Both sources share one code per kind, so a group of the
// table never mixes kinds.
QString sheetShapeCode(const QString& name);
QString secondaryShapeCode(const QString& name);

// Kind codes of the galvanizing table, and the unit of each: sections are measured in metres,
// plates and decks in square metres.
inline const QString kGalvShapeCode = QStringLiteral("1");
inline const QString kGalvPlateCode = QStringLiteral("2");
inline const QString kGalvFlatBarCode = QStringLiteral("3");
inline const QString kGalvDeckCode = QStringLiteral("4");
inline const QString kMetres = QStringLiteral("m");
inline const QString kSquareMetres = QStringLiteral("m2");

} // namespace tv::totals::sources
