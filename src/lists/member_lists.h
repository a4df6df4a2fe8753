// The registered columns, beams and joints of the open project (sections by floor and mark), held for the
// whole run.
//
// Invariants of every list:
// 1. It holds at least one element and its last element is always an empty entry; an empty list
//    is that one element.
// 2. An entry whose first field (Floor for columns and beams, Mark for joints) is empty counts as
//    deleted: displays, lookups and the save skip it. Deleting blanks the first field only; the slot
//    stays until the next load.
// 3. The order is the order of the file lines, which is the order the list window last arranged.
// Parts of one field are joined by "･" without escaping, so stored values never hold it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>

namespace tv::lists {

// Joins the parts of one field (sections, joint lines).
inline constexpr QChar kPartSeparator = QChar(0xFF65); // ･
// Joins the five lines of one joint group inside a list line.
inline constexpr QChar kGroupSeparator = u':';

// Number of parts of each kind of field.
inline constexpr int kSectionParts = 6; // 規格 型 高 巾 W厚 F厚 (column ①, beam centre and end)
inline constexpr int kCutTeeParts = 5;  // 規格 CT=高 巾 W厚 F厚 (column ② and ③)
inline constexpr int kBoltLineParts = 8; // 規格 厚 巾 長 枚 種類 呼径 本 (joint flange and web lines)
inline constexpr int kFillerLineParts = 5; // 規格 厚 巾 長 枚 (joint filler lines)
inline constexpr int kJointLines = 5;      // lines per joint group

// Shape captions of a column.
inline constexpr QStringView kShapeH = u"H鋼";
inline constexpr QStringView kShapeSquareTube = u"鋼管(角)";
inline constexpr QStringView kShapeRoundTube = u"鋼管(丸)";
// The floor text of a secondary beam.
inline constexpr QStringView kSecondaryBeamFloor = u"小梁";

struct HasiraListEntry {
    QString Floor;
    QString Mark;
    QString Shape;
    QString Spec1; // six parts
    QString Spec2; // five parts
    QString Spec3; // five parts
    QString Reserved1;
    QString Reserved2;

    bool isDeleted() const { return Floor.isEmpty(); }
    bool operator==(const HasiraListEntry&) const = default;
};

struct HariListEntry {
    QString Floor;
    QString Mark;
    QString Centre; // six parts
    QString End;    // six parts; all empty means the same as the centre

    bool isDeleted() const { return Floor.isEmpty(); }
    bool operator==(const HariListEntry&) const = default;
};

using JointLines = std::array<QString, kJointLines>;

struct JointListEntry {
    QString Mark;
    JointLines FlangeLines; // eight parts each
    JointLines WebLines;    // eight parts each
    JointLines FillerLines; // five parts each
    QString Galvanized;     // "1" for a hot-dip galvanized member, else "0"

    bool isDeleted() const { return Mark.isEmpty(); }
    bool operator==(const JointListEntry&) const = default;
};

struct MemberLists {
    QList<HasiraListEntry> HasiraList{HasiraListEntry{}};
    QList<HariListEntry> HariList{HariListEntry{}};
    QList<JointListEntry> JointList{JointListEntry{}};
};

// Adds `entry` in place of the empty last element and puts a new empty element after it.
template <typename Entry> void appendEntry(QList<Entry>& list, Entry entry) {
    if (list.isEmpty())
        list.append(Entry{});
    list.last() = std::move(entry);
    list.append(Entry{});
}

// Joins parts with "･".
QString joinParts(const QStringList& parts);

// Splits a field at "･" into exactly `count` parts: missing parts are empty, surplus parts dropped.
QStringList splitParts(const QString& field, int count);

// The stored form of a line whose parts are all empty ("･" count - 1 times).
QString emptyLine(int parts);

} // namespace tv::lists
