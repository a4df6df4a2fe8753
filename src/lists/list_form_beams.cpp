// ListForm, beam panel: the registered-beam grid, registering, deleting and selecting beams.
#include "lists/list_form.h"
#include "lists/list_grid_helpers.h"
#include "services/text.h"

namespace tv::lists {

using services::CellSpan;
using services::PromptAnswer;
using services::PromptButtons;

namespace {
constexpr int kCentreColumn = 3;
constexpr int kEndColumn = kCentreColumn + kSectionParts;
} // namespace

QString ListForm::beamFieldName(int index) {
    static const QStringList parts{QStringLiteral("規格"), QStringLiteral("型"),  QStringLiteral("高"),
                                   QStringLiteral("巾"),   QStringLiteral("W厚"), QStringLiteral("F厚")};
    if (index == 0)
        return QStringLiteral("階");
    if (index == 1)
        return QStringLiteral("符号");
    const QString section = index < 8 ? QStringLiteral("中央部") : QStringLiteral("端部");
    return section + u' ' + parts.value((index - 2) % kSectionParts);
}

void ListForm::setUpBeamGrid() {
    services::TextGrid& g = m_hariGrid;
    g.resize(kBeamGridHeaderRows, kBeamGridColumns);
    g.setFixedRows(kBeamGridHeaderRows);
    g.setFixedColumns(1);
    setTexts(g, 0, 0, {QStringLiteral("No"), QStringLiteral("階"), QStringLiteral("符号")});
    for (int c = 0; c < 3; ++c)
        g.addSpan(CellSpan{0, c, kBeamGridHeaderRows, 1});
    g.setText(0, kCentreColumn, QStringLiteral("中央部"));
    g.setText(0, kEndColumn, QStringLiteral("端部"));
    g.addSpan(CellSpan{0, kCentreColumn, 1, kSectionParts});
    g.addSpan(CellSpan{0, kEndColumn, 1, kSectionParts});
    const QStringList parts{QStringLiteral("規格"), QStringLiteral("型"),  QStringLiteral("高"),
                            QStringLiteral("巾"),   QStringLiteral("W厚"), QStringLiteral("F厚")};
    setTexts(g, 1, kCentreColumn, parts);
    setTexts(g, 1, kEndColumn, parts);
    g.setColumnWidth(0, 450);
    g.setColumnWidth(1, 600);
    g.setColumnWidth(2, 700);
    for (int c = kCentreColumn; c < kBeamGridColumns; ++c)
        g.setColumnWidth(c, c == kCentreColumn || c == kEndColumn ? 900 : 650);
    g.setAlignment(0, services::CellAlignment::Right);
}

void ListForm::showBeams() {
    services::TextGrid& g = m_hariGrid;
    g.resize(kBeamGridHeaderRows, kBeamGridColumns);
    for (const HariListEntry& e : m_lists.HariList) {
        if (e.isDeleted())
            continue;
        const int row = g.rowCount();
        g.insertRow(row, QStringList{QString::number(row - kBeamGridHeaderRows + 1), e.Floor, e.Mark} +
                             splitParts(e.Centre, kSectionParts) + splitParts(e.End, kSectionParts));
    }
    highlightRow(g, -1, kSelectedRowColor);
}

void ListForm::rebuildHariList() {
    const services::TextGrid& g = m_hariGrid;
    const auto section = [&g](int row, int column) {
        QStringList parts = texts(g, row, column, kSectionParts);
        for (QString& p : parts)
            p = services::SanitizeField(p);
        return joinParts(parts);
    };
    QList<HariListEntry> list;
    for (int row = g.fixedRows(); row < g.rowCount(); ++row) {
        if (g.text(row, 1).isEmpty())
            continue;
        list.append(HariListEntry{services::SanitizeField(g.text(row, 1)),
                                  services::SanitizeField(g.text(row, 2)), section(row, kCentreColumn),
                                  section(row, kEndColumn)});
    }
    list.append(HariListEntry{});
    m_lists.HariList = std::move(list);
}

void ListForm::registerBeam() {
    for (int k = 0; k <= 7; ++k) {
        if (services::Trim(m_beamFields[k]).isEmpty()) {
            m_prompter.tell(QStringLiteral("入力してください。"), QStringLiteral("確認"));
            Q_EMIT focusRequested(ListPanel::Beam, k);
            return;
        }
    }
    QList<NumberField> numbers;
    for (int k : {4, 5, 6, 7, 10, 11, 12, 13})
        numbers.append({ListPanel::Beam, k, beamFieldName(k), m_beamFields[k]});
    if (refuseNonNumbers(numbers))
        return;
    services::TextGrid& g = m_hariGrid;
    const QString floor = storedValue(m_beamFields[0]);
    const QString mark = storedValue(m_beamFields[1]);
    const int row = registrationRow(g, floor, mark);
    for (int k = 0; k < kBeamFieldCount; ++k)
        g.setText(row, 1 + k, storedValue(m_beamFields[k]));
    sortByFloorAndMark(g);
    rebuildHariList();
    m_dirty = true;
    Q_EMIT focusRequested(ListPanel::Beam, 1);
    addGrades({storedValue(m_beamFields[2]), storedValue(m_beamFields[8])});
    markChanged();
}

void ListForm::clearBeamFields() {
    const Change change(m_states);
    for (int k = 2; k <= 13; ++k)
        m_beamFields[k].clear();
    markChanged();
}

void ListForm::deleteBeam() {
    const Change change(m_states);
    const QString mark = services::Trim(m_beamFields[1]);
    if (mark.isEmpty())
        return;
    const QString floor = services::Trim(m_beamFields[0]);
    if (!confirmDeletion(floor, mark))
        return;
    if (markDeleted(m_lists.HariList, storedValue(floor), storedValue(mark)))
        m_dirty = true;
    showBeams();
    for (QString& field : m_beamFields)
        field.clear();
    // The floor stays "小梁" while the option locks it.
    if (beamFloorLocked())
        m_beamFields[0] = kSecondaryBeamFloor.toString();
    markChanged();
}

void ListForm::selectBeamRow(int row) {
    const Change change(m_states);
    services::TextGrid& g = m_hariGrid;
    if (row < g.fixedRows() || row >= g.rowCount() || g.text(row, 1).isEmpty())
        return;
    highlightRow(g, row, kSelectedRowColor);
    for (int k = 0; k < kBeamFieldCount; ++k)
        m_beamFields[k] = g.text(row, 1 + k);
    m_beamKind = m_beamFields[0] == kSecondaryBeamFloor ? BeamKind::Secondary : BeamKind::Ordinary;
    markChanged();
}

} // namespace tv::lists
