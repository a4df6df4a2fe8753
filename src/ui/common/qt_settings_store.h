// The settings-store port on Qt: one small settings file per application in the user's config folder.
#pragma once

#include "services/settings_store.h"

namespace tv::ui {

class QtSettingsStore : public services::SettingsStore {
public:
    void write(const QString& application, const QString& section, const QString& key,
               const QString& value) override;
};

} // namespace tv::ui
