// The list window's message boxes: the Prompter port shown as a QMessageBox over the window.
#pragma once

#include "services/prompter.h"

class QWidget;

namespace tv::ui {

class ListMessageBox : public services::Prompter {
public:
    explicit ListMessageBox(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParentWidget(QWidget* parent) { m_parent = parent; }
    services::PromptAnswer ask(const QString& text, const QString& title,
                               services::PromptButtons buttons) override;

private:
    QWidget* m_parent;
};

} // namespace tv::ui
