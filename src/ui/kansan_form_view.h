// 隅肉6㍉換算率登録 on screen: the weld conversion rates of one symbol by plate thickness.
#pragma once

#include "registries/kansan_form.h"
#include "shell/data_root.h"

#include <QDialog>

class QLineEdit;
class QListWidget;

namespace tv::services {
class Prompter;
}

namespace tv::ui {

class TextGridView;

class KansanFormView : public QDialog {
    Q_OBJECT
public:
    // `prompter` also serves the symbol-name dialog that 記号登録 opens.
    KansanFormView(registries::KansanForm& model, services::Prompter& prompter, QWidget* parent = nullptr);

    void reject() override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showState();
    QString askSymbol();

    registries::KansanForm& m_model;
    services::Prompter& m_prompter;
    QLineEdit* m_nameTx;
    QListWidget* m_nameList;
    TextGridView* m_grid;
};

// Opens the window modally over the registry of `root`; returns when it is closed.
void showKansanForm(QWidget* parent, const shell::DataRoot& root);

} // namespace tv::ui
