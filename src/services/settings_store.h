// Port: the per-user settings store (write only: the program never reads its values back).
#pragma once

#include <QString>

namespace tv::services {

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual void write(const QString& application, const QString& section, const QString& key,
                       const QString& value) = 0;
};

} // namespace tv::services
