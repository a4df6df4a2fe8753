// 部材単位重量登録 on screen.
#pragma once

#include "registries/buzai_form.h"
#include "shell/data_root.h"
#include "ui/registries/registry_form_view.h"

namespace tv::ui {

class BuzaiFormView : public RegistryFormView {
    Q_OBJECT
public:
    explicit BuzaiFormView(registries::BuzaiForm& model, QWidget* parent = nullptr);
};

// Opens the window modally over the registry of `root`; returns when it is closed.
void showBuzaiForm(QWidget* parent, const shell::DataRoot& root);

} // namespace tv::ui
