// The start window: draws the StartForm model and forwards clicks, pointer moves and closing.
#pragma once

#include "services/file_chooser.h"
#include "services/prompter.h"
#include "services/settings_store.h"
#include "services/window_opener.h"
#include "shell/start_form.h"
#include "state/app_state.h"

#include <QList>
#include <QWidget>

class QLabel;

namespace tv::ui {

class CommandLabel;

class StartFormView : public QWidget {
    Q_OBJECT
public:
    StartFormView(AppState& state, services::Prompter& prompter, services::FileChooser& chooser,
                  services::SettingsStore& settings, services::WindowOpener& opener,
                  QWidget* parent = nullptr);

    shell::StartForm& model() { return m_model; }
    CommandLabel* command(int index) const { return m_commands.value(index); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void refresh();

    shell::StartForm m_model;
    QLabel* m_name = nullptr;
    QLabel* m_guide = nullptr;
    QList<CommandLabel*> m_commands;
};

} // namespace tv::ui
