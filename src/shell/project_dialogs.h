// The two project dialogs: choosing the bundle of a new project and the bundle to open, with their
// checks and messages. Shown through the FileChooser and Prompter ports.
#pragma once

#include "services/file_chooser.h"
#include "services/prompter.h"
#include "shell/data_root.h"

#include <QString>

#include <optional>

namespace tv::shell {

struct ProjectChoice {
    QString name; // project name (the bundle's title without its extension)
    QString path; // full path of the bundle
};

inline constexpr QStringView kBundleFilter = u"鉄骨積算データ(.tkd)|*.tkd";
inline constexpr QStringView kBundleExtension = u"tkd";

// The project's name: the bundle's file name without its ".tkd" extension (New and Open alike, so
// "2024.05 Tokyo.tkd" is "2024.05 Tokyo").
QString projectNameOf(const QString& title);

// Save dialog for a new bundle. Refuses a name that already exists in the chosen folder.
std::optional<ProjectChoice> runNewProjectDialog(const DataRoot& root, services::FileChooser& chooser,
                                                 services::Prompter& prompter);

// Open dialog. Asks before reloading the project that is open (`currentName`); refuses a missing file.
std::optional<ProjectChoice> runOpenDialog(const DataRoot& root, const QString& currentName,
                                           services::FileChooser& chooser, services::Prompter& prompter);

} // namespace tv::shell
