// 副部材 on screen: the secondary-member sheet's grid, its commands and notes over a ZatuInpForm.
#pragma once

#include "secondary/zatu_inp_form.h"
#include "state/app_state.h"

#include <QDialog>

class QLineEdit;

namespace tv::ui {

class TextGridView;

class ZatuInpFormView : public QDialog {
    Q_OBJECT
public:
    explicit ZatuInpFormView(secondary::ZatuInpForm& model, QWidget* parent = nullptr);

    TextGridView* grid() const { return m_grid; }

    // The close box and Escape close the sheet as 終了 does: the rows are saved first.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindGrid();
    void editorTextChanged(const QString& text);
    void openCurrentCell();
    void adjustColumnWidths();
    void fitToScreen();

    secondary::ZatuInpForm& m_model;
    TextGridView* m_grid;
    QLineEdit* m_editor;
    int m_narrowing = 0; // pixels the wide text columns give up together on a narrow screen
};

// Opens the sheet modally over the project of `state`; returns when it is closed. A work file that
// cannot be read is refused with its message and the sheet does not open.
void showZatuInpForm(QWidget* parent, AppState& state);

} // namespace tv::ui
