// The grade-list window and the symbol-name dialog: their commands, messages and what reaches the file.
#include "registries/kigou_form.h"
#include "registries/settei_form.h"
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
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

class TestSettei : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void openingSkipsEmptyLines();
    void registerGrade_data();
    void registerGrade();
    void deleteGrade_data();
    void deleteGrade();
    void okSavesWithoutEmptyLinesAndCloses();
    void emptyListSavesAnEmptyFile();
    void closingOtherwiseDropsTheChanges();
    void unusableCharacterIsRefused();
    void unreadableFileKeepsTheWindowShut();
    void failedSaveKeepsTheWindowOpen();
    void kigouOkAndCancel();
    void kigouTypedApostrophe();
    void kigouStoresCapitals_data();
    void kigouStoresCapitals();

private:
    QString gradeFile() const { return m_root.file(tv::shell::kSetFolder, u"HasiraKikaku.ini"); }
    std::unique_ptr<QTemporaryDir> m_dir;
    tv::shell::DataRoot m_root;
};

void TestSettei::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataFolders(m_dir->path());
    m_root = tv::shell::DataRoot(m_dir->path());
    writeCp932Lines(gradeFile(), {u"SS400"_s, QString(), u"SN490B"_s, QString(), u"SN490B"_s});
}

void TestSettei::openingSkipsEmptyLines() {
    ScriptedPrompter prompter;
    SetteiForm form(m_root, prompter);
    QVERIFY(form.open());
    QCOMPARE(form.ListList(), (QStringList{u"SS400"_s, u"SN490B"_s, u"SN490B"_s}));
    form.clickList(1);
    QCOMPARE(form.InpTx(), u"SN490B"_s);
    QCOMPARE(SetteiForm::title(), u"初期設定"_s);
    QCOMPARE(SetteiForm::label1(), u"規格"_s);
    QCOMPARE((QStringList{SetteiForm::commandCaption(0), SetteiForm::commandCaption(1),
                          SetteiForm::commandCaption(2)}),
             (QStringList{u"OK"_s, u"↓登録"_s, u"削除"_s}));
    TV_VERIFY_PROMPTS(prompter);
}

void TestSettei::registerGrade_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("list");
    const QStringList loaded{u"SS400"_s, u"SN490B"_s, u"SN490B"_s};
    QTest::newRow("new grade appended") << u"BCR295"_s << loaded + QStringList{u"BCR295"_s};
    QTest::newRow("trailing blank stored without it") << u"BCR295 "_s << loaded + QStringList{u"BCR295"_s};
    QTest::newRow("full-width blanks trimmed")
        << u"\u3000STKR400\u3000"_s << loaded + QStringList{u"STKR400"_s};
    QTest::newRow("existing grade adds nothing") << u"SS400"_s << loaded;
    QTest::newRow("existing grade with a blank adds nothing") << u" SS400 "_s << loaded;
    QTest::newRow("empty text does nothing") << QString() << loaded;
    QTest::newRow("blanks only do nothing") << u"  "_s << loaded;
    QTest::newRow("case differs: a grade of its own") << u"ss400"_s << loaded + QStringList{u"ss400"_s};
    QTest::newRow("full-width grade stored half-width")
        << u"ＢＣＰ３２５"_s << loaded + QStringList{u"BCP325"_s};
    QTest::newRow("full-width twin of a grade adds nothing") << u"ＳＳ４００"_s << loaded;
}

void TestSettei::registerGrade() {
    QFETCH(QString, typed);
    QFETCH(QStringList, list);
    ScriptedPrompter prompter;
    SetteiForm form(m_root, prompter);
    QVERIFY(form.open());
    QVERIFY(form.editInpTx(typed));
    form.registerGrade();
    QCOMPARE(form.ListList(), list);
    TV_VERIFY_PROMPTS(prompter);
}

void TestSettei::deleteGrade_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("list");
    QTest::newRow("first equal entry removed") << u"SN490B"_s << QStringList{u"SS400"_s, u"SN490B"_s};
    QTest::newRow("typed with blanks finds the grade")
        << u"SS400 "_s << QStringList{u"SN490B"_s, u"SN490B"_s};
    QTest::newRow("full-width twin finds the grade")
        << u"ＳＳ４００"_s << QStringList{u"SN490B"_s, u"SN490B"_s};
    QTest::newRow("absent grade: nothing")
        << u"SM490A"_s << QStringList{u"SS400"_s, u"SN490B"_s, u"SN490B"_s};
    QTest::newRow("empty text: nothing") << QString() << QStringList{u"SS400"_s, u"SN490B"_s, u"SN490B"_s};
}

void TestSettei::deleteGrade() {
    QFETCH(QString, typed);
    QFETCH(QStringList, list);
    ScriptedPrompter prompter;
    SetteiForm form(m_root, prompter);
    QVERIFY(form.open());
    QVERIFY(form.editInpTx(typed));
    form.deleteGrade();
    QCOMPARE(form.ListList(), list);
    TV_VERIFY_PROMPTS(prompter);
}

void TestSettei::okSavesWithoutEmptyLinesAndCloses() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"保存しました。"_s, u"初期設定"_s);
    SetteiForm form(m_root, prompter);
    QSignalSpy closed(&form, &SetteiForm::closeRequested);
    QVERIFY(form.open());
    form.editInpTx(u"ＳＳ４００～"_s);
    form.registerGrade();
    form.ok();
    QCOMPARE(closed.count(), 1);
    QVERIFY(form.isClosed());
    QCOMPARE(readBytes(gradeFile()), cp932Lines({u"SS400"_s, u"SN490B"_s, u"SN490B"_s, u"SS400～"_s}));
    TV_VERIFY_PROMPTS(prompter);
}

void TestSettei::emptyListSavesAnEmptyFile() {
    writeCp932Lines(gradeFile(), {});
    ScriptedPrompter prompter;
    prompter.expectOk(u"保存しました。"_s, u"初期設定"_s);
    SetteiForm form(m_root, prompter);
    QVERIFY(form.open());
    QVERIFY(form.ListList().isEmpty());
    form.ok();
    QVERIFY(QFileInfo::exists(gradeFile()));
    QCOMPARE(readBytes(gradeFile()), QByteArray());
    TV_VERIFY_PROMPTS(prompter);
}

void TestSettei::closingOtherwiseDropsTheChanges() {
    const QByteArray before = readBytes(gradeFile());
    ScriptedPrompter prompter;
    SetteiForm form(m_root, prompter);
    QSignalSpy closed(&form, &SetteiForm::closeRequested);
    QVERIFY(form.open());
    form.editInpTx(u"SS400"_s);
    form.deleteGrade();
    form.editInpTx(u"BCP325"_s);
    form.registerGrade();
    form.close();
    QCOMPARE(closed.count(), 1);
    QCOMPARE(readBytes(gradeFile()), before);
    SetteiForm again(m_root, prompter);
    QVERIFY(again.open());
    QCOMPARE(again.ListList(), (QStringList{u"SS400"_s, u"SN490B"_s, u"SN490B"_s}));
    TV_VERIFY_PROMPTS(prompter);
}

void TestSettei::unusableCharacterIsRefused() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"「é」(U+00E9)は使用できない文字です。"_s, u"確認"_s);
    SetteiForm form(m_root, prompter);
    QVERIFY(form.open());
    QVERIFY(form.editInpTx(u"SN4"_s));
    QVERIFY(!form.editInpTx(u"SN4é"_s));
    QCOMPARE(form.InpTx(), u"SN4"_s);
    TV_VERIFY_PROMPTS(prompter);
}

void TestSettei::unreadableFileKeepsTheWindowShut() {
    writeBytes(gradeFile(), QByteArray("SS400\r\n\x81\r\n"));
    const QByteArray before = readBytes(gradeFile());
    ScriptedPrompter prompter;
    prompter.expectOk(
        u"ファイル「%1」を読み込めません。\n2行目にShift-JISの文字として読めないデータがあります。"_s.arg(
            QDir::toNativeSeparators(gradeFile())),
        u"エラー"_s);
    SetteiForm form(m_root, prompter);
    QVERIFY(!form.open());
    QCOMPARE(readBytes(gradeFile()), before);
    TV_VERIFY_PROMPTS(prompter);
}

void TestSettei::failedSaveKeepsTheWindowOpen() {
    struct RecordingPrompter : tv::services::Prompter {
        PromptAnswer ask(const QString& text, const QString& title, PromptButtons) override {
            messages.append(title + u'|' + text);
            return PromptAnswer::Ok;
        }
        QStringList messages;
    } prompter;
    SetteiForm form(m_root, prompter);
    QVERIFY(form.open());
    QVERIFY(QDir(m_root.folder(tv::shell::kSetFolder)).removeRecursively());
    form.ok();
    QCOMPARE(prompter.messages.size(), 1);
    QVERIFY2(prompter.messages[0].startsWith(u"エラー|ファイル「"_s), qPrintable(prompter.messages[0]));
    QVERIFY(!form.isClosed());
}

void TestSettei::kigouOkAndCancel() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"入力してください。"_s, u"確認"_s);
    KigouForm form(prompter);
    QSignalSpy closed(&form, &KigouForm::closeRequested);
    form.ok();
    QVERIFY(!form.isClosed());
    QCOMPARE(closed.count(), 0);
    QVERIFY(form.editInpTx(u"HT1"_s));
    form.ok();
    QVERIFY(form.isClosed());
    QCOMPARE(closed.count(), 1);
    QCOMPARE(form.result(), u"HT1"_s);

    KigouForm cancelled(prompter);
    cancelled.editInpTx(u"HT2"_s);
    cancelled.cancel();
    QVERIFY(cancelled.isClosed());
    QCOMPARE(cancelled.result(), QString());
    QCOMPARE(KigouForm::title(), u"溶接記号登録"_s);
    QCOMPARE(KigouForm::inpCaption(), u"記号名"_s);
    QCOMPARE(KigouForm::note(), u"※大文字"_s);
    QCOMPARE(KigouForm::commandCaption(1), u"キャンセル"_s);
    TV_VERIFY_PROMPTS(prompter);
}

void TestSettei::kigouTypedApostrophe() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"「ñ」(U+00F1)は使用できない文字です。"_s, u"確認"_s);
    KigouForm form(prompter);
    QVERIFY(form.editInpTx(u"K'1"_s));
    QCOMPARE(form.InpTx(), u"K’1"_s);
    QVERIFY(!form.editInpTx(u"K'1ñ"_s));
    QCOMPARE(form.InpTx(), u"K’1"_s);
    form.ok();
    QCOMPARE(form.result(), u"K’1"_s);
    TV_VERIFY_PROMPTS(prompter);
}

void TestSettei::kigouStoresCapitals_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("lower case") << u"hf3"_s << u"HF3"_s;
    QTest::newRow("full width") << u"ｈｆ３"_s << u"HF3"_s;
    QTest::newRow("kana kept") << u"レ形k"_s << u"レ形K"_s;
}

void TestSettei::kigouStoresCapitals() {
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    ScriptedPrompter prompter;
    KigouForm form(prompter);
    QVERIFY(form.editInpTx(typed));
    QCOMPARE(form.InpTx(), stored);
    form.ok();
    QCOMPARE(form.result(), stored);
}

QTEST_GUILESS_MAIN(TestSettei)
#include "tst_registries_settei.moc"
