// The grade-list window model.
#include "registries/settei_form.h"

#include "registries/reference_lists.h"
#include "registries/registry_text.h"
#include "services/cp932.h"
#include "services/text.h"

namespace tv::registries {

SetteiForm::SetteiForm(const shell::DataRoot& root, services::Prompter& prompter, QObject* parent)
    : QObject(parent), m_root(root), m_prompter(prompter) {}

QString SetteiForm::commandCaption(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("OK");
    case 1:
        return QStringLiteral("↓登録");
    case 2:
        return QStringLiteral("削除");
    default:
        return {};
    }
}

QString SetteiForm::path() const {
    return m_root.file(shell::kSetFolder, kHasiraKikakuFile);
}

bool SetteiForm::open() {
    ReferenceList list = loadList(path());
    if (!list.ok()) {
        m_prompter.tellFailure(list.error);
        return false;
    }
    m_list = std::move(list.entries);
    m_history.clear();
    Q_EMIT changed();
    return true;
}

void SetteiForm::restore(const State& state) {
    m_inpTx = state.inpTx;
    m_list = state.list;
    Q_EMIT changed();
}

bool SetteiForm::editInpTx(const QString& text) {
    const Change change(m_states, 0);
    QString mapped = services::Cp932::mapLookAlikes(text);
    // A line break would split the entry into two lines of the file.
    mapped.remove(u'\r');
    mapped.remove(u'\n');
    if (const auto message = unusableCharacterMessage(mapped)) {
        m_prompter.tell(*message, QStringLiteral("確認"));
        Q_EMIT changed();
        return false;
    }
    m_inpTx = mapped;
    Q_EMIT changed();
    return true;
}

void SetteiForm::clickList(int index) {
    const Change change(m_states);
    if (index < 0 || index >= m_list.size())
        return;
    m_inpTx = m_list[index];
    Q_EMIT changed();
}

qsizetype SetteiForm::entryOf(const QString& grade) const {
    for (qsizetype i = 0; i < m_list.size(); ++i)
        if (services::SameIdentifier(m_list[i], grade))
            return i;
    return -1;
}

void SetteiForm::registerGrade() {
    const Change change(m_states);
    // A grade is an identifier: "ＳＳ４００" typed with an input method is the grade SS400.
    const QString grade = services::HalfWidthIdentifier(services::Trim(m_inpTx));
    if (grade.isEmpty() || entryOf(m_inpTx) >= 0 || entryOf(grade) >= 0)
        return;
    m_list.append(grade);
    Q_EMIT changed();
}

void SetteiForm::deleteGrade() {
    const Change change(m_states);
    if (m_inpTx.isEmpty())
        return;
    qsizetype at = entryOf(m_inpTx);
    if (at < 0)
        at = entryOf(services::Trim(m_inpTx));
    if (at < 0)
        return;
    m_list.removeAt(at);
    Q_EMIT changed();
}

void SetteiForm::ok() {
    const services::Status saved = saveList(path(), m_list);
    if (!saved.ok()) {
        m_prompter.tellFailure(saved.error);
        return;
    }
    m_prompter.tell(QStringLiteral("保存しました。"), title());
    close();
}

void SetteiForm::close() {
    if (m_closed)
        return;
    m_closed = true;
    Q_EMIT closeRequested();
}

} // namespace tv::registries
