// 柱入力 on screen: the column dialog's fields, grids, pictures and commands over its model. Every
// change typed or picked goes to the model at once; the view redraws from the model's state.
#pragma once

#include "column_input/hasira_inp_commands.h"
#include "ui/common/entry_dialog_view.h"

#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QListWidget;

namespace tv::ui {

class SectionPicture;
class TextGridView;

class HasiraInpFormView : public EntryDialogView {
    Q_OBJECT
public:
    HasiraInpFormView(column_input::HasiraInpForm& form, column_input::HasiraInpCommands& commands,
                      QWidget* parent = nullptr);

    QCheckBox* jointBox() const { return m_jointCh; }
    QCheckBox* noWeldBox(int index) const { return m_yousetuCh.at(index); }
    QAbstractButton* classification(int option) const;
    TextGridView* grid(int which) const { return m_grids.at(which); }
    QListWidget* jointList() const { return m_jointList; }
    SectionPicture* sectionPicture() const { return m_section; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void runCommand(int index) override;
    void showModelState() override;
    void closeLists() override;
    void cancelEntry() override;

private:
    QWidget* makeHeaderPanel();
    QWidget* makeWeldPanel();
    void bindGrid(int which);
    void applyWidths(int which);
    void refreshGrid(int which);
    void focusInput(int index);
    bool editorKey(int which, int key);
    void openJointList();

    column_input::HasiraInpForm& m_form;
    column_input::HasiraInpCommands& m_commands;
    QWidget* m_jointFrame = nullptr;
    QCheckBox* m_jointCh = nullptr;
    std::array<QCheckBox*, 2> m_yousetuCh{};
    QButtonGroup* m_bunruiOp = nullptr;
    std::array<TextGridView*, 5> m_grids{};
    std::array<int, 5> m_shownRows{};
    QListWidget* m_jointList = nullptr;
    SectionPicture* m_section = nullptr;
};

} // namespace tv::ui
