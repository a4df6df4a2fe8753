// Help viewer: reading the help text, the print question and the printout's layout.
#include "shell/info_form.h"

#include "services/print_cell.h"
#include "shell/record_file.h"

#include <QFileInfo>

namespace tv::shell {

using services::PrintDocument;
using services::PrintPage;
using services::PrintText;
using services::PromptAnswer;
using services::PromptButtons;

namespace {

// Why a help file shows no text: missing or refused. Empty when it was read.
QString problemOf(const QString& path, const LinesResult& read) {
    if (!read.exists)
        return QStringLiteral("説明ファイル「") + QFileInfo(path).fileName() +
               QStringLiteral("」がありません。");
    return read.error;
}

} // namespace

InfoForm::InfoForm(const ProjectState& project, services::Prompter& prompter, services::PrinterPort& printer)
    : m_project(project), m_prompter(prompter), m_printer(printer) {
    const LinesResult read = readLines(project.helpFilePath);
    const QString problem = problemOf(project.helpFilePath, read);
    infoList = problem.isEmpty() ? read.lines : QStringList{problem};
}

void InfoForm::command(int index) {
    if (index == 0) {
        if (closeRequested)
            closeRequested();
    } else if (index == 1) {
        print();
    }
}

void InfoForm::print() {
    const PromptAnswer answer = m_prompter.ask(
        QStringLiteral("説明を印刷します。\nプリンターの電源を入れA4用紙をセット後OKしてください。\n"
                       "(通常使うプリンターに出力されます)"),
        QStringLiteral("確認"), PromptButtons::OkCancel);
    if (answer != PromptAnswer::Ok)
        return;
    const HelpPrintout printout = InfoForm::printout(m_project.helpFilePath);
    if (!printout.error.isEmpty()) {
        m_prompter.tell(printout.error, QStringLiteral("印刷"));
        return;
    }
    // An empty text sends no job at all: there is nothing to put on paper.
    const services::Status printed =
        printout.document.pages.isEmpty() ? services::Status::success() : m_printer.print(printout.document);
    if (!printed.ok()) {
        m_prompter.tell(printed.error, QStringLiteral("印刷"));
        return;
    }
    m_prompter.tell(QStringLiteral("終了しました。"), QStringLiteral("印刷"));
}

HelpPrintout InfoForm::printout(const QString& path) {
    const LinesResult read = readLines(path);
    const QString problem = problemOf(path, read);
    if (!problem.isEmpty())
        return {{}, problem};
    QStringList lines;
    for (const QString& line : read.lines)
        if (!line.isEmpty())
            lines.append(line);
    HelpPrintout result{layout(lines), {}};
    result.document.title = title() + u'-' + QFileInfo(path).completeBaseName();
    return result;
}

PrintDocument InfoForm::layout(const QStringList& lines) {
    // Each line hangs from its reference line y = 18 + 6k mm: its top is the font size × 25/72 + 2 mm
    // above it, and its left edge 3.5 mm left of the 16 mm margin. A line is kept on the paper: it
    // may reach to the same margin at the right edge of A4, and is drawn smaller beyond it.
    constexpr double kPointSize = 11;
    constexpr double kRightMargin = 210 - (16 - 3.5);
    const int left = services::mmToTwips(16 - 3.5);
    PrintDocument document;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int k = int(i % kLinesPerPage) + 1;
        if (k == 1)
            document.pages.append(PrintPage{});
        PrintText text;
        text.x = left;
        text.y = services::mmToTwips(18 + 6 * k - kPointSize * 25 / 72 - 2);
        text.font = QStringLiteral("ＭＳ Ｐ明朝");
        text.pointSize = kPointSize;
        text.text = lines[i];
        services::keepInLine(text, kRightMargin);
        document.pages.last().texts.append(text);
    }
    return document;
}

} // namespace tv::shell
