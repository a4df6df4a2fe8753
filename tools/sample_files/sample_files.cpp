// Makes the shipped weld rates and renews them in the present sample project.
#include "sample_files/sample_files.h"

#include "registries/default_weld_rates.h"
#include "registries/kansan_table.h"
#include "sample_files/office_building.h"
#include "shell/installation.h"
#include "shell/project_bundle.h"
#include "shell/record_file.h"

#include <QFile>
#include <QTemporaryDir>

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

// The office building entered on a fresh installation with the default weld rates: the lines of
// its nine working files as a bundle holds them.
std::optional<QStringList> officeBuilding(QString* error) {
    QTemporaryDir dir;
    const shell::DataRoot root(dir.path());
    services::Status status = dir.isValid() ? shell::layDownInstallation(root).status
                                            : services::Status::failure(u"作業フォルダを作れません。"_s);
    if (status.ok())
        status = registries::KansanTable{registries::defaultKansanRows()}.save(
            root.file(shell::kSetFolder, registries::kKansanFile.toString()));
    if (status.ok()) {
        const QString failure = enterOfficeBuilding(root);
        if (!failure.isEmpty())
            status = services::Status::failure(failure);
    }
    shell::ProjectBundle::WorkingLines working;
    if (status.ok()) {
        working = shell::ProjectBundle::workingLines(root);
        status = working.status;
    }
    if (!status.ok()) {
        *error = u"%1: %2"_s.arg(kOfficeBuilding, status.error);
        return std::nullopt;
    }
    return working.lines;
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
    const auto office = officeBuilding(&made.error);
    if (!office)
        return made;
    made.files.append({u"set/Kansan.ini"_s, rateLines()});
    made.files.append({sample, *renewed});
    made.files.append({u"Data/%1.tkd"_s.arg(kOfficeBuilding), *office});
    return made;
}

QByteArray shippedBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + '\n';
    return bytes;
}

} // namespace tv::samples
