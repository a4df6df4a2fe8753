// Record files: byte-exact CP932 round trips, the reading rules, refusals and atomic writes.
#include "services/text.h"
#include "shell/bukken_name.h"
#include "shell/project_bundle.h"
#include "shell/record_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;

class TestRecordFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void specialCharactersRoundTripByteExact();
    void readingRules_data();
    void readingRules();
    void shortRecordIsPadded();
    void apostropheInUserTextKeepsTheFieldCount();
    void undecodableFileIsRefusedNamingFileAndLine_data();
    void undecodableFileIsRefusedNamingFileAndLine();
    void missingFileIsNotAnError();
    void filesAboveTheSizeLimitAreRefused();
    void unencodableCharacterWritesNothing();
    void interruptedWriteLeavesTheOldFile();
    void bukkenNameKeepsCommasAndBlanks();
    void bukkenNameMissingGivesEmptyProject();

private:
    QString path(const QString& name) const { return QDir(m_dir->path()).filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRecordFile::init() { m_dir = std::make_unique<QTemporaryDir>(); }

void TestRecordFile::specialCharactersRoundTripByteExact() {
    const QStringList lines{u"ZZKN'㍉'･'’'："_s, u"ZZBW'H鋼'400×200'φ□○①～"_s};
    const QString file = path(u"a.ini"_s);
    QVERIFY(writeLines(file, lines).ok());
    QCOMPARE(readBytes(file).toHex(),
             QByteArray("5a5a4b4e27875f27a5278166278146") + "0d0a" + "5a5a4257274" + "88d7c27343030817e323030" +
                 "2783d381a0819b87408160" + "0d0a");
    const LinesResult read = readLines(file);
    QVERIFY(read.ok());
    QCOMPARE(read.lines, lines);
    QVERIFY(writeLines(path(u"b.ini"_s), read.lines).ok());
    QCOMPARE(readBytes(path(u"b.ini"_s)), readBytes(file));
}

void TestRecordFile::readingRules_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("records");
    QTest::newRow("CR LF") << QByteArray("ZZKN'a\r\nZZKN'b\r\n") << QStringList{u"ZZKN'a"_s, u"ZZKN'b"_s} << 2;
    QTest::newRow("LF only") << QByteArray("ZZKN'a\nZZKN'b\n") << QStringList{u"ZZKN'a"_s, u"ZZKN'b"_s} << 2;
    QTest::newRow("mixed line ends") << QByteArray("a\nb\r\nc") << QStringList{u"a"_s, u"b"_s, u"c"_s} << 3;
    QTest::newRow("last line without break")
        << QByteArray("ZZKN'a\r\nZZKN'b") << QStringList{u"ZZKN'a"_s, u"ZZKN'b"_s} << 2;
    QTest::newRow("only empty lines") << QByteArray("\r\n\r\n\r\n") << QStringList{{}, {}, {}} << 0;
    QTest::newRow("empty lines between records")
        << QByteArray("ZZKN'a\r\n\r\nZZKN'b\r\n") << QStringList{u"ZZKN'a"_s, QString(), u"ZZKN'b"_s} << 2;
    QTest::newRow("empty file") << QByteArray() << QStringList{} << 0;
    QTest::newRow("cut after the last CR") << QByteArray("a\r\nb\r") << QStringList{u"a"_s, u"b"_s} << 2;
}

void TestRecordFile::readingRules() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QFETCH(int, records);
    writeBytes(path(u"r.ini"_s), bytes);
    const LinesResult read = readLines(path(u"r.ini"_s));
    QVERIFY(read.ok());
    QCOMPARE(read.lines, lines);
    QCOMPARE(splitRecords(read.lines).size(), records);
}

void TestRecordFile::shortRecordIsPadded() {
    writeCp932Lines(path(u"w.ini"_s), {u"ZZBW'H鋼'100*50"_s});
    const auto records = splitRecords(readLines(path(u"w.ini"_s)).lines);
    QCOMPARE(records.size(), 1);
    QCOMPARE(fieldAt(records[0], 2), u"100*50"_s);
    QCOMPARE(fieldAt(records[0], 3), QString());
    QCOMPARE(fieldAt(records[0], 4), QString());
}

void TestRecordFile::apostropheInUserTextKeepsTheFieldCount() {
    const QString line = joinRecord(u"ZZLH"_s, {tv::services::SanitizeField(u"C'1"_s), u"2F"_s});
    QCOMPARE(line, u"ZZLH'C’1'2F"_s);
    QCOMPARE(splitRecords({line}).first().size(), 3);
}

void TestRecordFile::undecodableFileIsRefusedNamingFileAndLine_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("line");
    QTest::newRow("bad trail byte on line 2") << QByteArray("ZZKN'ok\r\nZZKN'\x82\xff\r\n") << u"2行目"_s;
    QTest::newRow("NUL on line 3") << QByteArray("a\r\nb\r\nc\0d\r\n", 10) << u"3行目"_s;
    QTest::newRow("lone lead byte at the end") << QByteArray("a\r\nb\x82") << u"2行目"_s;
    // Lines ended by a CR alone would run together into one record.
    QTest::newRow("CR-only line ends") << QByteArray("ZZ01'a\rZZ01'b\r") << u"1行目の改行がCRだけ"_s;
    QTest::newRow("one CR-only end among CR LF")
        << QByteArray("a\r\nb\r\nc\rd\r\n") << u"3行目の改行がCRだけ"_s;
}

void TestRecordFile::undecodableFileIsRefusedNamingFileAndLine() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, line);
    const QString file = path(u"bad.ini"_s);
    writeBytes(file, bytes);
    const LinesResult read = readLines(file);
    QVERIFY(!read.ok());
    QVERIFY(read.lines.isEmpty());
    QVERIFY2(read.error.contains(line), qPrintable(read.error));
    QVERIFY2(read.error.contains(u"bad.ini"_s), qPrintable(read.error));
}

void TestRecordFile::missingFileIsNotAnError() {
    const LinesResult read = readLines(path(u"none.ini"_s));
    QVERIFY(read.ok());
    QVERIFY(!read.exists);
    QVERIFY(read.lines.isEmpty());
}

void TestRecordFile::filesAboveTheSizeLimitAreRefused() {
    // The limit is lowered for the test; real files are refused above 256 MB.
    const auto restore = qScopeGuard([] { setFileSizeLimit(-1); });
    setFileSizeLimit(64);
    const QString work = path(u"WorkData-1.ini"_s);
    const QString bundle = path(u"物件.tkd"_s);
    writeBytes(work, QByteArray(62, 'x') + "\r\n");
    writeBytes(bundle, "ZZLH'x\r\nZZ01'" + QByteArray(49, 'x') + "\r\n");
    QVERIFY(readLines(work).ok());
    QVERIFY(ProjectBundle::read(bundle).refusal.isEmpty());
    writeBytes(work, QByteArray(63, 'x') + "\r\n");
    writeBytes(bundle, "ZZLH'x\r\nZZ01'" + QByteArray(50, 'x') + "\r\n");
    const QString expected =
        u"」は大きすぎるため読み込めません(65バイト)。\n読み込めるのは64バイトまでです。"_s;
    const LinesResult read = readLines(work);
    QVERIFY(read.lines.isEmpty());
    QCOMPARE(read.error, u"ファイル「"_s + QDir::toNativeSeparators(work) + expected);
    QCOMPARE(ProjectBundle::read(bundle).refusal,
             u"ファイル「"_s + QDir::toNativeSeparators(bundle) + expected);
}

void TestRecordFile::unencodableCharacterWritesNothing() {
    const QString file = path(u"k.ini"_s);
    writeCp932Lines(file, {u"ZZKN'old"_s});
    const QByteArray before = readBytes(file);
    const auto status = writeLines(file, {u"ZZKN'ok"_s, u"ZZKN'café"_s});
    QVERIFY(!status.ok());
    QVERIFY2(status.error.contains(u"U+00E9"_s) && status.error.contains(u"2行目"_s), qPrintable(status.error));
    QCOMPARE(readBytes(file), before);
}

void TestRecordFile::interruptedWriteLeavesTheOldFile() {
    const QString file = path(u"atomic.ini"_s);
    writeCp932Lines(file, {u"ZZ01'old"_s});
    const QByteArray before = readBytes(file);
    bool reachedCommit = false;
    const auto status = writeBytesAtomically(file, QByteArray(1 << 20, 'x'), [&] {
        reachedCommit = true;
        return false; // the program stops here, before the new file replaces the old one
    });
    QVERIFY(reachedCommit);
    QVERIFY(!status.ok());
    QCOMPARE(readBytes(file), before);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"atomic.ini"_s});
}

void TestRecordFile::bukkenNameKeepsCommasAndBlanks() {
    makeDataFolders(m_dir->path());
    const DataRoot root(m_dir->path());
    const QString name = u"第2工場, 増築 棟"_s;
    const QString bundle = u"/data/物件,A/第2工場, 増築 棟.tkd"_s;
    QVERIFY(writeBukkenName(root, name, bundle).ok());
    const BukkenName read = readBukkenName(root);
    QCOMPARE(read.name, name);
    QCOMPARE(read.path, bundle);
}

void TestRecordFile::bukkenNameMissingGivesEmptyProject() {
    const BukkenName read = readBukkenName(DataRoot(m_dir->path()));
    QVERIFY(read.error.isEmpty());
    QVERIFY(read.name.isEmpty());
    QVERIFY(read.path.isEmpty());
}

QTEST_GUILESS_MAIN(TestRecordFile)
#include "tst_shell_record_file.moc"
