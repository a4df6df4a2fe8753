// The headless commands run the same operations as the window, with messages on standard error.
#include "services/cp932.h"
#include "shell/bukken_name.h"
#include "../shell/tree_snapshot.h"
#include "shell/project_bundle.h"
#include "shell/record_file.h"
#include "support/test_files.h"
#include "torvanel_run.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;

class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTwiceChangesNothing();
    void projectNewSaveOpen();
    void badUsageAndProblems_data();
    void badUsageAndProblems();
    void printHelpAsPdf();
    void damagedBundlesAreNotOpened();
    void oneProgramPerDataRoot();
    void registryImportFromAnotherProject();
    void compareTouchesNoDataRoot();
    void versionAndHelp();
};

void TestCommandLine::initTwiceChangesNothing() {
    QTemporaryDir dir;
    const QString root = QDir(dir.path()).filePath(u"Torvanel"_s);
    const Run first = torvanel(root, {u"init"_s});
    QCOMPARE(first.exitCode, 0);
    QVERIFY(first.err.contains(u"BuzaiWeight.ini"_s));
    const QByteArray weights = readBytes(QDir(root).filePath(u"set/BuzaiWeight.ini"_s));
    QVERIFY(tv::services::Cp932::decode(weights));
    const Run second = torvanel(root, {u"init"_s});
    QCOMPARE(second.exitCode, 0);
    QVERIFY2(!second.err.contains(u"作成"_s), qPrintable(second.err));
    QCOMPARE(readBytes(QDir(root).filePath(u"set/BuzaiWeight.ini"_s)), weights);
}

void TestCommandLine::projectNewSaveOpen() {
    QTemporaryDir dir;
    const QString root = dir.path();
    const QString bundle = QDir(root).filePath(u"Data/B棟"_s);
    const Run created = torvanel(root, {u"project"_s, u"new"_s, bundle});
    QCOMPARE(created.exitCode, 0);
    QVERIFY(created.err.contains(u"入力を開始できます。"_s));
    const BukkenName current = readBukkenName(DataRoot(root));
    QCOMPARE(current.name, u"B棟"_s);
    QCOMPARE(current.path, bundle + u".tkd"_s);

    writeCp932Lines(QDir(root).filePath(u"WorkData/WorkData-3.ini"_s), {u"ZZ03'1'ブレース"_s});
    const Run saved = torvanel(root, {u"project"_s, u"save"_s});
    QCOMPARE(saved.exitCode, 0);
    QVERIFY(saved.err.contains(u"保存しました。"_s));

    writeCp932Lines(QDir(root).filePath(u"WorkData/WorkData-3.ini"_s), {});
    const Run opened = torvanel(root, {u"project"_s, u"open"_s, bundle + u".tkd"_s});
    QCOMPARE(opened.exitCode, 0);
    QVERIFY(opened.err.contains(u"再読込しますか"_s)); // the open project: the reload question is answered OK
    QVERIFY(opened.err.contains(u"読込みました。"_s));
    QCOMPARE(readLines(QDir(root).filePath(u"WorkData/WorkData-3.ini"_s)).lines,
             QStringList{u"ZZ03'1'ブレース"_s});

    const Run again = torvanel(root, {u"project"_s, u"new"_s, bundle + u".tkd"_s});
    QCOMPARE(again.exitCode, 1);
    QVERIFY(again.err.contains(u"同じ名前の物件があります。"_s));
}

void TestCommandLine::badUsageAndProblems_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown command") << QStringList{u"frobnicate"_s} << 2 << u"使い方"_s;
    QTest::newRow("open without file") << QStringList{u"project"_s, u"open"_s} << 2 << u"使い方"_s;
    QTest::newRow("open a missing file")
        << QStringList{u"project"_s, u"open"_s, u"/nonexistent/x.tkd"_s} << 1 << u"ファイルがありません。"_s;
    QTest::newRow("print without a file") << QStringList{u"print"_s, u"help-0"_s} << 2 << u"使い方"_s;
    QTest::newRow("print an unknown text")
        << QStringList{u"print"_s, u"help-6"_s, u"--pdf"_s, u"x.pdf"_s} << 2 << u"使い方"_s;
    QTest::newRow("empty data root") << QStringList{u"--data-root"_s, QString(), u"init"_s} << 2
                                     << u"--data-root"_s;
    QTest::newRow("empty data root, one word")
        << QStringList{u"--data-root="_s, u"init"_s} << 2 << u"--data-root"_s;
    QTest::newRow("import without a registry kind")
        << QStringList{u"registry"_s, u"import"_s, u"x.tkd"_s} << 2 << u"使い方"_s;
    QTest::newRow("import of both registries at once")
        << QStringList{u"registry"_s, u"import"_s, u"x.tkd"_s, u"--weights"_s, u"--rates"_s} << 2 << u"使い方"_s;
    QTest::newRow("import from a missing file")
        << QStringList{u"registry"_s, u"import"_s, u"/nonexistent/x.tkd"_s, u"--rates"_s} << 2
        << u"ファイル「/nonexistent/x.tkd」を開けません。"_s;
    QTest::newRow("save before any project")
        << QStringList{u"project"_s, u"save"_s} << 1 << u"保存先の物件ファイルがありません。"_s;
}

void TestCommandLine::badUsageAndProblems() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const Run run = torvanel(dir.path(), args);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
}

void TestCommandLine::printHelpAsPdf() {
    QTemporaryDir dir;
    const QString root = dir.path();
    const QString pdf = QDir(root).filePath(u"説明.pdf"_s);
    // Two pages: the installed start-window text would fit on one.
    QStringList lines;
    for (int i = 1; i <= 50; ++i)
        lines.append(i == 50 ? u"最後の行です"_s : u"鉄骨積算の説明 %1"_s.arg(i));
    writeCp932Lines(QDir(root).filePath(u"info/info-2.txt"_s), lines);
    const Run run = torvanel(root, {u"print"_s, u"help-2"_s, u"--pdf"_s, pdf});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(u"PDFファイルに保存しました"_s), qPrintable(run.err));

    QProcess text;
    text.start(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    QVERIFY(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(printed.contains(u"鉄骨積算の説明 1\n"_s) && printed.contains(u"最後の行です"_s),
             qPrintable(printed));
    QCOMPARE(printed.count(u'\f'), 2); // one form feed after each page

    QProcess fonts;
    fonts.start(u"pdffonts"_s, {pdf});
    QVERIFY(fonts.waitForFinished(30000));
    const QStringList rows =
        QString::fromUtf8(fonts.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(rows.size() > 2, "the PDF names no font");
    for (const QString& row : rows.mid(2)) // after the heading and its rule
        QVERIFY2(row.contains(u"IPAPMincho"_s) && row.contains(u" yes "_s), qPrintable(row));

    // A help text that is not CP932 is refused by name and writes no file.
    writeBytes(QDir(root).filePath(u"info/info-2.txt"_s), QByteArray("ok\r\n\x82\r\n"));
    QFile::remove(pdf);
    const Run refused = torvanel(root, {u"print"_s, u"--pdf"_s, pdf, u"help-2"_s});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains(u"info-2.txt"_s), qPrintable(refused.err));
    QVERIFY(!QFile::exists(pdf));
}

void TestCommandLine::damagedBundlesAreNotOpened() {
    QTemporaryDir dir;
    const QString root = dir.path();
    QCOMPARE(torvanel(root, {u"init"_s}).exitCode, 0);
    const QByteArray before = readBytes(QDir(root).filePath(u"set/BukkenName.ini"_s));
    const QString cut = QDir(root).filePath(u"Data/cut.tkd"_s);
    writeBytes(cut, "ZZLH'1'2F'C1'x\r\nZZ01'1'y"); // no line end after the last line
    const Run asked = torvanel(root, {u"project"_s, u"open"_s, cut});
    QCOMPARE(asked.exitCode, 1); // the question is answered No
    QVERIFY2(asked.err.contains(u"続けますか？"_s), qPrintable(asked.err));
    const QString empty = QDir(root).filePath(u"Data/empty.tkd"_s);
    writeBytes(empty, {});
    const Run refused = torvanel(root, {u"project"_s, u"open"_s, empty});
    QCOMPARE(refused.exitCode, 2); // input that cannot be read
    QVERIFY2(refused.err.contains(u"0バイト"_s), qPrintable(refused.err));
    QCOMPARE(readBytes(QDir(root).filePath(u"set/BukkenName.ini"_s)), before);
}

void TestCommandLine::oneProgramPerDataRoot() {
    QTemporaryDir dir;
    const QString root = dir.path();
    QProcess window;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    window.setProcessEnvironment(environment);
    window.start(QStringLiteral(TV_EXECUTABLE), {u"--data-root"_s, root});
    QVERIFY(window.waitForStarted());
    const QString lockFile = QDir(root).filePath(u".torvanel.lock"_s);
    QTRY_VERIFY_WITH_TIMEOUT(readBytes(lockFile).startsWith(QByteArray::number(window.processId())), 20000);

    const Run second = torvanel(root, {u"project"_s, u"new"_s, QDir(root).filePath(u"Data/x.tkd"_s)});
    QCOMPARE(second.exitCode, 1);
    QVERIFY2(second.err.contains(u"別のTorvanel(プロセス番号 %1)が使用中です。"_s.arg(window.processId())),
             qPrintable(second.err));
    QVERIFY(!QFile::exists(QDir(root).filePath(u"Data/x.tkd"_s)));

    // Killed, the window leaves its lock behind; the next program takes it over.
    window.kill();
    QVERIFY(window.waitForFinished());
    QVERIFY(QFile::exists(lockFile));
    const Run after = torvanel(root, {u"project"_s, u"new"_s, QDir(root).filePath(u"Data/x.tkd"_s)});
    QCOMPARE(after.exitCode, 0);
}

// Weld rates taken over from another project file: added, then with --replace replaced; a damaged
// file changes nothing.
void TestCommandLine::registryImportFromAnotherProject() {
    QTemporaryDir dir;
    const QString root = dir.path();
    QCOMPARE(torvanel(root, {u"init"_s}).exitCode, 0);
    const QString rates = QDir(root).filePath(u"set/Kansan.ini"_s);
    writeCp932Lines(rates, {u"ZZKN'HT1'9'1.2"_s});
    const QString other = QDir(root).filePath(u"Data/他物件.tkd"_s);
    writeBytes(other, ProjectBundle::pack(other, {u"ZZKN'HT1'9'1.5"_s, u"ZZKN'K1'6'0.9"_s}).bytes);

    const Run added = torvanel(root, {u"registry"_s, u"import"_s, other, u"--rates"_s});
    QCOMPARE(added.exitCode, 0);
    QVERIFY2(added.err.contains(u"取り込みました(追加 1行、置き換え 0行、そのまま 1行)"_s), qPrintable(added.err));
    QCOMPARE(readBytes(rates), cp932Lines({u"ZZKN'HT1'9'1.2"_s, u"ZZKN'K1'6'0.9"_s}));
    const Run replaced = torvanel(root, {u"registry"_s, u"import"_s, u"--replace"_s, u"--rates"_s, other});
    QCOMPARE(replaced.exitCode, 0);
    QCOMPARE(readBytes(rates), cp932Lines({u"ZZKN'HT1'9'1.5"_s, u"ZZKN'K1'6'0.9"_s}));

    QByteArray damaged = readBytes(other);
    damaged.replace("0.9", "0.8");
    writeBytes(other, damaged);
    const Run refused = torvanel(root, {u"registry"_s, u"import"_s, other, u"--rates"_s, u"--replace"_s});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains(u"壊れているおそれ"_s), qPrintable(refused.err));
    QCOMPARE(readBytes(rates), cp932Lines({u"ZZKN'HT1'9'1.5"_s, u"ZZKN'K1'6'0.9"_s}));
}

// `compare` reads the two files only: the data root named on the command line stays as it was, byte
// for byte, whatever the outcome; damaged files are refused as opening refuses them.
void TestCommandLine::compareTouchesNoDataRoot() {
    QTemporaryDir dir;
    const QString root = QDir(dir.path()).filePath(u"root"_s);
    QCOMPARE(torvanel(root, {u"init"_s}).exitCode, 0);
    const QString a = QDir(dir.path()).filePath(u"A.tkd"_s);
    const QString b = QDir(dir.path()).filePath(u"B.tkd"_s);
    writeBytes(a, ProjectBundle::pack(a, {u"ZZBW'H鋼'100*50*5*7'9.3'"_s}).bytes);
    writeBytes(b, ProjectBundle::pack(b, {u"ZZBW'H鋼'100*50*5*7'9.4'"_s}).bytes);
    const QMap<QString, QByteArray> before = snapshotTree(root);

    QProcess compare;
    compare.start(QStringLiteral(TV_EXECUTABLE), {u"--data-root"_s, root, u"compare"_s, a, b});
    QVERIFY(compare.waitForFinished(60000));
    QCOMPARE(compare.exitCode(), 0);
    const QString out = QString::fromUtf8(compare.readAllStandardOutput());
    QVERIFY2(out.contains(u"# 部材単位重量\n変更\tH鋼\t100*50*5*7\t9.3\t9.4\n"_s), qPrintable(out));
    QVERIFY(out.startsWith(u"# 鋼材\n合計\t"_s));

    QByteArray damaged = readBytes(b);
    damaged.replace("9.4", "9.5"); // changed after saving
    writeBytes(b, damaged);
    const Run refused = torvanel(root, {u"compare"_s, a, b});
    QCOMPARE(refused.exitCode, 1);
    QVERIFY2(refused.err.contains(u"比較しません"_s), qPrintable(refused.err));
    writeBytes(b, "これは物件データではありません\r\n");
    QCOMPARE(torvanel(root, {u"compare"_s, a, b}).exitCode, 2);
    QCOMPARE(torvanel(root, {u"compare"_s, a}).exitCode, 2); // one file is bad usage
    QCOMPARE(snapshotTree(root), before);
}

// --version and --help answer on standard output and exit 0, with no data folder involved.
void TestCommandLine::versionAndHelp() {
    for (const QString& option : {u"--version"_s, u"--help"_s}) {
        QProcess program;
        program.start(QStringLiteral(TV_EXECUTABLE), {option});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        if (option == u"--version")
            QCOMPARE(out, u"torvanel %1\n"_s.arg(QStringLiteral(TV_VERSION)));
        else
            QVERIFY2(out.startsWith(u"使い方:\n"_s) && out.contains(u"compare A.tkd B.tkd"_s), qPrintable(out));
    }
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_app_command_line.moc"
