// The registry files: unit weights with their default rows, weld rates, reference lists, and the
// typed-text rules of the registry windows.
#include "registries/buzai_weight_table.h"
#include "registries/kansan_table.h"
#include "registries/reference_lists.h"
#include "registries/registry_text.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::registries;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

QList<BuzaiWeightRow> defaultsExcept(const QString& name) {
    QList<BuzaiWeightRow> rows;
    for (const BuzaiWeightRow& d : BuzaiWeightTable::defaultRows())
        if (d.name != name)
            rows.append(d);
    return rows;
}

const BuzaiWeightRow kDefault2C{u"2C形鋼"_s, u"100*50*20*2.3"_s, u"8.12"_s, {}};

} // namespace

class TestTables : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void defaultRowsAppendedWhereTheirNameIsAbsent_data();
    void defaultRowsAppendedWhereTheirNameIsAbsent();
    void shortRecordsLoadPaddedAndSaveWhole();
    void buzaiSaveKeepsRowsWithNameAndSizeOnly();
    void buzaiLookups();
    void unreadableFilesAreRefused();
    void kansanLoadAndSave();
    void kansanThicknessesAndSymbols();
    void referenceListsSkipEmptyLines();
    void readsAsPlainNumber_data();
    void readsAsPlainNumber();
    void typedTextIsMadeStorable();

private:
    QString path(const QString& name) const { return QDir(m_dir->path()).filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestTables::init() {
    m_dir = std::make_unique<QTemporaryDir>();
}

void TestTables::defaultRowsAppendedWhereTheirNameIsAbsent_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<BuzaiWeightRow>>("rows");
    const QList<BuzaiWeightRow>& defaults = BuzaiWeightTable::defaultRows();
    QTest::newRow("empty file: the five defaults") << QStringList{} << defaults;
    QTest::newRow("empty lines only: the five defaults") << QStringList{QString(), QString()} << defaults;
    QTest::newRow("missing 2C形鋼 appended after the file's rows")
        << QStringList{u"ZZBW'H鋼'100*50*5*7'9.30'"_s}
        << QList<BuzaiWeightRow>{{u"H鋼"_s, u"100*50*5*7"_s, u"9.30"_s, {}}} + defaults;
    QTest::newRow("2C形鋼 of another size: none for it")
        << QStringList{u"ZZBW'2C形鋼'75*45*15*2.3'5.2'"_s}
        << QList<BuzaiWeightRow>{{u"2C形鋼"_s, u"75*45*15*2.3"_s, u"5.2"_s, {}}} +
               defaultsExcept(u"2C形鋼"_s);
    QTest::newRow("a deleted 2C形鋼 row still names it")
        << QStringList{u"ZZBW'2C形鋼''5.2'"_s}
        << QList<BuzaiWeightRow>{{u"2C形鋼"_s, {}, u"5.2"_s, {}}} + defaultsExcept(u"2C形鋼"_s);
    QTest::newRow("defaults keep their own order")
        << QStringList{u"ZZBW'BH鋼'600*200*9*12'80'"_s, u"ZZBW'鋼管(角)'200*200*6'35.8'"_s}
        << QList<BuzaiWeightRow>{{u"BH鋼"_s, u"600*200*9*12"_s, u"80"_s, {}},
                                 {u"鋼管(角)"_s, u"200*200*6"_s, u"35.8"_s, {}},
                                 defaults[1],
                                 kDefault2C,
                                 defaults[4]};
}

void TestTables::defaultRowsAppendedWhereTheirNameIsAbsent() {
    QFETCH(QStringList, lines);
    QFETCH(QList<BuzaiWeightRow>, rows);
    writeCp932Lines(path(u"BuzaiWeight.ini"_s), lines);
    BuzaiWeightTable table;
    QVERIFY(table.load(path(u"BuzaiWeight.ini"_s)).ok());
    QCOMPARE(table.rows, rows);

    // A missing registry is refused by name: the defaults alone would pass for the project's weights.
    BuzaiWeightTable missing;
    QCOMPARE(missing.load(path(u"none.ini"_s)).error,
             u"ファイル「%1」がありません。"_s.arg(QDir::toNativeSeparators(path(u"none.ini"_s))));
    QVERIFY(missing.rows.isEmpty());
}

void TestTables::shortRecordsLoadPaddedAndSaveWhole() {
    // Hand-edited lines: fields missing at the end read as empty; the tag is not looked at; surplus
    // fields beyond the record's own are not kept.
    writeCp932Lines(path(u"b.ini"_s),
                    {u"ZZBW'H鋼'100*50*5*7"_s, u"ZZBW'H鋼"_s, u"XXXX'平鋼'9*75'5.3'memo'more"_s});
    BuzaiWeightTable buzai;
    QVERIFY(buzai.load(path(u"b.ini"_s)).ok());
    QCOMPARE(buzai.rows.mid(0, 3), (QList<BuzaiWeightRow>{{u"H鋼"_s, u"100*50*5*7"_s, {}, {}},
                                                          {u"H鋼"_s, {}, {}, {}},
                                                          {u"平鋼"_s, u"9*75"_s, u"5.3"_s, u"memo"_s}}));
    buzai.rows.resize(3);
    QVERIFY(buzai.save(path(u"b.ini"_s)).ok());
    QCOMPARE(readBytes(path(u"b.ini"_s)),
             cp932Lines({u"ZZBW'H鋼'100*50*5*7''"_s, u"ZZBW'平鋼'9*75'5.3'memo"_s}));

    writeCp932Lines(path(u"k.ini"_s), {u"ZZKN'HT1"_s, u"ZZKN'HT1'9"_s, u"ZZKN'HT1'10'1.8'x"_s});
    KansanTable kansan;
    QVERIFY(kansan.load(path(u"k.ini"_s)).ok());
    QCOMPARE(kansan.rows,
             (QList<KansanRow>{{u"HT1"_s, {}, {}}, {u"HT1"_s, u"9"_s, {}}, {u"HT1"_s, u"10"_s, u"1.8"_s}}));
    QVERIFY(kansan.save(path(u"k.ini"_s)).ok());
    QCOMPARE(readBytes(path(u"k.ini"_s)),
             cp932Lines({u"ZZKN'HT1''"_s, u"ZZKN'HT1'9'"_s, u"ZZKN'HT1'10'1.8"_s}));
}

void TestTables::buzaiSaveKeepsRowsWithNameAndSizeOnly() {
    BuzaiWeightTable table;
    table.rows = {{u"H鋼"_s, u"400*200*8*13"_s, u"65.4"_s, {}},
                  {u"H鋼"_s, {}, u"20.9"_s, {}},       // deleted
                  {{}, u"9"_s, u"70.65"_s, {}},        // no name
                  {u"普通鋼板"_s, u"9"_s, {}, u"x"_s}, // empty weight is kept
                  {u"鋼管(角)"_s, u"□-350"_s, u"94.7"_s, {}}};
    QVERIFY(table.save(path(u"BuzaiWeight.ini"_s)).ok());
    QCOMPARE(readBytes(path(u"BuzaiWeight.ini"_s)),
             cp932Lines({u"ZZBW'H鋼'400*200*8*13'65.4'"_s, u"ZZBW'普通鋼板'9''x"_s,
                         u"ZZBW'鋼管(角)'□-350'94.7'"_s}));
}

void TestTables::buzaiLookups() {
    BuzaiWeightTable table;
    table.rows = {{u"H鋼"_s, u"200*100*5.5*8"_s, u"20.9"_s, {}},
                  {u"平鋼"_s, u"9*75"_s, u"5.3"_s, {}},
                  {u"H鋼"_s, u"100*50*5*7"_s, u"9.30"_s, {}},
                  {u"H鋼"_s, u"200*100*5.5*8"_s, u"21"_s, {}},
                  {u"H鋼"_s, {}, u"1"_s, {}},
                  {u"丸鋼"_s, {}, u"1"_s, {}}};
    QCOMPARE(table.unitWeight(u"H鋼"_s, u"200*100*5.5*8"_s), std::optional<double>(20.9));
    QCOMPARE(table.unitWeight(u"H鋼"_s, u"200*100*5.5"_s), std::nullopt);
    QCOMPARE(table.unitWeight(u"h鋼"_s, u"100*50*5*7"_s), std::nullopt);
    // A size typed in full width finds its row.
    QCOMPARE(table.unitWeight(u"H鋼"_s, u"１００＊５０＊５＊７"_s), std::optional<double>(9.30));
    // A deleted row (empty size) and a row without a name count for nothing.
    table.rows.append({{}, u"9*75"_s, u"1"_s, {}});
    QCOMPARE(table.unitWeight(u"H鋼"_s, {}), std::nullopt);
    QCOMPARE(table.unitWeight(u"丸鋼"_s, {}), std::nullopt);
    QCOMPARE(table.unitWeight({}, u"9*75"_s), std::nullopt);
    QCOMPARE(table.indexOf(u"H鋼"_s, {}), -1);
    QCOMPARE(table.sizesFor(u"H鋼"_s),
             (QStringList{u"200*100*5.5*8"_s, u"100*50*5*7"_s, u"200*100*5.5*8"_s}));
    QCOMPARE(table.sizesFor(u"山形鋼"_s), QStringList{});
    QCOMPARE(table.names(), (QStringList{u"H鋼"_s, u"平鋼"_s}));
}

void TestTables::unreadableFilesAreRefused() {
    writeBytes(path(u"BuzaiWeight.ini"_s), QByteArray("ZZBW'H'1'2'\r\nZZBW'\x82'1'2'\r\n"));
    BuzaiWeightTable buzai;
    const auto status = buzai.load(path(u"BuzaiWeight.ini"_s));
    QVERIFY(!status.ok());
    QVERIFY(status.error.contains(u"2行目"_s));
    QVERIFY(buzai.rows.isEmpty());

    writeBytes(path(u"Kansan.ini"_s), QByteArray("ZZKN'A'4\0'1\r\n", 14));
    KansanTable kansan;
    QVERIFY(!kansan.load(path(u"Kansan.ini"_s)).ok());
    QVERIFY(kansan.rows.isEmpty());

    writeBytes(path(u"HasiraKikaku.ini"_s), QByteArray("SS400\r\n\xff\r\n"));
    const ReferenceList list = loadList(path(u"HasiraKikaku.ini"_s));
    QVERIFY(!list.ok());
    QVERIFY(list.entries.isEmpty());
}

void TestTables::kansanLoadAndSave() {
    writeCp932Lines(path(u"Kansan.ini"_s),
                    {u"ZZKN'HT1'4'0.5"_s, QString(), u"ZZKN''5'9"_s, u"ZZKN'レ形'5'"_s});
    KansanTable table;
    QVERIFY(table.load(path(u"Kansan.ini"_s)).ok());
    QCOMPARE(table.rows,
             (QList<KansanRow>{{u"HT1"_s, u"4"_s, u"0.5"_s}, {{}, u"5"_s, u"9"_s}, {u"レ形"_s, u"5"_s, {}}}));
    QVERIFY(table.save(path(u"Kansan.ini"_s)).ok());
    QCOMPARE(readBytes(path(u"Kansan.ini"_s)), cp932Lines({u"ZZKN'HT1'4'0.5"_s, u"ZZKN'レ形'5'"_s}));

    KansanTable missing;
    QCOMPARE(missing.load(path(u"none.ini"_s)).error,
             u"ファイル「%1」がありません。"_s.arg(QDir::toNativeSeparators(path(u"none.ini"_s))));
    QVERIFY(missing.rows.isEmpty());
}

void TestTables::kansanThicknessesAndSymbols() {
    const QStringList& t = kansanThicknesses();
    QCOMPARE(t.size(), 37);
    QCOMPARE(t.first(), u"4"_s);
    QCOMPARE(t[5], u"9"_s);
    QCOMPARE(t.last(), u"40"_s);
    QCOMPARE(&kansanThicknesses(), &t);

    KansanTable table;
    table.rows = {{u"HT2"_s, u"4"_s, {}}, {{}, u"4"_s, {}}, {u"HT1"_s, u"4"_s, {}}, {u"HT2"_s, u"5"_s, {}}};
    QCOMPARE(table.symbols(), (QStringList{u"HT2"_s, u"HT1"_s}));
    QVERIFY(table.hasSymbol(u"HT1"_s));
    QVERIFY(!table.hasSymbol(u"ht1"_s));
}

void TestTables::referenceListsSkipEmptyLines() {
    writeCp932Lines(path(u"HtbKata.ini"_s), {u"HTB-F8T"_s, QString(), u" 普通ボルト "_s, QString()});
    const ReferenceList list = loadList(path(u"HtbKata.ini"_s));
    QVERIFY(list.ok());
    QCOMPARE(list.entries, (QStringList{u"HTB-F8T"_s, u" 普通ボルト "_s}));
    QVERIFY(loadList(path(u"none.ini"_s)).ok());
    QVERIFY(loadList(path(u"none.ini"_s)).entries.isEmpty());

    QVERIFY(saveList(path(u"out.ini"_s), {u"SS400"_s, QString(), u"SN490B"_s}).ok());
    QCOMPARE(readBytes(path(u"out.ini"_s)), cp932Lines({u"SS400"_s, u"SN490B"_s}));
    QVERIFY(saveList(path(u"out.ini"_s), {}).ok());
    QCOMPARE(readBytes(path(u"out.ini"_s)), QByteArray());
}

void TestTables::readsAsPlainNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::newRow("decimal") << u"65.4"_s << true;
    QTest::newRow("whole") << u"135"_s << true;
    QTest::newRow("blanks around") << u" 9.56 "_s << true;
    QTest::newRow("full-width blanks around") << u"\u30008.12\u3000"_s << true;
    QTest::newRow("signs") << u"-1.5"_s << true;
    QTest::newRow("plus") << u"+2"_s << true;
    QTest::newRow("leading point") << u".5"_s << true;
    QTest::newRow("trailing point") << u"12."_s << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("point alone") << u"."_s << false;
    QTest::newRow("unit after") << u"12kg"_s << false;
    QTest::newRow("two points") << u"1.2.3"_s << false;
    QTest::newRow("comma") << u"1,5"_s << false;
    QTest::newRow("exponent") << u"1E3"_s << false;
    QTest::newRow("hex") << u"&H10"_s << false;
    QTest::newRow("blank inside") << u"1 5"_s << false;
    QTest::newRow("full-width digits") << u"１２"_s << false;
}

void TestTables::readsAsPlainNumber() {
    QFETCH(QString, text);
    QFETCH(bool, number);
    QCOMPARE(tv::registries::readsAsPlainNumber(text), number);
}

void TestTables::typedTextIsMadeStorable() {
    QCOMPARE(storableText(u"100'50"_s), u"100’50"_s);
    QCOMPARE(storableText(u"〜−"_s), u"～－"_s);
    QCOMPARE(unusableCharacterMessage(u"9*é"_s),
             std::optional<QString>(u"「é」(U+00E9)は使用できない文字です。"_s));
    QCOMPARE(unusableCharacterMessage(u"鋼管(角)･①"_s), std::nullopt);
}

QTEST_GUILESS_MAIN(TestTables)
#include "tst_registries_tables.moc"
