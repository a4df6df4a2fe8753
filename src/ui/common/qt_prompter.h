// The message-box port on Qt: QMessageBox with the program's Japanese button captions.
#pragma once

#include "services/prompter.h"

class QWidget;

namespace tv::ui {

class QtPrompter : public services::Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    services::PromptAnswer ask(const QString& text, const QString& title,
                               services::PromptButtons buttons) override;

    // The window the dialog is modal to.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

private:
    QWidget* m_parent;
};

} // namespace tv::ui
