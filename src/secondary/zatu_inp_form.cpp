// The secondary-member sheet: opening, the grid, the commands, saving, closing, printing and help.
#include "secondary/zatu_inp_form.h"

#include "registries/input_codes.h"
#include "registries/reference_lists.h"
#include "secondary/zatu_file.h"
#include "secondary/zatu_print.h"
#include "shell/missing_files.h"

namespace tv::secondary {

using services::CellAlignment;
using services::PromptAnswer;
using services::PromptButtons;

namespace {

const QString kConfirm = QStringLiteral("確認");

struct ColumnLook {
    const char16_t* caption;
    int twips;
    CellAlignment alignment;
};

constexpr CellAlignment kC = CellAlignment::Center;
constexpr CellAlignment kL = CellAlignment::Left;
constexpr CellAlignment kR = CellAlignment::Right;

// Columns 0 to 25: the caption of row 1, the width and the alignment. Columns 21 to 25 are hidden.
constexpr std::array<ColumnLook, ZatuInpForm::kColumns> kColumnLooks{{
    {u"", 350, kC},
    {u"部材名", 900, kC},
    {u"階", 400, kC},
    {u"位置/ｺﾒﾝﾄ", 1100, kC},
    {u"規格", 950, kC},
    {u"名称", 850, kC},
    {u"寸法/サイズ", 2000, kL},
    {u"計算式/L(m)", 1700, kL},
    {u"×", 340, kC},
    {u"数量", 700, kR},
    {u"工", 340, kC},
    {u"継", 340, kC},
    {u"面", 340, kC},
    {u"厚", 430, kC},
    {u"L(m)", 700, kC},
    {u"×", 340, kC},
    {u"数量", 700, kR},
    {u"分類", 870, kC},
    {u"糸尺(m)", 750, kC},
    {u"×", 340, kC},
    {u"数量", 700, kR},
    {u"", 1, kL},
    {u"", 1, kL},
    {u"", 1, kL},
    {u"", 1, kL},
    {u"", 1, kL},
}};

// The group captions of row 0: first column, last column, caption.
struct Group {
    int first, last;
    const char16_t* caption;
};
constexpr std::array<Group, 3> kGroups{{{1, 9, u"部材"}, {10, 16, u"溶接"}, {17, 25, u"塗装"}}};

} // namespace

ZatuInpForm::ZatuInpForm(shell::ShellState& shell, services::Prompter& prompter,
                         services::PrinterPort& printer, services::WindowOpener& opener, QObject* parent)
    : QObject(parent), m_shell(shell), m_prompter(prompter), m_printer(printer), m_opener(opener) {
    loadGrid({});
}

QString ZatuInpForm::commandCaption(int index) {
    static const QStringList captions{QStringLiteral("終了"),
                                      QStringLiteral("印刷"),
                                      QStringLiteral("空白行削除"),
                                      QStringLiteral("次ページ"),
                                      QStringLiteral("前ページ"),
                                      QStringLiteral("先頭ページ"),
                                      QStringLiteral("選択行を先頭にする"),
                                      QStringLiteral("入力説明"),
                                      QStringLiteral("空白行挿入"),
                                      QStringLiteral("選択行削除")};
    return captions.value(index);
}

QStringList ZatuInpForm::notes() {
    return {
        QStringLiteral("※右クリックでセル入力内容削除。"),
        QStringLiteral("※計算式/L（m）欄の入力単位はメートルです。"),
        QStringLiteral("※サイズの候補には、リスト登録されたものではなく部材単位重量に登録されているサイズが"
                       "表示されます。")};
}

QString ZatuInpForm::filePath() const {
    return zatuFilePath(m_shell.dataRoot);
}

bool ZatuInpForm::open() {
    if (!shell::offerToCreateMissing({filePath()}, m_prompter))
        return false;
    // The registry and the reference lists only fill candidates: one that cannot be read is told and
    // leaves its candidates empty, and the sheet still opens.
    const services::Status weights =
        m_weights.load(m_shell.dataRoot.file(shell::kSetFolder, registries::kBuzaiWeightFile));
    if (!weights.ok())
        m_prompter.tellFailure(weights.error);
    fillLists();

    const ZatuRowsResult loaded = LoadZatuRows(filePath());
    if (!loaded.ok()) {
        m_prompter.tellFailure(loaded.error);
        return false;
    }
    loadGrid(loaded.rows);
    Q_EMIT gridChanged();
    Q_EMIT changed();
    return true;
}

void ZatuInpForm::fillLists() {
    const auto reference = [this](QStringView name) {
        const registries::ReferenceList list =
            registries::loadList(m_shell.dataRoot.file(shell::kSetFolder, name));
        if (!list.ok())
            m_prompter.tellFailure(list.error);
        return list.entries;
    };
    QStringList categories;
    for (QStringView c : kCategories)
        categories.append(c.toString());
    m_lists[CategoryList] = categories;
    m_lists[WeldMethodList] = registries::weldMethodItems();
    m_lists[WeldJointList] = registries::weldJointItems();
    m_lists[WeldFacesList] = registries::weldSidesItems();
    m_lists[BoltKindList] =
        reference(registries::kHtbKataFile) +
        QStringList{QStringLiteral("A.BOLT(1)"), QStringLiteral("A.BOLT(2)"), QStringLiteral("A.BOLT(3)")};
    m_lists[BoltDiameterList] = reference(registries::kBoltKeiFile);
    m_lists[MemberNameList] = m_weights.names();
    m_lists[GradeList] = reference(registries::kHasiraKikakuFile);
    m_lists[PaintClassList] = {QStringLiteral("塗装有"), QStringLiteral("溶融亜鉛")};
}

void ZatuInpForm::setUpColumns() {
    m_grid.setFixedRows(kFirstDataRow);
    m_grid.setFixedColumns(1);
    for (int c = 0; c < kColumns; ++c) {
        const ColumnLook& look = kColumnLooks[size_t(c)];
        m_grid.setColumnWidth(c, look.twips);
        m_grid.setAlignment(c, look.alignment);
        m_grid.setText(1, c, QString::fromUtf16(look.caption));
    }
    m_grid.clearSpans();
    for (const Group& g : kGroups) {
        for (int c = g.first; c <= g.last; ++c)
            m_grid.setText(0, c, QString::fromUtf16(g.caption));
        m_grid.addSpan({0, g.first, 1, g.last - g.first + 1});
    }
}

void ZatuInpForm::loadGrid(const QList<ZatuRow>& rows) {
    // The header, the loaded rows, one empty row after them, then the spare rows.
    const int count = int(rows.size());
    m_grid = services::TextGrid(kFirstDataRow + count + 1 + kSpareRows, kColumns);
    setUpColumns();
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        texts.clear();
        texts.append(QString());
        for (const QString& cell : rows[i].cells)
            texts.append(cell);
        m_grid.setRowTexts(kFirstDataRow + i, texts);
    }
    renumber();
    m_grid.setCurrent(kFirstDataRow, BuzaiCell);
    m_grid.setTopRow(kFirstDataRow);
    m_selected = m_previousSelected = -1;
    m_editorVisible = false;
}

void ZatuInpForm::renumber() {
    for (int r = kFirstDataRow; r < m_grid.rowCount(); ++r)
        m_grid.setText(r, 0, QString::number(r - kFirstDataRow + 1));
}

ZatuRow ZatuInpForm::rowAt(int gridRow) const {
    ZatuRow row;
    for (int k = 1; k <= kZatuCells; ++k)
        row.cells[size_t(k - 1)] = m_grid.text(gridRow, k);
    return row;
}

QList<ZatuRow> ZatuInpForm::rows() const {
    QList<ZatuRow> out;
    out.reserve(m_grid.rowCount() - kFirstDataRow);
    for (int r = kFirstDataRow; r < m_grid.rowCount(); ++r)
        out.append(rowAt(r));
    return out;
}

void ZatuInpForm::command(int index) {
    hideEditor();
    switch (index) {
    case EndCommand:
        close();
        break;
    case PrintCommand:
        print();
        break;
    case DeleteBlankCommand:
        deleteBlankRow();
        break;
    case NextPageCommand:
        nextPage();
        break;
    case PreviousPageCommand:
        previousPage();
        break;
    case FirstPageCommand:
        firstPage();
        break;
    case SelectedToTopCommand:
        selectedRowToTop();
        break;
    case HelpCommand:
        showHelp();
        break;
    case InsertBlankCommand:
        insertBlankRow();
        break;
    case DeleteSelectedCommand:
        deleteSelectedRow();
        break;
    default:
        break;
    }
}

void ZatuInpForm::hideEditor() {
    if (!m_editorVisible)
        return;
    m_editorVisible = false;
    m_editRow = m_editColumn = -1;
    Q_EMIT changed();
}

bool ZatuInpForm::save() {
    const services::Status saved = SaveZatuRows(filePath(), rows());
    if (!saved.ok())
        m_prompter.tellFailure(saved.error);
    return saved.ok();
}

void ZatuInpForm::close() {
    hideEditor();
    if (m_closed || !save())
        return;
    m_closed = true;
    Q_EMIT closeRequested();
}

void ZatuInpForm::print() {
    const PromptAnswer answer = m_prompter.ask(
        QStringLiteral(
            "副部材積算の入力を印刷します。\nプリンターの電源を入れA4用紙をセット後OKしてください。\n"
            "(通常使うプリンターに出力されます)"),
        kConfirm, PromptButtons::OkCancel);
    if (answer != PromptAnswer::Ok)
        return;
    const services::Status printed = m_printer.print(ZatuPrintLayout(rows()));
    m_prompter.tell(printed.ok() ? QStringLiteral("終了しました。") : printed.error, QStringLiteral("印刷"));
}

void ZatuInpForm::showHelp() {
    m_shell.project.helpFilePath = m_shell.dataRoot.file(shell::kInfoFolder, u"info-5.txt");
    m_opener.open(services::WindowId::InfoForm);
}

} // namespace tv::secondary
