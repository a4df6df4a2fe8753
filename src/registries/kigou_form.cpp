// The symbol-name dialog model.
#include "registries/kigou_form.h"

#include "registries/registry_text.h"
#include "services/text.h"

namespace tv::registries {

KigouForm::KigouForm(services::Prompter& prompter, QObject* parent) : QObject(parent), m_prompter(prompter) {}

QString KigouForm::commandCaption(int index) {
    switch (index) {
    case 0:
        return QStringLiteral("OK");
    case 1:
        return QStringLiteral("キャンセル");
    default:
        return {};
    }
}

bool KigouForm::editInpTx(const QString& text) {
    // A symbol is an identifier in capitals ("※大文字"): half-width, Latin letters upper case.
    QString stored = services::HalfWidthIdentifier(storableText(text));
    for (QChar& c : stored)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    if (const auto message = unusableCharacterMessage(stored)) {
        m_prompter.tell(*message, QStringLiteral("確認"));
        Q_EMIT changed();
        return false;
    }
    m_inpTx = stored;
    Q_EMIT changed();
    return true;
}

void KigouForm::ok() {
    if (m_inpTx.isEmpty()) {
        m_prompter.tell(QStringLiteral("入力してください。"), QStringLiteral("確認"));
        return;
    }
    finish(m_inpTx);
}

void KigouForm::cancel() {
    finish({});
}

void KigouForm::finish(QString result) {
    if (m_closed)
        return;
    m_result = std::move(result);
    m_closed = true;
    Q_EMIT closeRequested();
}

} // namespace tv::registries
