// Damaged bundles: what cannot be a bundle is refused, what may be damaged is opened only when the
// user says Yes, and a bundle saved with its header reads the same in a reader of the bare rules.
#include "services/cp932.h"
#include "shell/bukken_name.h"
#include "shell/project_bundle.h"
#include "shell/project_operations.h"
#include "shell/record_file.h"
#include "shell/tree_snapshot.h"
#include "shell/working_files.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

namespace {

enum class Outcome { Refused, Asked, Opened };

QByteArray cp932(const QString& text) {
    return tv::services::Cp932::encode(text).value();
}

// A header line as the first version wrote it, with the counts only, or with a checksum.
QByteArray header(qsizetype lines, qsizetype bytes, const QByteArray& checksum = {}) {
    return "ZZHD'" + QByteArray::number(lines) + "'" + QByteArray::number(bytes) +
           (checksum.isEmpty() ? QByteArray() : "'" + checksum) + "\r\n";
}

// The bundle rules alone: every line goes to the working file whose tag its first four characters
// equal; any other line is dropped.
std::array<QStringList, 9> readByTheRules(const QByteArray& bytes) {
    std::array<QStringList, 9> files;
    for (QString line : tv::services::Cp932::decode(bytes).value().split(u"\r\n"_s)) {
        for (std::size_t i = 0; i < kWorkingFiles.size(); ++i)
            if (line.left(4) == kWorkingFiles[i].tag)
                files[i].append(line);
    }
    return files;
}

struct Message {
    QString text;
    QString title;
    PromptButtons buttons;
};

// Keeps every message; answers No to a question and OK to the rest.
struct RecordingPrompter : tv::services::Prompter {
    PromptAnswer ask(const QString& text, const QString& title, PromptButtons buttons) override {
        messages.append({text, title, buttons});
        return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
    }
    QList<Message> messages;
};

} // namespace

class TestBundleDamage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void damagedBundles_data();
    void damagedBundles();
    void yesOpensADoubtfulBundle();
    void savedBundleReadsTheSameByTheBareRules();

private:
    QString bundle(const QString& name) const { return m_state.dataRoot.file(kDataFolder, name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    ShellState m_state;
};

void TestBundleDamage::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataFolders(m_dir->path());
    m_state.dataRoot = DataRoot(m_dir->path());
    for (const WorkingFile& f : kWorkingFiles)
        writeCp932Lines(workingFilePath(m_state.dataRoot, f), {f.tag.toString() + u"'今の物件"_s});
    QVERIFY(writeBukkenName(m_state.dataRoot, u"今"_s, bundle(u"今.tkd"_s)).ok());
    m_state.project = {QString(), u'\'', u"今"_s, bundle(u"今.tkd"_s), QString()};
}

void TestBundleDamage::damagedBundles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("said"); // part of the refusal or of the question
    const QByteArray body = cp932(u"ZZLH'1'2F'C1'柱\r\nZZBW'H鋼'200*100'21.3\r\nZZ01'1'行\r\n"_s);
    QTest::newRow("0 bytes") << QByteArray() << Outcome::Refused << u"ファイルが空です(0バイト)。"_s;
    QTest::newRow("only empty lines")
        << QByteArray("\r\n\r\n\r\n") << Outcome::Asked << u"データの行が1行もありません"_s;
    QTest::newRow("cut inside a line")
        << body.left(body.size() - 4) << Outcome::Asked << u"最後の1行に改行がありません"_s;
    QTest::newRow("cut at a line end, header present")
        << header(3, body.size()) + body.left(body.indexOf('\n') + 1) << Outcome::Asked
        << u"保存時は3行(%1バイト)でしたが、1行"_s.arg(body.size());
    QTest::newRow("header that is not numbers")
        << "ZZHD'x'y\r\n" + body << Outcome::Asked << u"先頭の確認用の行が読めません。"_s;
    QTest::newRow("CR-only line ends")
        << QByteArray(body).replace("\r\n", "\r") << Outcome::Refused << u"改行がCRだけ"_s;
    QTest::newRow("unknown tags, empty lines not counted")
        << body + cp932(u"XX99'何か\r\n\r\nZZ9\r\n  \r\n"_s) << Outcome::Asked << u"2行が読み込めません。"_s;
    QTest::newRow("UTF-8 with BOM") << "\xEF\xBB\xBF" + body << Outcome::Refused << u"UTF-8"_s;
    QTest::newRow("UTF-8 without BOM") << u"ZZLH'1'2F'C1'柱\r\n"_s.toUtf8() << Outcome::Refused << u"UTF-8"_s;
    QTest::newRow("cut inside a double-byte character") << body.left(body.indexOf("\r\n") - 1) + "\r\n"
                                                        << Outcome::Refused << u"Shift-JIS"_s;
    QTest::newRow("written without the header") << body << Outcome::Opened << QString();
    QTest::newRow("with a matching header") << header(3, body.size()) + body << Outcome::Opened << QString();
    // The CRC-32 of `body` as zip computes it, and of its lines in reverse order.
    QTest::newRow("with a matching checksum")
        << header(3, body.size(), "5362BE65") + body << Outcome::Opened << QString();
    const QList<QByteArray> lines = body.split('\n');
    const QByteArray swapped = lines[2] + '\n' + lines[1] + '\n' + lines[0] + '\n';
    QTest::newRow("lines swapped, counts matching")
        << header(3, body.size(), "5362BE65") + swapped << Outcome::Asked << u"チェックサムが一致しません"_s;
    QTest::newRow("checksum in lower case")
        << header(3, body.size(), "b22d5323") + swapped << Outcome::Opened << QString();
    QTest::newRow("a stray CR inside a line")
        << header(3, body.size()) + QByteArray(body).replace("'1'2F", "'1\r2F") << Outcome::Refused
        << u"2行目の改行がCRだけ"_s;
    // Foreign files: a working file renamed to .tkd would empty the other eight.
    QTest::newRow("a work file renamed") << cp932(u"ZZ01'1'柱'C1\r\nZZ01''柱'PL\r\n"_s) << Outcome::Refused
                                         << u"行がすべて「WorkData-1.ini」のもの"_s;
    QTest::newRow("the weld-rate registry renamed, with unknown lines")
        << cp932(u"ZZKN'H'6'1\r\nXX'x\r\nZZKN'H'9'2.25\r\n"_s) << Outcome::Refused << u"「Kansan.ini」"_s;
    QTest::newRow("no header, no unit weights while the current registry has some")
        << cp932(u"ZZLH'1'2F'C1'柱\r\nZZ01'1'行\r\n"_s) << Outcome::Asked
        << u"部材単位重量(BuzaiWeight.ini)の行がありません。開くと、今の部材単位重量1行が空になります。"_s;
    QTest::newRow("with a header, no unit weights")
        << header(2, 28) + cp932(u"ZZLH'1'2F'C1'柱\r\nZZ01'1'行\r\n"_s) << Outcome::Opened << QString();
}

void TestBundleDamage::damagedBundles() {
    QFETCH(QByteArray, bytes);
    QFETCH(Outcome, outcome);
    QFETCH(QString, said);
    const QString path = bundle(u"壊れ.tkd"_s);
    writeBytes(path, bytes);
    const auto before = snapshotTree(m_dir->path());

    RecordingPrompter prompter;
    ProjectOperations operations(m_state, prompter);
    const bool opened = operations.open({u"壊れ"_s, path});

    QCOMPARE(prompter.messages.size(), 1);
    const Message& shown = prompter.messages.first();
    switch (outcome) {
    case Outcome::Refused:
        QCOMPARE(shown.title, u"読込エラー"_s);
        break;
    case Outcome::Asked: // defaulting to not opening; answered No
        QCOMPARE(shown.title, u"確認"_s);
        QCOMPARE(shown.buttons, PromptButtons::YesNo);
        QVERIFY2(shown.text.endsWith(u"続けますか？"_s), qPrintable(shown.text));
        break;
    case Outcome::Opened:
        QCOMPARE(shown.text, u"読込みました。"_s);
        break;
    }
    QVERIFY2(shown.text.contains(said), qPrintable(shown.text));
    QCOMPARE(opened, outcome == Outcome::Opened);
    QCOMPARE(operations.inputUnreadable(), outcome == Outcome::Refused);
    if (outcome != Outcome::Opened) {
        QCOMPARE(snapshotTree(m_dir->path()), before);
        QCOMPARE(m_state.project.projectName, u"今"_s);
    } else {
        QCOMPARE(readLines(workingFilePath(m_state.dataRoot, kWorkingFiles[0])).lines,
                 QStringList{u"ZZLH'1'2F'C1'柱"_s});
        // No weld rate in the bundle: older installations laid the registry down empty.
        QCOMPARE(readBytes(workingFilePath(m_state.dataRoot, kWorkingFiles[4])), QByteArray());
        QCOMPARE(readBukkenName(m_state.dataRoot).name, u"壊れ"_s);
    }
}

void TestBundleDamage::yesOpensADoubtfulBundle() {
    const QString path = bundle(u"途中.tkd"_s);
    writeBytes(path, cp932(u"ZZLH'1'2F'C1'柱\r\nXX'x\r\nZZ01'1'途中"_s));
    ScriptedPrompter prompter;
    prompter
        .expect(
            u"ファイル「%1」は壊れているおそれがあります。\n最後の1行に改行がありません(ファイルが途中で切れているおそれがあります)。\n1行が読み込めません。\n部材単位重量(BuzaiWeight.ini)の行がありません。開くと、今の部材単位重量1行が空になります。\n続けますか？"_s
                .arg(path),
            u"確認"_s, PromptButtons::YesNo, PromptAnswer::Yes)
        .expectOk(u"読込みました。"_s, u"確認"_s);
    QVERIFY(ProjectOperations(m_state, prompter).open({u"途中"_s, path}));
    TV_VERIFY_PROMPTS(prompter);
    QCOMPARE(readLines(workingFilePath(m_state.dataRoot, kWorkingFiles[6])).lines,
             QStringList{u"ZZ01'1'途中"_s});
}

void TestBundleDamage::savedBundleReadsTheSameByTheBareRules() {
    // Lines of every file, an empty line and a line the bundle rules drop.
    writeCp932Lines(workingFilePath(m_state.dataRoot, kWorkingFiles[0]),
                    {u"ZZLH'1'2F'C1'柱"_s, {}, u"ZZLH'2'3F'C2'柱"_s});
    writeCp932Lines(workingFilePath(m_state.dataRoot, kWorkingFiles[8]), {u"ZZ03'1'ブレース'Ｍ１６"_s});
    const QString path = bundle(u"保存.tkd"_s);
    QVERIFY(ProjectBundle::save(m_state.dataRoot, path).ok());
    const auto byRules = readByTheRules(readBytes(path));
    const ProjectBundle::Reading reading = ProjectBundle::read(path);
    QVERIFY(reading.refusal.isEmpty() && reading.doubts.isEmpty());
    for (std::size_t i = 0; i < kWorkingFiles.size(); ++i)
        QCOMPARE(reading.files[i], byRules[i]);
    QCOMPARE(byRules[0], (QStringList{u"ZZLH'1'2F'C1'柱"_s, u"ZZLH'2'3F'C2'柱"_s}));
}

QTEST_GUILESS_MAIN(TestBundleDamage)
#include "tst_shell_bundle_damage.moc"
