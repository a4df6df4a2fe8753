// The weld-rate window model: symbol choice and registration, the thickness grid and its commands.
#include "registries/kansan_form.h"

#include <array>

#include <QHash>

namespace tv::registries {

using services::CellAlignment;
using services::PromptAnswer;
using services::PromptButtons;
using services::TextGrid;

KansanForm::KansanForm(const shell::DataRoot& root, services::Prompter& prompter, QObject* parent)
    : RegistryForm(root, prompter,
                   {kKansanFile.toString(),
                    QStringLiteral("記号欄に直接入力はできません。\n"
                                   "▼をクリックして選択するか、新たに記号から登録したい場合は\n"
                                   "「記号登録」をクリックして登録し、換算率を入力してください。"),
                    QStringLiteral("記号を選択してください。")},
                   parent) {
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
    if (index == kImportCommand)
        return importCaption();
    return captions.value(index);
}

void KansanForm::rowCommand(int index) {
    // CmdGd(3), CmdGd(4) and CmdGd(5) in order.
    const std::array<void (KansanForm::*)(), 3> commands{&KansanForm::deleteSelectedRow,
                                                         &KansanForm::registerSymbol, &KansanForm::clear};
    if (index >= 3 && index - 3 < int(commands.size()))
        (this->*commands[index - 3])();
}

QString KansanForm::rowLabel(int row) const {
    return QStringLiteral("板厚%1の行").arg(m_grid.text(row, ThicknessColumn));
}

void KansanForm::emptyRates() {
    for (int r = 1; r < m_grid.rowCount(); ++r) {
        m_grid.setText(r, RateColumn, {});
        markNumberCell(m_grid, r, RateColumn);
    }
}

void KansanForm::showChosenName() {
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

RegistryForm::TableState KansanForm::tableState() const {
    TableState state;
    state.rows.reserve(m_table.rows.size());
    for (const KansanRow& k : m_table.rows)
        state.rows.append({k.symbol, k.thickness, k.rate});
    return state;
}

void KansanForm::restoreTable(const TableState& state) {
    m_table.rows.clear();
    for (const QStringList& k : state.rows)
        m_table.rows.append({k.value(0), k.value(1), k.value(2)});
}

void KansanForm::deleteSelectedRow() {
    const Change change(m_states);
    hideEditor();
    const int row = m_grid.currentRow();
    if (!isDataRow(row) || m_grid.text(row, RateColumn).isEmpty() || !confirmRowDeletion())
        return;
    markEdited();
    m_grid.setText(row, RateColumn, {});
    markNumberCell(m_grid, row, RateColumn);
    Q_EMIT cellChanged(row, RateColumn);
}

void KansanForm::registerSymbol() {
    const Change change(m_states);
    hideEditor();
    const QString symbol = m_askSymbol ? m_askSymbol() : QString();
    if (symbol.isEmpty())
        return;
    if (m_table.hasSymbol(symbol)) {
        tell(QStringLiteral("既に登録されている記号名です。"));
        return;
    }
    // The shown rates go to the current symbol first; they stay on the grid and become the new
    // symbol's at the next apply.
    takeName(symbol);
    markEdited();
    Q_EMIT changed();
}

void KansanForm::clear() {
    const Change change(m_states);
    hideEditor();
    if (m_prompter.ask(QStringLiteral("現在表示されている内容全てを削除します。"), QStringLiteral("確認"),
                       PromptButtons::OkCancel) != PromptAnswer::Ok)
        return;
    emptyRates();
    markEdited();
    Q_EMIT gridChanged();
}

QPoint KansanForm::nextCell(EditorKey key, int row, int, int last) const {
    const int next = key == EditorKey::Up ? qMax(row - 1, 1) : qMin(row + 1, last);
    return {RateColumn, next};
}

} // namespace tv::registries
