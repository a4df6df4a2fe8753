// Makes the shipped weld rates and renews them in the present sample project.
#include "sample_files/sample_files.h"

#include "registries/default_weld_rates.h"
#include "shell/record_file.h"

#include <QFile>

namespace tv::samples {

namespace {

using namespace Qt::StringLiterals;

QStringList rateLines() {
    QStringList lines;
    for (const registries::KansanRow& row : registries::defaultKansanRows())
        lines.append(
            shell::joinRecord(registries::kKansanTag.toString(), {row.symbol, row.thickness, row.rate}));
    return lines;
}

std::optional<QStringList> shippedLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The present sample project with its weld rates replaced by the default ones, where they stood.
std::optional<QStringList> withDefaultRates(const QStringList& bundle) {
    QStringList lines;
    bool placed = false;
    for (const QString& line : bundle) {
        if (!line.startsWith(registries::kKansanTag)) {
            lines.append(line);
        } else if (!placed) {
            lines.append(rateLines());
            placed = true;
        }
    }
    if (!placed)
        return std::nullopt;
    return lines;
}

} // namespace

MadeFiles makeSampleFiles(const QString& shareDir) {
    MadeFiles made;
    const QString sample = u"Data/サンプル物件.tkd"_s;
    const auto present = shippedLines(shareDir + u'/' + sample);
    const auto renewed = present ? withDefaultRates(*present) : std::nullopt;
    if (!renewed) {
        made.error = u"%1 に溶接換算率の行がありません。"_s.arg(sample);
        return made;
    }
    made.files.append({u"set/Kansan.ini"_s, rateLines()});
    made.files.append({sample, *renewed});
    return made;
}

QByteArray shippedBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    return bytes;
}

} // namespace tv::samples
