// Expansion of the column entry texts into sheet rows.
#include "sheets/column_entry_expansion.h"

#include "sheets/sheet_layout.h"

#include <array>

namespace tv::sheets {

namespace {

constexpr QChar kListSeparator = u'･';

enum PayloadText { PaintList = 0, MainRecord = 1, WeldListA = 2, WeldListB = 3, PlateList = 4 };

// Rows that grow as cells are written into them.
class RowBlock {
public:
    void set(int row, int column, const QString& text) {
        while (m_rows.size() <= row)
            m_rows.append(QStringList(kSheetColumns));
        m_rows[row][column] = text;
    }
    QList<QStringList> take() {
        while (!m_rows.isEmpty() && isBlank(m_rows.last()))
            m_rows.removeLast();
        return std::move(m_rows);
    }

private:
    static bool isBlank(const QStringList& row) {
        for (int c = kFirstCell; c <= kLastCell; ++c)
            if (!row[c].isEmpty())
                return false;
        return true;
    }
    QList<QStringList> m_rows;
};

// The complete groups of `count` fields of an entry text.
QList<QStringList> groupsOf(const QString& text, int count) {
    const QStringList fields = text.split(kListSeparator);
    QList<QStringList> groups;
    for (qsizetype first = 0; first + count <= fields.size(); first += count)
        groups.append(fields.mid(first, count));
    return groups;
}

struct PlateName {
    QStringView name;
    QStringView abbreviation;
};

constexpr std::array<PlateName, 7> kPlateNames{{
    {u"ベースプレート", u"BASE.PL"},
    {u"ダイアフラム", u"DIA.PL"},
    {u"ガセット", u"G.PL"},
    {u"スチフナー", u"ST.PL"},
    {u"リブ", u"RB.PL"},
    {u"スプライス", u"SP.PL"},
    {u"平鋼", u"FLB.PL"},
}};

QString plateAbbreviation(const QString& name) {
    for (const PlateName& p : kPlateNames)
        if (name == p.name)
            return p.abbreviation.toString();
    return QStringLiteral("PL");
}

// The member's size text: a tube's size gets its shape sign, an H section stays as it is, and other
// section kinds show no size on the member row.
QString memberSize(const QString& name, const QString& size) {
    if (name == u"鋼管(角)")
        return QStringLiteral("□-") + size;
    if (name == u"鋼管(丸)")
        return QStringLiteral("○-") + size;
    if (name == u"H鋼")
        return size;
    return QString();
}

// Member rows from the grades and sizes field; returns how many were made.
int addMemberRows(RowBlock& rows, const QStringList& main) {
    const QString& name = main.value(1);
    const QStringList parts = main.value(2).split(u' ');
    const auto memberRow = [&](int row, const QString& grade, const QString& kind, const QString& size) {
        rows.set(row, 5, grade);
        rows.set(row, 6, kind);
        rows.set(row, 7, size);
        rows.set(row, 8, main.value(5));
        rows.set(row, 9, main.value(6));
    };
    if (parts.size() == 2) {
        memberRow(0, parts[0], name, memberSize(name, parts[1]));
        return 1;
    }
    if (parts.size() != 4 && parts.size() != 6)
        return 0;
    memberRow(0, parts[0], name, parts[1]);
    const int count = int(parts.size()) / 2;
    for (int i = 1; i < count; ++i)
        memberRow(i, parts[2 * i], QStringLiteral("CT鋼"), parts[2 * i + 1]);
    return count;
}

void setWeld(RowBlock& rows, int row, const QString& method, const QString& joint, const QString& sides,
             const QString& thickness, const QString& quantity) {
    rows.set(row, 12, method);
    rows.set(row, 13, joint);
    rows.set(row, 14, sides);
    rows.set(row, 15, thickness);
    rows.set(row, 16, quantity);
}

} // namespace

QList<QStringList> ExpandColumnEntry(const EntryPayload& payload) {
    RowBlock rows;
    const QStringList main = payload[MainRecord].split(kListSeparator);
    rows.set(0, kKindColumn, QStringLiteral("柱"));
    rows.set(0, 17, main.value(0));
    rows.set(0, 18, main.value(15));
    rows.set(0, 19, main.value(16));

    const int memberRows = addMemberRows(rows, main);

    rows.set(0, kFloorColumn, QString(main.value(3)).remove(u'階'));
    rows.set(0, kMarkColumn, main.value(4));
    rows.set(0, 4, main.value(9));
    rows.set(0, 10, main.value(7));
    if (!main.value(7).isEmpty())
        rows.set(0, 11, QStringLiteral("1"));

    // A weld row left empty in the dialog shows nothing: the rows after it follow on without a gap.
    int weld = 0;
    const auto addWeldList = [&](const QString& text) {
        for (const QStringList& w : groupsOf(text, kWeldLineFields))
            if (!(w[0] + w[1] + w[2] + w[3] + w[6]).isEmpty())
                setWeld(rows, weld++, w[0], w[1], w[2], w[3], w[6]);
    };
    if (main.value(11) == u"0")
        addWeldList(payload[WeldListA]);
    if (main.value(12) == u"0")
        addWeldList(payload[WeldListB]);

    int plateRow = memberRows;
    int bolt = 0;
    for (const QStringList& p : groupsOf(payload[PlateList], kPlateLineFields)) {
        if (!p[2].isEmpty()) {
            const QString abbreviation = plateAbbreviation(p[0]);
            const bool flatBar = abbreviation == u"FLB.PL";
            rows.set(plateRow, 5, p[1]);
            rows.set(plateRow, 6, abbreviation);
            rows.set(plateRow, 7,
                     flatBar ? QStringLiteral("FLB-") + p[2] + u'×' + p[3]
                             : QStringLiteral("PL-") + p[2] + u'×' + p[3] + u'×' + p[4]);
            if (flatBar)
                rows.set(plateRow, 8, p[4]);
            rows.set(plateRow, 9, p[5]);
            ++plateRow;
        }
        if (!p[6].isEmpty())
            setWeld(rows, weld++, p[6], p[7], p[8], p[9], p[11]);
        if (!p[12].isEmpty()) {
            rows.set(bolt, 20, p[12]);
            rows.set(bolt, 21, p[13]);
            rows.set(bolt, 22, p[15]);
            rows.set(bolt, 23, p[17]);
            ++bolt;
        }
    }

    int coating = 1;
    for (const QStringList& c : groupsOf(payload[PaintList], kPaintLineFields)) {
        if (c[0].isEmpty())
            continue;
        rows.set(coating, 17, c[0] + u':' + c[1]);
        rows.set(coating, 18, c[3]);
        rows.set(coating, 19, c[6]);
        ++coating;
    }

    for (int i = 0; i < int(payload.size()); ++i)
        rows.set(0, kFirstEntryText + i, payload[size_t(i)]);
    return rows.take();
}

} // namespace tv::sheets
