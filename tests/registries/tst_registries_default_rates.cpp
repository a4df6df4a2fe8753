// The weld conversion rates a new installation starts with: derived thickness by thickness from the
// weld's cross-section, laid down by init, kept by a new project; an installation that laid down
// an empty file keeps it.
#include "registries/default_weld_rates.h"
#include "shell/installation.h"
#include "shell/project_bundle.h"
#include "shell/record_file.h"
#include "support/test_files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::registries;
using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;

class TestDefaultRates : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ratesFollowTheCrossSection_data();
    void ratesFollowTheCrossSection();
    void everySymbolCoversItsThicknessesOnce();
    void initLaysThemDownAndNewProjectsKeepThem();
    void anEmptyFileOfAnInstallationStaysEmpty();
};

namespace {
QString rateOf(const QString& symbol, const QString& thickness) {
    for (const KansanRow& row : defaultKansanRows())
        if (row.symbol == symbol && row.thickness == thickness)
            return row.rate;
    return u"(none)"_s;
}

QStringList rateRecords() {
    QStringList lines;
    for (const KansanRow& row : defaultKansanRows())
        lines.append(joinRecord(u"ZZKN"_s, {row.symbol, row.thickness, row.rate}));
    return lines;
}
} // namespace

void TestDefaultRates::ratesFollowTheCrossSection_data() {
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("thickness");
    QTest::addColumn<QString>("rate");
    // Fillets: leg S = ⌈0.7·t⌉ within 4 … t, (S/6)² per side.
    QTest::newRow("fillet leg never under 4 mm: t 4, S 4") << u"HF1"_s << u"4"_s << u"0.44"_s;
    QTest::newRow("fillet t 5: 0.7t rounds up to 4") << u"HF1"_s << u"5"_s << u"0.44"_s;
    QTest::newRow("fillet t 6: S 5") << u"HF1"_s << u"6"_s << u"0.69"_s;
    QTest::newRow("both sides t 9: S 7, 2 × 49/36") << u"HF2"_s << u"9"_s << u"2.72"_s;
    QTest::newRow("both sides t 10: 0.7t exactly 7") << u"HF2"_s << u"10"_s << u"2.72"_s;
    QTest::newRow("thick plate t 40: S 28, not 40") << u"HF1"_s << u"40"_s << u"21.78"_s;
    // Single bevel 35°, gap 7: (7t + t² tan35°/2)/18.
    QTest::newRow("single bevel t 6") << u"HT1"_s << u"6"_s << u"3.03"_s;
    QTest::newRow("single bevel t 12") << u"HT1"_s << u"12"_s << u"7.47"_s;
    QTest::newRow("butt like T-joint, t 25") << u"HB1"_s << u"25"_s << u"21.88"_s;
    // Double bevel 45°, root face 2: (t − 2)²/4/18.
    QTest::newRow("double bevel t 12") << u"HT2"_s << u"12"_s << u"1.39"_s;
    QTest::newRow("double bevel butt t 40") << u"HB2"_s << u"40"_s << u"20.06"_s;
    // Plates that take another groove have no rate, so the totals ask for one.
    QTest::newRow("no single bevel under 6 mm") << u"HT1"_s << u"5"_s << u"(none)"_s;
    QTest::newRow("no double bevel under 12 mm") << u"HT2"_s << u"11"_s << u"(none)"_s;
}

void TestDefaultRates::ratesFollowTheCrossSection() {
    QFETCH(QString, symbol);
    QFETCH(QString, thickness);
    QFETCH(QString, rate);
    QCOMPARE(rateOf(symbol, thickness), rate);
}

void TestDefaultRates::everySymbolCoversItsThicknessesOnce() {
    const QList<KansanRow> rows = defaultKansanRows();
    QMap<QString, QList<int>> thicknesses;
    for (const KansanRow& row : rows)
        thicknesses[row.symbol].append(row.thickness.toInt());
    const QMap<QString, int> thinnest{{u"HF1"_s, 4}, {u"HF2"_s, 4},  {u"HT1"_s, 6},
                                      {u"HB1"_s, 6}, {u"HT2"_s, 12}, {u"HB2"_s, 12}};
    QCOMPARE(thicknesses.keys(), thinnest.keys());
    for (auto it = thinnest.begin(); it != thinnest.end(); ++it) {
        QList<int> expected;
        for (int t = it.value(); t <= 40; ++t)
            expected.append(t);
        QCOMPARE(thicknesses.value(it.key()), expected);
    }
    for (int t = 4; t <= 40; ++t) {
        QVERIFY(filletLegFor(t) >= 4);
        QVERIFY(filletLegFor(t) <= t);
    }
}

void TestDefaultRates::initLaysThemDownAndNewProjectsKeepThem() {
    QTemporaryDir dir;
    const DataRoot root(dir.path());
    QVERIFY(layDownInstallation(root).status.ok());
    const QString rates = root.file(kSetFolder, u"Kansan.ini"_s);
    QCOMPARE(readLines(rates).lines, rateRecords());

    const QString bundle = root.file(kDataFolder, u"新規.tkd"_s);
    QVERIFY(ProjectBundle::createNew(root, u"新規"_s, bundle).ok());
    QCOMPARE(readLines(rates).lines, rateRecords());
    QVERIFY(ProjectBundle::read(bundle).files.at(4) == rateRecords());
}

void TestDefaultRates::anEmptyFileOfAnInstallationStaysEmpty() {
    // Installed complete, or by a version that kept no record of a complete installation: either
    // way the empty registry is the user's and is never filled behind their back.
    for (const bool marked : {true, false}) {
        QTemporaryDir dir;
        const DataRoot root(dir.path());
        QVERIFY(layDownInstallation(root).status.ok());
        const QString rates = root.file(kSetFolder, u"Kansan.ini"_s);
        writeBytes(rates, {});
        if (!marked)
            QVERIFY(QFile::remove(root.file(kSetFolder, kInstalledMarker)));
        QVERIFY(layDownInstallation(root).status.ok());
        QVERIFY(layDownInstallation(root, InstallScope::AtStart).status.ok());
        QCOMPARE(readBytes(rates), QByteArray());
    }
}

QTEST_GUILESS_MAIN(TestDefaultRates)
#include "tst_registries_default_rates.moc"
