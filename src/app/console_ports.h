// Ports for the headless commands: messages go to standard error, questions are answered with
// OK or Yes (No for a Yes/No question that guards against damage), and the file dialog answers
// with the path given on the command line.
#pragma once

#include "services/file_chooser.h"
#include "services/prompter.h"

namespace tv::app {

class ConsolePrompter : public services::Prompter {
public:
    services::PromptAnswer ask(const QString& text, const QString& title,
                               services::PromptButtons buttons) override;
};

class ConsoleFileChooser : public services::FileChooser {
public:
    explicit ConsoleFileChooser(QString path) : m_path(std::move(path)) {}
    services::FileChoice choose(const services::FileDialogRequest& request) override;

private:
    QString m_path;
};

} // namespace tv::app
