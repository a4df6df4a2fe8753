// Headless commands share the window's model code: the same operations, their messages on stderr.
#include "app/command_line.h"

#include "app/console_ports.h"
#include "shell/installation.h"
#include "shell/project_dialogs.h"
#include "shell/project_operations.h"
#include "shell/startup.h"

#include <QDir>
#include <QProcessEnvironment>

#include <cstdio>

namespace tv::app {

namespace {

void printErr(const QString& text) {
    const QByteArray bytes = (text + u'\n').toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

int runInit(const CommandLine& line, const QString& programFolder) {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const shell::DataRoot root(shell::DataRoot::resolve(
        line.dataRootOption, env.value(QStringLiteral("TORVANEL_DATA_ROOT")), programFolder, QDir::homePath()));
    const shell::InstallReport report = shell::layDownInstallation(root);
    for (const QString& path : report.created)
        printErr(QStringLiteral("作成: ") + QDir::toNativeSeparators(path));
    if (!report.status.ok()) {
        printErr(report.status.error);
        return 1;
    }
    printErr(QStringLiteral("データフォルダ: ") + QDir::toNativeSeparators(root.path()));
    return 0;
}

int runProject(const CommandLine& line, const QString& programFolder) {
    shell::Startup start = shell::startUp(line.dataRootOption, programFolder);
    if (!start.error.isEmpty()) {
        printErr(start.error);
        return 2;
    }
    shell::ShellState& state = start.state;
    const QStringList& words = line.command;

    ConsolePrompter prompter;
    shell::ProjectOperations operations(state, prompter);
    const QString& verb = words.value(1);
    if (verb == u"save")
        return operations.save() ? 0 : 1;

    ConsoleFileChooser chooser(words.value(2));
    if (verb == u"open") {
        const auto choice = shell::runOpenDialog(state.dataRoot, state.project.projectName, chooser, prompter);
        if (!choice)
            return 1;
        return operations.open(*choice) ? 0 : 2;
    }
    const auto choice = shell::runNewProjectDialog(state.dataRoot, chooser, prompter);
    if (!choice)
        return 1;
    return operations.createNew(*choice) ? 0 : 1;
}

} // namespace

QString usageText() {
    return QStringLiteral(
        "使い方:\n"
        "  torvanel [--data-root DIR]                       画面を開く\n"
        "  torvanel [--data-root DIR] init                  データフォルダを用意する\n"
        "  torvanel [--data-root DIR] project save          物件を上書き保存する\n"
        "  torvanel [--data-root DIR] project open FILE     物件データを読み込む\n"
        "  torvanel [--data-root DIR] project new FILE      物件を新規作成する");
}

CommandLine parseCommandLine(const QStringList& arguments) {
    CommandLine line;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (a == u"--data-root") {
            if (i + 1 >= arguments.size()) {
                line.usageError = QStringLiteral("--data-root にはフォルダを指定してください。");
                return line;
            }
            line.dataRootOption = arguments[++i];
        } else if (a.startsWith(QStringLiteral("--data-root="))) {
            line.dataRootOption = a.mid(12);
        } else {
            line.command.append(a);
        }
    }
    const QStringList& c = line.command;
    if (c.isEmpty())
        return line;
    const QString& verb = c[0];
    const bool ok = (verb == u"init" && c.size() == 1) ||
                    (verb == u"project" && ((c.value(1) == u"save" && c.size() == 2) ||
                                            ((c.value(1) == u"open" || c.value(1) == u"new") && c.size() == 3)));
    if (!ok)
        line.usageError = QStringLiteral("コマンドが正しくありません: ") + c.join(u' ');
    return line;
}

int runCommand(const CommandLine& line, const QString& programFolder) {
    if (!line.usageError.isEmpty()) {
        printErr(line.usageError);
        printErr(usageText());
        return 2;
    }
    if (line.command.value(0) == u"init")
        return runInit(line, programFolder);
    return runProject(line, programFolder);
}

} // namespace tv::app
