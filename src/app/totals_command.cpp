// The headless totals: the same run as the totals window, its messages on standard error.
#include "app/totals_command.h"

#include "app/command_line.h"
#include "app/console_output.h"
#include "shell/startup.h"
#include "totals/totals_print.h"
#include "totals/totals_run.h"
#include "totals/totals_workbook.h"
#include "ui/common/print_renderer.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace tv::app {

using totals::TableId;

namespace {

struct Run {
    totals::TotalsTables tables;
    shell::DataRoot root;
    QString projectName;
    int exitCode = 0;
    bool ran = false; // the tables hold a complete run
};

// Loads the lists and registries, runs the totals and tells the run's messages. Exit code 2 when a
// file cannot be read (the tables are then not to be used), 1 when the data folder is in use.
Run runTotals(const CommandLine& line, const QString& programFolder) {
    Run run;
    const shell::Startup start = shell::startUp(line.dataRootOption, programFolder);
    if (!start.error.isEmpty()) {
        tellLine(start.error);
        run.exitCode = 1;
        return run;
    }
    if (!start.notice.isEmpty())
        tellLine(start.notice);
    run.root = start.state.dataRoot;
    run.projectName = start.state.project.projectName;
    totals::TotalsRegistries registries;
    services::Status loaded =
        totals::loadTotalsRegistries(run.root, registries.lists, registries.weights, registries.rates);
    if (!loaded.ok()) {
        tellLine(loaded.error);
        run.exitCode = 2;
        return run;
    }
    const totals::TotalsOutcome outcome = totals::RunTotals(run.tables, run.root, registries.lists.JointList,
                                                            registries.weights, registries.rates);
    if (!outcome.ok()) {
        tellLine(outcome.error);
        run.exitCode = 2;
        return run;
    }
    for (const totals::TotalsMessage& message : totals::closingMessages(outcome.flags))
        tellLine(message.text);
    run.ran = true;
    run.exitCode = outcome.flags.unitWeightMissing || outcome.flags.weldRateMissing ? 1 : 0;
    return run;
}

// Writes the tables of a complete run as a workbook; a failed write exits 1, else the run's code.
int writeWorkbook(const Run& run, const QString& file) {
    const QString path = QFileInfo(file).absoluteFilePath();
    const services::Status written = totals::writeTotalsWorkbook(run.tables, run.projectName, path);
    if (!written.ok()) {
        tellLine(written.error);
        return 1;
    }
    tellLine(QStringLiteral("Excelファイルに保存しました: ") + QDir::toNativeSeparators(path));
    return run.exitCode;
}

} // namespace

bool isTotalsCommand(const QStringList& words) {
    if (words.value(0) != u"totals")
        return false;
    if (words.size() == 1)
        return true;
    if (words.size() != 3)
        return false;
    if (words[1] == u"--xlsx")
        return !words[2].isEmpty() && !words[2].startsWith(u'-');
    return words[1] == u"--table" && totalsTableNames().contains(words[2]);
}

bool isTotalsPrintout(const QString& what) {
    return what.startsWith(QStringLiteral("totals-")) && totalsTableNames().contains(what.mid(7));
}

int runTotalsCommand(const CommandLine& line, const QString& programFolder) {
    const Run run = runTotals(line, programFolder);
    if (run.exitCode == 2 || !run.ran)
        return run.exitCode;
    if (line.command.value(1) == u"--xlsx")
        return writeWorkbook(run, line.command.value(2));
    const QString only = line.command.value(2);
    for (int i = 0; i < totals::kTableCount; ++i) {
        if (!only.isEmpty() && totalsTableNames()[i] != only)
            continue;
        const QString text = totals::tableText(run.tables.table(TableId(i)), u"\n") + u'\n';
        writeText(stdout, only.isEmpty() ? QStringLiteral("# ") + totalsTableNames()[i] + u'\n' + text + u'\n'
                                         : text);
    }
    std::fflush(stdout);
    return run.exitCode;
}

int runTotalsPrint(const CommandLine& line, const QString& programFolder, const QString& what,
                   const QString& pdf) {
    const Run run = runTotals(line, programFolder);
    if (run.exitCode == 2 || !run.ran)
        return run.exitCode;
    const auto id = TableId(totalsTableNames().indexOf(what.mid(7)));
    const services::Status written =
        ui::renderToPdf(totals::PrintTotalsTable(run.tables.table(id), id, QString()), pdf);
    if (!written.ok()) {
        tellLine(written.error);
        return 1;
    }
    tellLine(QStringLiteral("PDFファイルに保存しました: ") +
             QDir::toNativeSeparators(QFileInfo(pdf).absoluteFilePath()));
    return run.exitCode;
}

} // namespace tv::app
