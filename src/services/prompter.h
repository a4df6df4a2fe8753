// Port: modal message boxes. Models ask through it; the window shows QMessageBox, tests script it.
#pragma once

#include <QString>

namespace tv::services {

// YesNo is for a question whose safe answer is No (No is the default; the command line answers No).
enum class PromptButtons { Ok, OkCancel, YesNoCancel, YesNo };
enum class PromptAnswer { Ok, Cancel, Yes, No };

class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows `text` (may hold line breaks) under `title`; returns the pressed button.
    virtual PromptAnswer ask(const QString& text, const QString& title, PromptButtons buttons) = 0;

    // An OK-only message.
    void tell(const QString& text, const QString& title) { ask(text, title, PromptButtons::Ok); }
    // An OK-only message about a failure (a file that cannot be read or written), titled "エラー".
    void tellFailure(const QString& text) { tell(text, QStringLiteral("エラー")); }
};

} // namespace tv::services
