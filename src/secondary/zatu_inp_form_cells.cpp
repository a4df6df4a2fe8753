// The secondary-member sheet's cells: what each offers, the editor, list picks and the editor keys.
#include "secondary/zatu_inp_form.h"

#include "registries/input_codes.h"
#include "registries/registry_text.h"
#include "services/cp932.h"
#include "services/text.h"
#include "services/typed_text.h"

namespace tv::secondary {

using services::CellOffer;

namespace {

CellOffer editor() {
    return {CellOffer::Kind::Text, {}};
}

CellOffer list(const QStringList& items) {
    return {CellOffer::Kind::List, items};
}

// Cells the estimator types numbers or identifiers into: full-width letters, digits and size signs
// are stored half-width. The position/comment cell keeps what was typed.
bool storesHalfWidth(int column) {
    return column != PositionCell;
}

// Enter walks the quantity cells of a row; Shift+Left walks back.
int nextQuantityCell(int column) {
    switch (column) {
    case LengthCell:
        return CountCell;
    case CountCell:
        return WeldLengthCell;
    case WeldLengthCell:
        return WeldCountCell;
    case WeldCountCell:
        return GirthCell;
    case GirthCell:
        return PaintCountCell;
    case PaintCountCell:
        return LengthCell;
    default:
        return -1;
    }
}

int previousQuantityCell(int column) {
    switch (column) {
    case CountCell:
        return LengthCell;
    case WeldLengthCell:
        return CountCell;
    case WeldCountCell:
        return WeldLengthCell;
    case GirthCell:
        return WeldCountCell;
    case PaintCountCell:
        return GirthCell;
    default:
        return -1;
    }
}

} // namespace

QString ZatuInpForm::sizePrefix(const QString& name) {
    static const QList<std::pair<QString, QString>> prefixes{
        {QStringLiteral("H鋼"), QStringLiteral("H-")},
        {QStringLiteral("CT鋼"), QStringLiteral("CT-")},
        {QStringLiteral("山形鋼"), QStringLiteral("L-")},
        {QStringLiteral("みぞ形鋼"), QStringLiteral("[-")},
        {QStringLiteral("C形鋼"), QStringLiteral("C-")},
        {QStringLiteral("I形鋼"), QStringLiteral("I-")},
        {QStringLiteral("鋼管(角)"), QStringLiteral("□-")},
        {QStringLiteral("普通鋼板"), QStringLiteral("PL-")},
        {QStringLiteral("平鋼"), QStringLiteral("FLB-")},
        {QStringLiteral("鋼管(丸)"), QStringLiteral("○-")},
        {QStringLiteral("丸鋼"), QStringLiteral("φ")}};
    for (const auto& [known, prefix] : prefixes)
        if (known == name)
            return prefix;
    return {};
}

bool ZatuInpForm::isBoltRow(int row) const {
    return m_grid.text(row, BuzaiCell) == kBoltCategory;
}

bool ZatuInpForm::isDeckRow(int row) const {
    return m_grid.text(row, BuzaiCell) == kDeckCategory;
}

CellOffer ZatuInpForm::offerAt(int row, int column) const {
    if (!isDataRow(row))
        return {};
    const bool bolt = isBoltRow(row);
    switch (column) {
    case BuzaiCell:
        return list(m_lists[CategoryList]);
    case FloorCell:
    case PositionCell:
    case CountCell:
    case WeldLengthCell:
    case WeldCountCell:
    case GirthCell:
    case PaintCountCell:
        return editor();
    case GradeCell:
        return list(m_lists[bolt ? BoltKindList : GradeList]);
    case NameCell:
        if (bolt)
            return list(m_lists[BoltDiameterList]);
        return isDeckRow(row) ? CellOffer{} : list(m_lists[MemberNameList]);
    case SizeCell:
        if (bolt)
            return editor();
        return isDeckRow(row) ? CellOffer{} : list(m_weights.sizesFor(m_grid.text(row, NameCell)));
    case LengthCell:
    case WeldThickCell:
        return bolt ? CellOffer{} : editor();
    case WeldMethodCell:
        return bolt ? CellOffer{} : list(m_lists[WeldMethodList]);
    case WeldJointCell:
        return bolt ? CellOffer{} : list(m_lists[WeldJointList]);
    case WeldFacesCell:
        return bolt ? CellOffer{} : list(m_lists[WeldFacesList]);
    case PaintClassCell:
        return bolt ? CellOffer{} : list(m_lists[PaintClassList]);
    default: // the quantities and the hidden cells
        return {};
    }
}

CellOffer ZatuInpForm::clickCell(int row, int column) {
    if (!isDataRow(row) || column < 1 || column >= kColumns)
        return {};
    hideEditor();
    selectRow(row);
    int target = column;
    if (column > BuzaiCell && m_grid.text(row, BuzaiCell).isEmpty()) {
        target = BuzaiCell; // the category is chosen first
    } else if (column == SizeCell && m_grid.text(row, NameCell).isEmpty() && !isDeckRow(row)) {
        m_prompter.tell(QStringLiteral("名称を選択してください。"), QStringLiteral("確認"));
        target = NameCell;
    }
    if (target != column) {
        moveCursor(row, target);
        return {};
    }
    m_grid.setCurrent(row, column);
    const CellOffer offer = offerAt(row, column);
    if (column == SizeCell && offer.kind == CellOffer::Kind::List) {
        m_sizeList = offer.items;
        Q_EMIT changed();
    }
    if (offer.kind == CellOffer::Kind::Text) {
        ++m_editSession;
        m_editorVisible = true;
        m_editRow = row;
        m_editColumn = column;
        Q_EMIT changed();
    }
    return offer;
}

void ZatuInpForm::moveCursor(int row, int column) {
    hideEditor();
    m_grid.setCurrent(row, column);
    Q_EMIT editorMoved();
}

void ZatuInpForm::writeCell(int row, int column, const QString& text) {
    m_grid.setText(row, column, storesHalfWidth(column) ? services::HalfWidthIdentifier(text) : text);
}

void ZatuInpForm::recalc(int row) {
    ZatuRow computed = rowAt(row);
    RecalcZatuRow(computed);
    for (const int k : {QuantityCell, WeldQuantityCell, PaintQuantityCell})
        m_grid.setText(row, k, computed.cell(k));
    Q_EMIT rowsChanged(row, row);
}

bool ZatuInpForm::editorTextChanged(const QString& typed) {
    if (!m_editorVisible || !isDataRow(m_editRow))
        return false;
    // A character that cannot be stored leaves the text alone; the rest is written as typed.
    const services::StorableText storable = services::TakeOutRefused(services::Cp932::mapLookAlikes(typed));
    if (storable.refused)
        m_prompter.tell(services::refusedCharacterMessage(*storable.refused), QStringLiteral("確認"));
    const QStringList before = m_grid.rowTexts(m_editRow);
    writeCell(m_editRow, m_editColumn, storable.text);
    recalc(m_editRow);
    recordCellEdit(m_editRow, before, m_editSession);
    return !storable.refused;
}

void ZatuInpForm::commitCell(int row, int column, const QString& text) {
    const CellOffer offer = offerAt(row, column);
    if (offer.kind == CellOffer::Kind::Text) {
        if (m_editorVisible && row == m_editRow && column == m_editColumn)
            editorTextChanged(text);
        return;
    }
    if (offer.kind != CellOffer::Kind::List)
        return;
    // A pick, or the text of an item typed into the cell: the cell takes the item itself. A size
    // may also be typed as the cell shows it, with its prefix and "×".
    QString typed = text;
    if (column == SizeCell) {
        const QString prefix = sizePrefix(m_grid.text(row, NameCell));
        if (!prefix.isEmpty() && typed.startsWith(prefix))
            typed = typed.mid(prefix.size());
        typed.replace(u'×', u'*');
    }
    const std::optional<QString> item = services::ItemTyped(offer.items, typed);
    if (!item) {
        if (!services::Trim(text).isEmpty())
            m_prompter.tell(services::notAnItemMessage(text, m_grid.text(kFirstDataRow - 1, column)),
                            QStringLiteral("確認"));
        return;
    }
    const QStringList before = m_grid.rowTexts(row);
    if (column == SizeCell) {
        pickSize(row, *item);
        recordCellEdit(row, before);
        return;
    }
    // An explained weld code ("T  T継手（完全溶込み）") is stored as its code.
    m_grid.setText(row, column, registries::storedCode(*item));
    if (column == NameCell && !isBoltRow(row))
        m_grid.setText(row, SizeCell, QString()); // sizes belong to a name
    // A new category changes whether the row has a quantity; the quantities always match the row.
    recalc(row);
    recordCellEdit(row, before);
}

void ZatuInpForm::pickSize(int row, const QString& size) {
    QString text = size;
    text.replace(u'*', u'×');
    m_grid.setText(row, SizeCell, sizePrefix(m_grid.text(row, NameCell)) + text);
    m_sizeList.clear();
    Q_EMIT rowsChanged(row, row);
    moveCursor(row, LengthCell);
}

void ZatuInpForm::refuseCharacter(char32_t character) {
    m_prompter.tell(registries::unusableCharacterMessage(character), QStringLiteral("確認"));
}

bool ZatuInpForm::editorKey(EditorKey key) {
    if (!m_editorVisible)
        return false;
    const int column =
        key == EditorKey::Enter ? nextQuantityCell(m_editColumn) : previousQuantityCell(m_editColumn);
    if (column < 0)
        return false;
    moveCursor(m_editRow, column);
    return true;
}

void ZatuInpForm::rightClickCell(int row, int column) {
    hideEditor();
    m_sizeList.clear();
    Q_EMIT changed();
    if (!isDataRow(row) || column < 1 || column >= kColumns)
        return;
    const QStringList before = m_grid.rowTexts(row);
    m_grid.setText(row, column, QString());
    // Emptying a factor must not leave its old quantity behind for the totals to count.
    recalc(row);
    recordCellEdit(row, before);
}

} // namespace tv::secondary
