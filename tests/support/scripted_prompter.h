// Test double of the message-box port: expects each message in order and answers it. An unexpected,
// mismatched or unused message fails the test.
#pragma once

#include "services/prompter.h"

#include <QList>
#include <QString>

namespace tv::test {

class ScriptedPrompter : public services::Prompter {
public:
    struct Expected {
        QString text;
        QString title;
        services::PromptButtons buttons;
        services::PromptAnswer answer;
    };

    ~ScriptedPrompter() override;

    // Expects one message and scripts the button pressed.
    ScriptedPrompter& expect(QString text, QString title, services::PromptButtons buttons,
                             services::PromptAnswer answer);
    // Expects an OK-only message.
    ScriptedPrompter& expectOk(QString text, QString title);

    services::PromptAnswer ask(const QString& text, const QString& title, services::PromptButtons buttons) override;

    // True when every scripted message was shown; call at the end of a test (QVERIFY).
    bool allShown() const { return m_next == m_expected.size(); }
    qsizetype shownCount() const { return m_next; }
    // Messages that did not match the script, as readable text.
    const QStringList& failures() const { return m_failures; }

private:
    QList<Expected> m_expected;
    qsizetype m_next = 0;
    QStringList m_failures;
};

// Fails the current test when the prompter saw a wrong message or did not see all it expected.
#define TV_VERIFY_PROMPTS(prompter)                                                                          \
    do {                                                                                                     \
        QVERIFY2((prompter).failures().isEmpty(), qPrintable((prompter).failures().join(u'\n')));           \
        QVERIFY2((prompter).allShown(), "not every scripted message was shown");                            \
    } while (false)

} // namespace tv::test
