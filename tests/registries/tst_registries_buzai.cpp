// The unit-weight window: choosing a name, applying the grid, row commands, the editor and messages.
#include "registries/buzai_form.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::registries;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::CellOffer;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;
using tv::services::Rgb;

namespace {

const QStringList kFile{
    u"ZZBW'H鋼'200*100*5.5*8'20.9'"_s,    u"ZZBW'平鋼'9*75'5.30'"_s,
    u"ZZBW'H鋼'100*50*5*7'9.30'"_s,       u"ZZBW'H鋼'150*75*5*7'14.0'memo"_s,
    u"ZZBW'鋼管(角)'350*350*9'94.7'"_s,   u"ZZBW'鋼管(丸)'114.3*3.5'9.56'"_s,
    u"ZZBW'2C形鋼'100*50*20*2.3'8.12'"_s, u"ZZBW'BH鋼'400*200*9*12'65.4'"_s,
    u"ZZBW'C鋼'100*50*5*7.5'9.36'"_s,
};

struct Edit {
    int row;
    int column;
    QString text;
};

} // namespace

class TestBuzai : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void openingShowsNoName();
    void captionsOfKnownNames_data();
    void captionsOfKnownNames();
    void choosingANameShowsItsRowsSorted();
    void sizesThatAreNumbersSortByValue();
    void sizesCompareNaturally_data();
    void sizesCompareNaturally();
    void sizeTypedTwiceIsRefused_data();
    void sizeTypedTwiceIsRefused();
    void renamedRowCanBeDeleted();
    void closeAsksAboutUnsavedEdits_data();
    void closeAsksAboutUnsavedEdits();
    void saveAsksAboutUnreadableNumbers_data();
    void saveAsksAboutUnreadableNumbers();
    void applyAndSave_data();
    void applyAndSave();
    void switchingNamesKeepsEditsInMemoryOnly();
    void deleteSelectedRow();
    void deleteThenCloseLeavesTheFile();
    void blankRowCommands();
    void editorKeys();
    void typedTextRules();
    void messagesWithoutAName();
    void nameListOpensAndCloses();
    void unreadableFileKeepsTheWindowShut();
    void failedSaveIsReportedNotConfirmed();

private:
    QString file() const { return m_root.file(tv::shell::kSetFolder, u"BuzaiWeight.ini"); }
    void type(BuzaiForm& form, int row, int column, const QString& text) {
        QCOMPARE(form.clickCell(row, column).kind, CellOffer::Kind::Text);
        QVERIFY(form.editorTextChanged(text));
        QVERIFY(form.commitCell(row, column, text));
    }
    // Opens the window, chooses H鋼 and types the edits.
    void typeIntoH(BuzaiForm& form, const QList<Edit>& edits) {
        QVERIFY(form.open());
        form.chooseName(nameIndex(form, u"H鋼"_s));
        for (const Edit& e : edits)
            type(form, e.row, e.column, e.text);
    }
    static int nameIndex(const BuzaiForm& form, const QString& name) {
        return int(form.NameList().indexOf(name));
    }
    std::unique_ptr<QTemporaryDir> m_dir;
    tv::shell::DataRoot m_root;
};

void TestBuzai::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataFolders(m_dir->path());
    m_root = tv::shell::DataRoot(m_dir->path());
    writeCp932Lines(file(), kFile);
}

void TestBuzai::openingShowsNoName() {
    ScriptedPrompter prompter;
    BuzaiForm form(m_root, prompter);
    QVERIFY(form.open());
    QCOMPARE(form.NameTx(), QString());
    QVERIFY(!form.isNameListVisible());
    QCOMPARE(form.NameList(), (QStringList{u"H鋼"_s, u"平鋼"_s, u"鋼管(角)"_s, u"鋼管(丸)"_s, u"2C形鋼"_s,
                                           u"BH鋼"_s, u"C鋼"_s}));
    const auto& grid = form.DataGrid();
    QCOMPARE(grid.rowCount(), 100);
    QCOMPARE(grid.rowTexts(0), (QStringList{QString(), u"*"_s, u"*"_s, QString()}));
    QCOMPARE(grid.fixedRows(), 1);
    QCOMPARE((QList<int>{grid.columnWidth(0), grid.columnWidth(1), grid.columnWidth(2), grid.columnWidth(3)}),
             (QList<int>{350, 2000, 1100, 1}));
    QCOMPARE(grid.alignment(1), tv::services::CellAlignment::Left);
    QCOMPARE(grid.alignment(3), tv::services::CellAlignment::Right);
    QCOMPARE(grid.backColor(0, 2), std::optional(Rgb{239, 237, 212}));
    QCOMPARE(BuzaiForm::title(), u"部材単位重量登録"_s);
    QStringList captions;
    for (int i = 0; i < 6; ++i)
        captions.append(BuzaiForm::commandCaption(i));
    QCOMPARE(captions, (QStringList{u"保存"_s, u"終了"_s, u"   ▼"_s, u"選択行削除"_s, u"空白行削除"_s,
                                    u"空白行挿入"_s}));
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::captionsOfKnownNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("unit");
    const QString perMetre = u"Kg/m"_s;
    QTest::newRow("H鋼") << u"H鋼"_s << u"高*巾*WEB厚*FLG厚"_s << perMetre;
    QTest::newRow("CT鋼") << u"CT鋼"_s << u"高*巾*WEB厚*FLG厚"_s << perMetre;
    QTest::newRow("山形鋼") << u"山形鋼"_s << u"厚*巾*高"_s << perMetre;
    QTest::newRow("みぞ形鋼") << u"みぞ形鋼"_s << u"厚*巾*高"_s << perMetre;
    QTest::newRow("I形鋼") << u"I形鋼"_s << u"厚*巾*高"_s << perMetre;
    QTest::newRow("C形鋼") << u"C形鋼"_s << u"高*巾*爪*厚"_s << perMetre;
    QTest::newRow("2C形鋼") << u"2C形鋼"_s << u"高*巾*爪*厚"_s << perMetre;
    QTest::newRow("コラム") << u"コラム"_s << u"巾*高*厚"_s << perMetre;
    QTest::newRow("鋼管(角)") << u"鋼管(角)"_s << u"巾*高*厚"_s << perMetre;
    QTest::newRow("鋼管(丸)") << u"鋼管(丸)"_s << u"直径*厚"_s << perMetre;
    QTest::newRow("丸鋼") << u"丸鋼"_s << u"直径"_s << perMetre;
    QTest::newRow("平鋼") << u"平鋼"_s << u"厚*巾"_s << perMetre;
    QTest::newRow("普通鋼板") << u"普通鋼板"_s << u"厚"_s << u"Kg/m2"_s;
    QTest::newRow("other name: none") << u"BH鋼"_s << QString() << QString();
}

void TestBuzai::captionsOfKnownNames() {
    QFETCH(QString, name);
    QFETCH(QString, size);
    QFETCH(QString, unit);
    QCOMPARE(BuzaiForm::sizeCaption(name), size);
    QCOMPARE(BuzaiForm::weightCaption(name), unit);
}

void TestBuzai::choosingANameShowsItsRowsSorted() {
    ScriptedPrompter prompter;
    BuzaiForm form(m_root, prompter);
    QVERIFY(form.open());
    form.openNameList();
    form.chooseName(nameIndex(form, u"H鋼"_s));
    QCOMPARE(form.NameTx(), u"H鋼"_s);
    QVERIFY(!form.isNameListVisible());
    const auto& grid = form.DataGrid();
    QCOMPARE(grid.rowCount(), 2 + 3 + 100);
    QCOMPARE(grid.rowTexts(0), (QStringList{QString(), u"高*巾*WEB厚*FLG厚"_s, u"Kg/m"_s, QString()}));
    QCOMPARE(grid.rowTexts(1), (QStringList{u"1"_s, QString(), QString(), QString()}));
    QCOMPARE(grid.rowTexts(2), (QStringList{u"2"_s, u"100*50*5*7"_s, u"9.30"_s, QString()}));
    QCOMPARE(grid.rowTexts(3), (QStringList{u"3"_s, u"150*75*5*7"_s, u"14.0"_s, u"memo"_s}));
    QCOMPARE(grid.rowTexts(4), (QStringList{u"4"_s, u"200*100*5.5*8"_s, u"20.9"_s, QString()}));
    QCOMPARE(grid.rowTexts(104), (QStringList{u"104"_s, QString(), QString(), QString()}));
    QCOMPARE(grid.currentRow(), 1);

    form.chooseName(nameIndex(form, u"BH鋼"_s));
    QCOMPARE(form.DataGrid().rowCount(), 2 + 1 + 100);
    QCOMPARE(form.DataGrid().rowTexts(0), (QStringList{QString(), QString(), QString(), QString()}));
    QCOMPARE(form.DataGrid().text(2, 1), u"400*200*9*12"_s);
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::sizesThatAreNumbersSortByValue() {
    writeCp932Lines(file(), {u"ZZBW'普通鋼板'12'94.2'"_s, u"ZZBW'普通鋼板'9'70.65'"_s,
                             u"ZZBW'普通鋼板'4.5'35.3'"_s, u"ZZBW'普通鋼板'PL-6'47.1'"_s,
                             u"ZZBW'山形鋼'150*150*15'33.6'"_s, u"ZZBW'山形鋼'20*20*3'0.89'"_s,
                             u"ZZBW'山形鋼'200*200*20'59.7'"_s, u"ZZBW'山形鋼'50*50*6'4.43'"_s});
    ScriptedPrompter prompter;
    BuzaiForm form(m_root, prompter);
    QVERIFY(form.open());
    const auto sizes = [&form] {
        QStringList shown;
        for (int r = 2; r < 6; ++r)
            shown.append(form.DataGrid().text(r, 1));
        return shown;
    };
    form.chooseName(nameIndex(form, u"普通鋼板"_s));
    QCOMPARE(sizes(), (QStringList{u"4.5"_s, u"9"_s, u"12"_s, u"PL-6"_s}));
    QCOMPARE(form.DataGrid().text(0, 2), u"Kg/m2"_s);
    form.chooseName(nameIndex(form, u"山形鋼"_s));
    QCOMPARE(sizes(), (QStringList{u"20*20*3"_s, u"50*50*6"_s, u"150*150*15"_s, u"200*200*20"_s}));
}

void TestBuzai::sizesCompareNaturally_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");
    QTest::newRow("first number by value") << u"20*20*3"_s << u"150*150*15"_s << -1;
    QTest::newRow("later number decides") << u"100*50*5*7"_s << u"100*50*5*7.5"_s << -1;
    QTest::newRow("decimals") << u"114.3*4.5"_s << u"114.3*3.5"_s << 1;
    QTest::newRow("plain numbers") << u"4.5"_s << u"12"_s << -1;
    QTest::newRow("number before text") << u"9"_s << u"PL-6"_s << -1;
    QTest::newRow("letter case ignored") << u"pl-6"_s << u"PL-6"_s << 0;
    QTest::newRow("shorter first") << u"100*50"_s << u"100*50*5"_s << -1;
}

void TestBuzai::sizesCompareNaturally() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QCOMPARE(BuzaiForm::compareSizes(a, b), order);
    QCOMPARE(BuzaiForm::compareSizes(b, a), -order);
}

void TestBuzai::sizeTypedTwiceIsRefused_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message"); // empty: taken
    QTest::addColumn<QString>("kept");
    const QString twice = u"このサイズは既に%1行目に登録されています。"_s;
    const QStringList twins{u"ZZBW'H鋼'X'1'a"_s, u"ZZBW'H鋼'X'2'b"_s};
    QTest::newRow("blank row, size of row 3") << kFile << 1 << u"150*75*5*7"_s << twice.arg(3) << QString();
    QTest::newRow("full-width twin of row 3")
        << kFile << 1 << u"１５０＊７５＊５＊７"_s << twice.arg(3) << QString();
    QTest::newRow("correction to the size of row 4")
        << kFile << 2 << u"200*100*5.5*8"_s << twice.arg(4) << u"100*50*5*7"_s;
    QTest::newRow("own size typed again") << kFile << 3 << u"150*75*5*7"_s << QString() << u"150*75*5*7"_s;
    QTest::newRow("size of another name") << kFile << 1 << u"9*75"_s << QString() << u"9*75"_s;
    QTest::newRow("hand-edited twin left as it is") << twins << 3 << u"X"_s << QString() << u"X"_s;
}

void TestBuzai::sizeTypedTwiceIsRefused() {
    QFETCH(QStringList, lines);
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, kept);
    writeCp932Lines(file(), lines);
    ScriptedPrompter prompter;
    if (!message.isEmpty())
        prompter.expectOk(message, u"確認"_s);
    BuzaiForm form(m_root, prompter);
    QSignalSpy moved(&form, &BuzaiForm::editorMoved);
    QVERIFY(form.open());
    form.chooseName(nameIndex(form, u"H鋼"_s));
    QCOMPARE(form.clickCell(row, 1).kind, CellOffer::Kind::Text);
    QVERIFY(form.editorTextChanged(typed));
    QCOMPARE(form.commitCell(row, 1, typed), message.isEmpty());
    QCOMPARE(form.DataGrid().text(row, 1), kept);
    // A refused size keeps the editor on its cell.
    QCOMPARE(moved.count(), message.isEmpty() ? 0 : 1);
    QCOMPARE(form.DataGrid().currentRow(), row);
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::renamedRowCanBeDeleted() {
    ScriptedPrompter prompter;
    prompter.expect(u"選択行を削除します。"_s, u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok)
        .expectOk(u"保存しました。"_s, u"確認"_s);
    BuzaiForm form(m_root, prompter);
    QVERIFY(form.open());
    form.chooseName(nameIndex(form, u"H鋼"_s));
    type(form, 3, 1, u"150*75*5*7.5"_s);
    form.setCurrentCell(3, 1);
    form.command(3);
    form.command(0);
    QCOMPARE(readBytes(file()), cp932Lines(QStringList{kFile[0], kFile[1], kFile[2]} + kFile.mid(4)));
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::closeAsksAboutUnsavedEdits_data() {
    QTest::addColumn<bool>("edited");
    QTest::addColumn<int>("answer"); // PromptAnswer; ignored without an edit
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("nothing edited: no question") << false << 0 << true << false;
    QTest::newRow("yes saves and closes") << true << int(PromptAnswer::Yes) << true << true;
    QTest::newRow("no drops and closes") << true << int(PromptAnswer::No) << true << false;
    QTest::newRow("cancel stays open") << true << int(PromptAnswer::Cancel) << false << false;
}

void TestBuzai::closeAsksAboutUnsavedEdits() {
    QFETCH(bool, edited);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    const QByteArray before = readBytes(file());
    ScriptedPrompter prompter;
    if (edited)
        prompter.expect(u"変更を保存しますか？"_s, u"確認"_s, PromptButtons::YesNoCancel,
                        PromptAnswer(answer));
    if (written)
        prompter.expectOk(u"保存しました。"_s, u"確認"_s);
    BuzaiForm form(m_root, prompter);
    QVERIFY(form.open());
    form.chooseName(nameIndex(form, u"H鋼"_s));
    form.clickCell(2, 2);
    if (edited)
        type(form, 2, 2, u"9.5"_s);
    form.command(1);
    QCOMPARE(form.isClosed(), closes);
    QCOMPARE(readBytes(file()) != before, written);
    QCOMPARE(form.hasUnsavedChanges(), edited && !written);
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::saveAsksAboutUnreadableNumbers_data() {
    QTest::addColumn<QList<Edit>>("edits");
    QTest::addColumn<QString>("question"); // empty: none
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");
    const QString question =
        u"数値として読めない値が%1件あります（最初は%2行目）。\nこのまま保存しますか？"_s;
    QTest::newRow("numbers: no question") << QList<Edit>{{2, 2, u"9.5"_s}} << QString() << 0 << true;
    QTest::newRow("text weight, cancelled: nothing written")
        << QList<Edit>{{3, 2, u"abc"_s}} << question.arg(1).arg(3) << int(PromptAnswer::Cancel) << false;
    QTest::newRow("two, the first named, saved on OK")
        << QList<Edit>{{4, 2, u"四百"_s}, {2, 2, u"9.5kg"_s}} << question.arg(2).arg(2)
        << int(PromptAnswer::Ok) << true;
}

void TestBuzai::saveAsksAboutUnreadableNumbers() {
    QFETCH(QList<Edit>, edits);
    QFETCH(QString, question);
    QFETCH(int, answer);
    QFETCH(bool, written);
    const QByteArray before = readBytes(file());
    ScriptedPrompter prompter;
    if (!question.isEmpty())
        prompter.expect(question, u"確認"_s, PromptButtons::OkCancel, PromptAnswer(answer));
    if (written)
        prompter.expectOk(u"保存しました。"_s, u"確認"_s);
    BuzaiForm form(m_root, prompter);
    typeIntoH(form, edits);
    QCOMPARE(form.save(), written);
    QCOMPARE(readBytes(file()) != before, written);
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::applyAndSave_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<Edit>>("edits");
    QTest::addColumn<QStringList>("saved");
    const QStringList tail = kFile.mid(4);
    QTest::newRow("weight edited in place")
        << kFile << QList<Edit>{{2, 2, u"9.5"_s}}
        << QStringList{kFile[0], kFile[1], u"ZZBW'H鋼'100*50*5*7'9.5'"_s, kFile[3]} + tail;
    QTest::newRow("changed size renames its row")
        << kFile << QList<Edit>{{2, 1, u"100*50*5*7.5"_s}}
        << QStringList{kFile[0], kFile[1], u"ZZBW'H鋼'100*50*5*7.5'9.30'"_s, kFile[3]} + tail;
    QTest::newRow("full-width size stored half-width")
        << kFile << QList<Edit>{{1, 1, u"２５０＊１２５＊６＊９"_s}, {1, 2, u"２９．６"_s}}
        << kFile + QStringList{u"ZZBW'H鋼'250*125*6*9'29.6'"_s};
    QTest::newRow("typed rows appended in grid order, empty weight kept")
        << kFile << QList<Edit>{{6, 1, u"300*150*6.5*9"_s}, {1, 1, u"250*125*6*9"_s}, {1, 2, u"29.0"_s}}
        << kFile + QStringList{u"ZZBW'H鋼'250*125*6*9'29.0'"_s, u"ZZBW'H鋼'300*150*6.5*9''"_s};
    const QStringList twins{u"ZZBW'H鋼'X'1'a"_s, u"ZZBW'平鋼'9*75'5.30'"_s, u"ZZBW'H鋼'X'2'b"_s};
    const QStringList defaults{kFile[4], kFile[5], kFile[6], kFile[7], kFile[8]};
    QTest::newRow("twin rows: the first is updated, the second unchanged")
        << twins << QList<Edit>{{2, 2, u"3"_s}}
        << QStringList{u"ZZBW'H鋼'X'3'a"_s, twins[1], twins[2]} + defaults;
    QTest::newRow("twin rows: an edit of the second stays with it")
        << twins << QList<Edit>{{3, 2, u"4"_s}}
        << QStringList{twins[0], twins[1], u"ZZBW'H鋼'X'4'b"_s} + defaults;
    QTest::newRow("twin rows: the size of the second corrected")
        << twins << QList<Edit>{{3, 1, u"Y"_s}}
        << QStringList{twins[0], twins[1], u"ZZBW'H鋼'Y'2'b"_s} + defaults;
}

void TestBuzai::applyAndSave() {
    QFETCH(QStringList, lines);
    QFETCH(QList<Edit>, edits);
    QFETCH(QStringList, saved);
    writeCp932Lines(file(), lines);
    ScriptedPrompter prompter;
    prompter.expectOk(u"保存しました。"_s, u"確認"_s);
    BuzaiForm form(m_root, prompter);
    typeIntoH(form, edits);
    form.command(0);
    QVERIFY(!form.isEditorVisible());
    QCOMPARE(readBytes(file()), cp932Lines(saved));
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::switchingNamesKeepsEditsInMemoryOnly() {
    const QByteArray before = readBytes(file());
    ScriptedPrompter prompter;
    prompter.expect(u"変更を保存しますか？"_s, u"確認"_s, PromptButtons::YesNoCancel, PromptAnswer::No);
    BuzaiForm form(m_root, prompter);
    QSignalSpy closed(&form, &BuzaiForm::closeRequested);
    QVERIFY(form.open());
    form.chooseName(nameIndex(form, u"平鋼"_s));
    type(form, 2, 2, u"5.5"_s);
    type(form, 1, 1, u"6*50"_s);
    form.chooseName(nameIndex(form, u"H鋼"_s));
    form.chooseName(nameIndex(form, u"平鋼"_s));
    QCOMPARE(form.DataGrid().rowTexts(2), (QStringList{u"2"_s, u"6*50"_s, QString(), QString()}));
    QCOMPARE(form.DataGrid().rowTexts(3), (QStringList{u"3"_s, u"9*75"_s, u"5.5"_s, QString()}));
    form.command(1);
    QCOMPARE(closed.count(), 1);
    QCOMPARE(readBytes(file()), before);
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::deleteSelectedRow() {
    ScriptedPrompter prompter;
    prompter.expect(u"選択行を削除します。"_s, u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Cancel)
        .expect(u"選択行を削除します。"_s, u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok)
        .expectOk(u"保存しました。"_s, u"確認"_s);
    BuzaiForm form(m_root, prompter);
    QVERIFY(form.open());
    form.chooseName(nameIndex(form, u"H鋼"_s));
    form.setCurrentCell(3, 1);
    form.command(3); // cancelled
    QCOMPARE(form.DataGrid().rowCount(), 105);
    QCOMPARE(form.DataGrid().text(3, 1), u"150*75*5*7"_s);
    form.command(3);
    QCOMPARE(form.DataGrid().rowCount(), 104);
    QCOMPARE(form.DataGrid().rowTexts(3), (QStringList{u"3"_s, u"200*100*5.5*8"_s, u"20.9"_s, QString()}));
    form.setCurrentCell(1, 1); // a row without size goes without a question
    form.command(3);
    QCOMPARE(form.DataGrid().rowCount(), 103);
    QCOMPARE(form.DataGrid().rowTexts(1), (QStringList{u"1"_s, u"100*50*5*7"_s, u"9.30"_s, QString()}));
    form.command(0);
    QCOMPARE(readBytes(file()), cp932Lines(QStringList{kFile[0], kFile[1], kFile[2]} + kFile.mid(4)));
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::deleteThenCloseLeavesTheFile() {
    const QByteArray before = readBytes(file());
    ScriptedPrompter prompter;
    prompter.expect(u"選択行を削除します。"_s, u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok)
        .expect(u"変更を保存しますか？"_s, u"確認"_s, PromptButtons::YesNoCancel, PromptAnswer::No);
    {
        BuzaiForm form(m_root, prompter);
        QVERIFY(form.open());
        form.chooseName(nameIndex(form, u"H鋼"_s));
        form.setCurrentCell(2, 2);
        form.deleteSelectedRow();
        QCOMPARE(form.DataGrid().text(2, 1), u"150*75*5*7"_s);
        form.close();
    }
    QCOMPARE(readBytes(file()), before);
    BuzaiForm again(m_root, prompter);
    QVERIFY(again.open());
    again.chooseName(nameIndex(again, u"H鋼"_s));
    QCOMPARE(again.DataGrid().text(2, 1), u"100*50*5*7"_s);
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::blankRowCommands() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"空白行ではないので削除できません。"_s, u"確認"_s)
        .expectOk(u"空白行ではないので削除できません。"_s, u"確認"_s);
    BuzaiForm form(m_root, prompter);
    QVERIFY(form.open());
    form.chooseName(nameIndex(form, u"H鋼"_s));
    form.setCurrentCell(3, 2);
    form.command(5); // insert at row 3
    QCOMPARE(form.DataGrid().rowCount(), 106);
    QCOMPARE(form.DataGrid().rowTexts(3), (QStringList{u"3"_s, QString(), QString(), QString()}));
    QCOMPARE(form.DataGrid().rowTexts(4), (QStringList{u"4"_s, u"150*75*5*7"_s, u"14.0"_s, u"memo"_s}));
    QCOMPARE(form.DataGrid().text(105, 0), u"105"_s);

    form.setCurrentCell(4, 1);
    form.command(4); // refused: the row holds text
    form.setCurrentCell(106 - 1, 1);
    type(form, 105, 2, u"x"_s); // only a weight: still not blank
    form.setCurrentCell(105, 1);
    form.command(4);
    form.setCurrentCell(3, 1);
    form.command(4); // the inserted row goes, an empty one comes at the end
    QCOMPARE(form.DataGrid().rowCount(), 106);
    QCOMPARE(form.DataGrid().rowTexts(3), (QStringList{u"3"_s, u"150*75*5*7"_s, u"14.0"_s, u"memo"_s}));
    QCOMPARE(form.DataGrid().rowTexts(104), (QStringList{u"104"_s, QString(), u"x"_s, QString()}));
    QCOMPARE(form.DataGrid().rowTexts(105), (QStringList{u"105"_s, QString(), QString(), QString()}));
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::editorKeys() {
    ScriptedPrompter prompter;
    BuzaiForm form(m_root, prompter);
    QSignalSpy moved(&form, &BuzaiForm::editorMoved);
    QVERIFY(form.open());
    form.chooseName(nameIndex(form, u"平鋼"_s));
    const auto at = [&form] {
        return QPair<int, int>(form.DataGrid().currentRow(), form.DataGrid().currentColumn());
    };
    form.clickCell(2, 1);
    form.editorKey(EditorKey::Enter);
    QCOMPARE(at(), (QPair<int, int>(2, 2)));
    form.editorKey(EditorKey::Enter);
    QCOMPARE(at(), (QPair<int, int>(3, 1)));
    form.editorKey(EditorKey::Up);
    form.editorKey(EditorKey::Up);
    form.editorKey(EditorKey::Up);
    QCOMPARE(at(), (QPair<int, int>(1, 1)));
    const int last = form.DataGrid().rowCount() - 1;
    form.clickCell(last, 2);
    form.editorKey(EditorKey::Down);
    QCOMPARE(at(), (QPair<int, int>(last, 2)));
    form.editorKey(EditorKey::Enter);
    QCOMPARE(at(), (QPair<int, int>(last, 2)));
    QCOMPARE(moved.count(), 7);
    QVERIFY(form.isEditorVisible());
    form.command(2); // every command hides the editor
    QVERIFY(!form.isEditorVisible());
    QCOMPARE(form.clickCell(2, 0).kind, CellOffer::Kind::None);
    QCOMPARE(form.clickCell(0, 1).kind, CellOffer::Kind::None);
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::typedTextRules() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"「é」(U+00E9)は使用できない文字です。"_s, u"確認"_s)
        .expectOk(u"「ä」(U+00E4)は使用できない文字です。"_s, u"確認"_s)
        .expect(u"数値として読めない値が1件あります（最初は1行目）。\nこのまま保存しますか？"_s, u"確認"_s,
                PromptButtons::OkCancel, PromptAnswer::Ok)
        .expectOk(u"保存しました。"_s, u"確認"_s);
    BuzaiForm form(m_root, prompter);
    QVERIFY(form.open());
    form.chooseName(nameIndex(form, u"平鋼"_s));
    type(form, 1, 1, u"6'50"_s);
    QCOMPARE(form.DataGrid().text(1, 1), u"6’50"_s);
    QVERIFY(!form.editorTextChanged(u"6'50é"_s));
    QCOMPARE(form.DataGrid().text(1, 1), u"6’50"_s);
    form.refuseCharacter(U'ä');

    const std::optional<Rgb> marked = Rgb{255, 200, 200};
    type(form, 1, 2, u"2.36kg"_s);
    QCOMPARE(form.DataGrid().backColor(1, 2), marked);
    type(form, 1, 2, u"2.36"_s);
    QCOMPARE(form.DataGrid().backColor(1, 2), std::nullopt);
    type(form, 1, 2, u"2,36"_s);
    form.save();
    QCOMPARE(readBytes(file()), cp932Lines(kFile + QStringList{u"ZZBW'平鋼'6’50'2,36'"_s}));
    form.chooseName(nameIndex(form, u"H鋼"_s));
    form.chooseName(nameIndex(form, u"平鋼"_s));
    QCOMPARE(form.DataGrid().text(2, 2), u"2,36"_s);
    QCOMPARE(form.DataGrid().backColor(2, 2), marked);
    QCOMPARE(form.DataGrid().backColor(3, 2), std::nullopt);
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::messagesWithoutAName() {
    const QByteArray before = readBytes(file());
    ScriptedPrompter prompter;
    prompter.expectOk(u"部材名称欄に直接入力はできません。\n▼をクリックして選択してください。"_s, u"確認"_s)
        .expectOk(u"部材を選択してください。"_s, u"確認"_s);
    BuzaiForm form(m_root, prompter);
    QVERIFY(form.open());
    form.clickNameTx();
    QCOMPARE(form.clickCell(3, 2).kind, CellOffer::Kind::None);
    QVERIFY(!form.isEditorVisible());
    form.command(0); // save without a name: nothing
    QVERIFY(!form.isClosed());
    QCOMPARE(readBytes(file()), before);
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::nameListOpensAndCloses() {
    ScriptedPrompter prompter;
    BuzaiForm form(m_root, prompter);
    QVERIFY(form.open());
    form.command(2);
    QVERIFY(form.isNameListVisible());
    form.mouseOverBackground();
    QVERIFY(!form.isNameListVisible());
    QCOMPARE(nameListHeightTwips(7), 1750);
    QCOMPARE(nameListHeightTwips(40), 5000);
}

void TestBuzai::unreadableFileKeepsTheWindowShut() {
    writeBytes(file(), QByteArray("ZZBW'H\x81'1'2'\r\n"));
    ScriptedPrompter prompter;
    prompter.expectOk(
        u"ファイル「%1」を読み込めません。\n1行目にShift-JISの文字として読めないデータがあります。"_s.arg(
            QDir::toNativeSeparators(file())),
        u"エラー"_s);
    BuzaiForm form(m_root, prompter);
    QVERIFY(!form.open());
    QCOMPARE(readBytes(file()), QByteArray("ZZBW'H\x81'1'2'\r\n"));
    TV_VERIFY_PROMPTS(prompter);
}

void TestBuzai::failedSaveIsReportedNotConfirmed() {
    // Answers every message and keeps it: the write failure's wording ends with the system's reason.
    struct RecordingPrompter : tv::services::Prompter {
        PromptAnswer ask(const QString& text, const QString& title, PromptButtons) override {
            messages.append(title + u'|' + text);
            return PromptAnswer::Ok;
        }
        QStringList messages;
    } prompter;
    BuzaiForm form(m_root, prompter);
    QVERIFY(form.open());
    form.chooseName(nameIndex(form, u"H鋼"_s));
    type(form, 2, 2, u"9.5"_s);
    QVERIFY(QDir(m_root.folder(tv::shell::kSetFolder)).removeRecursively());
    form.save();
    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY2(prompter.messages[0].startsWith(
                 u"エラー|ファイル「%1」に書き込めません。"_s.arg(QDir::toNativeSeparators(file()))),
             qPrintable(prompter.messages[0]));
    QVERIFY(!form.isClosed());
}

QTEST_GUILESS_MAIN(TestBuzai)
#include "tst_registries_buzai.moc"
