// Test double of the settings store: an in-memory map keyed "application/section/key".
#pragma once

#include "services/settings_store.h"

#include <QMap>

namespace tv::test {

class MemorySettings : public services::SettingsStore {
public:
    void write(const QString& application, const QString& section, const QString& key, const QString& value) override {
        values[application + u'/' + section + u'/' + key] = value;
    }
    QMap<QString, QString> values;
};

} // namespace tv::test
