// Part helpers of the member lists.
#include "lists/member_lists.h"

namespace tv::lists {

QString joinParts(const QStringList& parts) {
    return parts.join(kPartSeparator);
}

QStringList splitParts(const QString& field, int count) {
    QStringList parts = field.split(kPartSeparator);
    while (parts.size() < count)
        parts.append(QString());
    parts.resize(count);
    return parts;
}

QString emptyLine(int parts) {
    return QString(parts - 1, kPartSeparator);
}

} // namespace tv::lists
