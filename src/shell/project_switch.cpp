// The journal is UTF-8 text in `set`: the phase on line 1, then one line per file, "1" or "0" (the
// file existed before) and a tab before its absolute path.
#include "shell/project_switch.h"

#include "shell/durable_file.h"
#include "shell/safety_copies.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace tv::shell {

using services::Status;

namespace {

constexpr QStringView kJournalName = u".project-switch.journal";
constexpr QStringView kStagedSuffix = u".tvstage";
constexpr QStringView kOldSuffix = u".tvold";

struct Entry {
    QString path;
    bool existed = false;
};

QString journalPath(const DataRoot& root) {
    return root.file(kSetFolder, kJournalName);
}

QString besidePath(const QString& path, QStringView suffix) {
    const QFileInfo info(path);
    return info.dir().filePath(u'.' + info.fileName() + suffix.toString());
}
QString stagedPath(const QString& path) {
    return besidePath(path, kStagedSuffix);
}
QString oldPath(const QString& path) {
    return besidePath(path, kOldSuffix);
}

Status writeJournal(const DataRoot& root, QStringView phase, const QList<Entry>& entries) {
    QString text = phase.toString() + u'\n';
    for (const Entry& e : entries)
        text += (e.existed ? u'1' : u'0') + QStringLiteral("\t") + e.path + u'\n';
    return replaceFile(journalPath(root), text.toUtf8());
}

bool readJournal(const DataRoot& root, QString* phase, QList<Entry>* entries) {
    QFile file(journalPath(root));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return false;
    *phase = lines.first();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype tab = lines[i].indexOf(u'\t');
        if (tab == 1)
            entries->append({lines[i].mid(2), lines[i][0] == u'1'});
    }
    return true;
}

// Puts every old file back and drops the staged ones. False when an old file could not be put back
// (the journal then stays, and the next start tries again).
bool rollBack(const QList<Entry>& entries) {
    bool ok = true;
    for (const Entry& e : entries) {
        if (QFileInfo::exists(oldPath(e.path))) {
            ok = renameFile(oldPath(e.path), e.path).ok() && ok;
        } else if (!e.existed && !QFileInfo::exists(stagedPath(e.path))) {
            // Switched in although nothing was there before: the new file goes.
            ok = removeFile(e.path) && ok;
        }
        ok = removeFile(stagedPath(e.path)) && ok;
    }
    return ok;
}

// Puts every staged file in place and drops the old ones.
bool rollForward(const QList<Entry>& entries) {
    bool ok = true;
    for (const Entry& e : entries) {
        if (QFileInfo::exists(stagedPath(e.path)))
            ok = renameFile(stagedPath(e.path), e.path).ok() && ok;
    }
    if (!ok)
        return false;
    for (const Entry& e : entries)
        ok = removeFile(oldPath(e.path)) && ok;
    return ok;
}

// Undoes a switch in this run; a crash while doing so is undone again at the next start.
Status abandon(const DataRoot& root, const QList<Entry>& entries, const Status& failure) {
    writeJournal(root, u"rollback", entries);
    if (rollBack(entries))
        removeFile(journalPath(root));
    return failure;
}

Status checkFolder(const QString& path) {
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.isDir())
        return Status::failure(
            QStringLiteral("フォルダ「%1」がありません。").arg(displayPath(folder.filePath())));
    if (!folder.isWritable()) {
        return Status::failure(QStringLiteral("フォルダ「%1」に書き込めません。\n書き込み権限がありません。")
                                   .arg(displayPath(folder.filePath())));
    }
    return Status::success();
}

void removeStrays(const DataRoot& root) {
    QStringList folders{safetyCopyFolder(root)};
    for (const QStringView folder : {kDataFolder, kListFolder, kSetFolder, kWorkDataFolder, kInfoFolder})
        folders.append(root.folder(folder));
    const QStringList patterns{QStringLiteral("*") + kTemporarySuffix.toString(),
                               QStringLiteral("*") + kStagedSuffix.toString(),
                               QStringLiteral("*") + kOldSuffix.toString()};
    for (const QString& folder : std::as_const(folders)) {
        const QDir dir(folder);
        const QStringList strays = dir.entryList(patterns, QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& name : strays)
            removeFile(dir.filePath(name));
    }
}

} // namespace

Status switchFiles(const DataRoot& root, const QList<StagedFile>& files) {
    QList<Entry> entries;
    // Everything that will be replaced must be writable before anything is switched: the switch
    // renames files, which would otherwise replace a file the user made read-only.
    for (const StagedFile& f : files) {
        Status usable = checkFolder(f.path);
        if (usable.ok())
            usable = checkWritable(f.path);
        if (!usable.ok())
            return usable;
        entries.append({QFileInfo(f.path).absoluteFilePath(), QFileInfo::exists(f.path)});
    }
    const Status prepared = writeJournal(root, u"prepare", entries);
    if (!prepared.ok())
        return prepared;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const Status staged = replaceFile(stagedPath(entries[i].path), files[i].bytes);
        if (!staged.ok())
            return abandon(root, entries, staged);
    }
    const Status committed = writeJournal(root, u"commit", entries);
    if (!committed.ok())
        return abandon(root, entries, committed);
    for (const Entry& e : entries) {
        Status moved = e.existed ? renameFile(e.path, oldPath(e.path)) : Status::success();
        if (moved.ok())
            moved = renameFile(stagedPath(e.path), e.path);
        if (!moved.ok())
            return abandon(root, entries, moved);
    }
    for (const Entry& e : entries)
        removeFile(oldPath(e.path));
    removeFile(journalPath(root));
    return Status::success();
}

Recovery recoverInterruptedSwitch(const DataRoot& root) {
    QString phase;
    QList<Entry> entries;
    Recovery recovery = Recovery::None;
    if (readJournal(root, &phase, &entries)) {
        const bool forward = phase == u"commit";
        const bool done = forward ? rollForward(entries) : rollBack(entries);
        if (!done)
            return Recovery::Failed;
        removeFile(journalPath(root));
        recovery = forward ? Recovery::RolledForward : Recovery::RolledBack;
    } else if (QFileInfo::exists(journalPath(root))) {
        // A journal that cannot be read was never completely written: its switch had not begun.
        removeFile(journalPath(root));
    }
    removeStrays(root);
    return recovery;
}

void removeStrayTemporary(const QString& path) {
    if (!path.isEmpty())
        removeFile(temporaryPathFor(path));
}

} // namespace tv::shell
