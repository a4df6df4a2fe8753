// Work-file lines and table checks shared by the totals tests.
#pragma once

#include "services/text_grid.h"

#include <QMap>
#include <QStringList>
#include <QTest>

namespace tv::test {

// A work-file record: the tag, then cells 1 … `cells`, each from `values` or empty.
inline QStringList workRecord(const QString& tag, const QMap<int, QString>& values, int cells) {
    QStringList record{tag};
    for (int k = 1; k <= cells; ++k)
        record.append(values.value(k));
    return record;
}
inline QStringList sheetRecord(const QMap<int, QString>& values) {
    return workRecord(QStringLiteral("ZZ01"), values, 28);
}
inline QStringList secondaryRecord(const QMap<int, QString>& values) {
    return workRecord(QStringLiteral("ZZ03"), values, 25);
}
inline QString line(const QStringList& record) {
    return record.join(u'\'');
}

// The data rows of a grid (row 1 on), all columns.
inline QList<QStringList> dataRows(const services::TextGrid& grid) {
    QList<QStringList> rows;
    for (int row = 1; row < grid.rowCount(); ++row)
        rows.append(grid.rowTexts(row));
    return rows;
}

} // namespace tv::test

// Compares a grid's data rows with the expected rows, naming the first differing cell.
#define TV_COMPARE_ROWS(grid, expected)                                                                      \
    do {                                                                                                     \
        const QList<QStringList> actualRows = tv::test::dataRows(grid);                                      \
        const QList<QStringList> expectedRows = (expected);                                                  \
        for (qsizetype r = 0; r < qMin(actualRows.size(), expectedRows.size()); ++r)                         \
            for (qsizetype c = 0; c < qMax(actualRows[r].size(), expectedRows[r].size()); ++c)               \
                QVERIFY2(actualRows[r].value(c) == expectedRows[r].value(c),                                 \
                         qPrintable(QStringLiteral("row %1 column %2: \"%3\", expected \"%4\"")              \
                                        .arg(r + 1)                                                          \
                                        .arg(c)                                                              \
                                        .arg(actualRows[r].value(c), expectedRows[r].value(c))));            \
        QCOMPARE(actualRows.size(), expectedRows.size());                                                    \
    } while (false)
