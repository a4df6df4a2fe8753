// The weld-rate window: symbols, the thickness grid, registering a symbol, commands and messages.
#include "registries/kansan_form.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::registries;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::CellOffer;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

namespace {

const QStringList kFile{u"ZZKN'HT1'4'0.5"_s, u"ZZKN'HT1'9'1.2"_s, u"ZZKN'レ形'9'2.4"_s, u"ZZKN'HT1'40'7.1"_s};

// The 37 lines of a symbol, with the given rates by thickness.
QStringList symbolLines(const QString& symbol, const QHash<int, QString>& rates = {}) {
    QStringList lines;
    for (int t = 4; t <= 40; ++t)
        lines.append(u"ZZKN'%1'%2'%3"_s.arg(symbol).arg(t).arg(rates.value(t)));
    return lines;
}

int rowOf(int thickness) {
    return thickness - 3;
}

} // namespace

class TestKansan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void openingShowsTheThicknesses();
    void newSymbolSavedAs37Lines();
    void switchingSymbolsAndBack();
    void registeringAnExistingSymbolKeepsTheCurrentOne();
    void registeringCarriesTheShownRatesToTheNewSymbol();
    void saveWithoutASymbolClosesWithoutWriting();
    void missingRegistryIsOfferedEmptyOnlyOnYes_data();
    void missingRegistryIsOfferedEmptyOnlyOnYes();
    void deleteSelectedRowAndClear();
    void closeDropsTheChanges();
    void repeatedRowsAllTakeTheShownRate();
    void editorKeysAndTypedText();
    void messagesWithoutASymbol();

private:
    QString file() const { return m_root.file(tv::shell::kSetFolder, u"Kansan.ini"); }
    void type(KansanForm& form, int row, const QString& text) {
        QCOMPARE(form.clickCell(row, 1).kind, CellOffer::Kind::Text);
        QVERIFY(form.editorTextChanged(text));
    }
    static void choose(KansanForm& form, const QString& symbol) {
        form.openNameList();
        form.chooseSymbol(int(form.NameList().indexOf(symbol)));
        QCOMPARE(form.NameTx(), symbol);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
    tv::shell::DataRoot m_root;
};

void TestKansan::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataFolders(m_dir->path());
    m_root = tv::shell::DataRoot(m_dir->path());
    writeCp932Lines(file(), kFile);
}

void TestKansan::openingShowsTheThicknesses() {
    ScriptedPrompter prompter;
    KansanForm form(m_root, prompter);
    QVERIFY(form.open());
    const auto& grid = form.DataGrid();
    QCOMPARE(grid.rowCount(), 38);
    QCOMPARE(grid.fixedColumns(), 1);
    QCOMPARE(grid.rowTexts(0), (QStringList{u"板厚(t)"_s, u"換算率(K)"_s, QString()}));
    QCOMPARE(grid.rowTexts(1), (QStringList{u"4"_s, QString(), QString()}));
    QCOMPARE(grid.rowTexts(37), (QStringList{u"40"_s, QString(), QString()}));
    QCOMPARE((QList<int>{grid.columnWidth(0), grid.columnWidth(1), grid.columnWidth(2)}),
             (QList<int>{850, 1150, 1}));
    QCOMPARE(form.NameTx(), QString());
    QCOMPARE(form.NameList(), (QStringList{u"HT1"_s, u"レ形"_s}));
    QCOMPARE(KansanForm::title(), u"隅肉6㍉換算率"_s);
    QCOMPARE(KansanForm::label1(), u"溶接記号"_s);
    QStringList captions;
    for (int i = 0; i < 6; ++i)
        captions.append(KansanForm::commandCaption(i));
    QCOMPARE(captions,
             (QStringList{u"保存"_s, u"終了"_s, u"   ▼"_s, u"選択行削除"_s, u"記号登録"_s, u"クリア"_s}));
    TV_VERIFY_PROMPTS(prompter);
}

void TestKansan::newSymbolSavedAs37Lines() {
    writeCp932Lines(file(), {});
    ScriptedPrompter prompter;
    prompter.expectOk(u"保存しました。"_s, u"確認"_s);
    KansanForm form(m_root, prompter);
    form.setAskSymbol([] { return u"HT2"_s; });
    QVERIFY(form.open());
    form.command(4);
    QCOMPARE(form.NameTx(), u"HT2"_s);
    form.command(0);
    QCOMPARE(readBytes(file()), cp932Lines(symbolLines(u"HT2"_s)));
    QVERIFY(!form.isClosed());
    TV_VERIFY_PROMPTS(prompter);
}

void TestKansan::switchingSymbolsAndBack() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"保存しました。"_s, u"確認"_s);
    KansanForm form(m_root, prompter);
    QVERIFY(form.open());
    choose(form, u"HT1"_s);
    QCOMPARE(form.DataGrid().text(rowOf(4), 1), u"0.5"_s);
    QCOMPARE(form.DataGrid().text(rowOf(9), 1), u"1.2"_s);
    QCOMPARE(form.DataGrid().text(rowOf(5), 1), QString());
    type(form, rowOf(5), u"0.8"_s);
    choose(form, u"レ形"_s);
    QCOMPARE(form.DataGrid().text(rowOf(4), 1), QString());
    QCOMPARE(form.DataGrid().text(rowOf(5), 1), QString());
    QCOMPARE(form.DataGrid().text(rowOf(9), 1), u"2.4"_s);
    choose(form, u"HT1"_s);
    QCOMPARE(form.DataGrid().text(rowOf(5), 1), u"0.8"_s);
    QCOMPARE(form.DataGrid().text(rowOf(40), 1), u"7.1"_s);
    form.save();
    // HT1's existing rows keep their places; its other thicknesses and レ形's follow in grid order.
    QStringList expected{u"ZZKN'HT1'4'0.5"_s, u"ZZKN'HT1'9'1.2"_s, u"ZZKN'レ形'9'2.4"_s,
                         u"ZZKN'HT1'40'7.1"_s};
    for (const QString& l : symbolLines(u"HT1"_s, {{5, u"0.8"_s}}))
        if (!l.contains(u"'4'"_s) && !l.contains(u"'9'"_s) && !l.contains(u"'40'"_s))
            expected.append(l);
    for (const QString& l : symbolLines(u"レ形"_s))
        if (!l.contains(u"'9'"_s))
            expected.append(l);
    QCOMPARE(readBytes(file()), cp932Lines(expected));
    TV_VERIFY_PROMPTS(prompter);
}

void TestKansan::registeringAnExistingSymbolKeepsTheCurrentOne() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"既に登録されている記号名です。"_s, u"確認"_s);
    KansanForm form(m_root, prompter);
    QString answer = u"レ形"_s;
    form.setAskSymbol([&answer] { return answer; });
    QVERIFY(form.open());
    choose(form, u"HT1"_s);
    form.registerSymbol();
    QCOMPARE(form.NameTx(), u"HT1"_s);
    answer.clear(); // cancelled: nothing at all
    form.registerSymbol();
    QCOMPARE(form.NameTx(), u"HT1"_s);
    QCOMPARE(form.DataGrid().text(rowOf(4), 1), u"0.5"_s);
    TV_VERIFY_PROMPTS(prompter);
}

void TestKansan::registeringCarriesTheShownRatesToTheNewSymbol() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"保存しました。"_s, u"確認"_s);
    KansanForm form(m_root, prompter);
    form.setAskSymbol([] { return u"K2"_s; });
    QVERIFY(form.open());
    choose(form, u"HT1"_s);
    type(form, rowOf(4), u"0.6"_s);
    form.registerSymbol(); // the edit goes to HT1 first, then the new symbol starts from the rates shown
    form.save();
    QStringList ht1 = kFile;
    ht1[0] = u"ZZKN'HT1'4'0.6"_s;
    for (const QString& line : symbolLines(u"HT1"_s))
        if (!line.endsWith(u"'4'"_s) && !line.endsWith(u"'9'"_s) && !line.endsWith(u"'40'"_s))
            ht1.append(line);
    QCOMPARE(readBytes(file()),
             cp932Lines(ht1 + symbolLines(u"K2"_s, {{4, u"0.6"_s}, {9, u"1.2"_s}, {40, u"7.1"_s}})));
    TV_VERIFY_PROMPTS(prompter);
}

void TestKansan::saveWithoutASymbolClosesWithoutWriting() {
    writeBytes(file(), {});
    const QDateTime modified = QFileInfo(file()).lastModified();
    ScriptedPrompter prompter;
    KansanForm form(m_root, prompter);
    QSignalSpy closed(&form, &KansanForm::closeRequested);
    QVERIFY(form.open());
    form.command(0);
    QCOMPARE(closed.count(), 1);
    QVERIFY(form.isClosed());
    QCOMPARE(QFileInfo(file()).lastModified(), modified);
    TV_VERIFY_PROMPTS(prompter);
}

void TestKansan::missingRegistryIsOfferedEmptyOnlyOnYes_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("No: the window stays shut, nothing is created") << false;
    QTest::newRow("Yes: created empty, the window opens") << true;
}

void TestKansan::missingRegistryIsOfferedEmptyOnlyOnYes() {
    QFETCH(bool, yes);
    QVERIFY(QFile::remove(file()));
    ScriptedPrompter prompter;
    prompter.expect(
        u"ファイル「%1」がありません。\n空のファイルを作成しますか？\n作成すると、このファイルのデータは空になります。"_s
            .arg(QDir::toNativeSeparators(file())),
        u"確認"_s, PromptButtons::YesNo, yes ? PromptAnswer::Yes : PromptAnswer::No);
    KansanForm form(m_root, prompter);
    QCOMPARE(form.open(), yes);
    QCOMPARE(QFileInfo::exists(file()), yes);
    if (yes)
        QCOMPARE(readBytes(file()), QByteArray());
    TV_VERIFY_PROMPTS(prompter);
}

void TestKansan::deleteSelectedRowAndClear() {
    ScriptedPrompter prompter;
    prompter.expect(u"選択行を削除します。"_s, u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Cancel)
        .expect(u"選択行を削除します。"_s, u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok)
        .expect(u"現在表示されている内容全てを削除します。"_s, u"確認"_s, PromptButtons::OkCancel,
                PromptAnswer::Cancel)
        .expectOk(u"保存しました。"_s, u"確認"_s)
        .expect(u"現在表示されている内容全てを削除します。"_s, u"確認"_s, PromptButtons::OkCancel,
                PromptAnswer::Ok)
        .expectOk(u"保存しました。"_s, u"確認"_s);
    KansanForm form(m_root, prompter);
    QVERIFY(form.open());
    choose(form, u"HT1"_s);
    form.setCurrentCell(rowOf(5), 1);
    form.command(3); // empty rate: no question
    form.setCurrentCell(rowOf(9), 1);
    form.command(3);
    QCOMPARE(form.DataGrid().text(rowOf(9), 1), u"1.2"_s);
    form.command(3);
    QCOMPARE(form.DataGrid().text(rowOf(9), 1), QString());
    QCOMPARE(form.DataGrid().rowCount(), 38);
    form.command(5);
    QCOMPARE(form.DataGrid().text(rowOf(4), 1), u"0.5"_s);
    form.command(0);
    QVERIFY(readBytes(file()).startsWith(cp932Lines({u"ZZKN'HT1'4'0.5"_s, u"ZZKN'HT1'9'"_s})));
    form.command(5);
    QCOMPARE(form.DataGrid().text(rowOf(4), 1), QString());
    QCOMPARE(form.DataGrid().text(rowOf(40), 1), QString());
    form.command(0);
    QVERIFY(
        readBytes(file()).startsWith(cp932Lines({u"ZZKN'HT1'4'"_s, u"ZZKN'HT1'9'"_s, u"ZZKN'レ形'9'2.4"_s})));
    TV_VERIFY_PROMPTS(prompter);
}

void TestKansan::closeDropsTheChanges() {
    const QByteArray before = readBytes(file());
    ScriptedPrompter prompter;
    prompter.expect(u"変更を保存しますか？"_s, u"確認"_s, PromptButtons::YesNoCancel, PromptAnswer::Cancel)
        .expect(u"変更を保存しますか？"_s, u"確認"_s, PromptButtons::YesNoCancel, PromptAnswer::No);
    KansanForm form(m_root, prompter);
    form.setAskSymbol([] { return u"NEW"_s; });
    QVERIFY(form.open());
    choose(form, u"HT1"_s);
    type(form, rowOf(6), u"1"_s);
    form.command(4);
    form.command(1); // cancelled: the window stays
    QVERIFY(!form.isClosed());
    form.command(1);
    QVERIFY(form.isClosed());
    QCOMPARE(readBytes(file()), before);
    TV_VERIFY_PROMPTS(prompter);
}

void TestKansan::repeatedRowsAllTakeTheShownRate() {
    // A hand-edited file with a thickness twice: the window shows the later rate, as the totals use
    // it, and saving writes the shown rate into both rows.
    writeCp932Lines(file(), {u"ZZKN'HT1'9'1.2"_s, u"ZZKN'HT1'9'1.3"_s});
    ScriptedPrompter prompter;
    prompter.expectOk(u"保存しました。"_s, u"確認"_s);
    KansanForm form(m_root, prompter);
    QVERIFY(form.open());
    choose(form, u"HT1"_s);
    QCOMPARE(form.DataGrid().text(rowOf(9), 1), u"1.3"_s);
    type(form, rowOf(9), u"1.5"_s);
    form.save();
    QStringList expected{u"ZZKN'HT1'9'1.5"_s, u"ZZKN'HT1'9'1.5"_s};
    for (const QString& l : symbolLines(u"HT1"_s))
        if (!l.contains(u"'9'"_s))
            expected.append(l);
    QCOMPARE(readBytes(file()), cp932Lines(expected));
    TV_VERIFY_PROMPTS(prompter);
}

void TestKansan::editorKeysAndTypedText() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"「é」(U+00E9)は使用できない文字です。"_s, u"確認"_s);
    KansanForm form(m_root, prompter);
    QVERIFY(form.open());
    choose(form, u"HT1"_s);
    QCOMPARE(form.clickCell(rowOf(4), 0).kind, CellOffer::Kind::None);
    form.clickCell(rowOf(39), 1);
    form.editorKey(EditorKey::Enter);
    QCOMPARE(form.DataGrid().currentRow(), rowOf(40));
    form.editorKey(EditorKey::Enter);
    QCOMPARE(form.DataGrid().currentRow(), rowOf(40));
    form.clickCell(rowOf(5), 1);
    form.editorKey(EditorKey::Up);
    form.editorKey(EditorKey::Up);
    QCOMPARE(form.DataGrid().currentRow(), rowOf(4));
    form.editorKey(EditorKey::Down);
    QCOMPARE(form.DataGrid().currentRow(), rowOf(5));
    QCOMPARE(form.DataGrid().currentColumn(), 1);

    QVERIFY(form.editorTextChanged(u"1'2"_s));
    QCOMPARE(form.DataGrid().text(rowOf(5), 1), u"1’2"_s);
    QCOMPARE(form.DataGrid().backColor(rowOf(5), 1), std::optional(tv::services::Rgb{255, 200, 200}));
    QVERIFY(!form.editorTextChanged(u"é"_s));
    QVERIFY(form.editorTextChanged(u"1.25"_s));
    QCOMPARE(form.DataGrid().backColor(rowOf(5), 1), std::nullopt);
    form.commitCell(rowOf(6), 1, u"2"_s);
    QCOMPARE(form.DataGrid().text(rowOf(6), 1), u"2"_s);
    TV_VERIFY_PROMPTS(prompter);
}

void TestKansan::messagesWithoutASymbol() {
    ScriptedPrompter prompter;
    prompter
        .expectOk(
            u"記号欄に直接入力はできません。\n▼をクリックして選択するか、新たに記号から登録したい場合は\n「記号登録」をクリックして登録し、換算率を入力してください。"_s,
            u"確認"_s)
        .expectOk(u"記号を選択してください。"_s, u"確認"_s);
    KansanForm form(m_root, prompter);
    QVERIFY(form.open());
    form.clickNameTx();
    QCOMPARE(form.clickCell(rowOf(9), 1).kind, CellOffer::Kind::None);
    form.command(2);
    QVERIFY(form.isNameListVisible());
    form.mouseOverBackground();
    QVERIFY(!form.isNameListVisible());
    TV_VERIFY_PROMPTS(prompter);
}

QTEST_GUILESS_MAIN(TestKansan)
#include "tst_registries_kansan.moc"
