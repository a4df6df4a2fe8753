// SyukeiForm (集計): shows one of the six totals tables, runs the totals, prints the shown table,
// hands it to a spreadsheet through the clipboard and saves all six tables as one workbook.
//
// The member lists and the two registries are loaded when the window opens; the tables start with
// their header rows and change only by 集計開始. A run whose work files cannot be read changes
// no table.
#pragma once

#include "lists/member_lists.h"
#include "registries/buzai_weight_table.h"
#include "registries/kansan_table.h"
#include "services/clipboard_port.h"
#include "services/file_chooser.h"
#include "services/printer_port.h"
#include "services/prompter.h"
#include "shell/data_root.h"
#include "totals/totals_tables.h"

#include <QObject>
#include <QStringList>

namespace tv::totals {

class SyukeiForm : public QObject {
    Q_OBJECT
public:
    enum Command { Close = 0, Run = 1, Print = 2, SendToExcel = 3, SaveWorkbook = 4 };

    SyukeiForm(const shell::DataRoot& root, const QString& projectName, lists::MemberLists& lists,
               services::Prompter& prompter, services::PrinterPort& printer,
               services::ClipboardPort& clipboard, services::FileChooser& chooser, QObject* parent = nullptr);

    static QString title() { return QStringLiteral("集計"); }
    static QString displayLabel() { return QStringLiteral("【表示】"); }
    static QString commandCaption(int index); // CmdGd(0) … CmdGd(4)
    static QString optionCaption(int index);  // HyojiOp(0) … HyojiOp(5)
    static QString bnameCaption() { return QStringLiteral("物件名"); }
    // The note under table `index`, empty for the tables without one.
    static QString note(int index);

    // Loads the member lists and the registries. A file that cannot be read is refused with its
    // message and false: the window does not open.
    bool open();

    int HyojiOp() const { return m_shown; }
    void selectTable(int index);
    bool BnameCh() const { return m_bnameCh; }
    void setBnameCh(bool ticked) { m_bnameCh = ticked; }
    const services::TextGrid& SyukeiGrid(int index) const { return m_tables.table(TableId(index)); }
    services::TextGrid* gridForView(int index) { return &m_tables.table(TableId(index)); }
    const TotalsTables& tables() const { return m_tables; }

    void command(int index);
    void runTotals();
    void print();
    void sendToExcel();
    // Asks where to save the workbook of the six tables (in Data, named after the project) and writes
    // it; an existing file is replaced only when the user agrees.
    void saveWorkbook();

Q_SIGNALS:
    void shownTableChanged();
    void tablesChanged();
    void closeRequested();

private:
    shell::DataRoot m_root;
    QString m_projectName;
    lists::MemberLists& m_lists;
    services::Prompter& m_prompter;
    services::PrinterPort& m_printer;
    services::ClipboardPort& m_clipboard;
    services::FileChooser& m_chooser;
    registries::BuzaiWeightTable m_weights;
    registries::KansanTable m_rates;
    TotalsTables m_tables;
    int m_shown = 0;
    bool m_bnameCh = false;
};

} // namespace tv::totals
