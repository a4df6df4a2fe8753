// HariInpForm (梁-入力): the beam input dialog as a model. It turns one registered beam mark into a
// beam-sheet entry: floor and mark, end kind, length and count, the plate, weld and bolt lines,
// the gusset and stiffener sizing, surface class and fire-resistant coating, and the five entry
// texts that carry all of it to the sheet and back.
//
// Invariants:
// - no field or grid cell ever holds "･" (it joins the fields of the entry texts) or a character
//   CP932 cannot hold: such a character is taken out of the typed text with a message, the rest of
//   the text is stored, and the setter returns false (the text was not taken as typed);
//   typed apostrophes are stored as "’" (the sheet's record separator);
// - identifier and number fields and cells hold half-width letters, digits and size signs;
// - InfoGd(0), the beam's section caption, is empty until a mark is chosen and then has one of the
//   two forms of beam_section.h; every calculation reads the section back from it;
// - one object serves one showing of the dialog: open() once, then events until OK or Cancel;
// - the model only reads the member lists and the set files; it writes nothing but the entry
//   texts of a confirmed OK and the last floor;
// - every change the user makes after open() (a field typed, a mark, girder or option chosen, a
//   cell typed or picked, a right click, a row command, a loaded entry) is one step of history(),
//   the keystrokes of one field or cell one step together; open() starts the history empty, OK and
//   Cancel record nothing.
#pragma once

#include "beam_input/entry_picker.h"
#include "lists/member_lists.h"
#include "services/grid_snapshot.h"
#include "services/prompter.h"
#include "services/snapshot_step.h"
#include "services/text_grid.h"
#include "services/undo_stack.h"
#include "services/window_opener.h"
#include "sheets/entry_dialog.h"
#include "shell/project_state.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tv::beam_input {

inline constexpr int kInputCount = 15;   // InpTx
inline constexpr int kCaptionCount = 12; // InfoGd
inline constexpr int kListCount = 9;     // KouhoList

// Entry texts inside the sheet payload (columns 24 to 28).
enum PayloadText : int {
    kCoatingText = 0, // BeamCoatingText
    kPlateText = 1,   // BeamPlateText
    kInputText = 2,   // BeamInputText
    kCaptionText = 3, // BeamCaptionText
    kOptionText = 4,  // BeamOptionText
};

// BunruiOp, in option order.
enum class SurfaceClass { Painted = 0, Unpainted = 1, Galvanized = 2, Other = 3 };
// TanbuOp.
enum class EndKind { Welded = 0, PlateConnection = 1 };

// The help text of the dialog, in the info folder.
inline constexpr QStringView kHelpFile = u"info-4.txt";

class HariInpForm : public QObject {
    Q_OBJECT
public:
    // CmdGd numbers.
    enum Command {
        Ok = 0,
        Cancel = 1,
        LoadEntered = 2,
        ClearPlateRow = 3,
        DeletePlateBlankRow = 4,
        InsertPlateBlankRow = 5,
        ClearCoatingRow = 6,
        DeleteCoatingBlankRow = 7,
        InsertCoatingBlankRow = 8,
        Help = 9,
    };

    // `lastFloor` is the floor of the last confirmed column or beam dialog, shared for the run.
    // `picker` may be null: 入力済データ読込 then finds nothing to copy; `opener` shows the help
    // window (none without it).
    HariInpForm(shell::ShellState& shell, lists::MemberLists& lists, services::Prompter& prompter,
                QString& lastFloor, EntryPicker* picker = nullptr, services::WindowOpener* opener = nullptr,
                QObject* parent = nullptr);

    // Opens the dialog on the entry texts of one sheet entry (all empty for a new entry): loads the
    // member lists, fills the candidate lists from the set files, sets the option defaults and loads the
    // entry, or offers the last floor and starts the grid with the welded ends' flange and web weld
    // lines ("FLG溶接" H T 1, "WEB溶接" H F 2), worked out once a mark and a count are given.
    void open(const sheets::EntryPayload& payload);

    // --- fields and captions -------------------------------------------------------------------
    const QString& KaiTx() const { return m_kaiTx; }
    // Floor; rebuilds the mark lists. False (after a message) when the text was refused.
    bool setKaiTx(const QString& text);
    const QString& InpTx(int index) const { return m_inpTx.at(index); }
    // Input field; runs RecalcBeamInputs when the text changed. False when refused.
    bool setInpTx(int index, const QString& text);
    const QString& InfoGd(int index) const { return m_infoGd.at(index); }

    const services::TextGrid& IndexGrid() const { return m_indexGrid; }
    // Chooses the mark of an IndexGrid row (data rows from 1).
    void chooseMark(int row);
    const QStringList& FugoList() const { return m_fugoList; }
    // Puts a picked girder mark into InpTx(9) or InpTx(11) and sizes the girder-side lines.
    // Returns the field that takes the focus next (10 or 12).
    int pickGirder(int field, const QString& mark);
    const QStringList& KouhoList(int index) const { return m_kouhoList.at(index); }

    // --- option groups -------------------------------------------------------------------------
    SurfaceClass BunruiOp() const { return m_bunrui; }
    void setBunruiOp(SurfaceClass value);
    EndKind TanbuOp() const { return m_tanbu; }
    // Changing the end kind empties the plate grid and refills its name list; welded ends start
    // again with their flange and web weld lines.
    void setTanbuOp(EndKind value);
    int LeftOp() const { return m_leftOp; }
    void setLeftOp(int option);
    int RightOp() const { return m_rightOp; }
    void setRightOp(int option);
    int SaisunOp() const { return m_saisunOp; }
    void setSaisunOp(int option);
    bool JointCh() const { return m_jointCh; }
    // Unticking empties the joint mark (the joint places stay).
    void setJointCh(bool ticked);

    // --- plate grid 【溶接・プレート】 ------------------------------------------------------------
    const services::TextGrid& DataGrid() const { return m_dataGrid; }
    // A click on a cell: what it offers (nothing, the text editor or a list). Without a chosen mark
    // it shows a message and offers nothing.
    services::CellOffer plateCellClicked(int row, int column);
    // The editor's text changed; writes the cell and recomputes. False when a refused character
    // was taken out of it (see the invariants).
    bool plateEditorChanged(const QString& text);
    // Enter or Down in the editor: the cell the cursor moves to, with what it offers; nullopt when
    // the cursor stays.
    std::optional<services::CellOffer> plateEditorAdvance();
    // A list item picked, or the text of one typed, into the current cell: the cell takes that item
    // (named by its text, read as identifiers are); returns the offer of the cell the cursor moved
    // to, or nullopt when it stays. Text that names no item is refused with a message naming the
    // column; the cell keeps its text. The coating grid's 種類 takes its items alike.
    std::optional<services::CellOffer> plateListPicked(const QString& item);
    // Right click on a data cell: empties it (no recomputation). False for any other cell, which a
    // right click does not change.
    bool plateCellEmptied(int row, int column);
    void RecalcPlateGrid();

    // --- coating grid 【耐火被覆】 ----------------------------------------------------------------
    const services::TextGrid& HifukuGrid() const { return m_hifukuGrid; }
    services::CellOffer coatingCellClicked(int row, int column);
    bool coatingEditorChanged(const QString& text);
    std::optional<services::CellOffer> coatingEditorAdvance();
    std::optional<services::CellOffer> coatingListPicked(const QString& item);
    void RecalcCoating();

    // --- commands -------------------------------------------------------------------------------
    // Runs CmdGd(command); true when the dialog closes.
    bool run(Command command);
    // OK and F12: checks, then writes the entry texts. True when the dialog closes. An entry opened
    // under another floor or mark is replaced only when the user says so: "いいえ" keeps it and adds
    // this one as a further entry (result().addAsNew), "キャンセル" leaves the dialog open.
    bool ok();
    // Empties the texts that tell the sheet about a change; the dialog closes.
    void cancel();
    // 入力済データ読込: copies the input of another beam entry.
    void loadEnteredData();
    // Enter in an input field: the field that takes the focus (a hidden field is passed over).
    int nextInputOnEnter(int from) const;
    // Whether an input field is shown for the current end kind.
    bool inputVisible(int index) const;

    // Where a failed check put the focus: an input field, or -1.
    int focusInput() const { return m_focusInput; }
    // The entry texts: those the dialog was opened on until OK or Cancel changes them.
    const sheets::EntryPayload& payload() const { return m_payload; }
    // Whether OK closed the dialog (anything else leaves the sheet entry as it was).
    bool confirmed() const { return m_confirmed; }
    // What the sheet receives after OK: the texts and the entry's sheet rows.
    sheets::EntryDialogResult result() const;

    // Entry texts of the current input (what OK stores).
    sheets::EntryPayload WriteBeamEntry();
    // Loads entry texts: `whole` for the entry the dialog opened on, otherwise a copied entry whose
    // floor and mark are not taken over.
    void ReadBeamEntry(const sheets::EntryPayload& texts, bool whole);
    // Recomputation after an input field changed.
    void RecalcBeamInputs(int index);

    // What a step of history() keeps: everything the user's actions change before OK.
    struct State {
        sheets::EntryPayload payload;
        QString kaiTx;
        std::array<QString, kInputCount> inpTx;
        std::array<QString, kCaptionCount> infoGd;
        services::GridSnapshot indexGrid;
        SurfaceClass bunrui = SurfaceClass::Painted;
        EndKind tanbu = EndKind::Welded;
        int leftOp = 0;
        int rightOp = 0;
        int saisunOp = 0;
        bool jointCh = false;
        services::GridSnapshot dataGrid;
        services::GridSnapshot hifukuGrid;
        bool operator==(const State&) const = default;
    };
    State state() const;
    services::UndoStack& history() { return m_history; }
    // False when there is nothing to take back or make again. An open cell editor of the model is
    // closed: the cell shows the text of the step.
    bool undo() { return m_history.undo(); }
    bool redo() { return m_history.redo(); }

    // The three grids for the view, which shows them and keeps their widths, current cell and top
    // row as the window's grid control does; their cells change only through the events above.
    services::TextGrid* indexGridForView() { return &m_indexGrid; }
    services::TextGrid* dataGridForView() { return &m_dataGrid; }
    services::TextGrid* hifukuGridForView() { return &m_hifukuGrid; }

Q_SIGNALS:
    // Any field, caption, option, grid or list may have changed: the view redraws from the model.
    void changed();

private:
    // Emits changed() when an event handler returns, whichever way it returns.
    struct ChangeNotice {
        HariInpForm* form;
        ~ChangeNotice() { Q_EMIT form->changed(); }
    };

    using RecordedChange = services::RecordedChange<State>;
    void restore(const State& state);
    // History keys: the keystrokes typed into one field or cell, one after another, are one step.
    static constexpr int kFloorKey = 0;
    static constexpr int kFirstInputKey = 1;
    static int cellKey(int grid, int row, int column) {
        return kFirstInputKey + kInputCount + (grid * 64 + row) * 64 + column;
    }

    bool acceptTyped(QString& text, bool identifier);
    void rebuildMarkLists();
    void rebuildFugoList();
    void lookUpGirders();
    void fillPlateNames();
    void clearPlateGrid();
    void startWeldLines();
    void recalcWeldedLine(int row);
    void recalcPlateLine(int row);
    void recalcBoltCells(int row);
    QString paintedAreaPerMetre() const;
    QString paintedArea(const QString& perMetre) const;
    bool checkBeforeOk();
    services::CellOffer plateOffer(int row, int column) const;
    services::CellOffer coatingOffer(int row, int column) const;
    // The item of the offer's list that `typed` names; tells the refusal when it names none.
    std::optional<QString> listItemTyped(const services::TextGrid& grid, int column,
                                         const services::CellOffer& offer, const QString& typed);
    bool inPlateData(int row, int column) const;
    bool inCoatingData(int row, int column) const;
    void clearRow(services::TextGrid& grid, int firstDataRow, bool recalc);
    void deleteBlankRow(services::TextGrid& grid, int firstDataRow);
    void insertBlankRow(services::TextGrid& grid, int firstDataRow);
    void inputChanged(int index);

    shell::ShellState& m_shell;
    const shell::DataRoot& m_root;
    lists::MemberLists& m_lists;
    services::Prompter& m_prompter;
    QString& m_lastFloor;
    EntryPicker* m_picker;
    services::WindowOpener* m_opener;

    QString m_kaiTx;
    std::array<QString, kInputCount> m_inpTx;
    std::array<QString, kCaptionCount> m_infoGd;
    services::TextGrid m_indexGrid;
    QStringList m_fugoList;
    std::array<QStringList, kListCount> m_kouhoList;
    SurfaceClass m_bunrui = SurfaceClass::Painted;
    EndKind m_tanbu = EndKind::Welded;
    int m_leftOp = 0;
    int m_rightOp = 0;
    int m_saisunOp = 0;
    bool m_jointCh = false;
    services::TextGrid m_dataGrid;
    services::TextGrid m_hifukuGrid;
    // The cell under the editor or list of each grid; row -1 when none is open.
    int m_plateEditRow = -1, m_plateEditColumn = -1;
    int m_coatingEditRow = -1, m_coatingEditColumn = -1;
    int m_focusInput = -1;
    bool m_reading = false; // loading entry texts: field changes show no messages
    bool m_confirmed = false;
    bool m_addAsNew = false;
    sheets::EntryPayload m_payload;
    // The floor caption and mark of the entry the dialog was opened on; empty for a new entry.
    QString m_openedFloor;
    QString m_openedMark;
    services::UndoStack m_history;
    services::SnapshotHistory<State> m_snapshots;
};

} // namespace tv::beam_input
