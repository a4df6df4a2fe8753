// Sorting a grid of sheet-sized row counts by two columns, as the windows do after every registration.
#include "services/text_grid.h"

#include <benchmark/benchmark.h>

using tv::services::TextGrid;

namespace {

TextGrid makeGrid(int rows) {
    TextGrid grid(rows, 3);
    for (int r = 0; r < rows; ++r) {
        const int k = (r * 7919) % rows;
        grid.setRowTexts(r, {QString::number(r), QStringLiteral("鋼材%1").arg(k % 97), QString::number(k * 0.5)});
    }
    return grid;
}

void BM_SortRows(benchmark::State& state) {
    const TextGrid unsorted = makeGrid(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        TextGrid grid = unsorted;
        state.ResumeTiming();
        grid.sortRows(0, grid.rowCount() - 1, 1, 2);
        benchmark::DoNotOptimize(grid.text(0, 0));
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BM_SortRows)->RangeMultiplier(4)->Range(3125, 50000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oNLogN);

BENCHMARK_MAIN();
