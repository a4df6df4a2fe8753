// The column dialog behind the sheets' entry-dialog port: a scripted user works the dialog model,
// and the confirmed texts reach the sheet in the order of its hidden cells.
#include "column_input/column_entry_dialog.h"
#include "column_input/weld_rows.h"
#include "registries/reference_lists.h"
#include "shell/record_file.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace tv::column_input;
using namespace tv::test;
using namespace Qt::StringLiterals;

class TestColumnEntryDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void confirmedEntryComesBackInSheetOrder();
    void reopenedEntryReadsBackAndCancelChangesNothing();
    void entryWithMoreWeldRowsThanTheGridsIsRefused_data();
    void entryWithMoreWeldRowsThanTheGridsIsRefused();
    void unreadableReferenceFileKeepsTheDialogShut();

private:
    QString setFile(QStringView name) const { return m_root.file(tv::shell::kSetFolder, name); }
    // A user who picks C1 on floor 2, types length and count, a plate and OKs.
    void enterC1(HasiraInpForm& form);

    QTemporaryDir m_dir;
    tv::shell::DataRoot m_root;
    tv::lists::MemberLists m_lists;
    tv::InputDialogState m_shared;
    std::unique_ptr<ScriptedPrompter> m_prompter;
};

void TestColumnEntryDialog::init() {
    QVERIFY(m_dir.isValid());
    makeDataRoot(m_dir.path());
    m_root = tv::shell::DataRoot(m_dir.path());
    writeCp932Lines(setFile(tv::registries::kHtbKataFile), {u"HTB-F10T"_s, QString(), u"HTB-F8T"_s});
    writeCp932Lines(setFile(tv::registries::kPLNameFile), {u"ベースプレート"_s, u"リブ"_s});
    m_lists = {};
    tv::lists::appendEntry(
        m_lists.HasiraList,
        tv::lists::HasiraListEntry{
            u"2"_s, u"C1"_s, u"H鋼"_s, u"SN490C･H･400･200･8･13"_s, u"････"_s, u"････"_s, {}, {}});
    m_shared = {};
    m_shared.LastFloor = u"2"_s;
    m_prompter = std::make_unique<ScriptedPrompter>();
}

void TestColumnEntryDialog::enterC1(HasiraInpForm& form) {
    QCOMPARE(form.KouhoList(KouhoBoltKind).first(3),
             (QStringList{u"HTB-F10T"_s, u"HTB-F8T"_s, u"A.BOLT(1)"_s}));
    QCOMPARE(form.KouhoList(KouhoPlateName).size(), 2);
    form.chooseMark(1);
    form.setInpTx(LengthInput, u"3500"_s);
    form.setInpTx(CountInput, u"2"_s);
    form.setInpTx(SecondPlacesInput, u"4"_s);
    form.setPlateCell(2, 1, u"リブ"_s);
    form.setPlateCell(2, 2, u"SN490B"_s);
    form.setPlateCell(2, 3, u"9"_s);
    QVERIFY(form.ok());
}

void TestColumnEntryDialog::confirmedEntryComesBackInSheetOrder() {
    ColumnEntryDialog dialog(m_root, m_lists, m_shared, *m_prompter, [this](HasiraInpForm& form) {
        QCOMPARE(form.KaiTx(), u"2"_s);
        enterC1(form);
    });
    const auto result = dialog.edit({});
    QVERIFY(result);
    QVERIFY(result->rows.isEmpty()); // the column sheet lays the rows out itself
    const tv::sheets::EntryPayload& p = result->payload;
    QVERIFY(p[0].startsWith(u"･･･"_s)); // 24: coating lines, all empty
    QVERIFY(p[1].startsWith(u"塗装有･H鋼･SN490C H-400×200×8×13･2階･C1･3500･2･"_s)); // 25: main record
    QVERIFY(p[2].startsWith(u"H･T･1･13･0.400･2･0.80･"_s));                          // 26: イ部
    QVERIFY(p[3].startsWith(u"H･T･1･13･0.400･4･1.60･"_s));                          // 27: ロ部
    QVERIFY(p[4].startsWith(u"リブ･SN490B･9･"_s));                                  // 28: plates
    QCOMPARE(p[0].count(u'･'), 39);
    QCOMPARE(p[4].count(u'･'), 89);
    QCOMPARE(m_shared.WeldMemory[WeldGrid::FirstWelds][0], u"H･T･1"_s);
}

void TestColumnEntryDialog::reopenedEntryReadsBackAndCancelChangesNothing() {
    ColumnEntryDialog first(m_root, m_lists, m_shared, *m_prompter,
                            [this](HasiraInpForm& form) { enterC1(form); });
    const auto entered = first.edit({});
    QVERIFY(entered);
    m_shared.LastFloor = u"9"_s;

    ColumnEntryDialog reopen(m_root, m_lists, m_shared, *m_prompter, [](HasiraInpForm& form) {
        QCOMPARE(form.KaiTx(), u"2"_s); // the entry's floor, not LastFloor
        QCOMPARE(form.InfoGd(3), u"C1"_s);
        QVERIFY(form.ok());
    });
    const auto again = reopen.edit(entered->payload);
    QVERIFY(again);
    QCOMPARE(again->payload, entered->payload);

    for (bool cancelExplicitly : {true, false}) {
        ColumnEntryDialog cancelled(m_root, m_lists, m_shared, *m_prompter,
                                    [cancelExplicitly](HasiraInpForm& form) {
                                        form.setInpTx(LengthInput, u"1"_s);
                                        if (cancelExplicitly)
                                            form.cancel();
                                    });
        QVERIFY(!cancelled.edit(entered->payload));
    }
    QCOMPARE(m_shared.LastFloor, u"2"_s);
}

// The weld grids hold eight rows; an entry text with more (edited by hand) would lose the rest, so
// the dialog refuses it before it is shown and the sheet keeps the entry as stored.
void TestColumnEntryDialog::entryWithMoreWeldRowsThanTheGridsIsRefused_data() {
    QTest::addColumn<int>("field"); // the main record's field that says more, or the weld text itself
    QTest::addColumn<QString>("text");
    const QString nineRows = QStringList(9 * 7, u"H"_s).join(u'･');
    QTest::newRow("イ部 count of 9") << int(MainFirstWeldRows) << u"9"_s;
    QTest::newRow("ロ部 count of 9") << int(MainSecondWeldRows) << u"9"_s;
    QTest::newRow("イ部 text of nine rows") << 2 << nineRows;
    QTest::newRow("ロ部 text of nine rows") << 3 << nineRows;
}

void TestColumnEntryDialog::entryWithMoreWeldRowsThanTheGridsIsRefused() {
    QFETCH(int, field);
    QFETCH(QString, text);
    ColumnEntryDialog first(m_root, m_lists, m_shared, *m_prompter,
                            [this](HasiraInpForm& form) { enterC1(form); });
    const auto entered = first.edit({});
    QVERIFY(entered);
    tv::sheets::EntryPayload stored = entered->payload;
    if (field == 2 || field == 3) {
        stored[size_t(field)] = text;
    } else {
        QStringList main = stored[1].split(u'･');
        main[field] = text;
        stored[1] = main.join(u'･');
    }
    m_prompter->expectOk(u"2階C1の溶接は8行を超えているため、読み込めません。"_s, u"確認"_s);
    bool shown = false;
    ColumnEntryDialog reopen(m_root, m_lists, m_shared, *m_prompter,
                             [&shown](HasiraInpForm&) { shown = true; });
    QVERIFY(!reopen.edit(stored));
    QVERIFY(!shown);
    TV_VERIFY_PROMPTS(*m_prompter);
}

void TestColumnEntryDialog::unreadableReferenceFileKeepsTheDialogShut() {
    writeBytes(setFile(tv::registries::kBoltKeiFile), QByteArray("M20\r\nM\0 24\r\n", 12));
    m_prompter->expectOk(
        u"ファイル「%1」を読み込めません。\n2行目にShift-JISの文字として読めないデータがあります。"_s.arg(
            QDir::toNativeSeparators(setFile(tv::registries::kBoltKeiFile))),
        u"エラー"_s);
    bool shown = false;
    ColumnEntryDialog dialog(m_root, m_lists, m_shared, *m_prompter,
                             [&shown](HasiraInpForm&) { shown = true; });
    QVERIFY(!dialog.edit({}));
    QVERIFY(!shown);
    TV_VERIFY_PROMPTS(*m_prompter);
}

QTEST_GUILESS_MAIN(TestColumnEntryDialog)
#include "tst_column_input_dialog.moc"
