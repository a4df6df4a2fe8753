// The part of the registry windows that the unit-weight and weld-rate windows share.
#include "registries/registry_form.h"

#include "registries/registry_text.h"
#include "services/text.h"
#include "shell/missing_files.h"
#include "shell/project_dialogs.h"

namespace tv::registries {

using services::CellOffer;
using services::PromptAnswer;
using services::PromptButtons;

namespace {
const QString kConfirm = QStringLiteral("確認");
}

RegistryForm::RegistryForm(const shell::DataRoot& root, services::Prompter& prompter, Texts texts,
                           QObject* parent)
    : QObject(parent), m_prompter(prompter), m_root(root), m_texts(std::move(texts)) {}

QString RegistryForm::path() const {
    return m_root.file(shell::kSetFolder, m_texts.fileName);
}

void RegistryForm::tell(const QString& message) {
    m_prompter.tell(message, kConfirm);
}

bool RegistryForm::open() {
    if (!shell::offerToCreateMissing({path()}, m_prompter))
        return false;
    const services::Status loaded = loadTable(path());
    if (!loaded.ok()) {
        m_prompter.tellFailure(loaded.error);
        return false;
    }
    refreshNameList();
    m_dirty = false;
    m_history.clear();
    Q_EMIT changed();
    return true;
}

void RegistryForm::restore(const State& state) {
    m_nameTx = state.nameTx;
    m_grid = state.grid.grid;
    restoreTable(state.table);
    m_nameListVisible = false;
    m_editorVisible = false;
    m_dirty = true; // what is put back may differ from the file
    Q_EMIT gridChanged();
    Q_EMIT changed();
}

void RegistryForm::command(int index) {
    if (index == 0)
        save();
    else if (index == 1)
        close();
    else if (index == 2)
        openNameList();
    else if (index == kImportCommand)
        importFromProject();
    else
        rowCommand(index);
}

void RegistryForm::importFromProject() {
    hideEditor();
    m_nameListVisible = false;
    if (!m_fileChooser)
        return;
    services::FileDialogRequest request;
    request.kind = services::FileDialogRequest::Kind::Open;
    request.title = importCaption();
    request.filter = shell::kBundleFilter.toString();
    request.initialFolder = m_root.folder(shell::kDataFolder);
    request.defaultExtension = shell::kBundleExtension.toString();
    const services::FileChoice choice = m_fileChooser->choose(request);
    if (choice.outcome != services::FileChoice::Outcome::Chosen)
        return;
    const ImportSource source = readImportSource(choice.path, registryKind());
    if (!source.refusal.isEmpty()) {
        m_prompter.tellFailure(source.refusal);
        return;
    }
    // Applying the grid changes what the table holds but nothing that the estimator sees: only the
    // rows taken over make the step.
    Change change(m_states);
    applyGrid(); // the edits on the grid are the table's before anything is compared
    const ImportCounts counts = takeOver(source, false, false);
    if (counts.added == 0 && counts.replaced == 0) {
        change.dismiss();
        tell(QStringLiteral("「%1」から取り込む行はありません(%2行はすべて登録済みです)。")
                 .arg(choice.title)
                 .arg(counts.unchanged));
        return;
    }
    QString question = QStringLiteral("「%1」から取り込みます。\n追加する行: %2行\n値が異なる行: %3行")
                           .arg(choice.title)
                           .arg(counts.added)
                           .arg(counts.replaced);
    bool replace = false;
    if (counts.replaced > 0) {
        question += QStringLiteral("\n\n値が異なる行も取り込んだ値で置き換えますか？\n"
                                   "(いいえ: 追加だけ行い、今の値を残します)");
        const PromptAnswer answer = m_prompter.ask(question, kConfirm, PromptButtons::YesNoCancel);
        if (answer != PromptAnswer::Yes && answer != PromptAnswer::No) {
            change.dismiss();
            return;
        }
        replace = answer == PromptAnswer::Yes;
    } else if (m_prompter.ask(question, kConfirm, PromptButtons::OkCancel) != PromptAnswer::Ok) {
        change.dismiss();
        return;
    }
    const ImportCounts done = takeOver(source, true, replace);
    markEdited();
    refreshNameList();
    if (!m_nameTx.isEmpty())
        showChosenName();
    Q_EMIT gridChanged();
    Q_EMIT changed();
    tell(QStringLiteral("取り込みました(%1)。\n「保存」で登録されます。").arg(importSummary(done, replace)));
}

void RegistryForm::hideEditor() {
    if (!m_editorVisible)
        return;
    m_editorVisible = false;
    Q_EMIT changed();
}

std::pair<int, int> RegistryForm::unreadableNumbers() const {
    int count = 0;
    int first = -1;
    for (int r = 1; r < m_grid.rowCount(); ++r) {
        for (int c = 0; c < m_grid.columnCount(); ++c) {
            const QString& text = m_grid.text(r, c);
            if (!isNumberColumn(c) || text.isEmpty() || readsAsPlainNumber(text))
                continue;
            ++count;
            if (first < 0)
                first = r;
        }
    }
    return {count, first};
}

bool RegistryForm::save() {
    hideEditor();
    if (m_nameTx.isEmpty()) {
        saveWithoutName();
        return false;
    }
    applyGrid();
    // A value that does not read as a number would count as 0 or "?" in the totals: say so first.
    const auto [count, first] = unreadableNumbers();
    if (count > 0 &&
        m_prompter.ask(
            QStringLiteral("数値として読めない値が%1件あります（最初は%2）。\nこのまま保存しますか？")
                .arg(count)
                .arg(rowLabel(first)),
            kConfirm, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return false;
    const services::Status saved = saveTable(path());
    if (!saved.ok()) {
        m_prompter.tellFailure(saved.error);
        return false;
    }
    m_dirty = false;
    tell(QStringLiteral("保存しました。"));
    return true;
}

void RegistryForm::close() {
    hideEditor();
    if (m_closed)
        return;
    if (m_dirty) {
        switch (
            m_prompter.ask(QStringLiteral("変更を保存しますか？"), kConfirm, PromptButtons::YesNoCancel)) {
        case PromptAnswer::Yes:
            if (!save())
                return;
            break;
        case PromptAnswer::No:
            break;
        default:
            return;
        }
    }
    m_closed = true;
    Q_EMIT closeRequested();
}

void RegistryForm::openNameList() {
    hideEditor();
    refreshNameList();
    m_nameListVisible = true;
    Q_EMIT changed();
}

void RegistryForm::mouseOverBackground() {
    if (!m_nameListVisible)
        return;
    m_nameListVisible = false;
    Q_EMIT changed();
}

void RegistryForm::clickNameTx() {
    tell(m_texts.nameTxMessage);
}

void RegistryForm::chooseName(int index) {
    const Change change(m_states);
    if (index < 0 || index >= m_nameList.size())
        return;
    takeName(m_nameList[index]);
    showChosenName();
    Q_EMIT gridChanged();
    Q_EMIT changed();
}

void RegistryForm::takeName(const QString& name) {
    if (!m_nameTx.isEmpty())
        applyGrid();
    m_nameTx = name;
    m_nameListVisible = false;
    m_editorVisible = false;
}

bool RegistryForm::confirmRowDeletion() {
    return m_prompter.ask(QStringLiteral("選択行を削除します。"), kConfirm, PromptButtons::OkCancel) ==
           PromptAnswer::Ok;
}

void RegistryForm::setCurrentCell(int row, int column) {
    m_grid.setCurrent(row, column);
}

CellOffer RegistryForm::clickCell(int row, int column) {
    if (!isDataRow(row))
        return {};
    if (m_nameTx.isEmpty()) {
        tell(m_texts.chooseNameMessage);
        return {};
    }
    m_grid.setCurrent(row, column);
    if (!isEditableColumn(column)) {
        hideEditor();
        return {};
    }
    m_editorVisible = true;
    m_editStartText = m_grid.text(row, column);
    Q_EMIT changed();
    return {CellOffer::Kind::Text, {}};
}

bool RegistryForm::editorTextChanged(const QString& text) {
    if (!m_editorVisible)
        return false;
    const Change change(m_states, cellKey(m_grid.currentRow(), m_grid.currentColumn()));
    // Every editable cell holds a size or a number: full-width letters and digits become half-width.
    const QString stored = services::HalfWidthIdentifier(storableText(text));
    if (const auto message = unusableCharacterMessage(stored)) {
        tell(*message);
        return false;
    }
    const int row = m_grid.currentRow();
    const int column = m_grid.currentColumn();
    if (m_grid.text(row, column) == stored)
        return true;
    m_grid.setText(row, column, stored);
    if (isNumberColumn(column))
        markNumberCell(m_grid, row, column);
    m_dirty = true;
    Q_EMIT cellChanged(row, column);
    return true;
}

std::optional<QString> RegistryForm::refusal(int, int, const QString&) const {
    return std::nullopt;
}

bool RegistryForm::commitCell(int row, int column, const QString& text) {
    if (!m_editorVisible || m_nameTx.isEmpty() || !isDataRow(row))
        return true;
    const Change change(m_states, cellKey(row, column));
    m_grid.setCurrent(row, column);
    editorTextChanged(text);
    const QString stored = m_grid.text(row, column);
    const auto message = stored == m_editStartText ? std::nullopt : refusal(row, column, stored);
    if (!message) {
        m_editStartText = stored;
        return true;
    }
    tell(*message);
    m_grid.setText(row, column, m_editStartText);
    if (isNumberColumn(column))
        markNumberCell(m_grid, row, column);
    Q_EMIT cellChanged(row, column);
    moveEditor(row, column);
    return false;
}

void RegistryForm::refuseCharacter(char32_t character) {
    tell(unusableCharacterMessage(character));
}

void RegistryForm::editorKey(EditorKey key) {
    if (!m_editorVisible)
        return;
    const QPoint next = nextCell(key, m_grid.currentRow(), m_grid.currentColumn(), m_grid.rowCount() - 1);
    moveEditor(next.y(), next.x());
}

void RegistryForm::moveEditor(int row, int column) {
    m_grid.setCurrent(row, column);
    m_editStartText = m_grid.text(row, column);
    Q_EMIT editorMoved();
}

} // namespace tv::registries
