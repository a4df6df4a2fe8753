// The unit-weight window model: name choice, the grid of one name's rows, and its commands.
#include "registries/buzai_form.h"

#include "registries/registry_text.h"

#include <QHash>

namespace tv::registries {

using services::CellAlignment;
using services::CellOffer;
using services::PromptAnswer;
using services::PromptButtons;
using services::TextGrid;

namespace {

const QString kConfirm = QStringLiteral("確認");

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

} // namespace

BuzaiForm::BuzaiForm(const shell::DataRoot& root, services::Prompter& prompter, QObject* parent)
    : QObject(parent), m_root(root), m_prompter(prompter) {
    setupGrid(kOpeningRows);
}

QString BuzaiForm::commandCaption(int index) {
    static const QStringList captions{QStringLiteral("保存"),       QStringLiteral("終了"),
                                      QStringLiteral("   ▼"),       QStringLiteral("選択行削除"),
                                      QStringLiteral("空白行削除"), QStringLiteral("空白行挿入")};
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

QString BuzaiForm::path() const {
    return m_root.file(shell::kSetFolder, kBuzaiWeightFile);
}

bool BuzaiForm::open() {
    const services::Status loaded = m_table.load(path());
    if (!loaded.ok()) {
        m_prompter.tell(loaded.error, kConfirm);
        return false;
    }
    m_nameList = m_table.names();
    Q_EMIT changed();
    return true;
}

void BuzaiForm::setupGrid(int rows) {
    m_grid = TextGrid(rows, kColumns);
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

void BuzaiForm::command(int index) {
    switch (index) {
    case 0:
        save();
        break;
    case 1:
        close();
        break;
    case 2:
        openNameList();
        break;
    case 3:
        deleteSelectedRow();
        break;
    case 4:
        deleteBlankRow();
        break;
    case 5:
        insertBlankRow();
        break;
    default:
        break;
    }
}

void BuzaiForm::hideEditor() {
    if (!m_editorVisible)
        return;
    m_editorVisible = false;
    Q_EMIT changed();
}

void BuzaiForm::save() {
    hideEditor();
    if (m_nameTx.isEmpty())
        return;
    applyGrid();
    const services::Status saved = m_table.save(path());
    m_prompter.tell(saved.ok() ? QStringLiteral("保存しました。") : saved.error, kConfirm);
}

void BuzaiForm::close() {
    hideEditor();
    if (m_closed)
        return;
    m_closed = true;
    Q_EMIT closeRequested();
}

void BuzaiForm::openNameList() {
    hideEditor();
    m_nameList = m_table.names();
    m_nameListVisible = true;
    Q_EMIT changed();
}

void BuzaiForm::mouseOverBackground() {
    if (!m_nameListVisible)
        return;
    m_nameListVisible = false;
    Q_EMIT changed();
}

void BuzaiForm::clickNameTx() {
    m_prompter.tell(QStringLiteral("部材名称欄に直接入力はできません。\n▼をクリックして選択してください。"),
                    kConfirm);
}

void BuzaiForm::chooseName(int index) {
    if (index < 0 || index >= m_nameList.size())
        return;
    if (!m_nameTx.isEmpty())
        applyGrid();
    m_nameTx = m_nameList[index];
    m_nameListVisible = false;
    m_editorVisible = false;

    QList<qsizetype> shown;
    for (qsizetype i = 0; i < m_table.rows.size(); ++i) {
        const BuzaiWeightRow& r = m_table.rows[i];
        if (r.name == m_nameTx && !r.size.isEmpty())
            shown.append(i);
    }
    const int first = 2; // the header, then one empty row, then the name's rows
    const int count = int(shown.size());
    setupGrid(first + count + kBlankRowsAfter);
    for (int i = 0; i < count; ++i) {
        const BuzaiWeightRow& r = m_table.rows[shown[i]];
        m_grid.setText(first + i, SizeColumn, r.size);
        m_grid.setText(first + i, WeightColumn, r.unitWeight);
        m_grid.setText(first + i, ExtraColumn, r.extra);
        markNumberCell(m_grid, first + i, WeightColumn);
    }
    if (count >= 2)
        m_grid.sortRows(first, first + count - 1, SizeColumn, SizeColumn);
    renumber();
    Q_EMIT gridChanged();
    Q_EMIT changed();
}

void BuzaiForm::applyGrid() {
    if (m_nameTx.isEmpty())
        return;
    QHash<QString, QList<qsizetype>> rowsBySize;
    for (qsizetype i = 0; i < m_table.rows.size(); ++i) {
        const BuzaiWeightRow& r = m_table.rows[i];
        if (r.name == m_nameTx && !r.size.isEmpty())
            rowsBySize[r.size].append(i);
    }
    QHash<QString, int> seen;
    for (int g = 1; g < m_grid.rowCount(); ++g) {
        const QString& size = m_grid.text(g, SizeColumn);
        if (size.isEmpty())
            continue;
        const int k = seen[size]++;
        QList<qsizetype>& matches = rowsBySize[size];
        if (k < matches.size()) {
            BuzaiWeightRow& r = m_table.rows[matches[k]];
            r.unitWeight = m_grid.text(g, WeightColumn);
            r.extra = m_grid.text(g, ExtraColumn);
        } else {
            matches.append(m_table.rows.size());
            m_table.rows.append({m_nameTx, size, m_grid.text(g, WeightColumn), m_grid.text(g, ExtraColumn)});
        }
    }
}

qsizetype BuzaiForm::tableRowFor(int gridRow) const {
    const QString& size = m_grid.text(gridRow, SizeColumn);
    if (size.isEmpty())
        return -1;
    int k = 0;
    for (int g = 1; g < gridRow; ++g) {
        if (m_grid.text(g, SizeColumn) == size)
            ++k;
    }
    for (qsizetype i = 0; i < m_table.rows.size(); ++i) {
        const BuzaiWeightRow& r = m_table.rows[i];
        if (r.name == m_nameTx && r.size == size && k-- == 0)
            return i;
    }
    return -1;
}

void BuzaiForm::deleteSelectedRow() {
    hideEditor();
    const int row = m_grid.currentRow();
    if (!isDataRow(row))
        return;
    if (!m_grid.text(row, SizeColumn).isEmpty()) {
        if (m_prompter.ask(QStringLiteral("選択行を削除します。"), kConfirm, PromptButtons::OkCancel) !=
            PromptAnswer::Ok)
            return;
        const qsizetype t = tableRowFor(row);
        if (t >= 0)
            m_table.rows[t].size.clear();
        m_grid.setRowTexts(row, {});
    }
    m_grid.removeRow(row);
    if (m_grid.rowCount() == 1) // keep a row to click on
        m_grid.insertRow(1);
    renumber();
    Q_EMIT gridChanged();
}

void BuzaiForm::deleteBlankRow() {
    hideEditor();
    const int row = m_grid.currentRow();
    if (!isDataRow(row))
        return;
    for (int c = SizeColumn; c <= ExtraColumn; ++c) {
        if (!m_grid.text(row, c).isEmpty()) {
            m_prompter.tell(QStringLiteral("空白行ではないので削除できません。"), kConfirm);
            return;
        }
    }
    m_grid.removeRow(row);
    m_grid.insertRow(m_grid.rowCount());
    renumber();
    Q_EMIT gridChanged();
}

void BuzaiForm::insertBlankRow() {
    hideEditor();
    const int row = m_grid.currentRow();
    if (!isDataRow(row))
        return;
    m_grid.insertRow(row);
    renumber();
    Q_EMIT gridChanged();
}

void BuzaiForm::setCurrentCell(int row, int column) {
    m_grid.setCurrent(row, column);
}

CellOffer BuzaiForm::clickCell(int row, int column) {
    if (!isDataRow(row))
        return {};
    if (m_nameTx.isEmpty()) {
        m_prompter.tell(QStringLiteral("部材を選択してください。"), kConfirm);
        return {};
    }
    m_grid.setCurrent(row, column);
    if (column != SizeColumn && column != WeightColumn) {
        hideEditor();
        return {};
    }
    m_editorVisible = true;
    Q_EMIT changed();
    return {CellOffer::Kind::Text, {}};
}

bool BuzaiForm::editorTextChanged(const QString& text) {
    if (!m_editorVisible)
        return false;
    const QString stored = storableText(text);
    if (const auto message = unusableCharacterMessage(stored)) {
        m_prompter.tell(*message, kConfirm);
        return false;
    }
    const int row = m_grid.currentRow();
    const int column = m_grid.currentColumn();
    m_grid.setText(row, column, stored);
    if (column == WeightColumn)
        markNumberCell(m_grid, row, column);
    Q_EMIT cellChanged(row, column);
    return true;
}

void BuzaiForm::editorKey(EditorKey key) {
    if (!m_editorVisible)
        return;
    int row = m_grid.currentRow();
    int column = m_grid.currentColumn();
    const int last = m_grid.rowCount() - 1;
    switch (key) {
    case EditorKey::Enter:
        if (column == SizeColumn) {
            column = WeightColumn;
        } else if (row < last) {
            ++row;
            column = SizeColumn;
        }
        break;
    case EditorKey::Up:
        if (row > 1)
            --row;
        break;
    case EditorKey::Down:
        if (row < last)
            ++row;
        break;
    }
    m_grid.setCurrent(row, column);
    Q_EMIT editorMoved();
}

void BuzaiForm::commitCell(int row, int column, const QString& text) {
    if (!m_editorVisible || m_nameTx.isEmpty() || !isDataRow(row))
        return;
    m_grid.setCurrent(row, column);
    editorTextChanged(text);
}

void BuzaiForm::refuseCharacter(char32_t character) {
    m_prompter.tell(unusableCharacterMessage(character), kConfirm);
}

} // namespace tv::registries
