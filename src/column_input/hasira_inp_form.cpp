// HasiraInpForm: fields, floor and mark choice, and the recomputations that follow each change.
#include "column_input/hasira_inp_form.h"

#include "column_input/coating.h"
#include "column_input/plate_lines.h"
#include "column_input/weld_rows.h"
#include "services/cp932.h"
#include "services/formula.h"
#include "services/num.h"
#include "services/single_precision.h"
#include "services/text.h"
#include "services/typed_text.h"

namespace tv::column_input {

using services::TextGrid;

namespace {

const QString kConfirm = QStringLiteral("確認");

// Fields that hold identifiers or numbers store full-width letters and digits as half-width.
bool isIdentifierInput(int index) {
    return index != CommentInput;
}

bool isIdentifierPlateColumn(int column) {
    return column != PlateName;
}

// History keys: the keystrokes typed into one field or cell, one after the other, are one step.
constexpr int kFloorKey = 0;
constexpr int kFirstInputKey = 1;
int cellKey(int grid, int row, int column) {
    return 16 + (grid * 64 + row) * 64 + column;
}

} // namespace

QString classificationCaption(int option) {
    switch (option) {
    case Painted:
        return QStringLiteral("塗装有");
    case Unpainted:
        return QStringLiteral("塗装無");
    case Galvanized:
        return QStringLiteral("溶融亜鉛");
    case OtherTreatment:
        return QStringLiteral("その他");
    default:
        return {};
    }
}

HasiraInpForm::HasiraInpForm(const lists::MemberLists& lists, InputDialogState& shared,
                             ColumnReferenceLists reference, services::Prompter& prompter, QObject* parent)
    : QObject(parent), m_lists(lists), m_shared(shared), m_reference(std::move(reference)),
      m_prompter(prompter),
      m_indexGrid(1, 2), m_dataGrid{makeWeldGrid(kMaxWeldRows), makeWeldGrid(kMaxWeldRows), makePlateGrid()},
      m_hifukuGrid(makeCoatingGrid()), m_snapshots{m_history, [this] { return state(); },
                                                   [this](const State& state) { restore(state); }} {
    m_indexGrid.setFixedRows(1);
    m_indexGrid.setFixedColumns(1);
    m_indexGrid.setText(0, 1, QStringLiteral("符号"));
}

QStringList HasiraInpForm::KouhoList(int index) const {
    return kouhoList(index, m_reference, m_lists.JointList);
}

HasiraInpForm::State HasiraInpForm::state() const {
    return {m_payload,      m_kaiTx,       {m_indexGrid},
            m_infoGd,       m_inpTx,       m_jointCh,
            m_yousetuCh,    m_bunruiOp,    {{{m_dataGrid[0]}, {m_dataGrid[1]}, {m_dataGrid[2]}}},
            {m_hifukuGrid}, m_sectionCode, m_shared.CurrentListEntry};
}

void HasiraInpForm::restore(const State& state) {
    m_payload = state.payload;
    m_kaiTx = state.kaiTx;
    m_indexGrid = state.indexGrid.grid;
    m_infoGd = state.infoGd;
    m_inpTx = state.inpTx;
    m_jointCh = state.jointCh;
    m_yousetuCh = state.yousetuCh;
    m_bunruiOp = state.bunruiOp;
    for (size_t i = 0; i < m_dataGrid.size(); ++i)
        m_dataGrid[i] = state.dataGrid[i].grid;
    m_hifukuGrid = state.hifukuGrid.grid;
    m_sectionCode = state.sectionCode;
    m_shared.CurrentListEntry = state.currentListEntry;
    Q_EMIT changed();
}

bool HasiraInpForm::acceptText(QString& text) {
    // The work file's record separator is stored as "’", so the dialog holds what reads back. A
    // character that may not be stored ("･" would split the entry texts) leaves the text alone.
    const services::StorableText storable =
        services::TakeOutRefused(services::ReplaceApostrophe(services::Cp932::mapLookAlikes(text)),
                                 QStringView(&lists::kPartSeparator, 1));
    text = storable.text;
    if (!storable.refused)
        return true;
    m_prompter.tell(services::refusedCharacterMessage(*storable.refused), kConfirm);
    return false;
}

bool HasiraInpForm::setKaiTx(const QString& text) {
    RecordedChange change(m_snapshots, kFloorKey);
    QString accepted = text;
    const bool asTyped = acceptText(accepted);
    changeFloor(services::HalfWidthIdentifier(accepted));
    Q_EMIT changed();
    return asTyped;
}

void HasiraInpForm::changeFloor(const QString& text) {
    m_kaiTx = text;
    m_indexGrid.resize(1, m_indexGrid.columnCount());
    for (const lists::HasiraListEntry& entry : m_lists.HasiraList) {
        if (!entry.isDeleted() && services::SameIdentifier(entry.Floor, m_kaiTx))
            m_indexGrid.insertRow(m_indexGrid.rowCount(), {QString(), entry.Mark});
    }
}

void HasiraInpForm::chooseMark(int row) {
    if (row < m_indexGrid.fixedRows() || row >= m_indexGrid.rowCount())
        return;
    RecordedChange change(m_snapshots);
    const QString floor = services::Trim(m_kaiTx);
    const QString mark = m_indexGrid.text(row, 1);
    m_infoGd[2] = floor + QStringLiteral("階");
    m_infoGd[3] = mark;
    for (int index : {LengthInput, CountInput, SecondPlacesInput})
        m_inpTx[index].clear();

    const lists::HasiraListEntry* found = nullptr;
    for (const lists::HasiraListEntry& entry : m_lists.HasiraList) {
        if (!entry.isDeleted() && services::SameIdentifier(entry.Floor, floor) &&
            services::SameIdentifier(entry.Mark, mark)) {
            found = &entry;
            break;
        }
    }
    m_infoGd[0] = found ? found->Shape : QString();
    m_infoGd[1] = found ? sectionText(ColumnSpecs::of(*found)) : QString();
    if (found)
        m_shared.CurrentListEntry = *found;
    m_dataGrid[FirstWelds] = makeWeldGrid(kMaxWeldRows);
    m_dataGrid[SecondWelds] = makeWeldGrid(kMaxWeldRows);
    fixSectionCode(m_infoGd[0]);
    m_bunruiOp = Painted;

    const ColumnSpecs specs = ColumnSpecs::of(m_shared.CurrentListEntry);
    for (WeldGrid which : {FirstWelds, SecondWelds})
        fillDefaultWeldRows(m_dataGrid[which], which, m_sectionCode, specs, m_shared.WeldMemory[which]);
    m_focus = LengthInput;
    Q_EMIT changed();
}

void HasiraInpForm::fixSectionCode(const QString& kind) {
    m_sectionCode = column_input::sectionCode(kind, ColumnSpecs::of(m_shared.CurrentListEntry));
    const WeldRowCounts counts = weldRowCounts(m_sectionCode);
    setWeldRowCount(m_dataGrid[FirstWelds], counts.first);
    setWeldRowCount(m_dataGrid[SecondWelds], counts.second);
}

bool HasiraInpForm::setInpTx(int index, const QString& text) {
    if (index < 0 || index >= kInputFields)
        return false;
    RecordedChange change(m_snapshots, kFirstInputKey + index);
    QString accepted = text;
    const bool asTyped = acceptText(accepted);
    changeInput(index, isIdentifierInput(index) ? services::HalfWidthIdentifier(accepted) : accepted);
    Q_EMIT changed();
    return asTyped;
}

void HasiraInpForm::changeInput(int index, const QString& text) {
    m_inpTx[index] = text;
    switch (index) {
    case LengthInput: {
        const QString perPlace = services::FormatThousandths(services::StoreSingle(services::Num(text)));
        for (int row : lengthDependentRows(m_sectionCode))
            m_dataGrid[FirstWelds].setText(row, WeldUnitLength, perPlace);
        recomputeWelds();
        break;
    }
    case CountInput:
        // イ部 welds occur once per column: their places are the count as typed.
        setWeldPlaces(m_dataGrid[FirstWelds], text);
        recomputeWelds();
        break;
    case SecondPlacesInput:
        setWeldPlaces(m_dataGrid[SecondWelds], services::EvaluateFormula(text, services::FormulaModeCount));
        recomputeWelds();
        break;
    default:
        break;
    }
}

void HasiraInpForm::recomputeWelds() {
    recomputeWeldQuantities(m_dataGrid[FirstWelds], m_yousetuCh[0]);
    recomputeWeldQuantities(m_dataGrid[SecondWelds], m_yousetuCh[1]);
}

void HasiraInpForm::setJointCh(bool ticked) {
    RecordedChange change(m_snapshots);
    if (m_jointCh && !ticked)
        m_inpTx[JointMarkInput].clear();
    m_jointCh = ticked;
    Q_EMIT changed();
}

void HasiraInpForm::setYousetuCh(int index, bool ticked) {
    if (index < 0 || index > 1)
        return;
    RecordedChange change(m_snapshots);
    changeNoWelds(index, ticked);
    Q_EMIT changed();
}

void HasiraInpForm::changeNoWelds(int index, bool ticked) {
    m_yousetuCh[index] = ticked;
    setWeldPlaces(m_dataGrid[FirstWelds], m_inpTx[CountInput]);
    if (m_yousetuCh[1])
        changeInput(SecondPlacesInput, QString());
    else
        setWeldPlaces(m_dataGrid[SecondWelds],
                      services::EvaluateFormula(m_inpTx[SecondPlacesInput], services::FormulaModeCount));
    recomputeWelds();
}

void HasiraInpForm::setBunruiOp(int option) {
    if (option < Painted || option > OtherTreatment)
        return;
    RecordedChange change(m_snapshots);
    m_bunruiOp = option;
    Q_EMIT changed();
}

bool HasiraInpForm::pickWeldCell(int grid, int row, int column, const QString& item) {
    if (grid < 0 || grid > 1 || row < 1 || row >= m_dataGrid[grid].rowCount() || column < WeldMethod ||
        column > WeldSides)
        return false;
    RecordedChange change(m_snapshots);
    m_dataGrid[grid].setText(row, column, item);
    Q_EMIT changed();
    return true;
}

bool HasiraInpForm::setPlateCell(int row, int column, const QString& text) {
    if (row < kPlateFirstRow || row >= kPlateFirstRow + kPlateLines || column < 1 ||
        column >= kPlateGridColumns || isComputedPlateColumn(column))
        return false;
    RecordedChange change(m_snapshots, cellKey(2, row, column));
    QString accepted = text;
    const bool asTyped = acceptText(accepted);
    m_dataGrid[2].setText(
        row, column, isIdentifierPlateColumn(column) ? services::HalfWidthIdentifier(accepted) : accepted);
    recomputePlateLines(m_dataGrid[2]);
    Q_EMIT changed();
    return asTyped;
}

bool HasiraInpForm::setCoatingCell(int row, int column, const QString& text) {
    // The kind comes from its list, the girth is computed and the last column is never written.
    if (row < 1 || row > kCoatingLines || column < CoatingThickness || column > CoatingArea ||
        column == CoatingGirth)
        return false;
    RecordedChange change(m_snapshots, cellKey(3, row, column));
    QString accepted = text;
    const bool asTyped = acceptText(accepted);
    m_hifukuGrid.setText(row, column, services::HalfWidthIdentifier(accepted));
    recomputeCoating();
    Q_EMIT changed();
    return asTyped;
}

bool HasiraInpForm::pickCoatingKind(int row, const QString& kind) {
    if (row < 1 || row > kCoatingLines)
        return false;
    RecordedChange change(m_snapshots);
    m_hifukuGrid.setText(row, CoatingKind, kind);
    Q_EMIT changed();
    return true;
}

void HasiraInpForm::clearPlateCell(int row, int column) {
    if (row < kPlateFirstRow || column < 1)
        return;
    RecordedChange change(m_snapshots);
    m_dataGrid[2].setText(row, column, QString());
    Q_EMIT changed();
}

void HasiraInpForm::clearCoatingCell(int row, int column) {
    if (row < 1 || column < 1)
        return;
    RecordedChange change(m_snapshots);
    m_hifukuGrid.setText(row, column, QString());
    Q_EMIT changed();
}

void HasiraInpForm::recomputeCoating() {
    recomputeCoatingLines(m_hifukuGrid, m_infoGd[0], m_infoGd[1]);
}

} // namespace tv::column_input
