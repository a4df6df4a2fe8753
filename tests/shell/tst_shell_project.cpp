// The project bundle and its dialogs: packing, unpacking by tag, new projects, refusals, messages.
#include "shell/bukken_name.h"
#include "shell/project_bundle.h"
#include "shell/project_dialogs.h"
#include "shell/project_operations.h"
#include "shell/record_file.h"
#include "shell/working_files.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

namespace {

// A small project: two columns, a beam, a joint, registries and sheet rows, with empty lines.
const QList<QStringList> kProject{
    {u"ZZLH'1'2F'C1'H鋼･SN490B･H･400･200･9･12"_s, QString(), u"ZZLH'2'2F'C2'鋼管(角)･BCR295･350･350･12･･"_s},
    {u"ZZLB'1'2F'G1'SN400B･H･600･200･11･17"_s},
    {u"ZZLJ'J1'0'SN490B･9･200･400･2･HTB-F8T･M20･16"_s},
    {u"ZZBW'H鋼'400*200*8*13'65.4'"_s, u"ZZBW'鋼管(角)'350*350*9'94.7'"_s},
    {u"ZZKN'HT1'12'4.79"_s},
    {u"ZZKK'SN490B"_s},
    {u"ZZ01'1'2F'C1'･'SN490B'H鋼'H-400×200×9×12'3500'2"_s, QString()},
    {},
    {u"ZZ03'1'胴縁'C形鋼'100*50*20*2.3'12.5'4"_s},
};

// Answers every message with OK and keeps them, for refusals whose wording names the file.
struct RecordingPrompter : tv::services::Prompter {
    PromptAnswer ask(const QString& text, const QString& title, PromptButtons) override {
        messages.append({title, text});
        return PromptAnswer::Ok;
    }
    QList<QPair<QString, QString>> messages;
};

QStringList nonEmpty(const QStringList& lines) {
    QStringList out;
    for (const QString& l : lines)
        if (!l.isEmpty())
            out.append(l);
    return out;
}

} // namespace

class TestProject : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void saveThenOpenRestoresEveryRecord();
    void newProjectClearsSixFilesAndKeepsRegistries();
    void openSortsLinesByTagKeepingTheirOrder();
    void foreignFilesAreRefusedAndChangeNothing_data();
    void foreignFilesAreRefusedAndChangeNothing();
    void saveRefusesAMissingWorkingFile();
    void newDialogRequestAndName();
    void newDialogRefusesAnExistingName();
    void newDialogCancelAndFailure();
    void openDialogReloadQuestion_data();
    void openDialogReloadQuestion();
    void openDialogMissingFile();
    void operationsReportProgressAndMessages();
    void saveWithoutABundleSaysSo();
    void namesCp932CannotStoreAreRefused_data();
    void namesCp932CannotStoreAreRefused();
    void saveKeepsTheLastTenVersions();

private:
    tv::services::Status openBundle(const QString& bundle) const {
        return ProjectBundle::open(m_root, ProjectBundle::read(bundle), u"物件"_s, bundle);
    }
    QString working(int index) const { return workingFilePath(m_root, kWorkingFiles[index]); }
    QString dataFile(const QString& name) const { return QDir(m_root.folder(kDataFolder)).filePath(name); }
    void writeProject() {
        for (int i = 0; i < 9; ++i)
            writeCp932Lines(working(i), kProject[i]);
    }
    QList<QByteArray> snapshot() const {
        QList<QByteArray> files;
        for (int i = 0; i < 9; ++i)
            files.append(readBytes(working(i)));
        files.append(readBytes(m_root.file(kSetFolder, kBukkenNameFile)));
        return files;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    DataRoot m_root;
};

void TestProject::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataFolders(m_dir->path());
    m_root = DataRoot(m_dir->path());
    writeProject();
    writeBukkenName(m_root, u"前の物件"_s, dataFile(u"前の物件.tkd"_s));
}

void TestProject::saveThenOpenRestoresEveryRecord() {
    const QString bundle = dataFile(u"A棟.tkd"_s);
    QVERIFY(ProjectBundle::save(m_root, bundle).ok());
    QStringList all;
    for (const QStringList& f : kProject)
        all.append(f);
    // The header line counts the lines and bytes that follow it, and gives their CRC-32.
    const QByteArray body = cp932Lines(all);
    const QByteArray bytes = readBytes(bundle);
    const QByteArray header = bytes.left(bytes.indexOf("\r\n") + 2);
    QCOMPARE(bytes.mid(header.size()), body);
    QVERIFY2(QRegularExpression(u"^ZZHD'%1'%2'[0-9A-F]{8}\r\n$"_s.arg(all.size()).arg(body.size()))
                 .match(QString::fromLatin1(header))
                 .hasMatch(),
             header.constData());

    for (int i = 0; i < 9; ++i)
        writeCp932Lines(working(i), {u"ZZXX'garbage"_s});
    QVERIFY(openBundle(bundle).ok());
    for (int i = 0; i < 9; ++i)
        QCOMPARE(readLines(working(i)).lines, nonEmpty(kProject[i]));
}

void TestProject::newProjectClearsSixFilesAndKeepsRegistries() {
    const QString bundle = dataFile(u"新規.tkd"_s);
    QVERIFY(ProjectBundle::createNew(m_root, u"新規"_s, bundle).ok());
    QCOMPARE(readLines(bundle).lines.mid(1),
             (QStringList{{}, {}, {}} + kProject[3] + kProject[4] + kProject[5] + QStringList{{}, {}, {}}));
    for (int i : {0, 1, 2, 6, 7, 8})
        QCOMPARE(readBytes(working(i)), QByteArray("\r\n"));

    QVERIFY(openBundle(bundle).ok());
    for (int i : {0, 1, 2, 6, 7, 8})
        QCOMPARE(readBytes(working(i)), QByteArray());
    for (int i : {3, 4, 5})
        QCOMPARE(readLines(working(i)).lines, kProject[i]);
}

void TestProject::openSortsLinesByTagKeepingTheirOrder() {
    const QString bundle = dataFile(u"順不同.tkd"_s);
    writeCp932Lines(bundle, {u"ZZ01'b"_s, u"ZZLH'x"_s, u"zz01'lower case"_s, u"ZZ01'a"_s, u"ZZ0"_s,
                             u"ZZKN'k"_s, u"ZZLH'y"_s, u"ZZ01"_s, u"free text"_s});
    QVERIFY(openBundle(bundle).ok());
    QCOMPARE(readLines(working(0)).lines, (QStringList{u"ZZLH'x"_s, u"ZZLH'y"_s}));
    QCOMPARE(readLines(working(6)).lines, (QStringList{u"ZZ01'b"_s, u"ZZ01'a"_s, u"ZZ01"_s}));
    QCOMPARE(readLines(working(4)).lines, QStringList{u"ZZKN'k"_s});
    for (int i : {1, 2, 3, 5, 7, 8}) // files whose tag is missing from the bundle end up empty
        QCOMPARE(readBytes(working(i)), QByteArray());
}

void TestProject::foreignFilesAreRefusedAndChangeNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\x10", 24);
    QTest::newRow("PNG renamed to .tkd") << png;
    QTest::newRow("NUL bytes") << QByteArray("ZZ01'a\r\nZZ01'\0b\r\n", 17);
    QTest::newRow("not CP932") << QByteArray("ZZ01'a\r\nZZ01'\x82\xff\r\n");
    QTest::newRow("UTF-16 text") << QByteArray("\xff\xfeZ\0Z\0", 6);
    QTest::newRow("text without one record") << QByteArray("hello\r\nworld\r\n");
}

void TestProject::foreignFilesAreRefusedAndChangeNothing() {
    QFETCH(QByteArray, bytes);
    const QString bundle = dataFile(u"偽物.tkd"_s);
    writeBytes(bundle, bytes);
    const QList<QByteArray> before = snapshot();

    ShellState state{m_root, {}};
    state.project.projectName = u"前の物件"_s;
    RecordingPrompter prompter;
    ScriptedFileChooser chooser;
    chooser.choose(bundle);
    const auto choice = runOpenDialog(m_root, state.project.projectName, chooser, prompter);
    QVERIFY(choice);
    QCOMPARE(choice->name, u"偽物"_s);
    ProjectOperations operations(state, prompter);
    QVERIFY(!operations.open(*choice));
    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].first, u"読込エラー"_s);
    QVERIFY2(prompter.messages[0].second.contains(u"偽物.tkd"_s), qPrintable(prompter.messages[0].second));
    QCOMPARE(snapshot(), before);
    QCOMPARE(state.project.projectName, u"前の物件"_s);
}

void TestProject::saveRefusesAMissingWorkingFile() {
    // Packed as empty, a lost file would wipe that part of the project from its bundle.
    const QString bundle = dataFile(u"欠け.tkd"_s);
    QVERIFY(ProjectBundle::save(m_root, bundle).ok());
    const QByteArray saved = readBytes(bundle);
    QVERIFY(QFile::remove(working(4)));
    QVERIFY(QFile::remove(working(8)));
    bool unreadable = false;
    const tv::services::Status status = ProjectBundle::save(m_root, bundle, &unreadable);
    QCOMPARE(status.error, u"ファイル「%1」がありません。"_s.arg(QDir::toNativeSeparators(working(4))));
    QVERIFY(unreadable);
    QCOMPARE(readBytes(bundle), saved);
}

void TestProject::newDialogRequestAndName() {
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    chooser.choose(dataFile(u"第2工場.増築.tkd"_s));
    const auto choice = runNewProjectDialog(m_root, chooser, prompter);
    QVERIFY(choice);
    QCOMPARE(choice->name, u"第2工場.増築"_s); // the title without its extension, as Open names it
    QCOMPARE(choice->path, dataFile(u"第2工場.増築.tkd"_s));
    const auto& request = chooser.requests().first();
    QCOMPARE(request.kind, tv::services::FileDialogRequest::Kind::Save);
    QCOMPARE(request.title, u"新規物件作成"_s);
    QCOMPARE(request.filter, u"鉄骨積算データ(.tkd)|*.tkd"_s);
    QCOMPARE(request.initialFolder, m_root.folder(kDataFolder));
    QCOMPARE(request.defaultExtension, u"tkd"_s);
    QVERIFY(request.fileName.isEmpty());
    TV_VERIFY_PROMPTS(prompter);
}

void TestProject::newDialogRefusesAnExistingName() {
    writeCp932Lines(dataFile(u"既存.tkd"_s), {u"ZZ01'x"_s});
    ScriptedPrompter prompter;
    prompter.expectOk(u"既存.tkd\n同じ名前の物件があります。\n名前を変更してください。"_s, u"新規物件作成"_s);
    ScriptedFileChooser chooser;
    chooser.choose(dataFile(u"既存.tkd"_s));
    QVERIFY(!runNewProjectDialog(m_root, chooser, prompter));
    TV_VERIFY_PROMPTS(prompter);
}

void TestProject::newDialogCancelAndFailure() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"エラー(Kutai:NewFile)1"_s, u"チェック"_s);
    prompter.expectOk(u"エラー(Kutai:FileOpen)1"_s, u"チェック"_s);
    ScriptedFileChooser chooser;
    chooser.cancel().failWithError().cancel().failWithError();
    QVERIFY(!runNewProjectDialog(m_root, chooser, prompter));
    QVERIFY(!runNewProjectDialog(m_root, chooser, prompter));
    QVERIFY(!runOpenDialog(m_root, u"x"_s, chooser, prompter));
    QVERIFY(!runOpenDialog(m_root, u"x"_s, chooser, prompter));
    TV_VERIFY_PROMPTS(prompter);
    QCOMPARE(chooser.requests()[2].title, u"物件データを開く"_s);
    QCOMPARE(chooser.requests()[2].kind, tv::services::FileDialogRequest::Kind::Open);
}

void TestProject::openDialogReloadQuestion_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("reloads");
    QTest::newRow("OK reloads") << int(PromptAnswer::Ok) << true;
    QTest::newRow("Cancel keeps") << int(PromptAnswer::Cancel) << false;
}

void TestProject::openDialogReloadQuestion() {
    QFETCH(int, answer);
    QFETCH(bool, reloads);
    const QString bundle = dataFile(u"前の物件.tkd"_s);
    QVERIFY(ProjectBundle::save(m_root, bundle).ok());
    ScriptedPrompter prompter;
    prompter.expect(u"現在開かれています。再読込しますか？\n"
                    u"開こうとしているデータが現在のものと同じか新しいかを必ず確認してください。"_s,
                    u"確認"_s, PromptButtons::OkCancel, PromptAnswer(answer));
    ScriptedFileChooser chooser;
    chooser.choose(bundle);
    const auto choice = runOpenDialog(m_root, u"前の物件"_s, chooser, prompter);
    QCOMPARE(bool(choice), reloads);
    TV_VERIFY_PROMPTS(prompter);
}

void TestProject::openDialogMissingFile() {
    ScriptedPrompter prompter;
    prompter.expectOk(u"ファイルがありません。"_s, u"読込エラー"_s);
    ScriptedFileChooser chooser;
    chooser.choose(dataFile(u"無い.tkd"_s));
    QVERIFY(!runOpenDialog(m_root, u"前の物件"_s, chooser, prompter));
    TV_VERIFY_PROMPTS(prompter);
}

void TestProject::operationsReportProgressAndMessages() {
    ShellState state{m_root, {}};
    state.project.projectName = u"前の物件"_s;
    state.project.bundlePath = dataFile(u"前の物件.tkd"_s);
    ScriptedPrompter prompter;
    prompter.expectOk(u"保存しました。"_s, u"確認"_s)
        .expectOk(u"入力を開始できます。"_s, u"確認"_s)
        .expectOk(u"読込みました。"_s, u"確認"_s);
    QStringList statuses;
    ProjectOperations operations(state, prompter, [&](const QString& s) { statuses.append(s); });

    QVERIFY(operations.save());
    QVERIFY(operations.createNew({u"新棟"_s, dataFile(u"新棟.tkd"_s)}));
    QCOMPARE(state.project.projectName, u"新棟"_s);
    QCOMPARE(readBukkenName(m_root).name, u"新棟"_s);
    QVERIFY(operations.open({u"前の物件"_s, dataFile(u"前の物件.tkd"_s)}));
    QCOMPARE(state.project.bundlePath, dataFile(u"前の物件.tkd"_s));
    QCOMPARE(readBukkenName(m_root).path, dataFile(u"前の物件.tkd"_s));
    QCOMPARE(readLines(working(0)).lines, nonEmpty(kProject[0]));

    QCOMPARE(statuses, (QStringList{u"保存中･･･"_s, QString(), u"処理中･･･"_s, QString(), u"読込中･･･"_s, QString()}));
    TV_VERIFY_PROMPTS(prompter);
}

void TestProject::saveWithoutABundleSaysSo() {
    ShellState state{m_root, {}};
    ScriptedPrompter prompter;
    prompter.expectOk(u"保存先の物件ファイルがありません。\n「新規作成」で物件を作成してください。"_s,
                      u"エラー"_s);
    ProjectOperations operations(state, prompter);
    QVERIFY(!operations.save());
    TV_VERIFY_PROMPTS(prompter);
}

void TestProject::namesCp932CannotStoreAreRefused_data() {
    QTest::addColumn<bool>("isNew");
    QTest::newRow("new") << true;
    QTest::newRow("open") << false;
}

void TestProject::namesCp932CannotStoreAreRefused() {
    // BukkenName.ini could not give such a project back: nothing may change.
    QFETCH(bool, isNew);
    const QString bundle = dataFile(u"家🏠.tkd"_s);
    if (!isNew)
        QVERIFY(ProjectBundle::save(m_root, bundle).ok());
    writeCp932Lines(working(0), {u"ZZLH'今の入力"_s});
    const auto before = snapshot();
    ShellState state{m_root, {}};
    state.project.projectName = u"前の物件"_s;
    RecordingPrompter prompter;
    ProjectOperations operations(state, prompter);
    const ProjectChoice choice{u"家🏠"_s, bundle};
    QVERIFY(!(isNew ? operations.createNew(choice) : operations.open(choice)));
    QCOMPARE(prompter.messages.size(), 1);
    QCOMPARE(prompter.messages[0].first, isNew ? u"新規物件作成"_s : u"読込エラー"_s);
    QVERIFY2(prompter.messages[0].second.contains(u"Shift-JISで保存できない文字"_s),
             qPrintable(prompter.messages[0].second));
    QCOMPARE(snapshot(), before);
    QCOMPARE(QFileInfo::exists(bundle), !isNew);
    QCOMPARE(state.project.projectName, u"前の物件"_s);
}

void TestProject::saveKeepsTheLastTenVersions() {
    const QString bundle = dataFile(u"控え.tkd"_s);
    QList<QByteArray> versions;
    for (int i = 0; i < 13; ++i) {
        writeCp932Lines(working(8), {u"ZZ03'%1"_s.arg(i)});
        QVERIFY(ProjectBundle::save(m_root, bundle).ok());
        versions.append(readBytes(bundle));
    }
    // Each save kept the version it replaced; the last ten remain, oldest first.
    const QDir copies(QDir(m_root.folder(kDataFolder)).filePath(u".backup"_s));
    QStringList names = copies.entryList(QDir::Files);
    QCOMPARE(names.size(), 10);
    for (const QString& name : names)
        QVERIFY2(QRegularExpression(u"^控え-\\d{8}-\\d{6}(-\\d+)?\\.tkd$"_s).match(name).hasMatch(),
                 qPrintable(name));
    QList<QByteArray> kept;
    for (const QString& name : names)
        kept.append(readBytes(copies.filePath(name)));
    std::sort(kept.begin(), kept.end(), [&](const QByteArray& a, const QByteArray& b) {
        return versions.indexOf(a) < versions.indexOf(b);
    });
    QCOMPARE(kept, versions.mid(2, 10));
}

QTEST_GUILESS_MAIN(TestProject)
#include "tst_shell_project.moc"
