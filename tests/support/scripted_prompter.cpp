// Records mismatches instead of asserting inside ask(), so a model under test finishes its command.
#include "support/scripted_prompter.h"

namespace tv::test {

using services::PromptAnswer;
using services::PromptButtons;

namespace {
QString describe(const QString& text, const QString& title) {
    return QStringLiteral("[%1] %2").arg(title, QString(text).replace(u'\n', QStringLiteral("⏎")));
}
} // namespace

ScriptedPrompter::~ScriptedPrompter() = default;

ScriptedPrompter& ScriptedPrompter::expect(QString text, QString title, PromptButtons buttons, PromptAnswer answer) {
    m_expected.append({std::move(text), std::move(title), buttons, answer});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::expectOk(QString text, QString title) {
    return expect(std::move(text), std::move(title), PromptButtons::Ok, PromptAnswer::Ok);
}

PromptAnswer ScriptedPrompter::ask(const QString& text, const QString& title, PromptButtons buttons) {
    if (m_next >= m_expected.size()) {
        m_failures.append(QStringLiteral("unexpected message ") + describe(text, title));
        return PromptAnswer::Cancel;
    }
    const Expected& e = m_expected[m_next++];
    if (e.text != text || e.title != title || e.buttons != buttons) {
        m_failures.append(QStringLiteral("expected ") + describe(e.text, e.title) + QStringLiteral(", got ") +
                          describe(text, title) +
                          (e.buttons != buttons ? QStringLiteral(" (other buttons)") : QString()));
    }
    return e.answer;
}

} // namespace tv::test
