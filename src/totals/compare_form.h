// 物件の比較: the comparison of another project file (before) with the open project's input (after)
// in a window: the totals tables' differences in one grid, the entries' and registries' in another,
// coloured by kind; printed and copied to the clipboard as the totals tables are.
#pragma once

#include "services/clipboard_port.h"
#include "services/file_chooser.h"
#include "services/printer_port.h"
#include "services/prompter.h"
#include "services/text_grid.h"
#include "shell/data_root.h"

#include <QObject>

namespace tv::totals {

class CompareForm : public QObject {
    Q_OBJECT
public:
    enum Command { Close = 0, Choose = 1, Print = 2, Copy = 3 };

    struct Ports {
        services::Prompter& prompter;
        services::PrinterPort& printer;
        services::ClipboardPort& clipboard;
        services::FileChooser& chooser;
    };

    CompareForm(const shell::DataRoot& root, Ports ports, QObject* parent = nullptr);

    static QString title() { return QStringLiteral("物件の比較"); }
    static QString commandCaption(int index);
    // The colours of the difference rows and of the headings.
    static constexpr services::Rgb kAddedColor{226, 239, 218};
    static constexpr services::Rgb kRemovedColor{252, 228, 214};
    static constexpr services::Rgb kChangedColor{255, 242, 204};
    static constexpr services::Rgb kHeadingColor{216, 233, 212};

    void command(int index);
    // A project file chosen (the dialog opens on the safety copies when there are any, so that the
    // last save is one click away), then compared with the open project's input. False when nothing
    // was compared (cancelled, or the file refused with its message).
    bool chooseAndCompare();
    // Compares two project files; false (after the message) when either is refused.
    bool compareFiles(const QString& before, const QString& after, const QString& afterName);
    void print();
    void copyToClipboard();

    // "比較元: <file>  →  比較先: <file>", empty before the first comparison.
    const QString& caption() const { return m_caption; }
    const QStringList& lines() const { return m_lines; }
    const services::TextGrid& tablesGrid() const { return m_tables; }
    const services::TextGrid& entriesGrid() const { return m_entries; }
    services::TextGrid* tablesGridForView() { return &m_tables; }
    services::TextGrid* entriesGridForView() { return &m_entries; }

Q_SIGNALS:
    void changed();
    void closeRequested();

private:
    void showLines();

    shell::DataRoot m_root;
    Ports m_ports;
    QString m_caption;
    QStringList m_lines;
    services::TextGrid m_tables;
    services::TextGrid m_entries;
};

} // namespace tv::totals
