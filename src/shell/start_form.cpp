// Start window commands. New and Open replace the working files, so they go ahead only when the
// current data is safe: it is already in the project file, the user declined to save it, saving it
// succeeded, or, before any project file exists, the user chose to carry it over or replace it.
#include "shell/start_form.h"

#include "shell/project_bundle.h"
#include "shell/project_dialogs.h"
#include "shell/project_operations.h"

namespace tv::shell {

using services::PromptAnswer;
using services::PromptButtons;
using services::WindowId;

StartForm::StartForm(ShellState& state, services::Prompter& prompter, services::FileChooser& chooser,
                     services::SettingsStore& settings, services::WindowOpener& opener)
    : CmdGd{QStringLiteral("終了"),
            QStringLiteral("リスト登録"),
            QStringLiteral("柱積算"),
            QStringLiteral("副部材積算"),
            QStringLiteral("梁積算"),
            QStringLiteral("集計・印刷"),
            QStringLiteral("部材単位重量登録"),
            QStringLiteral("隅肉6㍉換算率登録"),
            QStringLiteral("初期設定"),
            QStringLiteral("新規作成"),
            QStringLiteral("読込"),
            QStringLiteral("上書き保存"),
            QStringLiteral("入力説明")},
      BNameGd(state.project.projectName), m_state(state), m_prompter(prompter), m_chooser(chooser),
      m_settings(settings), m_opener(opener) {}

void StartForm::notify() {
    if (changed)
        changed();
}

void StartForm::showStatus(const QString& text) {
    GuideGd = text;
    notify();
}

void StartForm::command(int index) {
    switch (index) {
    case Exit:
        if (closeRequested)
            closeRequested();
        break;
    case ListRegistration:
        openWindow(WindowId::ListForm);
        break;
    case ColumnSheet:
        openWindow(WindowId::MainInputForm);
        break;
    case SecondarySheet:
        openWindow(WindowId::ZatuInpForm);
        break;
    case BeamSheet:
        openWindow(WindowId::MainInput2Form);
        break;
    case Totals:
        openWindow(WindowId::SyukeiForm);
        break;
    case UnitWeights:
        openWindow(WindowId::BuzaiForm);
        break;
    case WeldRates:
        openWindow(WindowId::KansanForm);
        break;
    case InitialSettings:
        openWindow(WindowId::SetteiForm);
        break;
    case NewProject:
        newProject();
        break;
    case OpenProject:
        openProject();
        break;
    case SaveProject:
        saveProject();
        break;
    case Help:
        showHelp();
        break;
    default:
        break;
    }
}

void StartForm::openWindow(WindowId id) {
    if (!m_opener.open(id))
        m_prompter.tell(QStringLiteral("この画面はまだ利用できません。"), QStringLiteral("確認"));
}

bool StartForm::hasProjectFile() const {
    return !m_state.project.bundlePath.isEmpty();
}

bool StartForm::askToSave() {
    // Nothing to lose when the project file already holds exactly what the working files hold.
    if (ProjectBundle::workingFilesMatch(m_state.dataRoot, m_state.project.bundlePath))
        return true;
    const PromptAnswer answer = m_prompter.ask(QStringLiteral("現在のデータを保存しますか？"),
                                               QStringLiteral("確認"), PromptButtons::YesNoCancel);
    if (answer == PromptAnswer::Cancel)
        return false;
    if (answer != PromptAnswer::Yes)
        return true;
    ProjectOperations operations(m_state, m_prompter, [this](const QString& text) { showStatus(text); });
    // A failed save has already said why; going on would overwrite the unsaved working files.
    const bool saved = operations.save();
    notify();
    return saved;
}

void StartForm::newProject() {
    bool carryOver = false;
    if (!hasProjectFile()) {
        // Input made before any project file existed can only be kept by carrying it over.
        if (!ProjectBundle::projectFilesEmpty(m_state.dataRoot)) {
            const PromptAnswer answer =
                m_prompter.ask(QStringLiteral("現在の入力内容を新しい物件に引き継ぎますか？"),
                               QStringLiteral("確認"), PromptButtons::YesNoCancel);
            if (answer == PromptAnswer::Cancel)
                return;
            carryOver = answer == PromptAnswer::Yes;
        }
    } else if (!askToSave()) {
        return;
    }
    const auto choice = runNewProjectDialog(m_state.dataRoot, m_chooser, m_prompter);
    if (!choice)
        return;
    ProjectOperations operations(m_state, m_prompter, [this](const QString& text) { showStatus(text); });
    operations.createNew(*choice, carryOver);
    BNameGd = m_state.project.projectName;
    notify();
}

void StartForm::openProject() {
    if (!hasProjectFile()) {
        if (!ProjectBundle::projectFilesEmpty(m_state.dataRoot) &&
            m_prompter.ask(
                QStringLiteral("現在の保存されていない入力内容は、開く物件のデータに置き換えられます。"),
                QStringLiteral("確認"), PromptButtons::OkCancel) != PromptAnswer::Ok)
            return;
    } else if (!askToSave()) {
        return;
    }
    const auto choice = runOpenDialog(m_state.dataRoot, m_state.project.projectName, m_chooser, m_prompter);
    if (!choice)
        return;
    ProjectOperations operations(m_state, m_prompter, [this](const QString& text) { showStatus(text); });
    operations.open(*choice);
    BNameGd = m_state.project.projectName;
    notify();
}

void StartForm::saveProject() {
    ProjectOperations operations(m_state, m_prompter, [this](const QString& text) { showStatus(text); });
    // Without a project file the save can only fail: say so at once instead of asking first.
    if (hasProjectFile() &&
        m_prompter.ask(QStringLiteral("現在のデータを保存します。"), QStringLiteral("上書保存"),
                       PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    operations.save();
    notify();
}

void StartForm::showHelp() {
    m_state.project.helpFilePath = m_state.dataRoot.file(kInfoFolder, u"info-0.txt");
    openWindow(WindowId::InfoForm);
}

void StartForm::hover(int index) {
    const int hovered = index >= 0 && index < CommandCount ? index : -1;
    if (hovered == m_hovered)
        return;
    m_hovered = hovered;
    notify();
}

void StartForm::closing(int leftTwips, int topTwips) {
    const QString application = QStringLiteral("KelAppT");
    const QString section = QStringLiteral("FormPos");
    m_settings.write(application, section, QStringLiteral("Left"), QString::number(leftTwips));
    m_settings.write(application, section, QStringLiteral("Top"), QString::number(topTwips));
}

} // namespace tv::shell
