// 初期設定: the window model that edits the steel-grade list HasiraKikaku.ini.
//
// The list changes in memory only; OK writes it and closes, any other way of closing drops the
// changes. A grade is stored trimmed, once: registering text that equals an entry after trimming
// adds nothing. Every change of the field or the list since the window opened is a step of
// history().
#pragma once

#include "services/prompter.h"
#include "services/snapshot_step.h"
#include "shell/data_root.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace tv::registries {

class SetteiForm : public QObject {
    Q_OBJECT
public:
    SetteiForm(const shell::DataRoot& root, services::Prompter& prompter, QObject* parent = nullptr);

    static QString title() { return QStringLiteral("初期設定"); }
    static QString label1() { return QStringLiteral("規格"); }
    // CmdGd(0) "OK", CmdGd(1) "↓登録", CmdGd(2) "削除".
    static QString commandCaption(int index);

    // Fills the list from the file. A file that cannot be read is refused with its message and
    // false: the window does not open, so nothing can overwrite it.
    bool open();

    const QString& InpTx() const { return m_inpTx; }
    const QStringList& ListList() const { return m_list; }
    bool isClosed() const { return m_closed; }

    // Text typed into InpTx(0). A character that cannot be stored is refused with a message and
    // false; InpTx keeps its previous text.
    bool editInpTx(const QString& text);
    // Clicking an entry of ListList(0) puts its text into InpTx(0).
    void clickList(int index);
    void registerGrade(); // CmdGd(1)
    void deleteGrade();   // CmdGd(2)
    void ok();            // CmdGd(0): save and close
    void close();         // closing any other way: changes are dropped

    // 元に戻す and やり直し: false when there is nothing to take back or make again.
    services::UndoStack& history() { return m_history; }
    bool undo() { return m_history.undo(); }
    bool redo() { return m_history.redo(); }

Q_SIGNALS:
    void changed();
    void closeRequested();

private:
    struct State {
        QString inpTx;
        QStringList list;
        bool operator==(const State&) const = default;
    };
    using Change = services::RecordedChange<State>;
    void restore(const State& state);

    // The first entry that is the same grade, full-width letters and digits read as half-width; -1.
    qsizetype entryOf(const QString& grade) const;
    QString path() const;

    shell::DataRoot m_root;
    services::Prompter& m_prompter;
    QString m_inpTx;
    QStringList m_list;
    bool m_closed = false;
    services::UndoStack m_history;
    services::SnapshotHistory<State> m_states{
        m_history, [this] { return State{m_inpTx, m_list}; }, [this](const State& state) { restore(state); }};
};

} // namespace tv::registries
