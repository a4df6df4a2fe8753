// The readers on very large work files: time and peak memory of loading a 100 MB column sheet (as
// the sheet window and `print column-sheet` do), the secondary sheet and the totals' work rows, and
// the refusal of a 300 MB file above the size limit. Memory is reported as the growth of the
// process's peak resident size during the read, in MB and per byte of the file; what a read freed
// is handed back to the system before the next one, so that each starts from the same ground.
#include "secondary/zatu_file.h"
#include "services/cp932.h"
#include "services/text_grid.h"
#include "sheets/sheet_layout.h"
#include "sheets/work_file.h"
#include "shell/data_root.h"
#include "shell/record_file.h"
#include "shell/working_files.h"
#include "totals/totals_sources.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <functional>
#include <malloc.h>
#include <string>

using namespace tv;

namespace {

constexpr qint64 kMegabyte = 1024 * 1024;

// The peak resident size of the process in kB (VmHWM), after resetting it to the current size.
qint64 peakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == "VmHWM:") {
            qint64 kb = 0;
            status >> kb;
            return kb;
        }
    }
    return 0;
}

void resetPeak() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

// A work file of about `bytes` bytes of sheet rows (about 150 bytes each) written directly in CP932,
// so that writing it costs no memory of its own. Marks, lengths, counts and weights vary from row
// to row as in a real sheet; kinds, grades, shapes and sizes repeat.
void writeWorkFile(const QString& path, const QString& tag, qint64 bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    const QStringList sizes{QStringLiteral("400*200*8*13"), QStringLiteral("350*350*12"),
                            QStringLiteral("H-600×200×11×17"), QStringLiteral("PL-25×500×500")};
    QByteArray block;
    qint64 written = 0;
    for (int i = 0; written < bytes; ++i) {
        const QString row =
            QStringLiteral(
                "%1''柱'%2F'C%3'X%4通り'SN490B'H鋼'%5'%6'%7'%8'%9''ﾀﾞｲｱ'6'%10''''さび止塗装'%11''''''''\r\n")
                .arg(tag)
                .arg(i % 9 + 1)
                .arg(i % 500)
                .arg(i % 40)
                .arg(sizes[i % sizes.size()])
                .arg(3000 + i % 2000)
                .arg(i % 7 + 1)
                .arg(double(i % 997) / 7, 0, 'f', 2)
                .arg(double(i % 1999) * 1.3, 0, 'f', 1)
                .arg(i % 31 + 10)
                .arg(double(i % 311) / 9, 0, 'f', 2);
        block += services::Cp932::encode(row).value();
        if (block.size() > 4 * kMegabyte) {
            written += file.write(block);
            block.clear();
        }
    }
    file.write(block);
}

struct LargeRoot {
    QTemporaryDir dir;
    shell::DataRoot root{dir.path()};
    explicit LargeRoot(qint64 bytes) {
        QDir().mkpath(root.folder(shell::kWorkDataFolder));
        for (const qsizetype index : {6, 7, 8}) {
            const shell::WorkingFile& f = shell::kWorkingFiles[size_t(index)];
            writeWorkFile(shell::workingFilePath(root, f), f.tag.toString(), index == 6 ? bytes : 0);
        }
    }
    QString columnSheet() const { return shell::workingFilePath(root, shell::kWorkingFiles[6]); }
};

// Runs `read`, which returns its refusal (empty when it read the file), once per iteration, and
// reports the growth of the peak resident size over it.
void measure(benchmark::State& state, qint64 bytes, bool refusalExpected,
             const std::function<QString()>& read) {
    for (auto _ : state) {
        resetPeak();
        const qint64 before = peakKilobytes();
        const QString refusal = read();
        if (refusal.isEmpty() == refusalExpected)
            state.SkipWithError(refusalExpected ? "a file above the limit was read" : qPrintable(refusal));
        const double peakMb = double(peakKilobytes() - before) / 1024;
        state.counters["file_MB"] = double(bytes) / kMegabyte;
        state.counters["peak_MB"] = peakMb;
        state.counters["peak_per_file_byte"] = peakMb * kMegabyte / double(bytes);
    }
}

QString loadColumnSheet(const QString& path) {
    services::TextGrid grid;
    sheets::setUpSheetGrid(grid, sheets::SheetKind::Column);
    const services::Status loaded = sheets::loadSheet(grid, path);
    benchmark::DoNotOptimize(grid.rowCount());
    return loaded.error;
}

void BM_LoadColumnSheet(benchmark::State& state) {
    const qint64 bytes = state.range(0) * kMegabyte;
    LargeRoot large(bytes);
    measure(state, bytes, false, [&] { return loadColumnSheet(large.columnSheet()); });
}

void BM_ReadTotalsWorkRows(benchmark::State& state) {
    const qint64 bytes = state.range(0) * kMegabyte;
    LargeRoot large(bytes);
    measure(state, bytes, false, [&] {
        const totals::WorkRowsRead read = totals::readWorkRows(large.root);
        benchmark::DoNotOptimize(read.rows.sheetRows.size());
        return read.error;
    });
}

void BM_LoadSecondarySheet(benchmark::State& state) {
    const qint64 bytes = state.range(0) * kMegabyte;
    LargeRoot large(0);
    const QString path = shell::workingFilePath(large.root, shell::kWorkingFiles[8]);
    writeWorkFile(path, QStringLiteral("ZZ03"), bytes);
    measure(state, bytes, false, [&] {
        const secondary::ZatuRowsResult read = secondary::LoadZatuRows(path);
        benchmark::DoNotOptimize(read.rows.size());
        return read.error;
    });
}

// A file above the limit is refused after looking at its size, without reading it.
void BM_RefuseOversizedFile(benchmark::State& state) {
    const qint64 bytes = state.range(0) * kMegabyte;
    LargeRoot large(bytes);
    measure(state, bytes, true, [&] { return loadColumnSheet(large.columnSheet()); });
}

} // namespace

BENCHMARK(BM_LoadColumnSheet)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTotalsWorkRows)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSecondarySheet)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefuseOversizedFile)->Arg(300)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
