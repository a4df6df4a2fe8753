// The totals run on a large project: 20,000 column rows, 20,000 beam rows, 5,000 secondary rows
// and 300 joint marks, the three work files read from disk in every run; and the comparison of two
// such projects.
#include "shell/project_bundle.h"
#include "shell/record_file.h"
#include "shell/working_files.h"
#include "totals/estimate_compare.h"
#include "totals/totals_run.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

using namespace tv::totals;

namespace {

constexpr int kSheetRows = 20000;
constexpr int kSecondaryRows = 5000;
constexpr int kJointMarks = 300;

const QStringList kHSizes{QStringLiteral("400×200×8×13"),  QStringLiteral("350×175×7×11"),
                          QStringLiteral("300×150×6.5×9"), QStringLiteral("500×200×10×16"),
                          QStringLiteral("588×300×12×20"), QStringLiteral("250×125×6×9")};

QString record(const QString& tag, const QMap<int, QString>& cells, int count) {
    QStringList fields{tag};
    for (int k = 1; k <= count; ++k)
        fields.append(cells.value(k));
    return fields.join(u'\'');
}

// One sheet: entries of five rows (member, two plates, a flat bar, a bolt row) with welds, painting
// or galvanizing and a joint mark on the member row.
QStringList sheetLines(const QString& tag, const QString& kind) {
    QStringList lines;
    for (int i = 0; i < kSheetRows; ++i) {
        const int entry = i / 5;
        QMap<int, QString> c;
        switch (i % 5) {
        case 0:
            c = {{1, kind},
                 {2, QString::number(entry % 9 + 1)},
                 {3, QStringLiteral("C%1").arg(entry % 40)},
                 {5, QStringLiteral("SN490B")},
                 {6, QStringLiteral("H鋼")},
                 {7, QStringLiteral("H-") + kHSizes[entry % kHSizes.size()]},
                 {8, QString::number(3000 + entry % 17 * 100)},
                 {9, QString::number(1 + entry % 4)},
                 {10, QStringLiteral("J%1").arg(entry % (kJointMarks + 20))}, // some marks are not registered
                 {11, QStringLiteral("2")},
                 {17, entry % 10 == 0 ? QStringLiteral("溶融亜鉛") : QStringLiteral("塗装有")},
                 {19, QStringLiteral("%1.25").arg(entry % 30)}};
            break;
        case 1:
        case 2:
            c = {{5, QStringLiteral("SS400")},
                 {6, QStringLiteral("PL")},
                 {7, QStringLiteral("PL-%1×%2×%3").arg(9 + i % 3 * 3).arg(200 + entry % 5 * 50).arg(300)},
                 {9, QStringLiteral("2")},
                 {17, QStringLiteral("耐火被覆:%1").arg(20 + entry % 3 * 5)},
                 {19, QStringLiteral("3.5")}};
            break;
        case 3:
            c = {{5, QStringLiteral("SS400")},
                 {6, QStringLiteral("PL")},
                 {7, QStringLiteral("FLB-9×75")},
                 {8, QStringLiteral("600")},
                 {9, QStringLiteral("4")}};
            break;
        default:
            c = {{20, QStringLiteral("HTB-F10T")},
                 {21, QStringLiteral("M20")},
                 {22, QString::number(60 + entry % 4 * 5)},
                 {23, QStringLiteral("16")}};
            break;
        }
        c.insert(12, QStringLiteral("H"));
        c.insert(13, i % 2 ? QStringLiteral("T") : QStringLiteral("F"));
        c.insert(14, QString::number(1 + i % 2));
        c.insert(15, i % 7 == 0 ? QStringLiteral("9.5") : QString::number(6 + i % 10));
        c.insert(16, QStringLiteral("1.2"));
        lines.append(record(tag, c, 28));
    }
    return lines;
}

QStringList secondaryLines() {
    static const QStringList names{QStringLiteral("C形鋼"), QStringLiteral("山形鋼"), QStringLiteral("丸鋼"),
                                   QStringLiteral("普通鋼板"), QStringLiteral("平鋼")};
    static const QStringList sizes{QStringLiteral("C-100×50×20×2.3"), QStringLiteral("L-65×65×6"),
                                   QStringLiteral("φ22"), QStringLiteral("PL-9"), QStringLiteral("FLB-9×75")};
    QStringList lines;
    for (int i = 0; i < kSecondaryRows; ++i) {
        if (i % 10 == 9) {
            lines.append(record(QStringLiteral("ZZ03"),
                                {{1, QStringLiteral("BOLT")},
                                 {4, QStringLiteral("普通ボルト")},
                                 {5, QStringLiteral("M16")},
                                 {6, QStringLiteral("40")},
                                 {8, QStringLiteral("8")}},
                                25));
            continue;
        }
        lines.append(record(QStringLiteral("ZZ03"),
                            {{1, QStringLiteral("胴縁")},
                             {4, QStringLiteral("SS400")},
                             {5, names[i % 5]},
                             {6, sizes[i % 5]},
                             {9, QStringLiteral("%1.00").arg(4 + i % 9)},
                             {10, QStringLiteral("H")},
                             {11, QStringLiteral("F")},
                             {12, QStringLiteral("1")},
                             {13, QStringLiteral("6")},
                             {16, QStringLiteral("2.00")},
                             {17, i % 4 ? QStringLiteral("塗装有") : QStringLiteral("溶融亜鉛")},
                             {20, QStringLiteral("3.00")}},
                            25));
    }
    return lines;
}

struct Project {
    Project() {
        for (const char* folder : {"List", "set", "WorkData", "Data", "info"})
            QDir().mkpath(QDir(dir.path()).filePath(QString::fromLatin1(folder)));
        root = tv::shell::DataRoot(dir.path());
        const auto work = [&](const char* name) {
            return root.file(tv::shell::kWorkDataFolder, QString::fromLatin1(name));
        };
        tv::shell::writeLines(work("WorkData-1.ini"),
                              sheetLines(QStringLiteral("ZZ01"), QStringLiteral("柱")));
        tv::shell::writeLines(work("WorkData-2.ini"),
                              sheetLines(QStringLiteral("ZZ02"), QStringLiteral("梁")));
        tv::shell::writeLines(work("WorkData-3.ini"), secondaryLines());
        QStringList joints;
        for (int j = 0; j < kJointMarks; ++j)
            joints.append(
                QStringLiteral("ZZLJ'J%1'%2'SN490B･%3･200･410･1･HTB-F10T･M20･12:SN490B･%3･80･410･2･･･'"
                               "SN490B･9･170･290･2･HTB-F10T･M20･8'")
                    .arg(j)
                    .arg(j % 10 == 0 ? 1 : 0)
                    .arg(9 + j % 4 * 3));
        tv::shell::writeLines(root.file(tv::shell::kListFolder, QStringLiteral("JointListData.ini")), joints);
        tv::shell::writeLines(root.file(tv::shell::kListFolder, QStringLiteral("HasiraListData.ini")), {});
        tv::shell::writeLines(root.file(tv::shell::kListFolder, QStringLiteral("HariListData.ini")), {});
        QStringList weights;
        for (int i = 0; i < 300; ++i)
            weights.append(
                QStringLiteral("ZZBW'H鋼'%1*%2*9*12'%3'").arg(100 + i).arg(50 + i % 200).arg(i * 0.3));
        for (const QString& size : kHSizes)
            weights.append(
                QStringLiteral("ZZBW'H鋼'%1'65.4'").arg(QString(size).replace(QChar(0x00D7), u'*')));
        for (int t = 6; t <= 40; ++t)
            weights.append(QStringLiteral("ZZBW'普通鋼板'%1'%2'").arg(t).arg(t * 7.85));
        tv::shell::writeLines(root.file(tv::shell::kSetFolder, QStringLiteral("BuzaiWeight.ini")), weights);
        QStringList rates;
        for (const char* symbol : {"HT1", "HT2", "HF1", "HF2"})
            for (int t = 4; t <= 40; ++t)
                rates.append(
                    QStringLiteral("ZZKN'%1'%2'%3").arg(QString::fromLatin1(symbol)).arg(t).arg(t * 0.15));
        tv::shell::writeLines(root.file(tv::shell::kSetFolder, QStringLiteral("Kansan.ini")), rates);
        loadTotalsRegistries(root, registries.lists, registries.weights, registries.rates);
    }
    QTemporaryDir dir;
    tv::shell::DataRoot root;
    TotalsRegistries registries;
};

Project& project() {
    static Project p;
    return p;
}

void BM_RunTotals(benchmark::State& state) {
    Project& p = project();
    TotalsTables tables;
    for (auto _ : state) {
        const TotalsOutcome outcome =
            RunTotals(tables, p.root, p.registries.lists.JointList, p.registries.weights, p.registries.rates);
        if (!outcome.ok())
            state.SkipWithError(qPrintable(outcome.error));
        benchmark::DoNotOptimize(tables.table(TableId::Steel).rowCount());
    }
}
BENCHMARK(BM_RunTotals)->Unit(benchmark::kMillisecond);

// What the window does on opening plus one run: lists and registries loaded, then the run.
void BM_LoadAndRunTotals(benchmark::State& state) {
    Project& p = project();
    for (auto _ : state) {
        TotalsRegistries registries;
        loadTotalsRegistries(p.root, registries.lists, registries.weights, registries.rates);
        TotalsTables tables;
        RunTotals(tables, p.root, registries.lists.JointList, registries.weights, registries.rates);
        benchmark::DoNotOptimize(tables.table(TableId::Steel).rowCount());
    }
}
BENCHMARK(BM_LoadAndRunTotals)->Unit(benchmark::kMillisecond);

// `torvanel totals` on the same project: process start, lists, registries, the run and the output.
void BM_CommandLineTotals(benchmark::State& state) {
    Project& p = project();
    const auto childCpuMs = [] {
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 +
               (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
    };
    const double cpuBefore = childCpuMs();
    for (auto _ : state) {
        QProcess process;
        process.start(QStringLiteral(TV_EXECUTABLE),
                      {QStringLiteral("--data-root"), p.root.path(), QStringLiteral("totals")});
        process.waitForFinished(60000);
        if (process.exitCode() > 1)
            state.SkipWithError(process.readAllStandardError().constData());
        benchmark::DoNotOptimize(process.readAllStandardOutput().size());
    }
    // The processor time of the command itself, apart from the time it waited for a busy machine.
    state.counters["command_cpu_ms"] = (childCpuMs() - cpuBefore) / double(state.iterations());
}
BENCHMARK(BM_CommandLineTotals)->Unit(benchmark::kMillisecond)->UseRealTime();

// `compare` of the project with a copy in which every 50th column row has another length: both
// project files unpacked into their own data roots, both totals run, tables, entries and
// registries compared.
void BM_CompareTwoProjects(benchmark::State& state) {
    Project& p = project();
    // The bundle lines of the project's working files (the benchmark's project lacks some of the
    // nine, which count as empty).
    QStringList lines;
    for (const tv::shell::WorkingFile& file : tv::shell::kWorkingFiles)
        lines += tv::shell::readLines(tv::shell::workingFilePath(p.root, file)).lines;
    QStringList edited = lines;
    int column = 0;
    for (QString& line : edited) {
        if (line.startsWith(QStringLiteral("ZZ01'")) && column++ % 50 == 0) {
            QStringList fields = line.split(u'\'');
            fields[8] = QString::number(fields[8].toInt() + 100);
            line = fields.join(u'\'');
        }
    }
    const QString before = QDir(p.dir.path()).filePath(QStringLiteral("A.tkd"));
    const QString after = QDir(p.dir.path()).filePath(QStringLiteral("B.tkd"));
    tv::shell::writeBytesAtomically(before, tv::shell::ProjectBundle::pack(before, lines).bytes);
    tv::shell::writeBytesAtomically(after, tv::shell::ProjectBundle::pack(after, edited).bytes);
    for (auto _ : state) {
        const auto [a, b] = loadEstimates(before, after);
        if (!a.refusal.isEmpty() || !b.refusal.isEmpty())
            state.SkipWithError(qPrintable(a.refusal + b.refusal));
        benchmark::DoNotOptimize(compareEstimates(a, b).size());
    }
}
BENCHMARK(BM_CompareTwoProjects)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
