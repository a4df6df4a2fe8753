// Headless commands share the window's model code: the same operations, their messages on stderr.
#include "app/command_line.h"

#include "app/compare_command.h"
#include "app/console_output.h"
#include "app/console_ports.h"
#include "app/print_secondary.h"
#include "app/registry_command.h"
#include "app/sheet_print_command.h"
#include "app/totals_command.h"
#include "shell/info_form.h"
#include "shell/project_dialogs.h"
#include "shell/project_operations.h"
#include "shell/startup.h"
#include "ui/common/print_renderer.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>
#include <optional>

namespace tv::app {

namespace {

void printErr(const QString& text) {
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

// Starts up for a command: the data root locked for the command's run, notices on stderr. Null when
// the data folder cannot be used (the reason is printed).
std::optional<shell::Startup> startCommand(const CommandLine& line, const QString& programFolder) {
    shell::Startup start = shell::startUp(line.dataRootOption, programFolder);
    if (!start.error.isEmpty()) {
        printErr(start.error);
        return std::nullopt;
    }
    if (!start.notice.isEmpty())
        printErr(start.notice);
    return start;
}

int runInit(const CommandLine& line, const QString& programFolder) {
    // Like every start, init first finishes or undoes a project switch that a crash interrupted, so
    // that it never lays down a default into the gap of a file that was being switched.
    const shell::Startup start =
        shell::startUp(line.dataRootOption, programFolder, shell::InstallScope::Everything);
    for (const QString& path : start.created)
        printErr(QStringLiteral("作成: ") + QDir::toNativeSeparators(path));
    if (!start.error.isEmpty()) {
        printErr(start.error);
        return 1;
    }
    if (!start.notice.isEmpty())
        printErr(start.notice);
    printErr(QStringLiteral("データフォルダ: ") + QDir::toNativeSeparators(start.state.dataRoot.path()));
    return 0;
}

int runProject(const CommandLine& line, const QString& programFolder) {
    std::optional<shell::Startup> start = startCommand(line, programFolder);
    if (!start)
        return 1;
    shell::ShellState& state = start->state;
    const QStringList& words = line.command;

    ConsolePrompter prompter;
    shell::ProjectOperations operations(state, prompter);
    const QString& verb = words.value(1);
    // Exit code 2 when a file that the operation reads is missing or cannot be read.
    const auto exitCode = [&](bool done) { return done ? 0 : operations.inputUnreadable() ? 2 : 1; };
    if (verb == u"save")
        return exitCode(operations.save());

    ConsoleFileChooser chooser(words.value(2));
    if (verb == u"open") {
        const auto choice =
            shell::runOpenDialog(state.dataRoot, state.project.projectName, chooser, prompter);
        if (!choice)
            return 1;
        return exitCode(operations.open(*choice));
    }
    const auto choice = shell::runNewProjectDialog(state.dataRoot, chooser, prompter);
    if (!choice)
        return 1;
    return exitCode(operations.createNew(*choice));
}

// The help text number of a printout name "help-N" (N from 0 to 5), or -1.
int helpNumber(const QString& what) {
    static const QRegularExpression pattern(QStringLiteral("^help-([0-5])$"));
    const QRegularExpressionMatch match = pattern.match(what);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// "print WHAT --pdf FILE" (or "print --pdf FILE WHAT"): the printout name and the PDF path.
bool splitPrint(const QStringList& c, QString* what, QString* pdf) {
    if (c.size() != 4 || c[0] != u"print")
        return false;
    const qsizetype flag = c.indexOf(QStringLiteral("--pdf"));
    if (flag != 1 && flag != 2)
        return false;
    *pdf = c[flag + 1];
    *what = flag == 1 ? c[3] : c[1];
    return !pdf->isEmpty() && !pdf->startsWith(u'-');
}

int runPrint(const CommandLine& line, const QString& programFolder) {
    QString what, pdf;
    splitPrint(line.command, &what, &pdf);
    if (isTotalsPrintout(what))
        return runTotalsPrint(line, programFolder, what, pdf);
    const std::optional<shell::Startup> start = startCommand(line, programFolder);
    if (!start)
        return 1;
    if (isSheetPrintout(what)) {
        QString message;
        const int code = printSheetToPdf(start->state, what, pdf, message);
        printErr(message);
        return code;
    }
    const QString helpFile =
        start->state.dataRoot.file(shell::kInfoFolder, QStringLiteral("info-%1.txt").arg(helpNumber(what)));
    const shell::HelpPrintout printout = what == kSecondaryPrintout ? secondaryPrintout(start->state.dataRoot)
                                                                    : shell::InfoForm::printout(helpFile);
    if (!printout.error.isEmpty()) {
        printErr(printout.error);
        return 2;
    }
    const services::Status written = ui::renderToPdf(printout.document, pdf);
    if (!written.ok()) {
        printErr(written.error);
        return 1;
    }
    printErr(QStringLiteral("PDFファイルに保存しました: ") +
             QDir::toNativeSeparators(QFileInfo(pdf).absoluteFilePath()));
    return 0;
}

} // namespace

bool isHeadless(const CommandLine& line) {
    return !line.command.isEmpty() || !line.usageError.isEmpty() || line.showVersion || line.showHelp;
}

bool needsGui(const CommandLine& line) {
    return line.usageError.isEmpty() && line.command.value(0) == u"print";
}

QString usageText() {
    return QStringLiteral(
        "使い方:\n"
        "  torvanel [--data-root DIR]                       画面を開く\n"
        "  torvanel --version                               版を表示する\n"
        "  torvanel --help                                  この使い方を表示する\n"
        "  torvanel [--data-root DIR] init                  データフォルダを用意する\n"
        "  torvanel [--data-root DIR] project save          物件を上書き保存する\n"
        "  torvanel [--data-root DIR] project open FILE     物件データを読み込む\n"
        "  torvanel [--data-root DIR] project new FILE      物件を新規作成する\n"
        "  torvanel [--data-root DIR] print help-N --pdf FILE  入力説明 N (0～5) をPDFに印刷する\n"
        "  torvanel [--data-root DIR] print column-sheet --pdf FILE  柱積算をPDFに印刷する\n"
        "  torvanel [--data-root DIR] print beam-sheet --pdf FILE    梁積算をPDFに印刷する\n"
        "  torvanel [--data-root DIR] print secondary --pdf FILE     副部材積算をPDFに印刷する\n"
        "  torvanel [--data-root DIR] totals [--table NAME]  集計して表をタブ区切りで出力する\n"
        "  torvanel [--data-root DIR] totals --xlsx FILE     集計して全表をExcelファイル(.xlsx)に保存する\n"
        "  torvanel [--data-root DIR] print totals-NAME --pdf FILE  集計表をPDFに印刷する\n"
        "    NAME: steel weld bolt coating galv joint\n"
        "  torvanel [--data-root DIR] registry import FILE --weights|--rates [--replace]\n"
        "    他物件(FILE)の部材単位重量(--weights)または溶接換算率(--rates)を取り込む。\n"
        "    --replace: 値が異なる行も取り込んだ値で置き換える\n"
        "  torvanel compare A.tkd B.tkd [--table NAME]      2つの物件の集計表と入力の違いを出力する");
}

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if ((a == u"--version" || a == u"--help") && line.command.isEmpty()) {
            (a == u"--version" ? line.showVersion : line.showHelp) = true;
        } else if (a == u"--data-root" || a.startsWith(QStringLiteral("--data-root="))) {
            // An empty folder would silently mean the home folder's default: it is bad usage.
            const bool separate = a == u"--data-root";
            line.dataRootOption = separate ? arguments.value(++i) : a.mid(12);
            if (line.dataRootOption.isEmpty()) {
                line.usageError = QStringLiteral("--data-root にはフォルダを指定してください。");
                return line;
            }
        } else if ((a == u"--open-help" || a == u"--screenshot" || a == u"--open-window" ||
                    a == u"--click") &&
                   line.command.isEmpty()) {
            // Hidden options of the window program, for pictures of its windows (tools/screenshots.sh):
            // --screenshot FILE saves the screen shortly after start and quits; --open-help N shows help
            // text N; --open-window NAME opens list, buzai, kansan, kigou, settei, column-sheet, beam-sheet,
            // secondary or syukei; each --click TEXT then clicks, in order, the button, command or list entry
            // of that text in the open window.
            if (i + 1 >= arguments.size()) {
                line.usageError = a + QStringLiteral(" には値を指定してください。");
                return line;
            }
            const QString& value = arguments[++i];
            if (a == u"--screenshot") {
                line.screenshot = value;
            } else if (a == u"--open-window") {
                static const QStringList names{QStringLiteral("list"), QStringLiteral("buzai"),
                                               QStringLiteral("kansan"), QStringLiteral("kigou"),
                                               QStringLiteral("settei"), QStringLiteral("column-sheet"),
                                               QStringLiteral("beam-sheet"), QStringLiteral("secondary"),
                                               QStringLiteral("syukei")};
                if (!names.contains(value)) {
                    line.usageError = QStringLiteral("--open-window には ") + names.join(u' ') +
                                      QStringLiteral(" のどれかを指定してください。");
                    return line;
                }
                line.openWindow = value;
            } else if (a == u"--click") {
                line.clicks.append(value);
            } else {
                bool number = false;
                line.openHelp = value.toInt(&number);
                if (!number || line.openHelp < 0 || line.openHelp > 5) {
                    line.usageError = QStringLiteral("--open-help には 0～5 を指定してください。");
                    return line;
                }
            }
        } else {
            line.command.append(a);
        }
    }
    const QStringList& c = line.command;
    if (c.isEmpty())
        return line;
    const QString& verb = c[0];
    QString what, pdf;
    const bool ok =
        (verb == u"init" && c.size() == 1) ||
        (splitPrint(c, &what, &pdf) &&
         (helpNumber(what) >= 0 || isSheetPrintout(what) || what == kSecondaryPrintout ||
          isTotalsPrintout(what))) ||
        isTotalsCommand(c) || isRegistryCommand(c) || isCompareCommand(c) ||
        (verb == u"project" && ((c.value(1) == u"save" && c.size() == 2) ||
                                ((c.value(1) == u"open" || c.value(1) == u"new") && c.size() == 3)));
    if (!ok)
        line.usageError = QStringLiteral("コマンドが正しくありません: ") + c.join(u' ');
    return line;
}

int runCommand(const CommandLine& line, const QString& programFolder) {
    if (line.usageError.isEmpty() && line.showVersion) {
        writeText(stdout, QStringLiteral("torvanel %1\n").arg(QStringLiteral(TV_VERSION)));
        return 0;
    }
    if (line.usageError.isEmpty() && line.showHelp) {
        writeText(stdout, usageText() + u'\n');
        return 0;
    }
    if (!line.usageError.isEmpty()) {
        printErr(line.usageError);
        printErr(usageText());
        return 2;
    }
    if (line.command.value(0) == u"init")
        return runInit(line, programFolder);
    if (line.command.value(0) == u"print")
        return runPrint(line, programFolder);
    if (line.command.value(0) == u"totals")
        return runTotalsCommand(line, programFolder);
    if (line.command.value(0) == u"registry")
        return runRegistryCommand(line, programFolder);
    if (line.command.value(0) == u"compare")
        return runCompareCommand(line);
    return runProject(line, programFolder);
}

} // namespace tv::app
