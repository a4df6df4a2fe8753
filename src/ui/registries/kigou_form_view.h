// 溶接記号登録 on screen: the dialog that asks for the name of a new weld symbol.
#pragma once

#include "registries/kigou_form.h"

#include <QDialog>

class QLineEdit;

namespace tv::ui {

class KigouFormView : public QDialog {
    Q_OBJECT
public:
    explicit KigouFormView(registries::KigouForm& model, QWidget* parent = nullptr);

    void reject() override;

private:
    registries::KigouForm& m_model;
    QLineEdit* m_inpTx;
};

} // namespace tv::ui
