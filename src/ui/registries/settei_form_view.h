// 初期設定 on screen: the steel-grade list.
#pragma once

#include "registries/settei_form.h"
#include "shell/data_root.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace tv::ui {

class SetteiFormView : public QDialog {
    Q_OBJECT
public:
    explicit SetteiFormView(registries::SetteiForm& model, QWidget* parent = nullptr);

    void reject() override;

private:
    void showState();

    registries::SetteiForm& m_model;
    QLineEdit* m_inpTx;
    QListWidget* m_list;
};

// Opens the window modally over the grade list of `root`; returns when it is closed.
void showSetteiForm(QWidget* parent, const shell::DataRoot& root);

} // namespace tv::ui
