// 溶接記号登録: the small dialog model that asks for the name of a new weld symbol.
#pragma once

#include "services/prompter.h"

#include <QObject>
#include <QString>

namespace tv::registries {

class KigouForm : public QObject {
    Q_OBJECT
public:
    explicit KigouForm(services::Prompter& prompter, QObject* parent = nullptr);

    static QString title() { return QStringLiteral("溶接記号登録"); }
    static QString inpCaption() { return QStringLiteral("記号名"); }
    static QString note() { return QStringLiteral("※大文字"); }
    // CmdGd(0) "OK", CmdGd(1) "キャンセル".
    static QString commandCaption(int index);

    const QString& InpTx() const { return m_inpTx; }
    // The symbol typed, once OK closed the dialog; empty after Cancel.
    const QString& result() const { return m_result; }
    bool isClosed() const { return m_closed; }

    // Text typed into InpTx: stored half-width, letters upper case, with "’" for "'"; a character that cannot
    // be stored is refused with a message and false, and InpTx keeps its previous text.
    bool editInpTx(const QString& text);
    void ok();     // CmdGd(0)
    void cancel(); // CmdGd(1) or closing the dialog

Q_SIGNALS:
    void changed();
    void closeRequested();

private:
    void finish(QString result);

    services::Prompter& m_prompter;
    QString m_inpTx;
    QString m_result;
    bool m_closed = false;
};

} // namespace tv::registries
