// The column and beam rows as contributions: members, joints expanded through the joint list,
// welds, bolts, painting and coating, galvanizing.
#include "services/bolt_length.h"
#include "services/format_number.h"
#include "services/formula.h"
#include "services/num.h"
#include "services/single_precision.h"
#include "services/text.h"
#include "totals/source_rows.h"

#include <QHash>

namespace tv::totals {

using services::Num;
using namespace sources;

namespace {

// Eval(x) and mm(x) of the rows, remembered for one run: sheets repeat the same lengths, counts and
// sizes on thousands of rows, and both are pure functions of their text.
class Memo {
public:
    QString Eval(const QString& formula) {
        auto found = m_evals.constFind(formula);
        if (found == m_evals.cend())
            found =
                m_evals.insert(formula, services::EvaluateFormula(formula, services::FormulaModeQuantity));
        return *found;
    }
    // A length in millimetres as metres ("##0.000").
    QString mm(const QString& text) {
        auto found = m_metres.constFind(text);
        if (found == m_metres.cend())
            found = m_metres.insert(text, services::FormatThousandths(services::StoreSingle(Num(text))));
        return *found;
    }

private:
    QHash<QString, QString> m_evals;
    QHash<QString, QString> m_metres;
};

// The length of a row as metres times its pieces: Eval(mm(cell 8) * cell 9).
QString lengthTimesPieces(const WorkRow& row, Memo& memo) {
    return memo.Eval(memo.mm(cell(row, 8)) + u'*' + cell(row, 9));
}

void addSheetMember(TotalsTables& t, const WorkRow& row, Memo& memo) {
    const QString& name = cell(row, 6);
    if (name.isEmpty() || name == kBolt)
        return;
    const QString& grade = cell(row, 5);
    const QString& size = cell(row, 7);
    if (name == kDeck) {
        t.AddSteel(kDeckCode, kDeck, grade, QString(), cell(row, 9), kSquareMetres);
        return;
    }
    if (size.isEmpty())
        return;
    const QString code = sheetShapeCode(name);
    if (!code.isEmpty()) {
        t.AddSteel(code, name, grade, size, lengthTimesPieces(row, memo), kMetres);
        return;
    }
    if (!size.contains(kTimes)) {
        t.AddSteel(kPlateCode, kPlate, grade, withoutPL(size), lengthTimesPieces(row, memo), kSquareMetres);
        return;
    }
    const QStringList p = size.split(kTimes);
    if (size.contains(QStringLiteral("FLB"))) {
        t.AddSteel(kFlatBarCode, kFlatBar, grade, p[0] + kTimes + piece(p, 1), lengthTimesPieces(row, memo),
                   kMetres);
    } else {
        t.AddSteel(kPlateCode, kPlate, grade, withoutPL(p[0]),
                   memo.Eval(memo.mm(piece(p, 1)) + u'*' + memo.mm(piece(p, 2)) + u'*' + cell(row, 9)),
                   kSquareMetres);
    }
}

bool startsWithH(const QString& size) {
    return size.startsWith(QStringLiteral("H-"));
}

// Whether a row continues the entry above it: its kind, floor and mark cells are empty.
bool continuesEntry(const WorkRow& row) {
    return cell(row, 1).isEmpty() && cell(row, 2).isEmpty() && cell(row, 3).isEmpty();
}

// Web and flange thickness of the member a joint mark stands on: from an H size (of the next row
// when that row continues the same entry and also holds one, as the end section of a beam does),
// else 9 and 12 mm. The next entry's member never decides.
void memberThicknesses(const QList<WorkRow>& rows, qsizetype at, float* web, float* flange) {
    *web = 9;
    *flange = 12;
    const QString& own = cell(rows[at], 7);
    if (!startsWithH(own))
        return;
    QString size = own;
    if (at + 1 < rows.size() && continuesEntry(rows[at + 1]) && startsWithH(cell(rows[at + 1], 7)))
        size = cell(rows[at + 1], 7);
    if (!size.contains(kTimes))
        return;
    const QStringList p = size.split(kTimes);
    *web = services::StoreSingle(Num(p[p.size() - 2]));
    *flange = services::StoreSingle(Num(p[p.size() - 1]));
}

// A flange or web line of a joint, split into its eight parts.
void addJointLine(TotalsTables& t, const WorkRow& row, const QStringList& parts, float memberThickness,
                  bool galvanized, Memo& memo) {
    const QString& grade = parts[0];
    const QString& thickness = parts[1];
    const QString& kind = parts[5];
    const QString& diameter = parts[6];
    const QString& members = cell(row, 9);
    const QString& joints = cell(row, 11);
    if (!grade.isEmpty()) {
        const QString area = memo.Eval(memo.mm(parts[2]) + u'*' + memo.mm(parts[3]) + u'*' + parts[4] + u'*' +
                                       members + u'*' + joints);
        t.AddSteel(kPlateCode, kPlate, grade, thickness, area, kSquareMetres);
        t.AddJointPlate(grade, thickness, area);
        if (galvanized)
            t.AddGalvanized(kGalvPlateCode, kPlate, thickness, area, kSquareMetres);
    }
    if (kind.isEmpty())
        return;
    const float grip = services::StoreSingle(2 * Num(thickness) + double(memberThickness));
    const QString length = services::BoltLength(kind, diameter, grip);
    const float perJoint = services::SingleProduct(Num(parts[7]), Num(joints));
    const QString count = services::formatNumber(services::SingleProduct(perJoint, Num(members)), u"###");
    t.AddBolt(kind, diameter, length, count);
    t.AddJointBolt(kind, diameter, length, count);
}

// A registered joint as its marks expand: the lines split once for the whole run, unused lines
// (no grade and no bolt kind) left out.
struct JointExpansion {
    bool galvanized = false;
    QList<QStringList> flangeLines;
    QList<QStringList> webLines;
};

QList<QStringList> usedLines(const lists::JointLines& lines) {
    QList<QStringList> used;
    for (const QString& line : lines) {
        QStringList parts = lists::splitParts(line, lists::kBoltLineParts);
        if (!parts[0].isEmpty() || !parts[5].isEmpty())
            used.append(std::move(parts));
    }
    return used;
}

// The joint entries by mark (half-width), in list order; deleted entries are left out.
QHash<QString, QList<JointExpansion>> jointsByMark(const QList<lists::JointListEntry>& joints) {
    QHash<QString, QList<JointExpansion>> byMark;
    for (const lists::JointListEntry& entry : joints)
        if (!entry.isDeleted())
            byMark[services::HalfWidthIdentifier(entry.Mark)].append(
                {entry.Galvanized == u"1", usedLines(entry.FlangeLines), usedLines(entry.WebLines)});
    return byMark;
}

void addSheetJoints(TotalsTables& t, const QList<WorkRow>& rows, const QList<lists::JointListEntry>& joints,
                    Memo& memo) {
    const auto byMark = jointsByMark(joints);
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString& mark = cell(rows[i], 10);
        if (mark.isEmpty())
            continue;
        const auto found = byMark.constFind(services::HalfWidthIdentifier(mark));
        if (found == byMark.cend())
            continue;
        float web = 0, flange = 0;
        memberThicknesses(rows, i, &web, &flange);
        for (const JointExpansion& joint : *found) {
            for (const QStringList& line : joint.flangeLines)
                addJointLine(t, rows[i], line, flange, joint.galvanized, memo);
            for (const QStringList& line : joint.webLines)
                addJointLine(t, rows[i], line, web, joint.galvanized, memo);
        }
    }
}

void addSheetCoating(TotalsTables& t, const WorkRow& row) {
    const QString& coating = cell(row, 17);
    if (coating == kPainted) {
        t.AddCoating(QStringLiteral("さび止塗装"), QString(), cell(row, 19));
    } else if (coating.contains(u':')) {
        const QStringList p = coating.split(u':');
        t.AddCoating(p[0], p[1], cell(row, 19));
    }
}

// Sections and flat bars are galvanized by length, plates by area.
void addGalvanizedSheetRow(TotalsTables& t, const WorkRow& row, Memo& memo) {
    const QString& name = cell(row, 6);
    const QString& size = cell(row, 7);
    if (!name.contains(QStringLiteral("PL"))) {
        t.AddGalvanized(kGalvShapeCode, name, size, lengthTimesPieces(row, memo), kMetres);
        return;
    }
    if (!size.contains(kTimes)) {
        t.AddGalvanized(kGalvPlateCode, kPlate, withoutPL(size), lengthTimesPieces(row, memo), kSquareMetres);
        return;
    }
    const QStringList p = size.split(kTimes);
    if (size.contains(QStringLiteral("FLB")))
        t.AddGalvanized(kGalvFlatBarCode, kFlatBar, p[0] + kTimes + piece(p, 1), lengthTimesPieces(row, memo),
                        kMetres);
    else
        t.AddGalvanized(kGalvPlateCode, kPlate, withoutPL(p[0]),
                        memo.Eval(memo.mm(piece(p, 1)) + u'*' + memo.mm(piece(p, 2)) + u'*' + cell(row, 9)),
                        kSquareMetres);
}

// A galvanized row covers itself and the rows after it up to the next entry's first row.
void addSheetGalvanizing(TotalsTables& t, const QList<WorkRow>& rows, Memo& memo) {
    for (qsizetype r = 0; r < rows.size(); ++r) {
        if (cell(rows[r], 17) != kGalvanized)
            continue;
        for (qsizetype b = r; b < rows.size(); ++b) {
            if (b > r && !cell(rows[b], 1).isEmpty())
                break;
            if (!cell(rows[b], 7).isEmpty())
                addGalvanizedSheetRow(t, rows[b], memo);
        }
    }
}

} // namespace

void addSheetRows(TotalsTables& t, const QList<WorkRow>& rows, const QList<lists::JointListEntry>& joints) {
    Memo memo;
    for (const WorkRow& row : rows)
        addSheetMember(t, row, memo);
    addSheetJoints(t, rows, joints, memo);
    for (const WorkRow& row : rows) {
        const QString weldClass = cell(row, 12) + cell(row, 13) + cell(row, 14);
        if (!weldClass.isEmpty())
            t.AddWeld(weldClass, cell(row, 15), cell(row, 16));
    }
    for (const WorkRow& row : rows)
        if (!cell(row, 20).isEmpty())
            t.AddBolt(cell(row, 20), cell(row, 21), cell(row, 22), cell(row, 23));
    for (const WorkRow& row : rows)
        addSheetCoating(t, row);
    addSheetGalvanizing(t, rows, memo);
}

} // namespace tv::totals
