// Runs the built torvanel executable on a data root, for the command-line tests.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace tv::test {

struct Run {
    int exitCode;
    QString err;
};

inline Run torvanel(const QString& root, const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(TV_EXECUTABLE), QStringList{QStringLiteral("--data-root"), root} + args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

} // namespace tv::test
