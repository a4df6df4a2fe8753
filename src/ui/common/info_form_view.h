// The help viewer window: draws the InfoForm model (its list, note and two commands), modally.
#pragma once

#include "shell/info_form.h"

#include <QDialog>

class QListWidget;

namespace tv::ui {

class CommandLabel;

class InfoFormView : public QDialog {
    Q_OBJECT
public:
    InfoFormView(shell::InfoForm& model, QWidget* parent = nullptr);

    QListWidget* list() const { return m_list; }
    CommandLabel* command(int index) const;

private:
    void placeOnScreen();

    shell::InfoForm& m_model;
    QListWidget* m_list = nullptr;
    QList<CommandLabel*> m_commands;
};

} // namespace tv::ui
