// Registries taken over from another project file on the command line.
#include "app/registry_command.h"

#include "app/command_line.h"
#include "app/console_output.h"
#include "registries/registry_import.h"
#include "shell/startup.h"

#include <QDir>

#include <cstdio>
#include <optional>

namespace tv::app {

namespace {

struct Request {
    QString file;
    registries::RegistryKind kind = registries::RegistryKind::UnitWeights;
    bool replace = false;
};

// The words after "registry import": the file, one of --weights and --rates, and --replace.
std::optional<Request> parse(const QStringList& words) {
    if (words.value(0) != u"registry" || words.value(1) != u"import")
        return std::nullopt;
    Request request;
    int kinds = 0;
    for (const QString& word : words.mid(2)) {
        if (word == u"--weights" || word == u"--rates") {
            request.kind = word == u"--weights" ? registries::RegistryKind::UnitWeights
                                                : registries::RegistryKind::WeldRates;
            ++kinds;
        } else if (word == u"--replace" && !request.replace) {
            request.replace = true;
        } else if (!word.startsWith(u'-') && request.file.isEmpty()) {
            request.file = word;
        } else {
            return std::nullopt;
        }
    }
    if (kinds != 1 || request.file.isEmpty())
        return std::nullopt;
    return request;
}

// Loads the registry, takes the source over and writes it back.
template <typename Table, typename Rows>
int takeOver(const QString& path, const Rows& rows, const Request& request) {
    Table table;
    if (const services::Status loaded = table.load(path); !loaded.ok()) {
        tellLine(loaded.error);
        return 2;
    }
    const registries::ImportCounts counts = registries::applyImport(table, rows, request.replace);
    if (counts.added == 0 && (counts.replaced == 0 || !request.replace)) {
        tellLine(QStringLiteral("取り込む行はありません(%1)。")
                     .arg(registries::importSummary(counts, request.replace)));
        return 0;
    }
    if (const services::Status saved = table.save(path); !saved.ok()) {
        tellLine(saved.error);
        return 1;
    }
    tellLine(QStringLiteral("取り込みました(%1): ").arg(registries::importSummary(counts, request.replace)) +
             QDir::toNativeSeparators(path));
    return 0;
}

} // namespace

bool isRegistryCommand(const QStringList& words) {
    return parse(words).has_value();
}

int runRegistryCommand(const CommandLine& line, const QString& programFolder) {
    const Request request = *parse(line.command);
    const shell::Startup start = shell::startUp(line.dataRootOption, programFolder);
    if (!start.error.isEmpty()) {
        tellLine(start.error);
        return 1;
    }
    if (!start.notice.isEmpty())
        tellLine(start.notice);
    const registries::ImportSource source = registries::readImportSource(request.file, request.kind);
    if (!source.refusal.isEmpty()) {
        tellLine(source.refusal);
        return 2;
    }
    const shell::DataRoot& root = start.state.dataRoot;
    if (request.kind == registries::RegistryKind::UnitWeights)
        return takeOver<registries::BuzaiWeightTable>(
            root.file(shell::kSetFolder, registries::kBuzaiWeightFile), source.weights, request);
    return takeOver<registries::KansanTable>(root.file(shell::kSetFolder, registries::kKansanFile),
                                             source.rates, request);
}

} // namespace tv::app
