// The comparison window's model: choosing the other project file, comparing, the two grids, printing
// and the clipboard.
#include "totals/compare_form.h"

#include "shell/info_form.h"
#include "shell/project_bundle.h"
#include "shell/project_dialogs.h"
#include "shell/record_file.h"
#include "shell/safety_copies.h"
#include "totals/estimate_compare.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <optional>

namespace tv::totals {

using services::PromptAnswer;
using services::PromptButtons;
using services::TextGrid;

namespace {

const QString kConfirm = QStringLiteral("確認");

// The colour of a difference line by its first cell, or none.
std::optional<services::Rgb> colourOf(const QString& kind) {
    if (kind == u"追加")
        return CompareForm::kAddedColor;
    if (kind == u"削除")
        return CompareForm::kRemovedColor;
    if (kind == u"変更")
        return CompareForm::kChangedColor;
    return std::nullopt;
}

// Lines into a grid: a heading ("# 鋼材") as a coloured row of its own, every other line a row of
// its TAB-separated cells.
void fill(TextGrid& grid, const QStringList& lines) {
    int columns = 1;
    for (const QString& line : lines)
        columns = std::max(columns, int(line.count(u'\t')) + 1);
    grid = TextGrid(int(lines.size()) + 1, columns);
    grid.setFixedRows(1);
    grid.setRowTexts(0, {QStringLiteral("区分"), QStringLiteral("内容")});
    for (int c = 0; c < columns; ++c) {
        grid.setColumnWidth(c, c == 0 ? 900 : 1300);
        grid.setBackColor(0, c, CompareForm::kHeadingColor);
    }
    for (int i = 0; i < lines.size(); ++i) {
        const int row = i + 1;
        const QString& line = lines[i];
        const bool heading = line.startsWith(QStringLiteral("# "));
        grid.setRowTexts(row, heading ? QStringList{line.mid(2)} : line.split(u'\t'));
        const std::optional<services::Rgb> colour =
            heading ? CompareForm::kHeadingColor : colourOf(grid.text(row, 0));
        if (colour)
            for (int c = 0; c < columns; ++c)
                grid.setBackColor(row, c, colour);
    }
}

} // namespace

CompareForm::CompareForm(const shell::DataRoot& root, Ports ports, QObject* parent)
    : QObject(parent), m_root(root), m_ports(ports) {
    fill(m_tables, {});
    fill(m_entries, {});
}

QString CompareForm::commandCaption(int index) {
    static const QStringList captions{QStringLiteral("閉じる"), QStringLiteral("比較する物件…"),
                                      QStringLiteral("印刷"), QStringLiteral("Excelに送る")};
    return captions.value(index);
}

void CompareForm::command(int index) {
    switch (index) {
    case Close:
        Q_EMIT closeRequested();
        break;
    case Choose:
        chooseAndCompare();
        break;
    case Print:
        print();
        break;
    case Copy:
        copyToClipboard();
        break;
    default:
        break;
    }
}

bool CompareForm::chooseAndCompare() {
    services::FileDialogRequest request;
    request.kind = services::FileDialogRequest::Kind::Open;
    request.title = QStringLiteral("比較する物件");
    request.filter = shell::kBundleFilter.toString();
    const QDir copies(shell::safetyCopyFolder(m_root));
    const bool anyCopy = !copies.entryList({QStringLiteral("*.tkd")}, QDir::Files).isEmpty();
    request.initialFolder = anyCopy ? copies.path() : m_root.folder(shell::kDataFolder);
    request.defaultExtension = shell::kBundleExtension.toString();
    const services::FileChoice choice = m_ports.chooser.choose(request);
    if (choice.outcome != services::FileChoice::Outcome::Chosen)
        return false;
    // The open project as it is now, saved or not: its working files packed into a project file of
    // its own in a private folder.
    const shell::ProjectBundle::WorkingLines working = shell::ProjectBundle::workingLines(m_root);
    if (!working.status.ok()) {
        m_ports.prompter.tellFailure(working.status.error);
        return false;
    }
    QTemporaryDir folder;
    const QString current = QDir(folder.path()).filePath(QStringLiteral("現在の入力.tkd"));
    const shell::ProjectBundle::Packed packed = shell::ProjectBundle::pack(current, working.lines);
    services::Status written = packed.status;
    if (written.ok())
        written = shell::writeBytesAtomically(current, packed.bytes);
    if (!folder.isValid() || !written.ok()) {
        m_ports.prompter.tellFailure(written.ok() ? folder.errorString() : written.error);
        return false;
    }
    return compareFiles(choice.path, current, QStringLiteral("現在の入力"));
}

bool CompareForm::compareFiles(const QString& before, const QString& after, const QString& afterName) {
    const std::array<Estimate, 2> estimates = loadEstimates(before, after);
    for (const Estimate& e : estimates) {
        if (!e.refusal.isEmpty()) {
            m_ports.prompter.tellFailure(e.refusal);
            return false;
        }
        if (!e.doubts.isEmpty()) {
            m_ports.prompter.tellFailure(e.doubts.join(u'\n') +
                                         QStringLiteral("\n壊れているおそれがあるため、比較しません。"));
            return false;
        }
    }
    m_lines = compareEstimates(estimates[0], estimates[1]);
    m_caption = QStringLiteral("比較元: %1  →  比較先: %2").arg(QFileInfo(before).fileName(), afterName);
    showLines();
    return true;
}

void CompareForm::showLines() {
    const qsizetype firstSheet = m_lines.indexOf(QStringLiteral("# ") + compareSheetNames().first());
    fill(m_tables, m_lines.mid(0, firstSheet));
    fill(m_entries, firstSheet < 0 ? QStringList() : m_lines.mid(firstSheet));
    Q_EMIT changed();
}

void CompareForm::print() {
    if (m_lines.isEmpty())
        return;
    if (m_ports.prompter.ask(
            QStringLiteral("比較結果を印刷します。\nプリンターの電源を入れA4用紙をセット後OKしてく"
                           "ださい。\n(通常使うプリンターに出力されます)"),
            kConfirm, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    QStringList printed{m_caption};
    for (const QString& line : std::as_const(m_lines))
        printed.append(QString(line).replace(u'\t', QStringLiteral("  ")));
    services::PrintDocument document = shell::InfoForm::layout(printed);
    document.title = title();
    const services::Status status = m_ports.printer.print(document);
    if (!status.ok()) {
        m_ports.prompter.tell(status.error, QStringLiteral("印刷"));
        return;
    }
    m_ports.prompter.tell(QStringLiteral("終了しました。"), QStringLiteral("印刷"));
}

void CompareForm::copyToClipboard() {
    if (m_lines.isEmpty())
        return;
    m_ports.clipboard.setText(m_lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    m_ports.prompter.tell(QStringLiteral("比較結果をExcelのシートに貼り付けできます。"), kConfirm);
}

} // namespace tv::totals
