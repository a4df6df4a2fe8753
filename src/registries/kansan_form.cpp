// The weld-rate window model: symbol choice and registration, the thickness grid and its commands.
#include "registries/kansan_form.h"

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
}

KansanForm::KansanForm(const shell::DataRoot& root, services::Prompter& prompter, QObject* parent)
    : QObject(parent), m_root(root), m_prompter(prompter) {
    const QStringList& thicknesses = kansanThicknesses();
    m_grid = TextGrid(int(thicknesses.size()) + 1, kColumns);
    m_grid.setFixedRows(1);
    m_grid.setFixedColumns(1);
    const int widths[kColumns] = {850, 1150, 1};
    for (int c = 0; c < kColumns; ++c) {
        m_grid.setColumnWidth(c, widths[c]);
        m_grid.setAlignment(c, CellAlignment::Center);
        m_grid.setBackColor(0, c, kHeaderCellColor);
    }
    m_grid.setText(0, ThicknessColumn, QStringLiteral("板厚(t)"));
    m_grid.setText(0, RateColumn, QStringLiteral("換算率(K)"));
    for (int i = 0; i < thicknesses.size(); ++i)
        m_grid.setText(i + 1, ThicknessColumn, thicknesses[i]);
    m_grid.setCurrent(1, RateColumn);
    m_grid.setTopRow(1);
}

QString KansanForm::commandCaption(int index) {
    static const QStringList captions{QStringLiteral("保存"),     QStringLiteral("終了"),
                                      QStringLiteral("   ▼"),     QStringLiteral("選択行削除"),
                                      QStringLiteral("記号登録"), QStringLiteral("クリア")};
    return captions.value(index);
}

QString KansanForm::path() const {
    return m_root.file(shell::kSetFolder, kKansanFile);
}

bool KansanForm::open() {
    const services::Status loaded = m_table.load(path());
    if (!loaded.ok()) {
        m_prompter.tell(loaded.error, kConfirm);
        return false;
    }
    m_nameList = m_table.symbols();
    Q_EMIT changed();
    return true;
}

void KansanForm::command(int index) {
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
        registerSymbol();
        break;
    case 5:
        clear();
        break;
    default:
        break;
    }
}

void KansanForm::hideEditor() {
    if (!m_editorVisible)
        return;
    m_editorVisible = false;
    Q_EMIT changed();
}

void KansanForm::save() {
    hideEditor();
    if (m_nameTx.isEmpty()) {
        close();
        return;
    }
    applyGrid();
    const services::Status saved = m_table.save(path());
    m_prompter.tell(saved.ok() ? QStringLiteral("保存しました。") : saved.error, kConfirm);
}

void KansanForm::close() {
    hideEditor();
    if (m_closed)
        return;
    m_closed = true;
    Q_EMIT closeRequested();
}

void KansanForm::openNameList() {
    hideEditor();
    m_nameList = m_table.symbols();
    m_nameListVisible = true;
    Q_EMIT changed();
}

void KansanForm::mouseOverBackground() {
    if (!m_nameListVisible)
        return;
    m_nameListVisible = false;
    Q_EMIT changed();
}

void KansanForm::clickNameTx() {
    m_prompter.tell(QStringLiteral("記号欄に直接入力はできません。\n"
                                   "▼をクリックして選択するか、新たに記号から登録したい場合は\n"
                                   "「記号登録」をクリックして登録し、換算率を入力してください。"),
                    kConfirm);
}

void KansanForm::emptyRates() {
    for (int r = 1; r < m_grid.rowCount(); ++r) {
        m_grid.setText(r, RateColumn, {});
        markNumberCell(m_grid, r, RateColumn);
    }
}

void KansanForm::chooseSymbol(int index) {
    if (index < 0 || index >= m_nameList.size())
        return;
    if (!m_nameTx.isEmpty())
        applyGrid();
    m_nameTx = m_nameList[index];
    m_nameListVisible = false;
    m_editorVisible = false;
    emptyRates();
    QHash<QString, int> rowOfThickness;
    for (int r = 1; r < m_grid.rowCount(); ++r)
        rowOfThickness.insert(m_grid.text(r, ThicknessColumn), r);
    for (const KansanRow& k : std::as_const(m_table.rows)) {
        if (k.symbol != m_nameTx)
            continue;
        const int r = rowOfThickness.value(k.thickness, -1);
        if (r > 0) {
            m_grid.setText(r, RateColumn, k.rate);
            markNumberCell(m_grid, r, RateColumn);
        }
    }
    Q_EMIT gridChanged();
    Q_EMIT changed();
}

void KansanForm::applyGrid() {
    if (m_nameTx.isEmpty())
        return;
    QHash<QString, QList<qsizetype>> rowsByThickness;
    for (qsizetype i = 0; i < m_table.rows.size(); ++i) {
        if (m_table.rows[i].symbol == m_nameTx)
            rowsByThickness[m_table.rows[i].thickness].append(i);
    }
    for (int g = 1; g < m_grid.rowCount(); ++g) {
        const QString& thickness = m_grid.text(g, ThicknessColumn);
        const QString& rate = m_grid.text(g, RateColumn);
        const QList<qsizetype> matches = rowsByThickness.value(thickness);
        for (qsizetype i : matches)
            m_table.rows[i].rate = rate;
        if (matches.isEmpty()) {
            rowsByThickness[thickness].append(m_table.rows.size());
            m_table.rows.append({m_nameTx, thickness, rate});
        }
    }
}

void KansanForm::deleteSelectedRow() {
    hideEditor();
    const int row = m_grid.currentRow();
    if (!isDataRow(row) || m_grid.text(row, RateColumn).isEmpty())
        return;
    if (m_prompter.ask(QStringLiteral("選択行を削除します。"), kConfirm, PromptButtons::OkCancel) !=
        PromptAnswer::Ok)
        return;
    m_grid.setText(row, RateColumn, {});
    markNumberCell(m_grid, row, RateColumn);
    Q_EMIT cellChanged(row, RateColumn);
}

void KansanForm::registerSymbol() {
    hideEditor();
    const QString symbol = m_askSymbol ? m_askSymbol() : QString();
    if (symbol.isEmpty())
        return;
    if (m_table.hasSymbol(symbol)) {
        m_prompter.tell(QStringLiteral("既に登録されている記号名です。"), kConfirm);
        return;
    }
    // The rates on the grid stay and become the new symbol's at the next apply.
    m_nameTx = symbol;
    Q_EMIT changed();
}

void KansanForm::clear() {
    hideEditor();
    if (m_prompter.ask(QStringLiteral("現在表示されている内容全てを削除します。"), kConfirm,
                       PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    emptyRates();
    Q_EMIT gridChanged();
}

void KansanForm::setCurrentCell(int row, int column) {
    m_grid.setCurrent(row, column);
}

CellOffer KansanForm::clickCell(int row, int column) {
    if (!isDataRow(row))
        return {};
    if (m_nameTx.isEmpty()) {
        m_prompter.tell(QStringLiteral("記号を選択してください。"), kConfirm);
        return {};
    }
    m_grid.setCurrent(row, column);
    if (column != RateColumn) {
        hideEditor();
        return {};
    }
    m_editorVisible = true;
    Q_EMIT changed();
    return {CellOffer::Kind::Text, {}};
}

bool KansanForm::editorTextChanged(const QString& text) {
    if (!m_editorVisible)
        return false;
    const QString stored = storableText(text);
    if (const auto message = unusableCharacterMessage(stored)) {
        m_prompter.tell(*message, kConfirm);
        return false;
    }
    const int row = m_grid.currentRow();
    m_grid.setText(row, RateColumn, stored);
    markNumberCell(m_grid, row, RateColumn);
    Q_EMIT cellChanged(row, RateColumn);
    return true;
}

void KansanForm::editorKey(EditorKey key) {
    if (!m_editorVisible)
        return;
    int row = m_grid.currentRow();
    const int last = m_grid.rowCount() - 1;
    switch (key) {
    case EditorKey::Enter:
    case EditorKey::Down:
        if (row < last)
            ++row;
        break;
    case EditorKey::Up:
        if (row > 1)
            --row;
        break;
    }
    m_grid.setCurrent(row, RateColumn);
    Q_EMIT editorMoved();
}

void KansanForm::commitCell(int row, int column, const QString& text) {
    if (!m_editorVisible || m_nameTx.isEmpty() || !isDataRow(row))
        return;
    m_grid.setCurrent(row, column);
    editorTextChanged(text);
}

void KansanForm::refuseCharacter(char32_t character) {
    m_prompter.tell(unusableCharacterMessage(character), kConfirm);
}

} // namespace tv::registries
