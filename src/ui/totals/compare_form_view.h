// 物件の比較 on screen: the commands, what is compared with what, and the two grids of differences
// (the totals tables above, the entries and registries below).
#pragma once

#include "totals/compare_form.h"

#include <QDialog>

class QLabel;

namespace tv::ui {

class TextGridView;

class CompareFormView : public QDialog {
    Q_OBJECT
public:
    explicit CompareFormView(totals::CompareForm& model, QWidget* parent = nullptr);

    TextGridView* tablesView() const { return m_tables; }
    TextGridView* entriesView() const { return m_entries; }

private:
    void showState();

    totals::CompareForm& m_model;
    QLabel* m_caption;
    TextGridView* m_tables;
    TextGridView* m_entries;
};

// Opens the comparison window over the data root, with the totals window's ports; the file dialog
// for the other project opens at once.
void showCompareForm(QWidget* parent, const shell::DataRoot& root, totals::CompareForm::Ports ports);

} // namespace tv::ui
