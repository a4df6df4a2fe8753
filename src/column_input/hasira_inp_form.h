// HasiraInpForm (柱入力): the model of the column input dialog. It describes one column entry of the
// column sheet (floor and mark, length and count, the welds of its section, attached plates and
// bolts, joint, surface treatment and fire-resistant coating), computes its quantities as each field
// changes and packs everything into the five entry texts on OK.
//
// Invariants:
// - the weld grids have the row counts of the section code once a mark is chosen, and the row counts
//   of the loaded texts after DataReadProc; the plate and coating grids always keep five lines;
// - no text that the user typed into a field or cell holds "･" (it would shift every later field of
//   the stored texts) or a character CP932 cannot hold: the setters take such a character out, with
//   a message, keep the rest of the text and return false (the text was not taken as typed);
//   typed "'" is held as "’", as the work file stores it; texts read from an entry are taken as
//   they stand, field by field;
// - OK changes the entry texts, LastFloor and WeldMemory only when every check passed;
// - every change the user makes after open() (a field typed, a mark chosen, a cell typed or picked,
//   a row command, a loaded entry) is one step of history(), the keystrokes of one field or cell one
//   step together; open() starts the history empty, OK and Cancel record nothing.
#pragma once

#include "column_input/column_candidates.h"
#include "column_input/column_entry_texts.h"
#include "column_input/column_section.h"
#include "services/grid_snapshot.h"
#include "services/prompter.h"
#include "services/snapshot_step.h"
#include "services/text_grid.h"
#include "services/undo_stack.h"
#include "state/input_dialog_state.h"

#include <QObject>

#include <array>

namespace tv::column_input {

// Classification options (BunruiOp) and their stored captions.
enum Classification : int {
    NoClassification = -1,
    Painted = 0,
    Unpainted = 1,
    Galvanized = 2,
    OtherTreatment = 3
};
QString classificationCaption(int option);

// InpTx indices.
enum InputField : int {
    LengthInput = 0,
    CountInput = 1,
    JointMarkInput = 2,
    SecondPlacesInput = 3,
    CommentInput = 4
};
inline constexpr int kInputFields = 5;

// DataReadProc modes.
enum ReadMode : int { ReadEditedEntry = 0, ReadPickedEntry = 1 };

class HasiraInpForm : public QObject {
    Q_OBJECT
    // The dialog's commands and cell editing work on its grids directly.
    friend class HasiraInpCommands;

public:
    HasiraInpForm(const lists::MemberLists& lists, InputDialogState& shared, ColumnReferenceLists reference,
                  services::Prompter& prompter, QObject* parent = nullptr);

    // Opens on an entry's texts: a new entry (main record without "･") starts on LastFloor,
    // otherwise the entry is loaded with DataReadProc(0). An entry it refuses closes the dialog
    // as Cancel does, before it is shown.
    void open(const ColumnEntryTexts& payload);
    // The entry texts: as opened, then as OK or Cancel left them.
    const ColumnEntryTexts& EntryPayload() const { return m_payload; }
    void setEntryPayload(const ColumnEntryTexts& payload) { m_payload = payload; }

    // OK (CmdGd(0), F12): checks, packs the texts, updates LastFloor and WeldMemory and closes;
    // false (with a message) when a check fails. An entry opened under another floor or mark is
    // replaced only when the user says so: "いいえ" keeps it and adds this one as a further entry
    // (addsNewEntry()), "キャンセル" returns false with the dialog still open.
    bool ok();
    bool addsNewEntry() const { return m_addAsNew; }
    // Cancel (CmdGd(1)): empties the main record and both weld texts, which the sheet reads as
    // nothing to do, and closes.
    void cancel();
    bool isClosed() const { return m_closed; }

    // Unpacks EntryPayload into the dialog: mode 0 the entry being edited, mode 1 content picked from
    // another entry, keeping the dialog's floor, mark and section. An entry with more weld rows than
    // the grids hold (eight) is refused with a message naming it, and false; nothing changes.
    bool DataReadProc(int mode);

    // Fields. A setter returns false when it did not take the text as typed (see the invariants).
    const QString& KaiTx() const { return m_kaiTx; }
    bool setKaiTx(const QString& text);
    const services::TextGrid& IndexGrid() const { return m_indexGrid; }
    const QString& InfoGd(int index) const { return m_infoGd.at(index); }
    const QString& InpTx(int index) const { return m_inpTx.at(index); }
    bool setInpTx(int index, const QString& text);
    bool JointCh() const { return m_jointCh; }
    void setJointCh(bool ticked);
    bool YousetuCh(int index) const { return m_yousetuCh.at(index); }
    void setYousetuCh(int index, bool ticked);
    int BunruiOp() const { return m_bunruiOp; }
    void setBunruiOp(int option);
    const services::TextGrid& DataGrid(int index) const { return m_dataGrid.at(index); }
    const services::TextGrid& HifukuGrid() const { return m_hifukuGrid; }
    SectionCode sectionCode() const { return m_sectionCode; }
    QStringList KouhoList(int index) const;
    // The InpTx that has the input focus, or -1.
    int focusedInput() const { return m_focus; }

    // What a step of history() keeps: everything the user's actions change before OK, the list
    // entry of the chosen mark (shared with the next opening) included.
    struct State {
        ColumnEntryTexts payload;
        QString kaiTx;
        services::GridSnapshot indexGrid;
        std::array<QString, 4> infoGd;
        std::array<QString, kInputFields> inpTx;
        bool jointCh = false;
        std::array<bool, 2> yousetuCh{false, false};
        int bunruiOp = Painted;
        std::array<services::GridSnapshot, 3> dataGrid;
        services::GridSnapshot hifukuGrid;
        SectionCode sectionCode = SectionCode::None;
        lists::HasiraListEntry currentListEntry;
        bool operator==(const State&) const = default;
    };
    State state() const;
    services::UndoStack& history() { return m_history; }
    // False when there is nothing to take back or make again.
    bool undo() { return m_history.undo(); }
    bool redo() { return m_history.redo(); }

    // Chooses the mark of IndexGrid row `row` (1 = the first mark).
    void chooseMark(int row);
    // Writes a weld attribute (工法, 継手 or 面, columns 1 to 3) picked from its candidate list.
    bool pickWeldCell(int grid, int row, int column, const QString& item);
    // Writes a plate cell (typed or picked) and recomputes the plate lines.
    bool setPlateCell(int row, int column, const QString& text);
    // Writes a typed coating cell and recomputes the coating lines.
    bool setCoatingCell(int row, int column, const QString& text);
    // Writes the coating kind picked from its list; nothing is recomputed until the next typed change.
    bool pickCoatingKind(int row, const QString& kind);
    // A right click on a data cell of the plate or coating grid empties it; computed cells fill
    // again at the next recomputation.
    void clearPlateCell(int row, int column);
    void clearCoatingCell(int row, int column);

Q_SIGNALS:
    void changed();

private:
    using RecordedChange = services::RecordedChange<State>;
    void restore(const State& state);

    // Maps look-alikes and apostrophes and takes out refused characters (with the message); false
    // when one was taken out.
    bool acceptText(QString& text);
    void changeFloor(const QString& text);
    void changeInput(int index, const QString& text);
    void changeNoWelds(int index, bool ticked);
    void fixSectionCode(const QString& kind);
    void recomputeWelds();
    void recomputeCoating();
    ColumnEntryTexts packedTexts();
    std::array<QString, 2> paintedGirthAndArea() const;

    const lists::MemberLists& m_lists;
    InputDialogState& m_shared;
    ColumnReferenceLists m_reference;
    services::Prompter& m_prompter;

    ColumnEntryTexts m_payload;
    // The floor and mark of the entry the dialog was opened on; empty for a new entry.
    QString m_openedFloor;
    QString m_openedMark;
    bool m_addAsNew = false;
    bool m_closed = false;
    QString m_kaiTx;
    services::TextGrid m_indexGrid;
    std::array<QString, 4> m_infoGd;
    std::array<QString, kInputFields> m_inpTx;
    bool m_jointCh = false;
    std::array<bool, 2> m_yousetuCh{false, false};
    int m_bunruiOp = Painted;
    std::array<services::TextGrid, 3> m_dataGrid;
    services::TextGrid m_hifukuGrid;
    SectionCode m_sectionCode = SectionCode::None;
    int m_focus = -1;
    services::UndoStack m_history;
    services::SnapshotHistory<State> m_snapshots;
};

} // namespace tv::column_input
