// The shipped weld rates and sample projects are what the tool makes from the models now: a rule
// that changed without the files being made again fails here. The office building opens from a
// fresh installation and totals as worked out by hand.
#include "sample_files/sample_files.h"
#include "shell/installation.h"
#include "shell/project_bundle.h"
#include "totals/totals_run.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSampleFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shippedFilesAreMadeByTheTool();
    void officeBuildingOpensAndTotals();
};

void TestSampleFiles::shippedFilesAreMadeByTheTool() {
    const tv::samples::MadeFiles made = tv::samples::makeSampleFiles(QStringLiteral(TV_SHARE_DIR));
    QVERIFY2(made.error.isEmpty(), qPrintable(made.error));
    QVERIFY(!made.files.isEmpty());
    for (const tv::samples::ShippedFile& file : made.files) {
        QFile shipped(QStringLiteral(TV_SHARE_DIR "/") + file.relativePath);
        QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(file.relativePath));
        const QStringList present = QString::fromUtf8(shipped.readAll()).split(u'\n');
        // The first differing line, so that the message says what changed.
        for (qsizetype i = 0; i < std::max(present.size() - 1, file.lines.size()); ++i) {
            QVERIFY2(
                present.value(i) == file.lines.value(i),
                qPrintable(u"%1 line %2: shipped \"%3\", made \"%4\" (cmake --build build --target samples)"_s
                               .arg(file.relativePath)
                               .arg(i + 1)
                               .arg(present.value(i), file.lines.value(i))));
        }
        QCOMPARE(tv::samples::shippedBytes(file.lines).size(), QFile(shipped.fileName()).size());
    }
}

namespace {
using tv::totals::TableId;

// The data row of `table` whose leading cells are `key`; empty when there is none.
QStringList rowOf(const tv::services::TextGrid& table, const QStringList& key, int from = 0) {
    for (int row = 1; row < table.rowCount(); ++row) {
        const QStringList cells = table.rowTexts(row);
        if (cells.mid(from, key.size()) == key)
            return cells;
    }
    return {};
}
} // namespace

void TestSampleFiles::officeBuildingOpensAndTotals() {
    QTemporaryDir dir;
    const tv::shell::DataRoot root(dir.path());
    QVERIFY(tv::shell::layDownInstallation(root).status.ok());
    const QString bundle = root.file(tv::shell::kDataFolder, u"サンプル事務所棟.tkd"_s);
    const auto reading = tv::shell::ProjectBundle::read(bundle);
    QVERIFY2(reading.refusal.isEmpty() && reading.doubts.isEmpty(),
             qPrintable(reading.refusal + reading.doubts.join(u'\n')));
    QVERIFY(tv::shell::ProjectBundle::open(root, reading, u"サンプル事務所棟"_s, bundle).ok());

    tv::totals::TotalsRegistries registries;
    QVERIFY(
        tv::totals::loadTotalsRegistries(root, registries.lists, registries.weights, registries.rates).ok());
    tv::totals::TotalsTables tables;
    const auto outcome =
        tv::totals::RunTotals(tables, root, registries.lists.JointList, registries.weights, registries.rates);
    QVERIFY2(outcome.ok(), qPrintable(outcome.error));
    QVERIFY(!outcome.flags.unitWeightMissing);
    QVERIFY(!outcome.flags.weldRateMissing);
    for (int t = 0; t < tv::totals::kTableCount; ++t) {
        const auto& table = tables.table(TableId(t));
        QVERIFY(table.rowCount() > 1);
        for (int row = 1; row < table.rowCount(); ++row)
            QVERIFY2(!table.rowTexts(row).contains(u"?"_s), qPrintable(table.rowTexts(row).join(u' ')));
    }

    const auto& steel = tables.table(TableId::Steel);
    // Perimeter columns: 10 on each floor, 4.0 m and 3.8 m long, 105 kg/m.
    QCOMPARE(rowOf(steel, {u"鋼管(角)"_s, u"BCR295"_s, u"□-300×300×12"_s}, 1),
             (QStringList{u"2"_s, u"鋼管(角)"_s, u"BCR295"_s, u"□-300×300×12"_s, u"78.00"_s, u"m"_s, u"105"_s,
                          u"kg/m"_s, u"8190.00"_s}));
    // Through diaphragms 400 × 400 × 22, two at each of the 12 columns on each floor: 0.16 × 48 m².
    QCOMPARE(rowOf(steel, {u"普通鋼板"_s, u"SN490B"_s, u"22"_s}, 1),
             (QStringList{u"5"_s, u"普通鋼板"_s, u"SN490B"_s, u"22"_s, u"7.68"_s, u"m2"_s, u"172.7"_s,
                          u"kg/m2"_s, u"1326.34"_s}));
    // The decks cover the floor area: 18 m × 14 m on two floors.
    QCOMPARE(rowOf(steel, {u"床版"_s}, 1).value(4), u"504.00"_s);
    // Steel per floor area of an ordinary two-storey office.
    const QStringList total = steel.rowTexts(steel.rowCount() - 1);
    QCOMPARE(total.value(1), u"合計"_s);
    const double tonnesPerSquareMetre = total.value(8).toDouble() / 1000.0 / 504.0;
    QVERIFY2(tonnesPerSquareMetre >= 0.05 && tonnesPerSquareMetre <= 0.15,
             qPrintable(QString::number(tonnesPerSquareMetre)));

    const auto& weld = tables.table(TableId::Weld);
    // Perimeter columns to base plate or diaphragm: 10 at the foot and 30 at the panel above, on
    // both floors, 2 × (300 + 300) = 1.2 m each: 96 m at the 12 mm rate.
    QCOMPARE(rowOf(weld, {u"HT1"_s, u"12"_s}, 1),
             (QStringList{QString(), u"HT1"_s, u"12"_s, u"96.00"_s, u"7.470"_s, u"717.120"_s}));
    // Fillets on 9 mm plates: the G1 webs, (422 × 2) × 9 = 7.60 m a floor, and the four gusset and
    // stiffener lines of B1, (95 × 2 + 468) × 6 = 3.95 m each: 2 × (7.60 + 4 × 3.95) m, leg 7 mm.
    QCOMPARE(rowOf(weld, {u"HF2"_s, u"9"_s}, 1),
             (QStringList{QString(), u"HF2"_s, u"9"_s, u"46.80"_s, u"2.720"_s, u"127.296"_s}));
    // Four anchor bolts at each of the 12 base plates.
    QCOMPARE(rowOf(tables.table(TableId::Bolt), {u"A.BOLT(1)"_s, u"M24"_s}, 1).value(4), u"48"_s);
}

QTEST_GUILESS_MAIN(TestSampleFiles)
#include "tst_tools_sample_files.moc"
