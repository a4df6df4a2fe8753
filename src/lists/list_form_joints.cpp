// ListForm, joint panel: the five-line input grid, the registered-joint list, registering, deleting
// and selecting joints.
#include "lists/list_form.h"
#include "lists/list_grid_helpers.h"
#include "services/text.h"

#include <algorithm>

namespace tv::lists {

using services::CellOffer;
using services::CellSpan;
using services::PromptAnswer;
using services::PromptButtons;

namespace {

const QString kClear = QStringLiteral("クリア");

// The group of a joint grid column and the part it holds.
struct JointCell {
    enum class Group { None, Flange, Web, Filler } group = Group::None;
    int part = -1;
};

JointCell jointCellOf(int column) {
    if (column >= ListForm::kJointFlangeColumn && column < ListForm::kJointWebColumn)
        return {JointCell::Group::Flange, column - ListForm::kJointFlangeColumn};
    if (column >= ListForm::kJointWebColumn && column < ListForm::kJointFillerColumn)
        return {JointCell::Group::Web, column - ListForm::kJointWebColumn};
    if (column >= ListForm::kJointFillerColumn && column < ListForm::kJointGridColumns)
        return {JointCell::Group::Filler, column - ListForm::kJointFillerColumn};
    return {};
}

bool isDataCell(const services::TextGrid& g, int row, int column) {
    return row >= g.fixedRows() && row < g.rowCount() && jointCellOf(column).group != JointCell::Group::None;
}

// Cells that hold numbers: 厚 巾 長 枚 of the plates and 本 of the bolts.
bool isNumberCell(int column) {
    const JointCell cell = jointCellOf(column);
    return (cell.part >= 1 && cell.part <= 4) || (cell.group != JointCell::Group::Filler && cell.part == 7);
}

} // namespace

void ListForm::setUpJointGrid() {
    services::TextGrid& g = m_jointGrid;
    g.resize(kJointGridHeaderRows + kJointLines, kJointGridColumns);
    g.setFixedRows(kJointGridHeaderRows);
    g.setFixedColumns(1);
    g.addSpan(CellSpan{0, 0, kJointGridHeaderRows, 1});
    g.setText(0, kJointFlangeColumn, QStringLiteral("FLG"));
    g.setText(0, kJointWebColumn, QStringLiteral("WEB"));
    g.setText(0, kJointFillerColumn, QStringLiteral("ﾌｨﾗｰ.PL等"));
    g.addSpan(CellSpan{0, kJointFlangeColumn, 1, kBoltLineParts});
    g.addSpan(CellSpan{0, kJointWebColumn, 1, kBoltLineParts});
    g.addSpan(CellSpan{0, kJointFillerColumn, 2, kFillerLineParts});
    const QStringList plate{QStringLiteral("規格"), QStringLiteral("厚"), QStringLiteral("巾"),
                            QStringLiteral("長"), QStringLiteral("枚")};
    const QStringList bolt{QStringLiteral("種類"), QStringLiteral("呼径"), QStringLiteral("本")};
    for (int column : {kJointFlangeColumn, kJointWebColumn}) {
        g.setText(1, column, QStringLiteral("PL"));
        g.setText(1, column + kFillerLineParts, QStringLiteral("BOLT"));
        g.addSpan(CellSpan{1, column, 1, kFillerLineParts});
        g.addSpan(CellSpan{1, column + kFillerLineParts, 1, kBoltLineParts - kFillerLineParts});
        setTexts(g, 2, column, plate + bolt);
    }
    setTexts(g, 2, kJointFillerColumn, plate);
    for (int line = 0; line < kJointLines; ++line)
        g.setText(kJointGridHeaderRows + line, 0, QString::number(line + 1));
    g.setColumnWidth(0, 300);
    for (int c = 1; c < kJointGridColumns; ++c) {
        const int part = jointCellOf(c).part;
        g.setColumnWidth(c, part == 0 ? 1000 : part == 5 ? 1100 : 500);
    }
    g.setAlignment(0, services::CellAlignment::Center);
}

void ListForm::showJointMarks() {
    QStringList marks;
    for (const JointListEntry& e : m_lists.JointList)
        if (!e.isDeleted() && !marks.contains(e.Mark))
            marks.append(e.Mark);
    std::stable_sort(marks.begin(), marks.end(),
                     [](const QString& a, const QString& b) { return services::compareGridCells(a, b) < 0; });
    m_jointMarks = marks;
}

CellOffer ListForm::jointCellOffer(int row, int column) {
    if (!isDataCell(m_jointGrid, row, column))
        return {};
    if (services::Trim(m_jointMark).isEmpty()) {
        m_prompter.tell(QStringLiteral("符号を入力してください。"), QStringLiteral("確認"));
        Q_EMIT focusRequested(ListPanel::Joint, -1);
        return {};
    }
    // Every cell opens for typing; 規格, 種類 and 呼径 offer their candidates beside the editor, so
    // that a grade or bolt missing from the reference files can still be typed.
    const JointCell cell = jointCellOf(column);
    if (cell.part == 0)
        return {CellOffer::Kind::Text, jointGradeCandidates()};
    if (cell.group != JointCell::Group::Filler && cell.part == 5)
        return {CellOffer::Kind::Text, m_boltKinds};
    if (cell.group != JointCell::Group::Filler && cell.part == 6)
        return {CellOffer::Kind::Text, m_boltDiameters};
    return {CellOffer::Kind::Text, {}};
}

bool ListForm::setJointCell(int row, int column, const QString& text) {
    const Change change(m_states, jointCellKey(row, column));
    if (!isDataCell(m_jointGrid, row, column))
        return false;
    QString accepted = text;
    if (jointCellOf(column).part == 0 && accepted == kClear)
        accepted.clear();
    const bool asTyped = acceptText(accepted);
    m_jointGrid.setText(row, column, accepted);
    updateJointNotice();
    markChanged();
    return asTyped;
}

void ListForm::updateJointNotice() {
    // The totals group bolts by their kind and plates by their grade as written: a kind or grade
    // spelled otherwise than its candidate ("F10T" for "HTB-F10T") makes a group of its own.
    m_jointNotice.clear();
    const QStringList grades = jointGradeCandidates();
    for (int row = kJointGridHeaderRows; row < m_jointGrid.rowCount() && m_jointNotice.isEmpty(); ++row) {
        for (int column :
             {kJointFlangeColumn, kJointFlangeColumn + 5, kJointWebColumn, kJointWebColumn + 5}) {
            const QString& text = m_jointGrid.text(row, column);
            const bool kind = jointCellOf(column).part == 5;
            if (text.isEmpty() || (kind ? m_boltKinds : grades).contains(text))
                continue;
            m_jointNotice = QStringLiteral("※%1「%2」は候補にないため、集計では別のグループになります。")
                                .arg(m_jointGrid.text(kJointGridHeaderRows - 1, column), text);
            break;
        }
    }
}

void ListForm::registerJoint() {
    const QString mark = storedValue(m_jointMark);
    if (mark.isEmpty())
        return;
    const services::TextGrid& g = m_jointGrid;
    QList<NumberField> numbers;
    for (int row = kJointGridHeaderRows; row < g.rowCount(); ++row) {
        for (int column = 1; column < kJointGridColumns; ++column) {
            if (!isNumberCell(column))
                continue;
            const QString group = g.text(0, column < kJointWebColumn      ? kJointFlangeColumn
                                            : column < kJointFillerColumn ? kJointWebColumn
                                                                          : kJointFillerColumn);
            const QString name = QStringLiteral("%1 %2行目 %3").arg(group, g.text(row, 0), g.text(2, column));
            numbers.append({ListPanel::Joint, -1, name, g.text(row, column)});
        }
    }
    if (refuseNonNumbers(numbers))
        return;
    const auto line = [&g](int row, int column, int count) {
        QStringList parts = texts(g, row, column, count);
        for (QString& p : parts)
            p = storedValue(p);
        return joinParts(parts);
    };
    JointListEntry entry;
    entry.Mark = mark;
    entry.Galvanized = m_galvanized ? QStringLiteral("1") : QStringLiteral("0");
    for (int n = 0; n < kJointLines; ++n) {
        const int row = kJointGridHeaderRows + n;
        entry.FlangeLines[n] = line(row, kJointFlangeColumn, kBoltLineParts);
        entry.WebLines[n] = line(row, kJointWebColumn, kBoltLineParts);
        entry.FillerLines[n] = line(row, kJointFillerColumn, kFillerLineParts);
    }
    auto same =
        std::find_if(m_lists.JointList.begin(), m_lists.JointList.end(),
                     [&mark](const JointListEntry& e) { return services::SameIdentifier(e.Mark, mark); });
    if (same != m_lists.JointList.end())
        *same = entry;
    else
        appendEntry(m_lists.JointList, entry);
    m_dirty = true;
    showJointMarks();
    Q_EMIT focusRequested(ListPanel::Joint, -1);
    markChanged();
}

void ListForm::clearJointInput() {
    const Change change(m_states);
    for (int row = kJointGridHeaderRows; row < m_jointGrid.rowCount(); ++row)
        for (int column = 1; column < kJointGridColumns; ++column)
            m_jointGrid.setText(row, column, QString());
    m_jointMark.clear();
    updateJointNotice();
    markChanged();
}

void ListForm::deleteJoint() {
    const Change change(m_states);
    const QString mark = services::Trim(m_jointMark);
    if (mark.isEmpty())
        return;
    if (m_prompter.ask(mark + QStringLiteral("を削除します。"), QStringLiteral("確認"),
                       PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    for (JointListEntry& e : m_lists.JointList) {
        if (!e.isDeleted() && services::SameIdentifier(e.Mark, storedValue(mark))) {
            e.Mark.clear();
            m_dirty = true;
            break;
        }
    }
    showJointMarks();
    clearJointInput();
}

void ListForm::selectJointMark(int index) {
    const Change change(m_states);
    if (index < 0 || index >= m_jointMarks.size())
        return;
    const QString mark = m_jointMarks[index];
    const auto entry = std::find_if(m_lists.JointList.cbegin(), m_lists.JointList.cend(),
                                    [&mark](const JointListEntry& e) { return e.Mark == mark; });
    if (entry == m_lists.JointList.cend())
        return;
    m_jointMark = entry->Mark;
    m_galvanized = entry->Galvanized == u"1";
    for (int n = 0; n < kJointLines; ++n) {
        const int row = kJointGridHeaderRows + n;
        setTexts(m_jointGrid, row, kJointFlangeColumn, splitParts(entry->FlangeLines[n], kBoltLineParts));
        setTexts(m_jointGrid, row, kJointWebColumn, splitParts(entry->WebLines[n], kBoltLineParts));
        setTexts(m_jointGrid, row, kJointFillerColumn, splitParts(entry->FillerLines[n], kFillerLineParts));
    }
    updateJointNotice();
    markChanged();
}

} // namespace tv::lists
