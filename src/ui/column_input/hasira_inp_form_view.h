// 柱入力 on screen: the column dialog's fields, grids, pictures and commands over its model. Every
// change typed or picked goes to the model at once; the view redraws from the model's state.
#pragma once

#include "column_input/hasira_inp_commands.h"

#include <QDialog>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollArea;

namespace tv::ui {

class CommandLabel;
class SectionPicture;
class TextGridView;

class HasiraInpFormView : public QDialog {
    Q_OBJECT
public:
    HasiraInpFormView(column_input::HasiraInpForm& form, column_input::HasiraInpCommands& commands,
                      QWidget* parent = nullptr);

    QLineEdit* floorField() const { return m_kaiTx; }
    QLineEdit* input(int index) const { return m_inpTx.at(index); }
    QCheckBox* jointBox() const { return m_jointCh; }
    QCheckBox* noWeldBox(int index) const { return m_yousetuCh.at(index); }
    QAbstractButton* classification(int option) const;
    TextGridView* grid(int which) const { return m_grids.at(which); }
    CommandLabel* command(int index) const { return m_commandLabels.at(index); }
    QListWidget* jointList() const { return m_jointList; }
    SectionPicture* sectionPicture() const { return m_section; }
    QLabel* info(int index) const { return m_infoGd.at(index); }

    // Escape and the close box act as キャンセル.
    void reject() override;

protected:
    // F12 anywhere in the dialog (the fields and grids pass it on) runs OK.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeHeaderPanel();
    QWidget* makeWeldPanel();
    QWidget* makePlatePanel();
    QWidget* makeCoatingPanel();
    QWidget* makeCommandRow();
    CommandLabel* addCommand(int index);
    void bindGrid(int which);
    void applyWidths(int which);
    void showState();
    void refreshGrid(int which);
    void runCommand(int index);
    void focusInput(int index);
    void closeLists();
    bool editorKey(int which, int key);
    void openJointList();
    void fitToScreen();

    column_input::HasiraInpForm& m_form;
    column_input::HasiraInpCommands& m_commands;
    QScrollArea* m_scroll;
    QLineEdit* m_kaiTx;
    std::array<QLabel*, 4> m_infoGd{};
    std::array<QLineEdit*, column_input::kInputFields> m_inpTx{};
    QWidget* m_jointFrame = nullptr;
    QCheckBox* m_jointCh = nullptr;
    std::array<QCheckBox*, 2> m_yousetuCh{};
    QButtonGroup* m_bunruiOp = nullptr;
    std::array<TextGridView*, 5> m_grids{};
    std::array<int, 5> m_shownRows{};
    QList<CommandLabel*> m_commandLabels;
    QListWidget* m_jointList = nullptr;
    SectionPicture* m_section = nullptr;
    bool m_showing = false;
    bool m_fitted = false;
};

} // namespace tv::ui
