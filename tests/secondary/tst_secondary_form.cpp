// The secondary-member sheet: opening, candidate lists and offers, editing with its recomputation,
// the editor keys, the row commands with their messages and saves, paging, help, printing, closing.
#include "registries/input_codes.h"
#include "registries/registry_text.h"
#include "secondary/zatu_file.h"
#include "secondary/zatu_inp_form.h"
#include "support/recording_printer.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::secondary;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::CellOffer;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;
using tv::services::WindowId;

namespace {

constexpr int R = ZatuInpForm::kFirstDataRow; // the first data row

struct RecordingOpener : tv::services::WindowOpener {
    bool open(WindowId id) override {
        opened.append(id);
        return true;
    }
    QList<WindowId> opened;
};

const QString kConfirm = u"確認"_s;

} // namespace

class TestSecondaryForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void opensMissingOrEmptyFileAsNumberedEmptySheet_data();
    void opensMissingOrEmptyFileAsNumberedEmptySheet();
    void refusesFileThatDoesNotDecode();
    void loadsRowsAfterHeaderAndKeepsThemAtClose();
    void candidateLists();
    void offers_data();
    void offers();
    void clickMovesToTheCellToFillFirst();
    void nameAndSizePicks();
    void typingRecomputesTheRow();
    void editorKeys_data();
    void editorKeys();
    void rightClickEmptiesTheCell();
    void rowCommandsNeedASelection();
    void deleteBlankRow();
    void insertBlankRow();
    void deleteSelectedRow();
    void previousPage_data();
    void previousPage();
    void otherPaging();
    void helpShowsTheSheetsHelpText();
    void printAsksAndTells();
    void failedSaveKeepsTheWindowOpen();

private:
    ZatuInpForm& open(bool expectOpened = true);
    // Clicks (row, column) and types `text` into the editor there.
    void type(int row, int column, const QString& text);
    void pick(int row, int column, const QString& item);
    QString workFile() const { return m_root.file(tv::shell::kWorkDataFolder, u"WorkData-3.ini"); }

    QTemporaryDir m_dir;
    tv::shell::ShellState m_shell;
    tv::shell::DataRoot m_root;
    ScriptedPrompter* m_prompter = nullptr;
    RecordingPrinter m_printer;
    RecordingOpener m_opener;
    ZatuInpForm* m_form = nullptr;
};

void TestSecondaryForm::init() {
    const QString root = m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) + u'-' +
                                        QString::fromLatin1(QTest::currentDataTag()));
    makeDataRoot(root);
    m_root = tv::shell::DataRoot(root);
    m_shell = {};
    m_shell.dataRoot = m_root;
    writeCp932Lines(m_root.file(tv::shell::kSetFolder, u"BuzaiWeight.ini"),
                    {u"ZZBW'H鋼'200*100*5.5*8'20.9'"_s, u"ZZBW'山形鋼'6*50*50'4.43'"_s,
                     u"ZZBW'H鋼'100*50*5*7'9.30'"_s, u"ZZBW'H鋼''1'"_s});
    writeCp932Lines(m_root.file(tv::shell::kSetFolder, u"HtbKata.ini"), {u"F10T"_s, {}, u"S10T"_s});
    writeCp932Lines(m_root.file(tv::shell::kSetFolder, u"BoltKei.ini"), {u"M16"_s, u"M20"_s});
    writeCp932Lines(m_root.file(tv::shell::kSetFolder, u"HasiraKikaku.ini"), {u"SS400"_s, u"SN490B"_s});
    m_prompter = new ScriptedPrompter;
    m_printer.documents.clear();
    m_opener.opened.clear();
}

void TestSecondaryForm::cleanup() {
    delete m_form;
    m_form = nullptr;
    if (!QTest::currentTestFailed())
        TV_VERIFY_PROMPTS(*m_prompter);
    delete m_prompter;
}

ZatuInpForm& TestSecondaryForm::open(bool expectOpened) {
    m_form = new ZatuInpForm(m_shell, *m_prompter, m_printer, m_opener);
    const bool opened = m_form->open();
    if (opened != expectOpened)
        qWarning("open() gave %d", int(opened));
    return *m_form;
}

void TestSecondaryForm::type(int row, int column, const QString& text) {
    const CellOffer offer = m_form->clickCell(row, column);
    QCOMPARE(offer.kind, CellOffer::Kind::Text);
    QVERIFY(m_form->editorTextChanged(text));
}

void TestSecondaryForm::pick(int row, int column, const QString& item) {
    const CellOffer offer = m_form->clickCell(row, column);
    QVERIFY2(offer.items.contains(item), qPrintable(item));
    m_form->commitCell(row, column, item);
}

void TestSecondaryForm::opensMissingOrEmptyFileAsNumberedEmptySheet_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("empty file") << true;
    QTest::newRow("missing file, created empty on Yes") << false;
}

void TestSecondaryForm::opensMissingOrEmptyFileAsNumberedEmptySheet() {
    QFETCH(bool, exists);
    if (!exists) {
        QVERIFY(QFile::remove(workFile()));
        m_prompter->expect(
            u"ファイル「%1」がありません。\n空のファイルを作成しますか？\n作成すると、このファイルのデータは空になります。"_s
                .arg(QDir::toNativeSeparators(workFile())),
            u"確認"_s, PromptButtons::YesNo, PromptAnswer::Yes);
    }
    ZatuInpForm& form = open();
    const auto& grid = form.DataGrid();
    QCOMPARE(grid.rowCount(), R + 101);
    QCOMPARE(grid.text(R, 0), u"1"_s);
    QCOMPARE(grid.text(R + 100, 0), u"101"_s);
    QCOMPARE(grid.text(1, 6), u"寸法/サイズ"_s);
    QCOMPARE(grid.text(0, 16), u"溶接"_s);
    QVERIFY(grid.spans().contains(tv::services::CellSpan{0, 17, 1, 9}));
    QCOMPARE(grid.columnWidth(21), 1);
    QCOMPARE(form.selectedRow(), -1);
    QSignalSpy closed(&form, &ZatuInpForm::closeRequested);
    form.command(ZatuInpForm::EndCommand);
    QCOMPARE(closed.size(), 1);
    QVERIFY(QFileInfo::exists(workFile()));
    QCOMPARE(readBytes(workFile()), QByteArray());
}

void TestSecondaryForm::refusesFileThatDoesNotDecode() {
    const QByteArray bad = QByteArray("ZZ03'\x82\xff'\r\n");
    writeBytes(workFile(), bad);
    const QString refusal = LoadZatuRows(workFile()).error;
    QVERIFY(refusal.contains(u"WorkData-3.ini"_s));
    m_prompter->expectOk(refusal, u"エラー"_s);
    m_form = new ZatuInpForm(m_shell, *m_prompter, m_printer, m_opener);
    QVERIFY(!m_form->open());
    QCOMPARE(readBytes(workFile()), bad);
}

void TestSecondaryForm::loadsRowsAfterHeaderAndKeepsThemAtClose() {
    const QStringList lines{u"ZZ03'胴縁'2'X1'SS400'H鋼'H-100×50×5×7'6'2'12.00'''''''''''''''h'"_s,
                            u"ZZ03'BOLT'''F10T'M20'55''8'"_s};
    writeCp932Lines(workFile(), lines);
    ZatuInpForm& form = open();
    QCOMPARE(form.DataGrid().rowCount(), R + 2 + 101);
    QCOMPARE(form.DataGrid().text(R, 6), u"H-100×50×5×7"_s);
    QCOMPARE(form.DataGrid().text(R + 1, 8), u"8"_s);
    QCOMPARE(form.DataGrid().text(R + 2, 0), u"3"_s);
    form.command(ZatuInpForm::EndCommand);
    QVERIFY(form.isClosed());
    QStringList padded; // every saved line has its 25 cells
    for (const QString& line : lines)
        padded.append(line + QString(25 - line.count(u'\''), u'\''));
    QCOMPARE(readBytes(workFile()), cp932Lines(padded));
}

void TestSecondaryForm::candidateLists() {
    ZatuInpForm& form = open();
    QCOMPARE(form.KouhoList(ZatuInpForm::CategoryList),
             (QStringList{u"胴縁"_s, u"ブレース"_s, u"床版"_s, u"BOLT"_s, u"雑-1"_s, u"雑-2"_s, u"雑-3"_s,
                          u"雑-4"_s, u"雑-5"_s}));
    QCOMPARE(form.KouhoList(ZatuInpForm::BoltKindList),
             (QStringList{u"F10T"_s, u"S10T"_s, u"A.BOLT(1)"_s, u"A.BOLT(2)"_s, u"A.BOLT(3)"_s}));
    QCOMPARE(form.KouhoList(ZatuInpForm::BoltDiameterList), (QStringList{u"M16"_s, u"M20"_s}));
    // Each registered name once, in registry order, the defaults of the registry after the file's.
    const QStringList names = form.KouhoList(ZatuInpForm::MemberNameList);
    QCOMPARE(names.mid(0, 2), (QStringList{u"H鋼"_s, u"山形鋼"_s}));
    QCOMPARE(names.count(u"H鋼"_s), 1);
    QCOMPARE(form.KouhoList(ZatuInpForm::GradeList), (QStringList{u"SS400"_s, u"SN490B"_s}));
    QCOMPARE(form.KouhoList(ZatuInpForm::WeldJointList), tv::registries::weldJointItems());
    QCOMPARE(form.KouhoList(ZatuInpForm::PaintClassList), (QStringList{u"塗装有"_s, u"溶融亜鉛"_s}));
}

void TestSecondaryForm::offers_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("kind"); // CellOffer::Kind
    QTest::addColumn<QStringList>("items");
    const int none = int(CellOffer::Kind::None), text = int(CellOffer::Kind::Text),
              list = int(CellOffer::Kind::List);
    const QStringList boltKinds{u"F10T"_s, u"S10T"_s, u"A.BOLT(1)"_s, u"A.BOLT(2)"_s, u"A.BOLT(3)"_s};
    for (const int c : {7, 10, 11, 12, 13, 17, 9, 16, 20})
        QTest::addRow("bolt row offers nothing in %d", c) << u"BOLT"_s << c << none << QStringList{};
    QTest::newRow("bolt kinds") << u"BOLT"_s << 4 << list << boltKinds;
    QTest::newRow("bolt diameters") << u"BOLT"_s << 5 << list << QStringList{u"M16"_s, u"M20"_s};
    QTest::newRow("bolt length typed") << u"BOLT"_s << 6 << text << QStringList{};
    QTest::newRow("bolt count typed") << u"BOLT"_s << 8 << text << QStringList{};
    QTest::newRow("grades") << u"胴縁"_s << 4 << list << QStringList{u"SS400"_s, u"SN490B"_s};
    QTest::newRow("weld method") << u"ブレース"_s << 10 << list << tv::registries::weldMethodItems();
    QTest::newRow("weld faces") << u"雑-3"_s << 12 << list << tv::registries::weldSidesItems();
    QTest::newRow("length typed") << u"雑-1"_s << 7 << text << QStringList{};
    QTest::newRow("weld thickness typed") << u"雑-1"_s << 13 << text << QStringList{};
    QTest::newRow("girth typed") << u"雑-1"_s << 18 << text << QStringList{};
    QTest::newRow("deck has no name") << u"床版"_s << 5 << none << QStringList{};
    QTest::newRow("deck has no size") << u"床版"_s << 6 << none << QStringList{};
    QTest::newRow("quantity") << u"胴縁"_s << 9 << none << QStringList{};
    QTest::newRow("hidden cell") << u"胴縁"_s << 23 << none << QStringList{};
}

void TestSecondaryForm::offers() {
    QFETCH(QString, category);
    QFETCH(int, column);
    QFETCH(int, kind);
    QFETCH(QStringList, items);
    ZatuInpForm& form = open();
    pick(R, 1, category);
    if (category != u"床版"_s) // a size is offered once the row has a name
        pick(R, 5, category == u"BOLT"_s ? u"M16"_s : u"H鋼"_s);
    const CellOffer offer = form.clickCell(R, column);
    QCOMPARE(int(offer.kind), kind);
    QCOMPARE(offer.items, items);
    QCOMPARE(form.isEditorVisible(), kind == int(CellOffer::Kind::Text));
}

void TestSecondaryForm::clickMovesToTheCellToFillFirst() {
    ZatuInpForm& form = open();
    QSignalSpy moved(&form, &ZatuInpForm::editorMoved);
    // No category yet: the cursor goes to 部材名.
    QCOMPARE(form.clickCell(R + 3, 7).kind, CellOffer::Kind::None);
    QCOMPARE(form.DataGrid().currentColumn(), int(BuzaiCell));
    QCOMPARE(form.DataGrid().currentRow(), R + 3);
    QCOMPARE(form.selectedRow(), R + 3);
    QCOMPARE(moved.size(), 1);
    QCOMPARE(form.DataGrid().backColor(R + 3, 5), ZatuInpForm::kSelectedRowColor);

    // A size without a name: the message, then 名称.
    pick(R + 3, 1, u"ブレース"_s);
    m_prompter->expectOk(u"名称を選択してください。"_s, kConfirm);
    QCOMPARE(form.clickCell(R + 3, 6).kind, CellOffer::Kind::None);
    QCOMPARE(form.DataGrid().currentColumn(), int(NameCell));
    QCOMPARE(moved.size(), 2);

    // A deck row has no name: no message.
    pick(R, 1, u"床版"_s);
    QCOMPARE(form.clickCell(R, 6).kind, CellOffer::Kind::None);
    QCOMPARE(moved.size(), 2);
    QCOMPARE(form.DataGrid().backColor(R + 3, 5), std::nullopt); // the highlight moved with the selection
    QCOMPARE(form.DataGrid().backColor(R, 5), ZatuInpForm::kSelectedRowColor);
}

void TestSecondaryForm::nameAndSizePicks() {
    ZatuInpForm& form = open();
    pick(R, 1, u"胴縁"_s);
    pick(R, 5, u"H鋼"_s);
    QSignalSpy moved(&form, &ZatuInpForm::editorMoved);
    const CellOffer sizes = form.clickCell(R, 6);
    QCOMPARE(sizes.items, (QStringList{u"200*100*5.5*8"_s, u"100*50*5*7"_s}));
    QCOMPARE(form.SizeList(), sizes.items);
    form.commitCell(R, 6, u"200*100*5.5*8"_s);
    QCOMPARE(form.DataGrid().text(R, 6), u"H-200×100×5.5×8"_s);
    QCOMPARE(form.DataGrid().currentColumn(), int(LengthCell));
    QCOMPARE(moved.size(), 1);

    // A new name empties the size; a name without a prefix gets the bare size.
    pick(R, 5, u"山形鋼"_s);
    QCOMPARE(form.DataGrid().text(R, 6), QString());
    pick(R, 6, u"6*50*50"_s);
    QCOMPARE(form.DataGrid().text(R, 6), u"L-6×50×50"_s);
    QCOMPARE(ZatuInpForm::sizePrefix(u"鋼管(角)"_s), u"□-"_s);
    QCOMPARE(ZatuInpForm::sizePrefix(u"丸鋼"_s), u"φ"_s);
    QCOMPARE(ZatuInpForm::sizePrefix(u"BH鋼"_s), QString());

    // Text typed into a list cell takes the item it names, a size also as the cell shows it; other
    // text is refused with a message naming the column, and the cell keeps what it had.
    const QString notAnItem = u"「%1」は「%2」の一覧にありません。\n一覧の中から選んでください。"_s;
    m_prompter->expectOk(notAnItem.arg(u"存在しない"_s, u"名称"_s), kConfirm);
    form.commitCell(R, 5, u"存在しない"_s);
    QCOMPARE(form.DataGrid().text(R, 5), u"山形鋼"_s);
    form.commitCell(R, 5, u"Ｈ鋼"_s);
    QCOMPARE(form.DataGrid().text(R, 5), u"H鋼"_s);
    form.commitCell(R, 6, u"H-200×100×5.5×8"_s);
    QCOMPARE(form.DataGrid().text(R, 6), u"H-200×100×5.5×8"_s);
    form.commitCell(R, 6, u"１００＊５０＊５＊７"_s);
    QCOMPARE(form.DataGrid().text(R, 6), u"H-100×50×5×7"_s);
    m_prompter->expectOk(notAnItem.arg(u"H-100×50"_s, u"寸法/サイズ"_s), kConfirm);
    form.commitCell(R, 6, u"H-100×50"_s);
    QCOMPARE(form.DataGrid().text(R, 6), u"H-100×50×5×7"_s);

    // The weld lists show each code with its meaning; the cell takes the code, picked or typed.
    pick(R, 10, u"A  自動"_s);
    pick(R, 11, u"FL  フレア"_s);
    form.commitCell(R, 12, u"２"_s);
    QCOMPARE(form.DataGrid().rowTexts(R).mid(10, 3), (QStringList{u"A"_s, u"FL"_s, u"2"_s}));
}

void TestSecondaryForm::typingRecomputesTheRow() {
    ZatuInpForm& form = open();
    pick(R, 1, u"胴縁"_s);
    type(R, 7, u"３．５＊２"_s); // typed in full width, stored half-width
    QCOMPARE(form.DataGrid().text(R, 7), u"3.5*2"_s);
    QCOMPARE(form.DataGrid().text(R, 9), QString());
    type(R, 8, u"4"_s);
    QCOMPARE(form.DataGrid().text(R, 9), u"28.00"_s);
    type(R, 14, u"12"_s);
    type(R, 15, u"2"_s);
    type(R, 18, u"0.6"_s);
    type(R, 19, u"10"_s);
    QCOMPARE(form.DataGrid().text(R, 16), u"24.00"_s);
    QCOMPARE(form.DataGrid().text(R, 20), u"6.00"_s);
    type(R, 3, u"Tom's"_s);
    QCOMPARE(form.DataGrid().text(R, 3), u"Tom's"_s);

    // Turning the row into a bolt row drops its quantity.
    pick(R, 1, u"BOLT"_s);
    QCOMPARE(form.DataGrid().text(R, 9), QString());

    // A character that Shift-JIS cannot hold is refused; the cell keeps its text.
    m_prompter->expectOk(tv::registries::unusableCharacterMessage(U'\U0001F600'), kConfirm);
    form.clickCell(R, 2);
    QVERIFY(!form.editorTextChanged(u"\U0001F600"_s));
    QCOMPARE(form.DataGrid().text(R, 2), QString());

    form.command(ZatuInpForm::EndCommand);
    const ZatuRowsResult saved = LoadZatuRows(workFile());
    QCOMPARE(saved.rows.size(), 1);
    QCOMPARE(saved.rows[0].cell(PositionCell), u"Tom’s"_s);
    QCOMPARE(saved.rows[0].cell(PaintQuantityCell), u"6.00"_s);
}

void TestSecondaryForm::editorKeys_data() {
    QTest::addColumn<bool>("enter");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to"); // -1: no move
    const QList<std::pair<int, int>> forward{{7, 8},   {8, 14}, {14, 15}, {15, 18},
                                             {18, 19}, {19, 7}, {2, -1},  {13, -1}};
    for (const auto& [from, to] : forward)
        QTest::addRow("enter %d", from) << true << from << to;
    const QList<std::pair<int, int>> back{{8, 7}, {14, 8}, {15, 14}, {18, 15}, {19, 18}, {7, -1}, {3, -1}};
    for (const auto& [from, to] : back)
        QTest::addRow("shift left %d", from) << false << from << to;
}

void TestSecondaryForm::editorKeys() {
    QFETCH(bool, enter);
    QFETCH(int, from);
    QFETCH(int, to);
    ZatuInpForm& form = open();
    pick(R + 1, 1, u"雑-2"_s);
    QCOMPARE(form.clickCell(R + 1, from).kind, CellOffer::Kind::Text);
    QSignalSpy moved(&form, &ZatuInpForm::editorMoved);
    const bool took =
        form.editorKey(enter ? ZatuInpForm::EditorKey::Enter : ZatuInpForm::EditorKey::ShiftLeft);
    QCOMPARE(took, to >= 0);
    QCOMPARE(moved.size(), to >= 0 ? 1 : 0);
    QCOMPARE(form.DataGrid().currentColumn(), to >= 0 ? to : from);
    QCOMPARE(form.isEditorVisible(), to < 0); // a move opens the new cell's offer through the view
}

void TestSecondaryForm::rightClickEmptiesTheCell() {
    ZatuInpForm& form = open();
    pick(R, 1, u"ブレース"_s);
    type(R, 7, u"6"_s);
    type(R, 8, u"2"_s);
    QCOMPARE(form.DataGrid().text(R, 9), u"12.00"_s);
    form.rightClickCell(R, 8);
    QCOMPARE(form.DataGrid().text(R, 8), QString());
    QCOMPARE(form.DataGrid().text(R, 9), QString());
    QVERIFY(!form.isEditorVisible());
    form.rightClickCell(1, 8); // a header cell keeps its caption
    QCOMPARE(form.DataGrid().text(1, 8), u"×"_s);
}

void TestSecondaryForm::rowCommandsNeedASelection() {
    ZatuInpForm& form = open();
    QVERIFY(QFile::remove(workFile())); // a save would lay it down again
    for (const int command : {ZatuInpForm::DeleteBlankCommand, ZatuInpForm::InsertBlankCommand,
                              ZatuInpForm::DeleteSelectedCommand}) {
        m_prompter->expectOk(u"入力する行を選択してください。"_s, kConfirm);
        form.command(command);
    }
    QVERIFY(!QFileInfo::exists(workFile()));
}

void TestSecondaryForm::deleteBlankRow() {
    writeCp932Lines(workFile(), {u"ZZ03'胴縁'1"_s, u"ZZ03'胴縁'2"_s});
    ZatuInpForm& form = open();
    form.clickCell(R, 2);
    m_prompter->expectOk(u"空白行ではないので削除できません。"_s, kConfirm);
    form.command(ZatuInpForm::DeleteBlankCommand);
    QCOMPARE(form.DataGrid().text(R, 2), u"1"_s);

    const int rows = form.DataGrid().rowCount();
    form.clickCell(R + 2, 1); // the empty row after the loaded ones
    form.command(ZatuInpForm::DeleteBlankCommand);
    QCOMPARE(form.DataGrid().rowCount(), rows - 1);
    QCOMPARE(form.DataGrid().text(rows - 2, 0), QString::number(rows - 2 - R + 1));
    QCOMPARE(form.selectedRow(), R + 2);
    QCOMPARE(form.DataGrid().backColor(R + 2, 1), ZatuInpForm::kSelectedRowColor);
    QCOMPARE(readBytes(workFile()),
             cp932Lines({u"ZZ03'胴縁'1"_s + QString(23, u'\''), u"ZZ03'胴縁'2"_s + QString(23, u'\'')}));
}

void TestSecondaryForm::insertBlankRow() {
    writeCp932Lines(workFile(), {u"ZZ03'胴縁'1"_s, u"ZZ03'胴縁'2"_s});
    ZatuInpForm& form = open();
    form.clickCell(R + 1, 2);
    form.command(ZatuInpForm::InsertBlankCommand);
    QCOMPARE(form.selectedRow(), R + 1);
    QCOMPARE(form.DataGrid().text(R + 1, 1), QString());
    QCOMPARE(form.DataGrid().text(R + 2, 2), u"2"_s);
    QCOMPARE(form.DataGrid().text(R + 2, 0), u"3"_s);
    QCOMPARE(form.DataGrid().backColor(R + 1, 1), ZatuInpForm::kSelectedRowColor);
    QCOMPARE(form.DataGrid().backColor(R + 2, 1), std::nullopt);
    // Fill the new row: it is saved between the two, in order.
    pick(R + 1, 1, u"BOLT"_s);
    form.command(ZatuInpForm::EndCommand);
    const ZatuRowsResult saved = LoadZatuRows(workFile());
    QCOMPARE(saved.rows.size(), 3);
    QCOMPARE(saved.rows[1].cell(BuzaiCell), u"BOLT"_s);
    QCOMPARE(saved.rows[2].cell(FloorCell), u"2"_s);
}

void TestSecondaryForm::deleteSelectedRow() {
    writeCp932Lines(workFile(), {u"ZZ03'ブレース'2'X1'SS400"_s, u"ZZ03''''''''''''''''''''''h21"_s});
    ZatuInpForm& form = open();
    form.clickCell(R, 3);
    m_prompter->expect(u"ブレース-2階X1を削除します。"_s, kConfirm, PromptButtons::OkCancel,
                       PromptAnswer::Cancel);
    form.command(ZatuInpForm::DeleteSelectedCommand);
    QCOMPARE(form.DataGrid().text(R, 4), u"SS400"_s);

    m_prompter->expect(u"ブレース-2階X1を削除します。"_s, kConfirm, PromptButtons::OkCancel,
                       PromptAnswer::Ok);
    form.command(ZatuInpForm::DeleteSelectedCommand);
    QVERIFY(form.rowAt(R).isEmpty());
    QCOMPARE(form.DataGrid().text(R, 0), u"1"_s);
    QCOMPARE(form.selectedRow(), -1);
    QCOMPARE(form.DataGrid().backColor(R, 1), std::nullopt);
    QCOMPARE(LoadZatuRows(workFile()).rows.size(), 1); // only the row with a hidden cell is left

    form.clickCell(R + 1, 1); // no category: asked without it
    m_prompter->expect(u"選択行を削除します。"_s, kConfirm, PromptButtons::OkCancel, PromptAnswer::Ok);
    form.command(ZatuInpForm::DeleteSelectedCommand);
    QCOMPARE(readBytes(workFile()), QByteArray());
}

void TestSecondaryForm::previousPage_data() {
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("expected");
    QTest::newRow("78 goes back a page") << 78 << 40;
    QTest::newRow("50 goes to the first row") << 50 << 2;
    QTest::newRow("30 stays") << 30 << 30;
    QTest::newRow("2 stays") << 2 << 2;
}

void TestSecondaryForm::previousPage() {
    QFETCH(int, top);
    QFETCH(int, expected);
    ZatuInpForm& form = open();
    form.gridForView()->setTopRow(top);
    form.clickCell(R + 1, 1);
    form.command(ZatuInpForm::PreviousPageCommand);
    QCOMPARE(form.DataGrid().topRow(), expected);
    QCOMPARE(form.selectedRow(), -1); // cleared, whether the page moved or not
}

void TestSecondaryForm::otherPaging() {
    ZatuInpForm& form = open(); // 101 data rows: rows 2 to 102
    QSignalSpy scrolled(&form, &ZatuInpForm::scrolled);
    form.clickCell(R + 5, 1);
    form.command(ZatuInpForm::NextPageCommand);
    QCOMPARE(form.DataGrid().topRow(), 40);
    QCOMPARE(form.selectedRow(), -1);
    QCOMPARE(form.DataGrid().backColor(R + 5, 1), std::nullopt);
    form.command(ZatuInpForm::NextPageCommand);
    QCOMPARE(form.DataGrid().topRow(), 78);
    form.clickCell(80, 1);
    form.command(ZatuInpForm::NextPageCommand); // 116 would be past the last row
    QCOMPARE(form.DataGrid().topRow(), 78);
    QCOMPARE(form.selectedRow(), -1);
    QCOMPARE(scrolled.size(), 2);

    form.clickCell(90, 1);
    form.command(ZatuInpForm::FirstPageCommand);
    QCOMPARE(form.DataGrid().topRow(), 2);
    QCOMPARE(form.selectedRow(), -1);
    form.command(ZatuInpForm::SelectedToTopCommand); // nothing without a selection
    QCOMPARE(form.DataGrid().topRow(), 2);
    form.clickCell(57, 1);
    form.command(ZatuInpForm::SelectedToTopCommand);
    QCOMPARE(form.DataGrid().topRow(), 57);
    QCOMPARE(form.selectedRow(), 57);
}

void TestSecondaryForm::helpShowsTheSheetsHelpText() {
    ZatuInpForm& form = open();
    form.command(ZatuInpForm::HelpCommand);
    QCOMPARE(m_opener.opened, QList<WindowId>{WindowId::InfoForm});
    QCOMPARE(m_shell.project.helpFilePath, m_root.file(tv::shell::kInfoFolder, u"info-5.txt"));
}

void TestSecondaryForm::printAsksAndTells() {
    writeCp932Lines(workFile(), {u"ZZ03'胴縁'1"_s});
    ZatuInpForm& form = open();
    const QString question =
        u"副部材積算の入力を印刷します。\nプリンターの電源を入れA4用紙をセット後OKしてください。\n"
        u"(通常使うプリンターに出力されます)"_s;
    m_prompter->expect(question, kConfirm, PromptButtons::OkCancel, PromptAnswer::Cancel);
    form.command(ZatuInpForm::PrintCommand);
    QVERIFY(m_printer.documents.isEmpty());

    m_prompter->expect(question, kConfirm, PromptButtons::OkCancel, PromptAnswer::Ok);
    m_prompter->expectOk(u"終了しました。"_s, u"印刷"_s);
    form.command(ZatuInpForm::PrintCommand);
    QCOMPARE(m_printer.documents.size(), 1);
    QCOMPARE(m_printer.documents[0].pages.size(), 1);
    QVERIFY(m_printer.documents[0].pages[0].landscape);
}

void TestSecondaryForm::failedSaveKeepsTheWindowOpen() {
    ZatuInpForm& form = open();
    pick(R, 1, u"胴縁"_s);
    type(R, 2, u"3"_s);
    // The work file's place is taken by a folder: the save cannot replace it.
    QVERIFY(QFile::remove(workFile()));
    QVERIFY(QDir().mkpath(workFile()));
    m_prompter->expectOk(u"ファイル「%1」に書き込めません。\n同じ名前のフォルダがあります。"_s.arg(
                             QDir::toNativeSeparators(workFile())),
                         u"エラー"_s);
    QSignalSpy closed(&form, &ZatuInpForm::closeRequested);
    form.command(ZatuInpForm::EndCommand);
    QCOMPARE(closed.size(), 0);
    QVERIFY(!form.isClosed());
    QCOMPARE(form.DataGrid().text(R, 2), u"3"_s);
}

QTEST_GUILESS_MAIN(TestSecondaryForm)
#include "tst_secondary_form.moc"
