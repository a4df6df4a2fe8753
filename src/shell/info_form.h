// The help viewer: shows the current help text line by line and prints it on A4 paper.
//
// The printout places one non-empty line every 6 mm in "ＭＳ Ｐ明朝" 11 pt; a text longer than a
// page goes on over further pages with the same layout, so that no line falls off the paper.
#pragma once

#include "services/print_document.h"
#include "services/printer_port.h"
#include "services/prompter.h"
#include "shell/project_state.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace tv::shell {

// The printout of a help text and, when the file cannot be printed, why.
struct HelpPrintout {
    services::PrintDocument document;
    QString error; // a message for the user; the document is then empty
};

class InfoForm {
public:
    // Printed lines per page: the 44th line's text ends 17 mm above the bottom edge of A4, the 45th
    // would end within 11 mm of it, closer than a printer's margin allows.
    static constexpr int kLinesPerPage = 44;

    static QString title() { return QStringLiteral("入力説明"); }
    static QString note() { return QStringLiteral("説明を表示したまま入力はできません。"); }

    // Reads the help file named by `project.helpFilePath`.
    InfoForm(const ProjectState& project, services::Prompter& prompter, services::PrinterPort& printer);

    QStringList infoList; // the file's lines, empty ones included, or a one-line note
    const QStringList CmdGd{QStringLiteral("閉じる"), QStringLiteral("説明を印刷する")};

    // Called when the window should close.
    std::function<void()> closeRequested;

    // Runs command `index` (0 close, 1 print).
    void command(int index);
    void print();

    // The printout of the help file at `path`, read afresh, without its empty lines.
    static HelpPrintout printout(const QString& path);
    // The page layout of `lines` (none of them empty); no lines, no pages.
    static services::PrintDocument layout(const QStringList& lines);

private:
    const ProjectState& m_project;
    services::Prompter& m_prompter;
    services::PrinterPort& m_printer;
};

} // namespace tv::shell
