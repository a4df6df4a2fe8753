// Text and messages of the headless commands.
#include "app/console_output.h"

namespace tv::app {

const QStringList& totalsTableNames() {
    static const QStringList names{QStringLiteral("steel"), QStringLiteral("weld"),
                                   QStringLiteral("bolt"),  QStringLiteral("coating"),
                                   QStringLiteral("galv"),  QStringLiteral("joint")};
    return names;
}

void writeText(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void tellLine(const QString& message) {
    writeText(stderr, QString(message).replace(u'\n', QStringLiteral(" / ")) + u'\n');
}

} // namespace tv::app
