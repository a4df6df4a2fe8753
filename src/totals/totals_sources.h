// Where the totals come from: the rows of the three work files, and how each row adds to the tables.
//
// A row is kept as its split record: position k is cell k (position 0 the tag, never examined). A
// line with fewer cells than its layout counts with the missing cells empty.
#pragma once

#include "lists/member_lists.h"
#include "shell/data_root.h"
#include "totals/totals_tables.h"

#include <QList>
#include <QStringList>

namespace tv::totals {

using WorkRow = QStringList;

struct WorkRows {
    QList<WorkRow> sheetRows;     // the column sheet's rows, then the beam sheet's, in file order
    QList<WorkRow> secondaryRows; // the secondary-member sheet's rows
};

struct WorkRowsRead {
    WorkRows rows;
    QString error; // a message naming the file that is missing or cannot be read
};

// Reads WorkData-1.ini, WorkData-2.ini and WorkData-3.ini. A missing file is an error: the totals
// never take a lost file for an empty one.
WorkRowsRead readWorkRows(const shell::DataRoot& root);

// The six passes over the column and beam rows (members, joints, welds, bolts, painting and
// coating, galvanizing), each over the whole sequence from the top.
void addSheetRows(TotalsTables& tables, const QList<WorkRow>& rows,
                  const QList<lists::JointListEntry>& joints);

// The three passes over the secondary-member rows (members, welds, painting and galvanizing).
void addSecondaryRows(TotalsTables& tables, const QList<WorkRow>& rows);

} // namespace tv::totals
