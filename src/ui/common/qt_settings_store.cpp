// Writes <config folder>/<application>.ini, group <section>, as text.
#include "ui/common/qt_settings_store.h"

#include <QSettings>

namespace tv::ui {

void QtSettingsStore::write(const QString& application, const QString& section, const QString& key,
                            const QString& value) {
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, application);
    settings.beginGroup(section);
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
}

} // namespace tv::ui
