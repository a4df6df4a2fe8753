// ListForm (リスト登録): registering columns, beams and joints in the member lists, with the grids
// of registered entries, the candidate lists and the grade file updates.
//
// Invariants:
// - the registered grids hold exactly the live entries of their list, numbered from 1, with no
//   empty rows; HasiraList and HariList are rebuilt from their grid at every registration, so grid
//   order is list order;
// - every stored value has had its outer blanks removed and gone through SanitizeField; no field
//   ever holds "･" (it would shift the parts of the stored line) or a character CP932 cannot hold:
//   the setters take such a character out with a message, keep the rest of the text and return
//   false (the text was not taken as typed);
// - the list files are written only by finish() (終了) or a confirmed close; the grade file is
//   rewritten when a registration adds a grade to it (or an undo takes the grade out again), and
//   never when it could not be read;
// - every change of a field, option, grid or list since the window opened is a step of history():
//   undo and redo put back the whole window as it was before or after the step.
#pragma once

#include "lists/member_lists.h"
#include "services/grid_snapshot.h"
#include "services/prompter.h"
#include "services/snapshot_step.h"
#include "services/text.h"
#include "services/text_grid.h"
#include "shell/data_root.h"

#include <QObject>

#include <array>

namespace tv::lists {

enum class ListCategory { Hasira = 0, Hari = 1, Joint = 2, Gusset = 3 }; // BunruiOp
enum class ColumnShape { H = 0, SquareTube = 1, RoundTube = 2 };         // KeijyoOp
enum class BeamKind { Ordinary = 0, Secondary = 1 };                     // HariOp
enum class ListPanel { Column, Beam, Joint };

class ListForm : public QObject {
    Q_OBJECT
public:
    static constexpr int kColumnFieldCount = 25; // InpTx
    static constexpr int kBeamFieldCount = 14;   // HariInpTx
    static constexpr int kCommandCount = 8;      // CmdGd

    // CmdGd indices.
    enum Command {
        Finish = 0,
        ClearColumn = 1,
        Register = 2,
        ClearBeam = 3,
        DeleteJoint = 4,
        ClearJointInput = 5,
        DeleteColumn = 6,
        DeleteBeam = 7,
    };

    // Registered-column grid: No, 階, 符号, 形状, ① six parts, ② five parts, ③ five parts.
    static constexpr int kColumnGridHeaderRows = 4;
    static constexpr int kColumnGridColumns = 20;
    static constexpr int kColumnSpec1Column = 4;
    // Registered-beam grid: No, 階, 符号, centre six parts, end six parts.
    static constexpr int kBeamGridHeaderRows = 2;
    static constexpr int kBeamGridColumns = 15;
    // Joint input grid: line label, FLG eight parts, WEB eight parts, filler five parts.
    static constexpr int kJointGridHeaderRows = 3;
    static constexpr int kJointGridColumns = 22;
    static constexpr int kJointFlangeColumn = 1;
    static constexpr int kJointWebColumn = 9;
    static constexpr int kJointFillerColumn = 17;

    ListForm(const shell::DataRoot& root, MemberLists& lists, services::Prompter& prompter,
             QObject* parent = nullptr);

    // Fills the candidate lists, loads the member lists and shows them with 柱, H鋼 and 一般梁
    // selected. False (after a message) when the list files cannot be read: the window stays shut,
    // so that nothing can overwrite them.
    bool open();

    ListCategory category() const { return m_category; }
    void selectCategory(ListCategory category);
    ColumnShape shape() const { return m_shape; }
    void selectShape(ColumnShape shape);
    BeamKind beamKind() const { return m_beamKind; }
    void selectBeamKind(BeamKind kind);
    bool beamFloorLocked() const { return m_beamKind == BeamKind::Secondary; }

    // Fields. A setter takes "･" and characters CP932 cannot hold out of the text (message, false,
    // the rest of the text is kept); look-alike characters are mapped to their CP932 form.
    const QString& InpTx(int index) const { return m_columnFields.at(index); }
    bool setInpTx(int index, const QString& text);
    const QString& HariInpTx(int index) const { return m_beamFields.at(index); }
    bool setHariInpTx(int index, const QString& text); // refused silently while 小梁 locks the floor
    const QString& JointInpTx() const { return m_jointMark; }
    bool setJointInpTx(const QString& text);
    bool MekkiCh() const { return m_galvanized; }
    void setMekkiCh(bool checked);

    // The name of a column or beam field in messages ("①高", "端部 W厚").
    static QString columnFieldName(int index);
    static QString beamFieldName(int index);
    // The column fields of the selected shape in panel order (Enter and Tab follow it).
    QList<int> columnFieldOrder() const;

    const services::TextGrid& hasiraGrid() const { return m_hasiraGrid; }
    const services::TextGrid& hariGrid() const { return m_hariGrid; }
    const services::TextGrid& jointGrid() const { return m_jointGrid; }
    // The grids for their views, which keep the current cell and first visible row in them; their
    // texts change only through this model.
    services::TextGrid* hasiraGridForView() { return &m_hasiraGrid; }
    services::TextGrid* hariGridForView() { return &m_hariGrid; }
    services::TextGrid* jointGridForView() { return &m_jointGrid; }
    // Registered joint marks, sorted by mark.
    const QStringList& jointMarks() const { return m_jointMarks; }

    // Candidate lists.
    QStringList columnTypeCandidates() const; // 型 of columns: without "C" and "2C"
    const QStringList& beamTypeCandidates() const { return m_types; }
    const QStringList& gradeCandidates() const { return m_grades; } // 規格 of columns and beams
    QStringList jointGradeCandidates() const;                       // ends with "クリア"
    const QStringList& boltKindCandidates() const { return m_boltKinds; }
    const QStringList& boltDiameterCandidates() const { return m_boltDiameters; }

    // Commands (CmdGd) and keys.
    void command(int index);
    bool finish(); // 終了: saves the lists; true when the window closes
    void clearColumnFields();
    void registerEntry(); // 登録実行 and F12
    void clearBeamFields();
    void deleteJoint();
    void clearJointInput();
    void deleteColumn();
    void deleteBeam();
    // The close box: asks whether to save unsaved changes; true when the window may close.
    bool closeRequested();
    bool hasUnsavedChanges() const { return m_dirty; }

    // 元に戻す and やり直し: false when there is nothing to take back or make again.
    services::UndoStack& history() { return m_history; }
    bool undo() { return m_history.undo(); }
    bool redo() { return m_history.redo(); }

    // Clicks on the registered grids and the registered-joint list.
    void selectColumnRow(int row);
    void selectBeamRow(int row);
    void selectJointMark(int index);

    // A click in the joint input grid: what the cell offers (nothing while the mark is empty, after
    // a message), and the text typed or chosen for it ("クリア" empties a grade cell).
    services::CellOffer jointCellOffer(int row, int column);
    bool setJointCell(int row, int column, const QString& text);
    // A note for the joint panel while a flange or web 規格 or 種類 holds text that is none of its
    // candidates (stored as typed): the totals will count it as a group of its own. Empty otherwise.
    const QString& jointNotice() const { return m_jointNotice; }
    // A grid editor met a character that CP932 cannot hold: the same message as the fields give.
    void characterRefused(char32_t character);

    // Command captions, the notes and the row colour of a selected registered entry.
    static QString commandCaption(int index);
    static const QStringList& notes();
    static constexpr services::Rgb kSelectedRowColor{238, 252, 188};

Q_SIGNALS:
    // Any field, option, grid or list changed: the view redraws from the model.
    void changed();
    // The view puts the cursor at the end of a field (index -1 is the joint mark).
    void focusRequested(tv::lists::ListPanel panel, int index);

private:
    // A field that holds a number, with its name for the message.
    struct NumberField {
        ListPanel panel;
        int index; // InpTx or HariInpTx index; -1 for a joint cell
        QString name;
        QString text;
    };

    bool acceptText(QString& text);
    // Refuses the first field whose text does not start with a number (it would count as 0): the
    // message names it and the cursor goes there. True when one was refused.
    bool refuseNonNumbers(const QList<NumberField>& fields);
    void markChanged() { Q_EMIT changed(); }
    // Asks "<floor>階の<mark>を削除します。"; true on OK.
    bool confirmDeletion(const QString& floor, const QString& mark);
    void loadCandidates();
    void addGrades(const QStringList& values);

    void setUpColumnGrid();
    void showColumns();
    void rebuildHasiraList();
    void registerColumn();

    void setUpBeamGrid();
    void showBeams();
    void rebuildHariList();
    void registerBeam();

    // What a step of the history keeps: everything the estimator can change in the window.
    struct State {
        ListCategory category;
        ColumnShape shape;
        BeamKind beamKind;
        std::array<QString, kColumnFieldCount> columnFields;
        std::array<QString, kBeamFieldCount> beamFields;
        QString jointMark;
        bool galvanized;
        services::GridSnapshot hasiraGrid;
        services::GridSnapshot hariGrid;
        services::GridSnapshot jointGrid;
        QStringList jointMarks;
        QString jointNotice;
        QList<HasiraListEntry> hasiraList;
        QList<HariListEntry> hariList;
        QList<JointListEntry> jointList;
        QStringList grades;

        bool operator==(const State&) const = default;
    };
    using Change = services::RecordedChange<State>;
    State state() const;
    void restore(const State& state);
    // Keys that make the keystrokes in one field or cell one step.
    static int columnFieldKey(int index) { return index; }
    static int beamFieldKey(int index) { return kColumnFieldCount + index; }
    static int jointMarkKey() { return kColumnFieldCount + kBeamFieldCount; }
    static int jointCellKey(int row, int column) { return 1000 + row * kJointGridColumns + column; }

    void setUpJointGrid();
    void showJointMarks();
    void registerJoint();
    void updateJointNotice();

    const shell::DataRoot& m_root;
    MemberLists& m_lists;
    services::Prompter& m_prompter;

    ListCategory m_category = ListCategory::Hasira;
    ColumnShape m_shape = ColumnShape::H;
    BeamKind m_beamKind = BeamKind::Ordinary;
    std::array<QString, kColumnFieldCount> m_columnFields;
    std::array<QString, kBeamFieldCount> m_beamFields;
    QString m_jointMark;
    bool m_galvanized = false;

    services::TextGrid m_hasiraGrid;
    services::TextGrid m_hariGrid;
    services::TextGrid m_jointGrid;
    QStringList m_jointMarks;
    QString m_jointNotice;

    QStringList m_types;
    QStringList m_grades;
    QStringList m_boltKinds;
    QStringList m_boltDiameters;
    bool m_gradeFileReadable = true;
    bool m_dirty = false;

    services::UndoStack m_history;
    services::SnapshotHistory<State> m_states{
        m_history, [this] { return state(); }, [this](const State& s) { restore(s); }};
};

// Whether the text, once trimmed, starts with a number (a sign and a point may come first).
bool startsWithNumber(QStringView text);

// Stored form of a typed value: outer blanks removed, then SanitizeField.
QString storedValue(const QString& typed);

// Marks the first live entry of floor and mark as deleted (blank floor); true when one was found.
// Full-width letters and digits match their half-width forms.
template <typename Entry> bool markDeleted(QList<Entry>& list, const QString& floor, const QString& mark) {
    for (Entry& e : list) {
        if (!e.isDeleted() && services::SameIdentifier(e.Floor, floor) &&
            services::SameIdentifier(e.Mark, mark)) {
            e.Floor.clear();
            return true;
        }
    }
    return false;
}

} // namespace tv::lists
