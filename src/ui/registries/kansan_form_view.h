// 隅肉6㍉換算率登録 on screen: the weld conversion rates of one symbol by plate thickness.
#pragma once

#include "registries/kansan_form.h"
#include "shell/data_root.h"
#include "ui/registries/registry_form_view.h"

namespace tv::services {
class Prompter;
}

namespace tv::ui {

class KansanFormView : public RegistryFormView {
    Q_OBJECT
public:
    // `prompter` also serves the symbol-name dialog that 記号登録 opens.
    KansanFormView(registries::KansanForm& model, services::Prompter& prompter, QWidget* parent = nullptr);

private:
    QString askSymbol();

    services::Prompter& m_prompter;
};

// Opens the window modally over the registry of `root`; returns when it is closed.
void showKansanForm(QWidget* parent, const shell::DataRoot& root);

} // namespace tv::ui
