// Registries taken over from another project file: what is added, replaced or kept, damaged files
// refused, and 他物件から取込 in the unit-weight and weld-rate windows.
#include "registries/buzai_form.h"
#include "registries/kansan_form.h"
#include "registries/registry_import.h"
#include "shell/project_bundle.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::registries;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

namespace {

// Another project: unit weights (one the same, one with another weight, two new, one twice) and
// weld rates (one the same, one other, one new, one the table holds without a rate), among lines of
// other working files.
const QStringList kSourceLines{
    u"ZZLH'1'C1'H鋼'SS400･H･400･200･8･13'････'････''"_s,
    u"ZZBW'H鋼'200*100*5.5*8'20.9'"_s,
    u"ZZBW'H鋼'100*50*5*7'9.4'"_s,
    u"ZZBW'H鋼'400*200*8*13'65.4'"_s,
    u"ZZBW'平鋼'9*75'5.30'"_s,
    u"ZZBW'平鋼'9*75'5.30'"_s,
    u"ZZBW'平鋼'''"_s,
    u"ZZKN'HT1'9'1.2"_s,
    u"ZZKN'HT1'12'2.0"_s,
    u"ZZKN'K1'9'0.9"_s,
    u"ZZKN'HT1'16'2.4"_s,
};

BuzaiWeightTable weights() {
    BuzaiWeightTable table;
    table.rows = {{u"H鋼"_s, u"200*100*5.5*8"_s, u"20.9"_s, {}}, {u"H鋼"_s, u"100*50*5*7"_s, u"9.30"_s, {}}};
    return table;
}

KansanTable rates() {
    KansanTable table;
    table.rows = {{u"HT1"_s, u"9"_s, u"1.2"_s}, {u"HT1"_s, u"12"_s, u"1.8"_s}, {u"HT1"_s, u"16"_s, {}}};
    return table;
}

} // namespace

class TestRegistryImport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void countsAndTakesOver_data();
    void countsAndTakesOver();
    void damagedOrForeignFilesAreRefused_data();
    void damagedOrForeignFilesAreRefused();
    void windowAsksKeepsEditsAndUndoes_data();
    void windowAsksKeepsEditsAndUndoes();

private:
    QString source() const { return QDir(m_dir->path()).filePath(u"Data/他の物件.tkd"_s); }

    std::unique_ptr<QTemporaryDir> m_dir;
    tv::shell::DataRoot m_root;
};

void TestRegistryImport::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataRoot(m_dir->path());
    m_root = tv::shell::DataRoot(m_dir->path());
    const tv::shell::ProjectBundle::Packed packed = tv::shell::ProjectBundle::pack(source(), kSourceLines);
    QVERIFY(packed.status.ok());
    writeBytes(source(), packed.bytes);
}

void TestRegistryImport::countsAndTakesOver_data() {
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QStringList>("weightsAfter");
    QTest::addColumn<QStringList>("ratesAfter");
    const QStringList added{u"H鋼 400*200*8*13 65.4"_s, u"平鋼 9*75 5.30"_s};
    QTest::newRow("add only") << false
                              << QStringList{u"H鋼 200*100*5.5*8 20.9"_s, u"H鋼 100*50*5*7 9.30"_s} + added
                              << QStringList{u"HT1 9 1.2"_s, u"HT1 12 1.8"_s, u"HT1 16 2.4"_s, u"K1 9 0.9"_s};
    QTest::newRow("replace") << true
                             << QStringList{u"H鋼 200*100*5.5*8 20.9"_s, u"H鋼 100*50*5*7 9.4"_s} + added
                             << QStringList{u"HT1 9 1.2"_s, u"HT1 12 2.0"_s, u"HT1 16 2.4"_s, u"K1 9 0.9"_s};
}

void TestRegistryImport::countsAndTakesOver() {
    QFETCH(bool, replace);
    QFETCH(QStringList, weightsAfter);
    QFETCH(QStringList, ratesAfter);
    const ImportSource weightSource = readImportSource(source(), RegistryKind::UnitWeights);
    QCOMPARE(weightSource.refusal, QString());
    QCOMPARE(weightSource.weights.size(), 5); // the row without a size is a deleted row
    BuzaiWeightTable table = weights();
    // The second 平鋼 row is the first one again: added once, then counted as there.
    const ImportCounts weightCounts{2, 1, 2};
    QCOMPARE(countImport(table, weightSource.weights), weightCounts);
    QCOMPARE(table.rows.size(), 2); // counting changes nothing
    QCOMPARE(applyImport(table, weightSource.weights, replace), weightCounts);
    QStringList shown;
    for (const BuzaiWeightRow& r : table.rows)
        shown.append(QStringList{r.name, r.size, r.unitWeight}.join(u' '));
    QCOMPARE(shown, weightsAfter);

    const ImportSource rateSource = readImportSource(source(), RegistryKind::WeldRates);
    KansanTable weld = rates();
    QCOMPARE(applyImport(weld, rateSource.rates, replace), (ImportCounts{2, 1, 1}));
    shown.clear();
    for (const KansanRow& r : weld.rows)
        shown.append(QStringList{r.symbol, r.thickness, r.rate}.join(u' '));
    QCOMPARE(shown, ratesAfter);
    QCOMPARE(importSummary({1, 1, 1}, replace),
             replace ? u"追加 1行、置き換え 1行、そのまま 1行"_s : u"追加 1行、置き換え 0行、そのまま 2行"_s);
}

void TestRegistryImport::damagedOrForeignFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const tv::shell::ProjectBundle::Packed packed = tv::shell::ProjectBundle::pack(u"x.tkd"_s, kSourceLines);
    QByteArray edited = packed.bytes;
    edited.replace("65.4", "99.9"); // changed after saving: the header's check no longer agrees
    QTest::newRow("changed after saving") << edited << u"壊れているおそれ"_s;
    QTest::newRow("cut short") << packed.bytes.left(packed.bytes.size() - 30) << u"壊れているおそれ"_s;
    QTest::newRow("not a project") << QByteArray("hello\r\n") << u"物件データの行が1行もありません"_s;
    QTest::newRow("no unit weights") << tv::shell::ProjectBundle::pack(u"x.tkd"_s, {u"ZZKN'HT1'9'1.2"_s}).bytes
                                     << u"部材単位重量がありません"_s;
}

void TestRegistryImport::damagedOrForeignFilesAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    writeBytes(source(), bytes);
    const ImportSource read = readImportSource(source(), RegistryKind::UnitWeights);
    QVERIFY2(read.refusal.contains(reason), qPrintable(read.refusal));
    QVERIFY(read.weights.isEmpty());

    // The window tells the refusal and changes nothing.
    ScriptedPrompter prompter;
    prompter.expect(read.refusal, u"エラー"_s, PromptButtons::Ok, PromptAnswer::Ok);
    ScriptedFileChooser chooser;
    chooser.choose(source());
    BuzaiForm form(m_root, prompter);
    form.setFileChooser(&chooser);
    QVERIFY(form.open());
    const qsizetype rows = form.table().rows.size();
    form.command(RegistryForm::kImportCommand);
    QCOMPARE(form.table().rows.size(), rows);
    QVERIFY(!form.hasUnsavedChanges());
    QVERIFY(!form.history().canUndo());
    TV_VERIFY_PROMPTS(prompter);
}

void TestRegistryImport::windowAsksKeepsEditsAndUndoes_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("weight"); // of 100*50*5*7 afterwards
    QTest::addColumn<int>("rows");
    QTest::newRow("はい: add and replace") << int(PromptAnswer::Yes) << u"9.4"_s << 4;
    QTest::newRow("いいえ: add only") << int(PromptAnswer::No) << u"9.30"_s << 4;
    QTest::newRow("キャンセル: nothing") << int(PromptAnswer::Cancel) << u"9.30"_s << 2;
}

void TestRegistryImport::windowAsksKeepsEditsAndUndoes() {
    QFETCH(int, answer);
    QFETCH(QString, weight);
    QFETCH(int, rows);
    writeCp932Lines(m_root.file(tv::shell::kSetFolder, u"BuzaiWeight.ini"),
                    {u"ZZBW'H鋼'200*100*5.5*8'20.9'"_s, u"ZZBW'H鋼'100*50*5*7'9.30'"_s,
                     u"ZZBW'H鋼'150*75*5*7'14.0'"_s});
    ScriptedPrompter prompter;
    prompter.expect(u"「他の物件.tkd」から取り込みます。\n追加する行: 2行\n値が異なる行: 1行\n\n"
                    u"値が異なる行も取り込んだ値で置き換えますか？\n(いいえ: 追加だけ行い、今の値を残します)"_s,
                    u"確認"_s, PromptButtons::YesNoCancel, PromptAnswer(answer));
    if (answer == int(PromptAnswer::Yes))
        prompter.expectOk(u"取り込みました(追加 2行、置き換え 1行、そのまま 2行)。\n「保存」で登録されます。"_s,
                          u"確認"_s);
    else if (answer == int(PromptAnswer::No))
        prompter.expectOk(u"取り込みました(追加 2行、置き換え 0行、そのまま 3行)。\n「保存」で登録されます。"_s,
                          u"確認"_s);
    ScriptedFileChooser chooser;
    chooser.choose(source());
    BuzaiForm form(m_root, prompter);
    form.setFileChooser(&chooser);
    QVERIFY(form.open());
    form.chooseName(int(form.NameList().indexOf(u"H鋼"_s)));
    // An edit on the grid, not yet saved: it stays whatever the answer.
    QCOMPARE(form.DataGrid().text(3, BuzaiForm::SizeColumn), u"150*75*5*7"_s); // by size, after an empty row
    form.clickCell(3, BuzaiForm::WeightColumn);
    QVERIFY(form.editorTextChanged(u"14.5"_s));
    const int steps = form.history().undoCount();
    const QByteArray file = readBytes(m_root.file(tv::shell::kSetFolder, u"BuzaiWeight.ini"));

    form.command(RegistryForm::kImportCommand);
    QCOMPARE(chooser.requests().size(), 1);
    QCOMPARE(chooser.requests()[0].initialFolder, m_root.folder(tv::shell::kDataFolder));
    QCOMPARE(form.table().unitWeight(u"H鋼"_s, u"150*75*5*7"_s), std::optional(14.5));
    QCOMPARE(form.table().rows[form.table().indexOf(u"H鋼"_s, u"100*50*5*7"_s)].unitWeight, weight);
    // The name's rows are shown again, the new size among them; the file waits for 保存.
    QCOMPARE(form.DataGrid().text(5, BuzaiForm::SizeColumn), rows > 2 ? u"400*200*8*13"_s : QString());
    QCOMPARE(readBytes(m_root.file(tv::shell::kSetFolder, u"BuzaiWeight.ini")), file);
    if (answer == int(PromptAnswer::Cancel)) {
        QCOMPARE(form.history().undoCount(), steps);
    } else {
        QCOMPARE(form.history().undoCount(), steps + 1);
        QVERIFY(form.NameList().contains(u"平鋼"_s));
        QVERIFY(form.undo()); // the import, as one step
        QCOMPARE(form.table().indexOf(u"H鋼"_s, u"400*200*8*13"_s), -1);
        QCOMPARE(form.DataGrid().text(3, BuzaiForm::WeightColumn), u"14.5"_s);
        QVERIFY(form.redo());
        QVERIFY(form.table().indexOf(u"H鋼"_s, u"400*200*8*13"_s) >= 0);
    }
    QVERIFY(chooser.allUsed());
    TV_VERIFY_PROMPTS(prompter);
}

QTEST_GUILESS_MAIN(TestRegistryImport)
#include "tst_registries_import.moc"
