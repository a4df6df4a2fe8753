// Remembered sheet column widths: "<column>:<twips>" pairs in the user's Torvanel settings.
#include "ui/sheets/sheet_column_widths.h"

#include <QSettings>

namespace tv::ui {

namespace {

QString keyOf(sheets::SheetKind kind) {
    return kind == sheets::SheetKind::Column ? QStringLiteral("ColumnSheet") : QStringLiteral("BeamSheet");
}

QSettings userSettings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Torvanel"),
                     QStringLiteral("torvanel"));
}

} // namespace

ColumnWidths loadColumnWidths(sheets::SheetKind kind) {
    ColumnWidths widths;
    const QStringList pairs = userSettings()
                                  .value(QStringLiteral("ColumnWidths/") + keyOf(kind))
                                  .toString()
                                  .split(u',', Qt::SkipEmptyParts);
    for (const QString& pair : pairs) {
        const QStringList parts = pair.split(u':');
        bool columnRead = false;
        bool widthRead = false;
        const int column = parts.value(0).toInt(&columnRead);
        const int twips = parts.value(1).toInt(&widthRead);
        // A value edited by hand into nonsense is left out rather than shown as a vanished column.
        if (parts.size() == 2 && columnRead && widthRead && column >= 0 && column < sheets::kSheetColumns &&
            twips >= 60 && twips <= 20000)
            widths.insert(column, twips);
    }
    return widths;
}

void saveColumnWidths(sheets::SheetKind kind, const ColumnWidths& widths) {
    QStringList pairs;
    for (auto it = widths.cbegin(); it != widths.cend(); ++it)
        pairs.append(QStringLiteral("%1:%2").arg(it.key()).arg(it.value()));
    QSettings settings = userSettings();
    settings.setValue(QStringLiteral("ColumnWidths/") + keyOf(kind), pairs.join(u','));
    settings.sync();
}

} // namespace tv::ui
