// The nine working files of the open project, in bundle order.
#pragma once

#include "shell/data_root.h"

#include <array>

namespace tv::shell {

struct WorkingFile {
    QStringView folder;
    QStringView name;
    QStringView tag;
    bool emptiedByNewProject;
};

inline constexpr std::array<WorkingFile, 9> kWorkingFiles{{
    {kListFolder, u"HasiraListData.ini", u"ZZLH", true},
    {kListFolder, u"HariListData.ini", u"ZZLB", true},
    {kListFolder, u"JointListData.ini", u"ZZLJ", true},
    {kSetFolder, u"BuzaiWeight.ini", u"ZZBW", false},
    {kSetFolder, u"Kansan.ini", u"ZZKN", false},
    {kSetFolder, u"Kikaku.ini", u"ZZKK", false},
    {kWorkDataFolder, u"WorkData-1.ini", u"ZZ01", true},
    {kWorkDataFolder, u"WorkData-2.ini", u"ZZ02", true},
    {kWorkDataFolder, u"WorkData-3.ini", u"ZZ03", true},
}};

inline QString workingFilePath(const DataRoot& root, const WorkingFile& file) {
    return root.file(file.folder, file.name);
}

} // namespace tv::shell
