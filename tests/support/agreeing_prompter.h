// Test doubles for long random sequences, where scripting every message would restate the code: a
// prompter that answers every question with OK and keeps what was shown, and a window opener that
// opens nothing.
#pragma once

#include "services/prompter.h"
#include "services/window_opener.h"

#include <QStringList>

namespace tv::test {

class AgreeingPrompter : public services::Prompter {
public:
    services::PromptAnswer ask(const QString& text, const QString&, services::PromptButtons) override {
        shown.append(text);
        return services::PromptAnswer::Ok;
    }
    QStringList shown;
};

class NoWindows : public services::WindowOpener {
public:
    bool open(services::WindowId) override { return true; }
};

} // namespace tv::test
