// The unit-weight window model: name choice, the grid of one name's rows, and its commands.
#include "registries/buzai_form.h"

#include <array>

#include "services/text.h"

#include <algorithm>

namespace tv::registries {

using services::CellAlignment;
using services::TextGrid;

namespace {

struct KnownName {
    QStringList names;
    QString sizePattern;
    QString unit;
};

const QList<KnownName>& knownNames() {
    static const QList<KnownName> known{
        {{QStringLiteral("H鋼"), QStringLiteral("CT鋼")},
         QStringLiteral("高*巾*WEB厚*FLG厚"),
         QStringLiteral("Kg/m")},
        {{QStringLiteral("山形鋼"), QStringLiteral("みぞ形鋼"), QStringLiteral("I形鋼")},
         QStringLiteral("厚*巾*高"),
         QStringLiteral("Kg/m")},
        {{QStringLiteral("C形鋼"), QStringLiteral("2C形鋼")},
         QStringLiteral("高*巾*爪*厚"),
         QStringLiteral("Kg/m")},
        {{QStringLiteral("コラム"), QStringLiteral("鋼管(角)")},
         QStringLiteral("巾*高*厚"),
         QStringLiteral("Kg/m")},
        {{QStringLiteral("鋼管(丸)")}, QStringLiteral("直径*厚"), QStringLiteral("Kg/m")},
        {{QStringLiteral("丸鋼")}, QStringLiteral("直径"), QStringLiteral("Kg/m")},
        {{QStringLiteral("平鋼")}, QStringLiteral("厚*巾"), QStringLiteral("Kg/m")},
        {{QStringLiteral("普通鋼板")}, QStringLiteral("厚"), QStringLiteral("Kg/m2")},
    };
    return known;
}

const KnownName* findKnown(const QString& name) {
    for (const KnownName& k : knownNames()) {
        if (k.names.contains(name))
            return &k;
    }
    return nullptr;
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The run that starts at `at`: a number (digits with at most one point) or a stretch of other text.
QStringView runAt(const QString& text, qsizetype at, bool number) {
    qsizetype end = at;
    bool point = false;
    while (end < text.size()) {
        const QChar c = text[end];
        if (number && c == u'.' && !point && end + 1 < text.size() && isDigit(text[end + 1]))
            point = true;
        else if (isDigit(c) != number)
            break;
        ++end;
    }
    return QStringView(text).mid(at, end - at);
}

} // namespace

BuzaiForm::BuzaiForm(const shell::DataRoot& root, services::Prompter& prompter, QObject* parent)
    : RegistryForm(root, prompter,
                   {kBuzaiWeightFile.toString(),
                    QStringLiteral("部材名称欄に直接入力はできません。\n▼をクリックして選択してください。"),
                    QStringLiteral("部材を選択してください。")},
                   parent) {
    setupGrid(kOpeningRows);
}

QString BuzaiForm::commandCaption(int index) {
    static const QStringList captions{QStringLiteral("保存"),       QStringLiteral("終了"),
                                      QStringLiteral("   ▼"),       QStringLiteral("選択行削除"),
                                      QStringLiteral("空白行削除"), QStringLiteral("空白行挿入")};
    if (index == kImportCommand)
        return importCaption();
    return captions.value(index);
}

QString BuzaiForm::sizeCaption(const QString& name) {
    const KnownName* k = findKnown(name);
    return k ? k->sizePattern : QString();
}

QString BuzaiForm::weightCaption(const QString& name) {
    const KnownName* k = findKnown(name);
    return k ? k->unit : QString();
}

int BuzaiForm::compareSizes(const QString& a, const QString& b) {
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const bool numberA = isDigit(a[i]);
        const bool numberB = isDigit(b[j]);
        const QStringView runA = runAt(a, i, numberA);
        const QStringView runB = runAt(b, j, numberB);
        int order = 0;
        if (numberA && numberB) {
            const double x = runA.toDouble();
            const double y = runB.toDouble();
            order = x < y ? -1 : x > y ? 1 : 0;
        } else {
            order = services::compareGridCells(runA.toString(), runB.toString());
        }
        if (order != 0)
            return order;
        i += runA.size();
        j += runB.size();
    }
    return int(i < a.size()) - int(j < b.size());
}

bool BuzaiForm::isEditableColumn(int column) const {
    return column == SizeColumn || column == WeightColumn;
}

QString BuzaiForm::rowLabel(int row) const {
    return QStringLiteral("%1行目").arg(m_grid.text(row, NumberColumn));
}

std::optional<QString> BuzaiForm::refusal(int row, int column, const QString& text) const {
    if (column != SizeColumn || text.isEmpty())
        return std::nullopt;
    for (int g = 1; g < m_grid.rowCount(); ++g) {
        if (g != row && services::SameIdentifier(m_grid.text(g, SizeColumn), text))
            return QStringLiteral("このサイズは既に%1行目に登録されています。")
                .arg(m_grid.text(g, NumberColumn));
    }
    return std::nullopt;
}

void BuzaiForm::setupGrid(int rows) {
    m_grid = TextGrid(rows, kColumns);
    m_origin = QList<qsizetype>(rows, -1);
    m_grid.setFixedRows(1);
    m_grid.setFixedColumns(1);
    const int widths[kColumns] = {350, 2000, 1100, 1};
    const CellAlignment alignments[kColumns] = {CellAlignment::Center, CellAlignment::Left,
                                                CellAlignment::Center, CellAlignment::Right};
    for (int c = 0; c < kColumns; ++c) {
        m_grid.setColumnWidth(c, widths[c]);
        m_grid.setAlignment(c, alignments[c]);
        m_grid.setBackColor(0, c, kHeaderCellColor);
    }
    const bool chosen = !m_nameTx.isEmpty();
    m_grid.setText(0, SizeColumn, chosen ? sizeCaption(m_nameTx) : QStringLiteral("*"));
    m_grid.setText(0, WeightColumn, chosen ? weightCaption(m_nameTx) : QStringLiteral("*"));
    renumber();
    m_grid.setCurrent(1, SizeColumn);
    m_grid.setTopRow(1);
}

void BuzaiForm::renumber() {
    for (int r = 1; r < m_grid.rowCount(); ++r)
        m_grid.setText(r, NumberColumn, QString::number(r));
}

void BuzaiForm::rowCommand(int index) {
    // CmdGd(3), CmdGd(4) and CmdGd(5) in order.
    const std::array<void (BuzaiForm::*)(), 3> commands{
        &BuzaiForm::deleteSelectedRow, &BuzaiForm::deleteBlankRow, &BuzaiForm::insertBlankRow};
    if (index >= 3 && index - 3 < int(commands.size()))
        (this->*commands[index - 3])();
}

void BuzaiForm::showChosenName() {
    QList<qsizetype> shown;
    for (qsizetype i = 0; i < m_table.rows.size(); ++i) {
        const BuzaiWeightRow& r = m_table.rows[i];
        if (r.name == m_nameTx && !r.size.isEmpty())
            shown.append(i);
    }
    std::stable_sort(shown.begin(), shown.end(), [this](qsizetype a, qsizetype b) {
        return compareSizes(m_table.rows[a].size, m_table.rows[b].size) < 0;
    });
    const int first = 2; // the header, then one empty row, then the name's rows
    const int count = int(shown.size());
    setupGrid(first + count + kBlankRowsAfter);
    for (int i = 0; i < count; ++i) {
        const BuzaiWeightRow& r = m_table.rows[shown[i]];
        m_grid.setText(first + i, SizeColumn, r.size);
        m_grid.setText(first + i, WeightColumn, r.unitWeight);
        m_grid.setText(first + i, ExtraColumn, r.extra);
        markNumberCell(m_grid, first + i, WeightColumn);
        m_origin[first + i] = shown[i];
    }
}

void BuzaiForm::applyGrid() {
    if (m_nameTx.isEmpty())
        return;
    for (int g = 1; g < m_grid.rowCount(); ++g) {
        const QString& size = m_grid.text(g, SizeColumn);
        if (size.isEmpty())
            continue;
        const BuzaiWeightRow shown{m_nameTx, size, m_grid.text(g, WeightColumn), m_grid.text(g, ExtraColumn)};
        if (m_origin[g] >= 0) {
            m_table.rows[m_origin[g]] = shown;
        } else {
            m_origin[g] = m_table.rows.size();
            m_table.rows.append(shown);
        }
    }
}

RegistryForm::TableState BuzaiForm::tableState() const {
    TableState state{{}, m_origin};
    state.rows.reserve(m_table.rows.size());
    for (const BuzaiWeightRow& r : m_table.rows)
        state.rows.append({r.name, r.size, r.unitWeight, r.extra});
    return state;
}

void BuzaiForm::restoreTable(const TableState& state) {
    m_table.rows.clear();
    for (const QStringList& r : state.rows)
        m_table.rows.append({r.value(0), r.value(1), r.value(2), r.value(3)});
    m_origin = state.gridOrigins;
}

void BuzaiForm::deleteSelectedRow() {
    const Change change(m_states);
    hideEditor();
    const int row = m_grid.currentRow();
    if (!isDataRow(row))
        return;
    if (!m_grid.text(row, SizeColumn).isEmpty()) {
        if (!confirmRowDeletion())
            return;
        if (m_origin[row] >= 0)
            m_table.rows[m_origin[row]].size.clear();
        markEdited();
    }
    m_grid.removeRow(row);
    m_origin.removeAt(row);
    if (m_grid.rowCount() == 1) { // keep a row to click on
        m_grid.insertRow(1);
        m_origin.insert(1, -1);
    }
    renumber();
    Q_EMIT gridChanged();
}

void BuzaiForm::deleteBlankRow() {
    const Change change(m_states);
    hideEditor();
    const int row = m_grid.currentRow();
    if (!isDataRow(row))
        return;
    for (int c = SizeColumn; c <= ExtraColumn; ++c) {
        if (!m_grid.text(row, c).isEmpty()) {
            tell(QStringLiteral("空白行ではないので削除できません。"));
            return;
        }
    }
    m_grid.removeRow(row);
    m_origin.removeAt(row);
    m_grid.insertRow(m_grid.rowCount());
    m_origin.append(-1);
    renumber();
    Q_EMIT gridChanged();
}

void BuzaiForm::insertBlankRow() {
    const Change change(m_states);
    hideEditor();
    const int row = m_grid.currentRow();
    if (!isDataRow(row))
        return;
    m_grid.insertRow(row);
    m_origin.insert(row, -1);
    renumber();
    Q_EMIT gridChanged();
}

QPoint BuzaiForm::nextCell(EditorKey key, int row, int column, int last) const {
    switch (key) {
    case EditorKey::Enter:
        if (column == SizeColumn)
            return {WeightColumn, row};
        return row < last ? QPoint(SizeColumn, row + 1) : QPoint(column, row);
    case EditorKey::Up:
        return {column, qMax(row - 1, 1)};
    case EditorKey::Down:
        break;
    }
    return {column, qMin(row + 1, last)};
}

} // namespace tv::registries
