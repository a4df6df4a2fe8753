// 梁-入力 on screen: the beam dialog's fields, option groups, grids, pictures and commands over its
// model. Every change typed, picked or clicked goes to the model at once; the view redraws from the
// model's state whenever the model says it changed.
#pragma once

#include "beam_input/hari_inp_form.h"
#include "ui/common/entry_dialog_view.h"

#include <array>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLayout;
class QListWidget;

namespace tv::ui {

class BeamEndPicture;
class GirderPlatePicture;
class TextGridView;

class HariInpFormView : public EntryDialogView {
    Q_OBJECT
public:
    // The three grids of the window.
    enum Grid { MarkGrid = 0, PlateGrid = 1, CoatingGrid = 2 };

    explicit HariInpFormView(beam_input::HariInpForm& form, QWidget* parent = nullptr);

    TextGridView* grid(Grid which) const { return m_grids.at(which); }
    QAbstractButton* classification(beam_input::SurfaceClass option) const;
    QAbstractButton* endKind(beam_input::EndKind option) const;
    QAbstractButton* leftOption(int option) const;
    QAbstractButton* rightOption(int option) const;
    QAbstractButton* basisOption(int option) const;
    QCheckBox* jointBox() const { return m_jointCh; }
    // The list under the joint-mark field or under a girder-mark field, whichever is open.
    QListWidget* fieldList() const { return m_fieldList; }
    QWidget* weldedFrame() const { return m_weldedFrame; }
    QWidget* girderFrame() const { return m_girderFrame; }

protected:
    void runCommand(int index) override;
    void showModelState() override;
    void closeLists() override;
    void cancelEntry() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeHeaderPanel();
    QWidget* makeWeldedFrame();
    QWidget* makeGirderFrame();
    QLineEdit* makeInput(int index, QWidget* parent);
    QButtonGroup* makeOptions(const QStringList& captions, const QString& name, QLayout* into,
                              QWidget* parent);

    // --- state and keys (hari_inp_form_view_state.cpp) ---
    void bindGrids();
    void bindGridEditor(Grid which);
    void openOffer(Grid which, const std::optional<services::CellOffer>& offer);
    void applyWidths(Grid which);
    void refreshGrid(Grid which);
    void focusInput(int index);
    bool editorKey(Grid which);
    void openFieldList(int field);
    void fieldListPicked(const QString& item);

    beam_input::HariInpForm& m_form;
    QWidget* m_weldedFrame = nullptr;
    QWidget* m_girderFrame = nullptr;
    QWidget* m_jointFrame = nullptr;
    QCheckBox* m_jointCh = nullptr;
    QButtonGroup* m_bunruiOp = nullptr;
    QButtonGroup* m_tanbuOp = nullptr;
    QButtonGroup* m_leftOp = nullptr;
    QButtonGroup* m_rightOp = nullptr;
    QButtonGroup* m_saisunOp = nullptr;
    std::array<TextGridView*, 3> m_grids{};
    std::array<int, 3> m_shownRows{};
    // What the next activation of a grid cell opens: the cell the model moved the cursor to has
    // already been offered by the model, so the view opens that offer instead of asking again.
    std::array<std::optional<services::CellOffer>, 3> m_pendingOffer{};
    // What the open editor or list of each grid was offered: a commit from a list is a pick.
    std::array<services::CellOffer::Kind, 3> m_offerKind{};
    QListWidget* m_fieldList = nullptr;
    int m_listField = -1; // the input field under the open field list
    BeamEndPicture* m_endPicture = nullptr;
    GirderPlatePicture* m_girderPicture = nullptr;
};

} // namespace tv::ui
