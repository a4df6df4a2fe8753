// The three member-list files in the List folder: reading them into the lists and writing them back.
//
// Lines: ZZLH'Floor'Mark'Shape'Spec1'Spec2'Spec3'Reserved1'Reserved2
//        ZZLB'Floor'Mark'Centre'End
//        ZZLJ'Mark'Galvanized'F1:F2:F3:F4:F5'W1:W2:W3:W4:W5'P1:P2:P3:P4:P5
// A line with fewer fields, or a joint group with fewer than five lines, loads with the missing parts
// empty; surplus fields are ignored. A missing file is refused, named, like an unreadable one.
#pragma once

#include "lists/member_lists.h"
#include "services/status.h"
#include "shell/data_root.h"

namespace tv::lists {

inline constexpr QStringView kHasiraListFile = u"HasiraListData.ini";
inline constexpr QStringView kHariListFile = u"HariListData.ini";
inline constexpr QStringView kJointListFile = u"JointListData.ini";

inline constexpr QStringView kHasiraTag = u"ZZLH";
inline constexpr QStringView kHariTag = u"ZZLB";
inline constexpr QStringView kJointTag = u"ZZLJ";

// Rebuilds the three lists from the three files. When a file cannot be read, the lists are left
// empty and the status carries the message naming the file.
services::Status LoadLists(const shell::DataRoot& root, MemberLists& lists);

// Rewrites the three files from the lists, skipping deleted entries. When a value holds a character
// that the code page cannot store, no file is written.
services::Status SaveLists(const shell::DataRoot& root, const MemberLists& lists);

// The file line of one entry.
QString hasiraLine(const HasiraListEntry& entry);
QString hariLine(const HariListEntry& entry);
QString jointLine(const JointListEntry& entry);

} // namespace tv::lists
