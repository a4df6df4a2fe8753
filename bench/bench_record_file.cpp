// Reading and writing record files of growing size: both must stay linear in the file's size
// (a 20 MB work file is tens of thousands of sheet rows).
#include "shell/record_file.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tv::shell;

namespace {

// Sheet-like records with Japanese text and the special characters the files store, ~120 bytes each.
QStringList makeLines(qint64 bytes) {
    QStringList lines;
    const QString sample = QStringLiteral("ZZ01'%1'2F'C1'･'SN490B'H鋼'H-400×200×9×12'3500'2'J1'φ22'□-350×350×12'㍉'①～'");
    qint64 total = 0;
    for (int i = 0; total < bytes; ++i) {
        lines.append(sample.arg(i));
        total += 120;
    }
    return lines;
}

void BM_WriteLines(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("WorkData-1.ini"));
    const QStringList lines = makeLines(state.range(0));
    for (auto _ : state) {
        const auto status = writeLines(path, lines);
        if (!status.ok())
            state.SkipWithError("write failed");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

void BM_ReadLines(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("WorkData-1.ini"));
    writeLines(path, makeLines(state.range(0)));
    for (auto _ : state) {
        const LinesResult read = readLines(path);
        benchmark::DoNotOptimize(read.lines.size());
        if (!read.ok())
            state.SkipWithError("read failed");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

// Splitting the read lines into fields, as every file reader does next.
void BM_SplitRecords(benchmark::State& state) {
    const QStringList lines = makeLines(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(splitRecords(lines).size());
    state.SetBytesProcessed(state.iterations() * state.range(0));
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_SplitRecords)->RangeMultiplier(4)->Range(1 << 20, 20 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_WriteLines)->RangeMultiplier(4)->Range(1 << 20, 20 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_ReadLines)->RangeMultiplier(4)->Range(1 << 20, 20 << 20)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

BENCHMARK_MAIN();
