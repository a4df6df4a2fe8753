// Several files that belong together (the working files and BukkenName.ini of an open or a new
// project, and a new project's bundle) replaced all together or not at all.
//
// The new files are staged beside their targets (".NAME.tvstage") and synced; a journal in `set`
// records the files and the phase: "prepare" while staging, "commit" once every staged file is on
// disk, "rollback" while a failed switch is undone. During the switch each old file is kept as
// ".NAME.tvold" until all are in place. After a crash, start-up rolls a committed switch forward and
// any other back, so the files are wholly the old project or wholly the new one.
#pragma once

#include "services/status.h"
#include "shell/data_root.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace tv::shell {

struct StagedFile {
    QString path;
    QByteArray bytes;
};

// Replaces every file with its bytes, all or none. On failure every file is as it was.
services::Status switchFiles(const DataRoot& root, const QList<StagedFile>& files);

enum class Recovery { None, RolledForward, RolledBack, Failed };

// Finishes or undoes a switch that was interrupted, and removes the temporary files a crash left in
// the data folders.
Recovery recoverInterruptedSwitch(const DataRoot& root);

// Removes the temporary file a crash may have left beside `path` (a bundle outside the data folders).
void removeStrayTemporary(const QString& path);

} // namespace tv::shell
