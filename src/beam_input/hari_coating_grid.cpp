// 【耐火被覆】: the girth and area of each coating line, and the editing of the grid.
#include "beam_input/beam_section.h"
#include "beam_input/girth_and_gussets.h"
#include "beam_input/hari_inp_form.h"
#include "beam_input/plate_columns.h"
#include "lists/list_grid_helpers.h"
#include "services/format_number.h"
#include "services/formula.h"
#include "services/num.h"
#include "services/single_precision.h"
#include "services/text.h"

namespace tv::beam_input {

using services::CellOffer;
using services::Num;
using services::SingleProduct;
using services::StoreSingle;

void HariInpForm::RecalcCoating() {
    if (!HasSectionForm(m_infoGd[0]))
        return;
    const SectionSize size = ReadSectionSize(CentreSizeToken(m_infoGd[0]));
    for (int row = kCoatingHeaderRows; row < m_hifukuGrid.rowCount(); ++row) {
        if (m_hifukuGrid.text(row, kCoatingKind).isEmpty())
            continue;
        QString girth, area;
        if (!m_hifukuGrid.text(row, kCoatingShape).isEmpty()) {
            const float halfThickness =
                services::SingleQuotient(Num(m_hifukuGrid.text(row, kCoatingThickness)), 2);
            const float g = CoatingGirth(Num(m_hifukuGrid.text(row, kCoatingShape)), size, halfThickness);
            if (g > 0) {
                // Girth in mm × length in m × pieces in thousandths: the area in m², each factor
                // taken to 0.001 as the length and count are shown.
                const double length =
                    Num(services::FormatThousandths(StoreSingle(Num(services::EvaluateFormula(
                        m_hifukuGrid.text(row, kCoatingLength), services::FormulaModeQuantity)))));
                const double pieces = Num(
                    services::FormatThousandths(StoreSingle(Num(m_hifukuGrid.text(row, kCoatingPieces)))));
                girth = services::formatNumber(services::SingleQuotient(g, 1000), u"##0.##0");
                area = services::formatNumber(SingleProduct(SingleProduct(g, length), pieces), u"##0.##0");
            }
        }
        m_hifukuGrid.setText(row, kCoatingGirth, girth);
        m_hifukuGrid.setText(row, kCoatingArea, area);
    }
}

bool HariInpForm::inCoatingData(int row, int column) const {
    return row >= kCoatingHeaderRows && row < m_hifukuGrid.rowCount() && column >= 1 &&
           column <= kCoatingArea;
}

CellOffer HariInpForm::coatingOffer(int /*row*/, int column) const {
    if (column == kCoatingKind)
        return {CellOffer::Kind::List, m_kouhoList[8]};
    if (column == kCoatingGirth)
        return {};
    return {CellOffer::Kind::Text, {}};
}

CellOffer HariInpForm::coatingCellClicked(int row, int column) {
    const ChangeNotice notice{this};
    m_coatingEditRow = m_coatingEditColumn = -1;
    m_history.endStep(); // typing into the cell now is a step of its own
    m_hifukuGrid.setCurrent(row, column);
    if (!inCoatingData(row, column))
        return {};
    lists::highlightRow(m_hifukuGrid, row, kSelectedRowColor);
    const CellOffer offer = coatingOffer(row, column);
    if (offer.kind != CellOffer::Kind::None) {
        m_coatingEditRow = row;
        m_coatingEditColumn = column;
    }
    return offer;
}

bool HariInpForm::coatingEditorChanged(const QString& text) {
    const ChangeNotice notice{this};
    if (m_coatingEditRow < 0)
        return false;
    const RecordedChange change(m_snapshots, cellKey(1, m_coatingEditRow, m_coatingEditColumn));
    QString accepted = text;
    const bool asTyped = acceptTyped(accepted, true);
    m_hifukuGrid.setText(m_coatingEditRow, m_coatingEditColumn, accepted);
    RecalcCoating();
    return asTyped;
}

std::optional<CellOffer> HariInpForm::coatingEditorAdvance() {
    const ChangeNotice notice{this};
    if (m_coatingEditRow < 0)
        return std::nullopt;
    const int column = m_coatingEditColumn;
    int next = -1;
    if (column == kCoatingThickness)
        next = kCoatingShape;
    else if (column == kCoatingShape)
        next = m_hifukuGrid.text(m_coatingEditRow, column) == u"0" ? kCoatingGirth : kCoatingLength;
    else if (column == kCoatingGirth || column == kCoatingLength)
        next = column + 1;
    if (next < 0)
        return std::nullopt;
    // The editor follows the cursor, whatever the new cell offers on a click.
    m_history.endStep();
    m_coatingEditColumn = next;
    m_hifukuGrid.setCurrent(m_coatingEditRow, next);
    return CellOffer{CellOffer::Kind::Text, {}};
}

std::optional<CellOffer> HariInpForm::coatingListPicked(const QString& item) {
    const ChangeNotice notice{this};
    if (m_coatingEditRow < 0)
        return std::nullopt;
    const RecordedChange change(m_snapshots);
    const std::optional<QString> chosen = listItemTyped(
        m_hifukuGrid, m_coatingEditColumn, coatingOffer(m_coatingEditRow, m_coatingEditColumn), item);
    if (!chosen) {
        m_coatingEditRow = m_coatingEditColumn = -1;
        return std::nullopt;
    }
    m_hifukuGrid.setText(m_coatingEditRow, m_coatingEditColumn, *chosen);
    return coatingCellClicked(m_coatingEditRow, kCoatingThickness);
}

} // namespace tv::beam_input
