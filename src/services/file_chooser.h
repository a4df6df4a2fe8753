// Port: the save and open file dialogs.
#pragma once

#include <QString>

namespace tv::services {

struct FileDialogRequest {
    enum class Kind { Save, Open };
    Kind kind = Kind::Open;
    QString title;
    QString filter;           // "説明|*.ext" as the program writes it
    QString initialFolder;    // full path of the folder the dialog starts in
    QString defaultExtension; // without the full stop, appended when the user types none
    QString fileName;         // initial file name
};

struct FileChoice {
    enum class Outcome { Chosen, Cancelled, Failed };
    Outcome outcome = Outcome::Cancelled;
    QString path;  // full path of the chosen file
    QString title; // file name without folder
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    virtual FileChoice choose(const FileDialogRequest& request) = 0;
};

} // namespace tv::services
