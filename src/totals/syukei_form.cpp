// The totals window model: table choice, the run, printing, the clipboard hand-over and the workbook.
#include "totals/syukei_form.h"

#include "shell/missing_files.h"
#include "shell/working_files.h"
#include "totals/totals_print.h"
#include "totals/totals_run.h"
#include "totals/totals_workbook.h"

#include <QDir>
#include <QFileInfo>

namespace tv::totals {

using services::PromptAnswer;
using services::PromptButtons;

SyukeiForm::SyukeiForm(const shell::DataRoot& root, const QString& projectName, lists::MemberLists& lists,
                       services::Prompter& prompter, services::PrinterPort& printer,
                       services::ClipboardPort& clipboard, services::FileChooser& chooser, QObject* parent)
    : QObject(parent), m_root(root), m_projectName(projectName), m_lists(lists), m_prompter(prompter),
      m_printer(printer), m_clipboard(clipboard), m_chooser(chooser) {}

QString SyukeiForm::commandCaption(int index) {
    static const QStringList captions{QStringLiteral("終了"), QStringLiteral("集計開始"),
                                      QStringLiteral("印刷"), QStringLiteral("Excelに送る"),
                                      QStringLiteral("Excelファイルに保存…")};
    return captions.value(index);
}

QString SyukeiForm::optionCaption(int index) {
    return tableCaption(TableId(index));
}

QString SyukeiForm::note(int index) {
    switch (TableId(index)) {
    case TableId::Steel:
        return QStringLiteral("※ジョイントの鋼材数量も含まれています。");
    case TableId::Bolt:
        return QStringLiteral("※ジョイント部のボルトも含みます。");
    case TableId::Galv:
        return QStringLiteral(
            "※数量は、「鋼材」の集計数量に含まれています。（合算しないように注意してください。）");
    case TableId::Joint:
        return QStringLiteral(
            "※ジョイント構成材の数量集計です。（確認用ですので鋼材・BOLT数量と合算しないように注意し"
            "てください。）");
    default:
        return {};
    }
}

bool SyukeiForm::open() {
    // The run reads every working file but the unused standards list.
    QStringList needed;
    for (const shell::WorkingFile& file : shell::kWorkingFiles) {
        if (file.name != u"Kikaku.ini")
            needed.append(shell::workingFilePath(m_root, file));
    }
    if (!shell::offerToCreateMissing(needed, m_prompter))
        return false;
    const services::Status loaded = loadTotalsRegistries(m_root, m_lists, m_weights, m_rates);
    if (!loaded.ok()) {
        m_prompter.tellFailure(loaded.error);
        return false;
    }
    return true;
}

void SyukeiForm::selectTable(int index) {
    if (index < 0 || index >= kTableCount || index == m_shown)
        return;
    m_shown = index;
    Q_EMIT shownTableChanged();
}

void SyukeiForm::command(int index) {
    switch (index) {
    case Close:
        Q_EMIT closeRequested();
        break;
    case Run:
        runTotals();
        break;
    case Print:
        print();
        break;
    case SendToExcel:
        sendToExcel();
        break;
    case SaveWorkbook:
        saveWorkbook();
        break;
    default:
        break;
    }
}

void SyukeiForm::runTotals() {
    const TotalsOutcome outcome = RunTotals(m_tables, m_root, m_lists.JointList, m_weights, m_rates);
    if (!outcome.ok()) {
        m_prompter.tellFailure(outcome.error);
        return;
    }
    Q_EMIT tablesChanged();
    for (const TotalsMessage& message : closingMessages(outcome.flags))
        m_prompter.tell(message.text, message.title);
}

void SyukeiForm::print() {
    const QString caption = optionCaption(m_shown);
    const PromptAnswer answer = m_prompter.ask(
        QStringLiteral("「") + caption +
            QStringLiteral("」の集計結果を印刷します。\nプリンターの電源を入れA4用紙をセット後OKしてく"
                           "ださい。\n(通常使うプリンターに出力されます)"),
        QStringLiteral("確認"), PromptButtons::OkCancel);
    if (answer != PromptAnswer::Ok)
        return;
    const services::Status printed = m_printer.print(PrintTotalsTable(
        m_tables.table(TableId(m_shown)), TableId(m_shown), m_bnameCh ? m_projectName : QString()));
    if (!printed.ok()) {
        m_prompter.tell(printed.error, QStringLiteral("印刷"));
        return;
    }
    m_prompter.tell(QStringLiteral("終了しました。"), QStringLiteral("印刷"));
}

void SyukeiForm::sendToExcel() {
    m_clipboard.setText(tableText(m_tables.table(TableId(m_shown))));
    const QString caption = optionCaption(m_shown);
    m_prompter.ask(
        QStringLiteral("「") + caption +
            QStringLiteral("」の集計結果をExcelのシートに貼り付けできます。\n①Excelの貼り付けしたいシート上の"
                           "任意のセルをクリックします。\n②Excel上で「編集」＞「貼り付け」を実行します。"),
        QStringLiteral("確認"), PromptButtons::OkCancel);
}

void SyukeiForm::saveWorkbook() {
    services::FileDialogRequest request;
    request.kind = services::FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("Excelファイルに保存");
    request.filter = QStringLiteral("Excelファイル(.xlsx)|*.xlsx");
    request.initialFolder = m_root.folder(shell::kDataFolder);
    request.defaultExtension = QStringLiteral("xlsx");
    request.fileName =
        m_projectName.isEmpty() ? QStringLiteral("集計.xlsx") : m_projectName + QStringLiteral("-集計.xlsx");
    const services::FileChoice choice = m_chooser.choose(request);
    if (choice.outcome != services::FileChoice::Outcome::Chosen)
        return;
    // The dialog does not ask before overwriting.
    if (QFileInfo::exists(choice.path) &&
        m_prompter.ask(QStringLiteral("「") + choice.title +
                           QStringLiteral("」は既にあります。\n上書きしますか？"),
                       QStringLiteral("確認"), PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    const services::Status written = writeTotalsWorkbook(m_tables, m_projectName, choice.path);
    if (!written.ok()) {
        m_prompter.tellFailure(written.error);
        return;
    }
    m_prompter.tell(QStringLiteral("Excelファイルに保存しました。\n") + QDir::toNativeSeparators(choice.path),
                    QStringLiteral("確認"));
}

} // namespace tv::totals
