// 【溶接・プレート】: the recomputation of the plate, weld and bolt lines, what each cell offers
// when it is clicked, where the cursor moves on, and the row commands of both grids.
#include "beam_input/beam_section.h"
#include "beam_input/girth_and_gussets.h"
#include "beam_input/hari_inp_form.h"
#include "beam_input/plate_columns.h"
#include "lists/list_grid_helpers.h"
#include "registries/input_codes.h"
#include "services/bolt_length.h"
#include "services/format_number.h"
#include "services/formula.h"
#include "services/num.h"
#include "services/single_precision.h"
#include "services/text.h"
#include "services/typed_text.h"

#include <cmath>

namespace tv::beam_input {

using services::CellOffer;
using services::Num;
using services::SingleProduct;
using services::SingleQuotient;
using services::StoreSingle;

namespace {

const QString kConfirm = QStringLiteral("確認");

// Metres of a weld formula in millimetres, stored in single precision.
float weldMetres(const QString& formula) {
    return SingleQuotient(Num(services::EvaluateFormula(formula, services::FormulaModeQuantity)), 1000);
}

QString quantityText(float value) {
    return services::formatNumber(value, u"#####0.00");
}

QString quantityOrEmpty(float value) {
    return value == 0 ? QString() : quantityText(value);
}

// Whole plates of a 枚 cell (formula allowed).
double plateCount(const QString& cell) {
    return std::trunc(Num(services::EvaluateFormula(cell, services::FormulaModeCount)));
}

CellOffer textEditor() {
    return {CellOffer::Kind::Text, {}};
}

CellOffer list(const QStringList& items) {
    return {CellOffer::Kind::List, items};
}

bool isGirderLine(QStringView name) {
    return name == kGussetA || name == kGussetB || name == kStiffenerA || name == kStiffenerB;
}

} // namespace

void HariInpForm::RecalcPlateGrid() {
    if (m_infoGd[0].isEmpty())
        return;
    for (int row = kPlateHeaderRows; row < m_dataGrid.rowCount(); ++row) {
        const QString name = m_dataGrid.text(row, kName);
        if (m_tanbu == EndKind::Welded || name == kWeldOnly) {
            // A weld typed by hand is worked out alike with either end kind: as a plate line it
            // would lose its typed weld thickness and count no weld without a plate count.
            recalcWeldedLine(row);
        } else if (isGirderLine(name)) {
            const bool aSide = name == kGussetA || name == kStiffenerA;
            GirderLineInputs in{
                m_infoGd[0], m_infoGd[aSide ? 4 : 5], m_inpTx[0], m_inpTx[aSide ? 10 : 12], m_inpTx[13],
                m_inpTx[14], m_saisunOp == 1};
            QStringList cells = m_dataGrid.rowTexts(row);
            if (name == kGussetA || name == kGussetB)
                SizeGussetLine(cells, in);
            else
                SizeStiffenerLine(cells, in);
            m_dataGrid.setRowTexts(row, cells);
        } else {
            recalcPlateLine(row);
        }
        recalcBoltCells(row);
    }
}

void HariInpForm::recalcWeldedLine(int row) {
    const QString name = m_dataGrid.text(row, kName);
    const SectionSize size = ReadSectionSize(EndSizeToken(m_infoGd[0]));
    const QString count = services::Trim(m_inpTx[0]);
    const bool several = Num(m_inpTx[0]) > 1;
    if (name.isEmpty()) {
        for (int column = 1; column < kPlateColumns; ++column)
            m_dataGrid.setText(row, column, {});
    } else if (name == kFlangeWeld) {
        // Both flanges, top and bottom faces, across the flange width, for every beam.
        QString formula = NumberText(size.B) + QStringLiteral("*4");
        if (several)
            formula += u'*' + count;
        m_dataGrid.setText(row, kWeldThickness, NumberText(size.tf));
        m_dataGrid.setText(row, kWeldLength, formula);
        m_dataGrid.setText(row, kWeldQuantity, quantityText(weldMetres(formula)));
    } else if (name == kWebWeld) {
        // Both faces of the clear web height, plus the extra length of each end with option 0; an
        // empty extra length adds nothing (and must not leave "+*4" in the formula).
        const float clearWeb = StoreSingle(size.H - SingleProduct(2, size.tf));
        QString formula = NumberText(clearWeb) + QStringLiteral("*2");
        const int ends = (m_leftOp == 0 ? 2 : 0) + (m_rightOp == 0 ? 2 : 0);
        if (ends > 0 && !services::Trim(m_inpTx[7]).isEmpty())
            formula += u'+' + m_inpTx[7] + u'*' + QString::number(ends);
        if (several)
            formula = u'(' + formula + QStringLiteral(")*") + count;
        m_dataGrid.setText(row, kWeldThickness, NumberText(size.tw));
        m_dataGrid.setText(row, kWeldLength, formula);
        m_dataGrid.setText(row, kWeldQuantity, quantityText(weldMetres(formula)));
    } else if (name == kWeldOnly) {
        m_dataGrid.setText(row, kWeldQuantity,
                           quantityOrEmpty(weldMetres(m_dataGrid.text(row, kWeldLength))));
    } else {
        recalcPlateLine(row);
    }
}

void HariInpForm::recalcPlateLine(int row) {
    const double plates = plateCount(m_dataGrid.text(row, kPlates));
    m_dataGrid.setText(row, kWeldThickness,
                       m_dataGrid.text(row, kWeldMethod).isEmpty() ? QString()
                                                                   : m_dataGrid.text(row, kThickness));
    const float weld = SingleProduct(weldMetres(m_dataGrid.text(row, kWeldLength)), plates);
    m_dataGrid.setText(row, kWeldQuantity, quantityOrEmpty(weld));
}

void HariInpForm::recalcBoltCells(int row) {
    const double plates = plateCount(m_dataGrid.text(row, kPlates));
    const QString grip = quantityText(StoreSingle(
        Num(services::EvaluateFormula(m_dataGrid.text(row, kBoltGrip), services::FormulaModeQuantity))));
    m_dataGrid.setText(row, kBoltLength,
                       services::BoltLength(m_dataGrid.text(row, kBoltKind),
                                            m_dataGrid.text(row, kBoltDiameter), StoreSingle(Num(grip))));
    const float bolts = SingleProduct(Num(m_dataGrid.text(row, kBoltsPerPlate)), plates);
    m_dataGrid.setText(row, kBoltQuantity, bolts == 0 ? QString() : services::formatNumber(bolts, u"#####0"));
}

bool HariInpForm::inPlateData(int row, int column) const {
    return row >= kPlateHeaderRows && row < m_dataGrid.rowCount() && column >= 1 && column < kPlateColumns;
}

CellOffer HariInpForm::plateOffer(int row, int column) const {
    const QString name = m_dataGrid.text(row, kName);
    switch (column) {
    case kName:
        return list(m_kouhoList[6]);
    case kGrade:
        return isWeldLine(name) ? CellOffer{} : list(m_kouhoList[7]);
    case kBoltKind:
        return isWeldLine(name) ? CellOffer{} : list(m_kouhoList[4]);
    case kWeldMethod:
        return list(m_kouhoList[1]);
    case kWeldJoint:
        return list(m_kouhoList[2]);
    case kWeldFaces:
        return list(m_kouhoList[3]);
    case kBoltDiameter:
        return list(m_kouhoList[5]);
    case kThickness:
    case kWeldLength:
    case kBoltGrip:
    case kBoltsPerPlate:
        return textEditor();
    case kWeldThickness:
        return name == kWeldOnly ? textEditor() : CellOffer{};
    case kWidth:
    case kDepth:
    case kPlates: {
        // Cells that the automatic lines compute are not typed.
        const bool computed =
            m_tanbu == EndKind::Welded ? (name == kFlangeWeld || name == kWebWeld) : name.contains(kSideMark);
        return computed ? CellOffer{} : textEditor();
    }
    default:
        return {};
    }
}

CellOffer HariInpForm::plateCellClicked(int row, int column) {
    const ChangeNotice notice{this};
    m_plateEditRow = m_plateEditColumn = -1;
    m_history.endStep(); // typing into the cell now is a step of its own
    if (m_infoGd[0].isEmpty()) {
        m_prompter.tell(QStringLiteral("符号を選択してください。"), kConfirm);
        return {};
    }
    m_dataGrid.setCurrent(row, column);
    if (!inPlateData(row, column))
        return {};
    lists::highlightRow(m_dataGrid, row, kSelectedRowColor);
    const CellOffer offer = plateOffer(row, column);
    if (offer.kind != CellOffer::Kind::None) {
        m_plateEditRow = row;
        m_plateEditColumn = column;
    }
    return offer;
}

bool HariInpForm::plateEditorChanged(const QString& text) {
    const ChangeNotice notice{this};
    if (m_plateEditRow < 0)
        return false;
    const RecordedChange change(m_snapshots, cellKey(0, m_plateEditRow, m_plateEditColumn));
    QString accepted = text;
    const bool asTyped = acceptTyped(accepted, true);
    m_dataGrid.setText(m_plateEditRow, m_plateEditColumn, accepted);
    RecalcPlateGrid();
    return asTyped;
}

std::optional<CellOffer> HariInpForm::plateEditorAdvance() {
    const ChangeNotice notice{this};
    if (m_plateEditRow < 0)
        return std::nullopt;
    const int column = m_plateEditColumn;
    int next = -1;
    if (column >= kGrade && column <= kBoltDiameter)
        next = m_dataGrid.text(m_plateEditRow, kName).contains(kSideMark) && column < kWeldMethod
                   ? kWeldMethod
                   : column + 1;
    else if (column == kBoltGrip)
        next = kBoltsPerPlate;
    if (next < 0)
        return std::nullopt;
    return plateCellClicked(m_plateEditRow, next);
}

std::optional<QString> HariInpForm::listItemTyped(const services::TextGrid& grid, int column,
                                                  const CellOffer& offer, const QString& typed) {
    std::optional<QString> item = services::ItemTyped(offer.items, typed);
    if (!item && !services::Trim(typed).isEmpty())
        m_prompter.tell(services::notAnItemMessage(typed, grid.text(grid.fixedRows() - 1, column)), kConfirm);
    return item;
}

std::optional<CellOffer> HariInpForm::plateListPicked(const QString& typed) {
    const ChangeNotice notice{this};
    if (m_plateEditRow < 0)
        return std::nullopt;
    const RecordedChange change(m_snapshots);
    const int row = m_plateEditRow;
    const int column = m_plateEditColumn;
    const std::optional<QString> chosen = listItemTyped(m_dataGrid, column, plateOffer(row, column), typed);
    if (!chosen) {
        m_plateEditRow = m_plateEditColumn = -1;
        return std::nullopt;
    }
    // An explained weld code ("T  T継手（完全溶込み）") is stored as its code.
    const QString item = registries::storedCode(*chosen);
    m_dataGrid.setText(row, column, item);
    m_plateEditRow = m_plateEditColumn = -1;
    std::optional<CellOffer> next;
    if (column < kPlateColumns - 1) {
        const bool weldList = column == kWeldMethod || column == kWeldJoint || column == kWeldFaces;
        const int to = !weldList && item.contains(kWeldOnly) ? int(kWeldMethod) : column + 1;
        next = plateCellClicked(row, to);
    }
    RecalcPlateGrid();
    return next;
}

bool HariInpForm::plateCellEmptied(int row, int column) {
    const ChangeNotice notice{this};
    if (!inPlateData(row, column))
        return false;
    const RecordedChange change(m_snapshots);
    m_dataGrid.setText(row, column, {});
    return true;
}

// --- row commands, shared by the two grids ---------------------------------------------------------

namespace {

bool rowEmpty(const services::TextGrid& grid, int row) {
    for (int column = 1; column < grid.columnCount(); ++column)
        if (!grid.text(row, column).isEmpty())
            return false;
    return true;
}

void renumber(services::TextGrid& grid, int firstDataRow) {
    for (int row = firstDataRow; row < grid.rowCount(); ++row)
        grid.setText(row, 0, QString::number(row - firstDataRow + 1));
}

} // namespace

void HariInpForm::clearRow(services::TextGrid& grid, int firstDataRow, bool recalc) {
    const int row = grid.currentRow();
    if (row < firstDataRow)
        return;
    if (m_prompter.ask(QStringLiteral("選択行を削除します。"), kConfirm, services::PromptButtons::OkCancel) !=
        services::PromptAnswer::Ok)
        return;
    const RecordedChange change(m_snapshots);
    for (int column = 1; column < grid.columnCount(); ++column)
        grid.setText(row, column, {});
    if (recalc)
        RecalcPlateGrid();
}

void HariInpForm::deleteBlankRow(services::TextGrid& grid, int firstDataRow) {
    const int row = grid.currentRow();
    if (row < firstDataRow || !rowEmpty(grid, row))
        return;
    const RecordedChange change(m_snapshots);
    grid.removeRow(row);
    grid.insertRow(grid.rowCount());
    renumber(grid, firstDataRow);
}

void HariInpForm::insertBlankRow(services::TextGrid& grid, int firstDataRow) {
    if (!rowEmpty(grid, grid.rowCount() - 1)) {
        m_prompter.tell(QStringLiteral("最下行に入力がありますので、挿入できません。"), kConfirm);
        return;
    }
    const int row = grid.currentRow();
    if (row < firstDataRow)
        return;
    const RecordedChange change(m_snapshots);
    grid.insertRow(row);
    grid.removeRow(grid.rowCount() - 1);
    renumber(grid, firstDataRow);
}

} // namespace tv::beam_input
