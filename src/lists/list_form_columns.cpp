// ListForm, column panel: the registered-column grid, registering, deleting and selecting columns.
#include "lists/list_form.h"
#include "lists/list_grid_helpers.h"
#include "services/text.h"

namespace tv::lists {

using services::CellSpan;
using services::PromptAnswer;
using services::PromptButtons;

namespace {

constexpr int kSpec2Column = ListForm::kColumnSpec1Column + kSectionParts;
constexpr int kSpec3Column = kSpec2Column + kCutTeeParts;

// First field and part count of each shape's ① section in InpTx.
struct ShapeFields {
    int first;
    int count;
};
ShapeFields spec1Fields(ColumnShape shape) {
    switch (shape) {
    case ColumnShape::SquareTube:
        return {18, 4};
    case ColumnShape::RoundTube:
        return {22, 3};
    case ColumnShape::H:
        break;
    }
    return {2, kSectionParts};
}

QString shapeCaption(ColumnShape shape) {
    switch (shape) {
    case ColumnShape::SquareTube:
        return kShapeSquareTube.toString();
    case ColumnShape::RoundTube:
        return kShapeRoundTube.toString();
    case ColumnShape::H:
        break;
    }
    return kShapeH.toString();
}

ColumnShape shapeOf(const QString& caption) {
    if (caption == kShapeSquareTube)
        return ColumnShape::SquareTube;
    if (caption == kShapeRoundTube)
        return ColumnShape::RoundTube;
    return ColumnShape::H;
}

// InpTx fields that hold dimensions: numbers.
bool isColumnNumberField(int index) {
    return (index >= 4 && index <= 7) || (index >= 9 && index <= 12) || (index >= 14 && index <= 17) ||
           (index >= 19 && index <= 21) || index >= 23;
}

} // namespace

QString ListForm::columnFieldName(int index) {
    static const QStringList names{
        QStringLiteral("階"),    QStringLiteral("符号"),   QStringLiteral("①規格"),  QStringLiteral("①型"),
        QStringLiteral("①高"),   QStringLiteral("①巾"),    QStringLiteral("①W厚"),   QStringLiteral("①F厚"),
        QStringLiteral("②規格"), QStringLiteral("②CT=高"), QStringLiteral("②巾"),    QStringLiteral("②W厚"),
        QStringLiteral("②F厚"),  QStringLiteral("③規格"),  QStringLiteral("③CT=高"), QStringLiteral("③巾"),
        QStringLiteral("③W厚"),  QStringLiteral("③F厚"),   QStringLiteral("規格"),   QStringLiteral("B"),
        QStringLiteral("D"),     QStringLiteral("t"),      QStringLiteral("規格"),   QStringLiteral("外径"),
        QStringLiteral("t")};
    return names.value(index);
}

void ListForm::setUpColumnGrid() {
    services::TextGrid& g = m_hasiraGrid;
    g.resize(kColumnGridHeaderRows, kColumnGridColumns);
    g.setFixedRows(kColumnGridHeaderRows);
    g.setFixedColumns(1);
    setTexts(g, 0, 0,
             {QStringLiteral("No"), QStringLiteral("階"), QStringLiteral("符号"), QStringLiteral("形状"),
              QStringLiteral("材質規格・断面寸法")});
    for (int c = 0; c < 3; ++c)
        g.addSpan(CellSpan{0, c, kColumnGridHeaderRows, 1});
    g.addSpan(CellSpan{0, kColumnSpec1Column, 1, kColumnGridColumns - kColumnSpec1Column});
    setTexts(g, 1, 3,
             {QStringLiteral("H 鋼"), QStringLiteral("①規格"), QStringLiteral("型"), QStringLiteral("高"),
              QStringLiteral("巾"), QStringLiteral("W厚"), QStringLiteral("F厚"), QStringLiteral("②規格"),
              QStringLiteral("CT=高"), QStringLiteral("巾"), QStringLiteral("W厚"), QStringLiteral("F厚"),
              QStringLiteral("③規格"), QStringLiteral("CT=高"), QStringLiteral("巾"), QStringLiteral("W厚"),
              QStringLiteral("F厚")});
    setTexts(g, 2, 3,
             {kShapeSquareTube.toString(), QStringLiteral("規格"), QStringLiteral("B"), QStringLiteral("D"),
              QStringLiteral("t")});
    setTexts(
        g, 3, 3,
        {kShapeRoundTube.toString(), QStringLiteral("規格"), QStringLiteral("外径"), QStringLiteral("t")});
    g.setColumnWidth(0, 450);
    g.setColumnWidth(1, 600);
    g.setColumnWidth(2, 700);
    g.setColumnWidth(3, 950);
    for (int c = kColumnSpec1Column; c < kColumnGridColumns; ++c)
        g.setColumnWidth(c, c == kColumnSpec1Column || c == kSpec2Column || c == kSpec3Column ? 900 : 650);
    g.setAlignment(0, services::CellAlignment::Right);
}

void ListForm::showColumns() {
    services::TextGrid& g = m_hasiraGrid;
    g.resize(kColumnGridHeaderRows, kColumnGridColumns);
    for (const HasiraListEntry& e : m_lists.HasiraList) {
        if (e.isDeleted())
            continue;
        const int row = g.rowCount();
        g.insertRow(row,
                    QStringList{QString::number(row - kColumnGridHeaderRows + 1), e.Floor, e.Mark, e.Shape} +
                        splitParts(e.Spec1, kSectionParts) + splitParts(e.Spec2, kCutTeeParts) +
                        splitParts(e.Spec3, kCutTeeParts));
    }
    highlightRow(g, -1, kSelectedRowColor);
}

void ListForm::rebuildHasiraList() {
    const services::TextGrid& g = m_hasiraGrid;
    const auto section = [&g](int row, int column, int count) {
        QStringList parts = texts(g, row, column, count);
        for (QString& p : parts)
            p = services::SanitizeField(p);
        return joinParts(parts);
    };
    QList<HasiraListEntry> list;
    for (int row = g.fixedRows(); row < g.rowCount(); ++row) {
        if (g.text(row, 1).isEmpty())
            continue;
        HasiraListEntry e;
        e.Floor = services::SanitizeField(g.text(row, 1));
        e.Mark = services::SanitizeField(g.text(row, 2));
        e.Shape = services::SanitizeField(g.text(row, 3));
        e.Spec1 = section(row, kColumnSpec1Column, kSectionParts);
        e.Spec2 = section(row, kSpec2Column, kCutTeeParts);
        e.Spec3 = section(row, kSpec3Column, kCutTeeParts);
        list.append(e);
    }
    list.append(HasiraListEntry{});
    m_lists.HasiraList = std::move(list);
}

void ListForm::registerColumn() {
    const ShapeFields fields = spec1Fields(m_shape);
    QList<int> required{0, 1};
    for (int k = fields.first; k < fields.first + fields.count; ++k)
        required.append(k);
    for (int k : required) {
        if (services::Trim(m_columnFields[k]).isEmpty()) {
            m_prompter.tell(QStringLiteral("入力してください。"), QStringLiteral("確認"));
            Q_EMIT focusRequested(ListPanel::Column, k);
            return;
        }
    }

    QList<NumberField> numbers;
    for (int k : columnFieldOrder())
        if (isColumnNumberField(k))
            numbers.append({ListPanel::Column, k, columnFieldName(k), m_columnFields[k]});
    if (refuseNonNumbers(numbers))
        return;

    services::TextGrid& g = m_hasiraGrid;
    const QString floor = storedValue(m_columnFields[0]);
    const QString mark = storedValue(m_columnFields[1]);
    const int row = registrationRow(g, floor, mark);
    g.setText(row, 1, floor);
    g.setText(row, 2, mark);
    g.setText(row, 3, shapeCaption(m_shape));
    // A tube writes its ① parts and empties the rest of ①; ② and ③ are left as they were.
    const int written = m_shape == ColumnShape::H ? kSectionParts + 2 * kCutTeeParts : kSectionParts;
    for (int i = 0; i < written; ++i) {
        const QString value = i < fields.count || m_shape == ColumnShape::H
                                  ? storedValue(m_columnFields[fields.first + i])
                                  : QString();
        g.setText(row, kColumnSpec1Column + i, value);
    }
    sortByFloorAndMark(g);
    rebuildHasiraList();
    m_dirty = true;
    Q_EMIT focusRequested(ListPanel::Column, 1);
    addGrades({storedValue(m_columnFields[2]), storedValue(m_columnFields[8]),
               storedValue(m_columnFields[13]), storedValue(m_columnFields[18]),
               storedValue(m_columnFields[22])});
    markChanged();
}

void ListForm::clearColumnFields() {
    const Change change(m_states);
    // The section fields of the shape shown: floor and mark stay.
    for (int k : columnFieldOrder())
        if (k >= 2)
            m_columnFields[k].clear();
    markChanged();
}

void ListForm::deleteColumn() {
    const Change change(m_states);
    const QString mark = services::Trim(m_columnFields[1]);
    if (mark.isEmpty())
        return;
    const QString floor = services::Trim(m_columnFields[0]);
    if (!confirmDeletion(floor, mark))
        return;
    if (markDeleted(m_lists.HasiraList, storedValue(floor), storedValue(mark)))
        m_dirty = true;
    showColumns();
    for (QString& field : m_columnFields)
        field.clear();
    markChanged();
}

void ListForm::selectColumnRow(int row) {
    const Change change(m_states);
    services::TextGrid& g = m_hasiraGrid;
    if (row < g.fixedRows() || row >= g.rowCount() || g.text(row, 1).isEmpty())
        return;
    highlightRow(g, row, kSelectedRowColor);
    for (QString& field : m_columnFields)
        field.clear();
    m_columnFields[0] = g.text(row, 1);
    m_columnFields[1] = g.text(row, 2);
    m_shape = shapeOf(g.text(row, 3));
    const ShapeFields fields = spec1Fields(m_shape);
    const int count = m_shape == ColumnShape::H ? kSectionParts + 2 * kCutTeeParts : fields.count;
    for (int i = 0; i < count; ++i)
        m_columnFields[fields.first + i] = g.text(row, kColumnSpec1Column + i);
    markChanged();
}

} // namespace tv::lists
