// 入力済み内容読込 on screen: the entries of a sheet in a list, OK and キャンセル, over MaeInpForm.
#pragma once

#include "column_input/mae_inp_form.h"

#include <QDialog>

namespace tv::ui {

class CommandLabel;
class TextGridView;

class MaeInpFormView : public QDialog {
    Q_OBJECT
public:
    explicit MaeInpFormView(column_input::MaeInpForm& model, QWidget* parent = nullptr);

    TextGridView* grid() const { return m_grid; }
    CommandLabel* command(int index) const { return m_commands.at(index); }

protected:
    void reject() override;

private:
    void placeOnScreen();

    column_input::MaeInpForm& m_model;
    TextGridView* m_grid;
    QList<CommandLabel*> m_commands;
};

// Shows the picker modally over `sheet` for `source` and returns what was picked (all empty when
// nothing was).
column_input::PickedPayload pickEnteredEntry(const services::TextGrid& sheet, int source,
                                             services::Prompter& prompter, QWidget* parent);

} // namespace tv::ui
