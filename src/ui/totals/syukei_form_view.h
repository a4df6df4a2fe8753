// 集計 on screen: the six totals tables, one shown at a time, with the commands that run, print,
// copy and save them.
#pragma once

#include "state/app_state.h"
#include "totals/syukei_form.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QStackedWidget;

namespace tv::ui {

class TextGridView;

class SyukeiFormView : public QDialog {
    Q_OBJECT
public:
    explicit SyukeiFormView(totals::SyukeiForm& model, QWidget* parent = nullptr);

    TextGridView* gridView(int index) const { return m_grids[index]; }
    // 他の物件と比較… opens the comparison window through `compare`.
    void setCompareCommand(std::function<void()> compare) { m_compare = std::move(compare); }
    static QString compareCaption() { return QStringLiteral("他の物件と比較…"); }

private:
    void showTable();
    void refreshTables();

    totals::SyukeiForm& m_model;
    QButtonGroup* m_options;
    QCheckBox* m_bnameCh;
    QStackedWidget* m_frames;
    QList<TextGridView*> m_grids;
    std::function<void()> m_compare;
};

// Opens the totals window modally over the working files of `state`; returns when it is closed.
void showSyukeiForm(QWidget* parent, AppState& state);

} // namespace tv::ui
