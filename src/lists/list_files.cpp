// Reading and writing the member-list files.
#include "lists/list_files.h"

#include "services/cp932.h"
#include "shell/record_file.h"

namespace tv::lists {

using services::Status;
using shell::fieldAt;

namespace {

JointLines splitGroup(const QString& field) {
    const QStringList lines = field.split(kGroupSeparator);
    JointLines group;
    for (int i = 0; i < kJointLines; ++i)
        group[i] = fieldAt(lines, i);
    return group;
}

QString joinGroup(const JointLines& group) {
    return QStringList(group.begin(), group.end()).join(kGroupSeparator);
}

// Reads the records of one list file.
Status readRecords(const shell::DataRoot& root, QStringView name, QList<QStringList>& records) {
    const shell::LinesResult read = shell::readDataFile(root.file(shell::kListFolder, name));
    if (!read.ok())
        return Status::failure(read.error);
    records = shell::splitRecords(read.lines);
    return Status::success();
}

} // namespace

QString hasiraLine(const HasiraListEntry& e) {
    return shell::joinRecord(kHasiraTag.toString(),
                             {e.Floor, e.Mark, e.Shape, e.Spec1, e.Spec2, e.Spec3, e.Reserved1, e.Reserved2});
}

QString hariLine(const HariListEntry& e) {
    return shell::joinRecord(kHariTag.toString(), {e.Floor, e.Mark, e.Centre, e.End});
}

QString jointLine(const JointListEntry& e) {
    return shell::joinRecord(kJointTag.toString(), {e.Mark, e.Galvanized, joinGroup(e.FlangeLines),
                                                    joinGroup(e.WebLines), joinGroup(e.FillerLines)});
}

Status LoadLists(const shell::DataRoot& root, MemberLists& lists) {
    lists = MemberLists{};
    QList<QStringList> hasira, hari, joint;
    Status status = readRecords(root, kHasiraListFile, hasira);
    if (status.ok())
        status = readRecords(root, kHariListFile, hari);
    if (status.ok())
        status = readRecords(root, kJointListFile, joint);
    if (!status.ok())
        return status;

    MemberLists loaded;
    for (const QStringList& f : hasira) {
        appendEntry(loaded.HasiraList,
                    HasiraListEntry{fieldAt(f, 1), fieldAt(f, 2), fieldAt(f, 3), fieldAt(f, 4), fieldAt(f, 5),
                                    fieldAt(f, 6), fieldAt(f, 7), fieldAt(f, 8)});
    }
    for (const QStringList& f : hari)
        appendEntry(loaded.HariList,
                    HariListEntry{fieldAt(f, 1), fieldAt(f, 2), fieldAt(f, 3), fieldAt(f, 4)});
    for (const QStringList& f : joint) {
        appendEntry(loaded.JointList,
                    JointListEntry{fieldAt(f, 1), splitGroup(fieldAt(f, 3)), splitGroup(fieldAt(f, 4)),
                                   splitGroup(fieldAt(f, 5)), fieldAt(f, 2)});
    }
    lists = std::move(loaded);
    return Status::success();
}

Status SaveLists(const shell::DataRoot& root, const MemberLists& lists) {
    struct Output {
        QStringView name;
        QStringList lines;
    };
    std::array<Output, 3> files{{{kHasiraListFile, {}}, {kHariListFile, {}}, {kJointListFile, {}}}};
    for (const HasiraListEntry& e : lists.HasiraList)
        if (!e.isDeleted())
            files[0].lines.append(hasiraLine(e));
    for (const HariListEntry& e : lists.HariList)
        if (!e.isDeleted())
            files[1].lines.append(hariLine(e));
    for (const JointListEntry& e : lists.JointList)
        if (!e.isDeleted())
            files[2].lines.append(jointLine(e));

    // Refuse before the first file is written, so that the three files never disagree.
    for (const Output& out : files) {
        for (qsizetype i = 0; i < out.lines.size(); ++i) {
            if (const auto bad = services::Cp932::firstUnencodable(out.lines[i])) {
                return Status::failure(QStringLiteral("文字%1はShift-JISで保存できません(%2 "
                                                      "%3行目)。\nリストデータは保存されませんでした。")
                                           .arg(services::Cp932::describe(*bad), out.name.toString())
                                           .arg(i + 1));
            }
        }
    }
    for (const Output& out : files) {
        const Status written = shell::writeLines(root.file(shell::kListFolder, out.name), out.lines);
        if (!written.ok())
            return written;
    }
    return Status::success();
}

} // namespace tv::lists
