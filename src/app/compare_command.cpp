// Two project files compared on the command line.
#include "app/compare_command.h"

#include "app/command_line.h"
#include "app/console_output.h"
#include "totals/estimate_compare.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

namespace tv::app {

namespace {

// The two files and the table asked for (-1: all).
struct Request {
    QStringList files;
    int table = -1;
};

std::optional<Request> parse(const QStringList& words) {
    if (words.value(0) != u"compare")
        return std::nullopt;
    Request request;
    for (qsizetype i = 1; i < words.size(); ++i) {
        if (words[i] == u"--table" && request.table < 0 && i + 1 < words.size() &&
            totalsTableNames().contains(words[i + 1])) {
            request.table = int(totalsTableNames().indexOf(words[++i]));
        } else if (!words[i].startsWith(u'-')) {
            request.files.append(words[i]);
        } else {
            return std::nullopt;
        }
    }
    if (request.files.size() != 2)
        return std::nullopt;
    return request;
}

} // namespace

bool isCompareCommand(const QStringList& words) {
    return parse(words).has_value();
}

int runCompareCommand(const CommandLine& line) {
    const Request request = *parse(line.command);
    const std::array<totals::Estimate, 2> estimates =
        totals::loadEstimates(request.files[0], request.files[1]);
    int exitCode = 0;
    for (std::size_t i = 0; i < 2; ++i) {
        if (!estimates[i].refusal.isEmpty()) {
            tellLine(estimates[i].refusal);
            exitCode = 2;
        } else if (!estimates[i].doubts.isEmpty()) {
            // Opening such a file asks first; the command line answers No.
            for (const QString& doubt : std::as_const(estimates[i].doubts))
                tellLine(doubt);
            tellLine(QStringLiteral("ファイル「%1」は壊れているおそれがあるため、比較しません。")
                         .arg(request.files[qsizetype(i)]));
            exitCode = std::max(exitCode, 1);
        } else if (estimates[i].registrationsMissing) {
            tellLine(QStringLiteral("ファイル「%1」の集計には登録のない部材または溶接があります(「?」の行)。")
                         .arg(request.files[qsizetype(i)]));
        }
    }
    if (exitCode != 0)
        return exitCode;
    writeText(stdout,
              totals::compareEstimates(estimates[0], estimates[1], request.table).join(u'\n') + u'\n');
    std::fflush(stdout);
    return 0;
}

} // namespace tv::app
