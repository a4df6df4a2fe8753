// Safety copies: before a save overwrites a bundle, the previous version is kept in Data/.backup as
// NAME-YYYYMMDD-HHMMSS.tkd, the last ten per project, so that a wrong save can be undone by hand.
#pragma once

#include "services/status.h"
#include "shell/data_root.h"

#include <QDateTime>
#include <QString>

namespace tv::shell {

inline constexpr int kSafetyCopiesKept = 10;

QString safetyCopyFolder(const DataRoot& root);

struct SafetyCopy {
    QString path; // the copy made; empty when there was no bundle to keep
    services::Status status;
};

// Copies the bundle at `bundlePath`, if there is one, into the safety-copy folder.
SafetyCopy keepSafetyCopy(const DataRoot& root, const QString& bundlePath,
                          const QDateTime& now = QDateTime::currentDateTime());

// Removes the oldest copies of the bundle's project beyond the last `kSafetyCopiesKept`.
void pruneSafetyCopies(const DataRoot& root, const QString& bundlePath);

} // namespace tv::shell
