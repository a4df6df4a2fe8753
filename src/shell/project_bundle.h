// The project bundle (.tkd): the nine working files packed into one CP932 text file, each record
// line copied unchanged and recognised again by its four-character tag.
//
// A saved bundle starts with a header line `ZZHD'<lines>'<bytes>'<crc>` giving the number of lines
// and bytes that follow and their CRC-32, so that a bundle cut short, even exactly at a line end, or
// changed after saving is recognised. Readers that sort lines by the nine tags drop the header like
// any other unknown line; bundles written without it open as before.
#pragma once

#include "services/status.h"
#include "shell/data_root.h"
#include "shell/working_files.h"

#include <QString>
#include <QStringList>

#include <array>

namespace tv::shell {

namespace ProjectBundle {

inline constexpr QStringView kHeaderTag = u"ZZHD";

// What a bundle file holds, read and checked before anything is written from it.
struct Reading {
    QString refusal;    // set when the file cannot be a bundle; nothing may be opened from it
    QStringList doubts; // signs of damage; opening needs the user's consent
    std::array<QStringList, kWorkingFiles.size()> files; // each working file's lines, in bundle order
    bool headed = false; // the bundle starts with the ZZHD header (saved by this program)
};

Reading read(const QString& bundlePath);

// What opening `reading` would lose of the current working files and the user should confirm: a
// bundle without the header that holds no unit weight while the current registry has some.
QStringList lossesOnOpening(const DataRoot& root, const Reading& reading);

// The bundle bytes for the lines of the nine working files: the header, then the lines.
struct Packed {
    QByteArray bytes;
    services::Status status;
};
Packed pack(const QString& bundlePath, const QStringList& lines);

// The lines of the nine working files in bundle order; a missing file is refused, named. With
// `emptyProjectFiles` the six files a new project clears give one empty line each.
struct WorkingLines {
    QStringList lines;
    services::Status status;
};
WorkingLines workingLines(const DataRoot& root, bool emptyProjectFiles = false);

// Packs the working files into `bundlePath`, keeping the bundle it replaces as a safety copy.
// `inputUnreadable`, when given, tells whether a failure came from a working file that is missing
// or cannot be read.
services::Status save(const DataRoot& root, const QString& bundlePath, bool* inputUnreadable = nullptr);

// Rewrites the nine working files from `reading` and records `name` and `bundlePath` as the open
// project, all together or not at all.
services::Status open(const DataRoot& root, const Reading& reading, const QString& name,
                      const QString& bundlePath);

// Starts `bundlePath` as the open project: the six project files emptied (unless `carryOver`,
// which keeps the current input) and the bundle written from the result, all together or not at all.
services::Status createNew(const DataRoot& root, const QString& name, const QString& bundlePath,
                           bool carryOver = false, bool* inputUnreadable = nullptr);

// Whether the six files a new project clears hold no record.
bool projectFilesEmpty(const DataRoot& root);

// Whether opening the bundle at `bundlePath` would give back the working files' records unchanged.
bool workingFilesMatch(const DataRoot& root, const QString& bundlePath);

} // namespace ProjectBundle

} // namespace tv::shell
