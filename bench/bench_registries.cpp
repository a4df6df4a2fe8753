// The registry windows over a 5,000-row unit-weight registry (and a 5,000-row rate registry):
// opening, choosing a name and saving, each as the estimator does it in the window.
#include "registries/buzai_form.h"
#include "registries/kansan_form.h"
#include "shell/record_file.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tv::registries;

namespace {

constexpr int kRows = 5000;

// Answers every message with OK.
struct SilentPrompter : tv::services::Prompter {
    tv::services::PromptAnswer ask(const QString&, const QString&, tv::services::PromptButtons) override {
        return tv::services::PromptAnswer::Ok;
    }
};

// A data root whose BuzaiWeight.ini holds kRows rows: `chosenRows` of them under "H鋼" (in no
// particular size order), the rest spread over twenty other names; Kansan.ini holds kRows rows,
// 37 thicknesses for each of 135 symbols.
struct Registry {
    explicit Registry(int chosenRows) {
        QDir().mkpath(QDir(dir.path()).filePath(QStringLiteral("set")));
        root = tv::shell::DataRoot(dir.path());
        QStringList lines;
        for (int i = 0; i < kRows; ++i) {
            const int k = (i * 7919) % 5003; // a shuffled, unique size number
            const QString name =
                i < chosenRows ? QStringLiteral("H鋼") : QStringLiteral("部材%1").arg(i % 20);
            lines.append(QStringLiteral("ZZBW'%1'%2*%3*9*12'%4'")
                             .arg(name)
                             .arg(100 + k)
                             .arg(50 + k % 400)
                             .arg(k * 0.1, 0, 'f', 1));
        }
        tv::shell::writeLines(root.file(tv::shell::kSetFolder, kBuzaiWeightFile), lines);
        QStringList rates;
        for (int i = 0; i < kRows; ++i)
            rates.append(QStringLiteral("ZZKN'K%1'%2'%3")
                             .arg(i / 37)
                             .arg(4 + i % 37)
                             .arg(0.5 + (i % 37) * 0.1, 0, 'f', 2));
        tv::shell::writeLines(root.file(tv::shell::kSetFolder, kKansanFile), rates);
    }
    QTemporaryDir dir;
    tv::shell::DataRoot root;
    SilentPrompter prompter;
};

int indexOf(const QStringList& names, const QString& name) {
    return int(names.indexOf(name));
}

void BM_BuzaiOpen(benchmark::State& state) {
    Registry registry(int(state.range(0)));
    for (auto _ : state) {
        BuzaiForm form(registry.root, registry.prompter);
        benchmark::DoNotOptimize(form.open());
    }
}

void BM_BuzaiChooseName(benchmark::State& state) {
    Registry registry(int(state.range(0)));
    BuzaiForm form(registry.root, registry.prompter);
    form.open();
    const int chosen = indexOf(form.NameList(), QStringLiteral("H鋼"));
    const int other = indexOf(form.NameList(), QStringLiteral("鋼管(角)"));
    for (auto _ : state) {
        form.chooseName(chosen); // applies the other name's grid, then shows and sorts H鋼
        form.chooseName(other);  // applies the H鋼 grid back into the table
    }
    state.counters["shown"] = double(form.table().sizesFor(QStringLiteral("H鋼")).size());
}

void BM_BuzaiSave(benchmark::State& state) {
    Registry registry(int(state.range(0)));
    BuzaiForm form(registry.root, registry.prompter);
    form.open();
    form.chooseName(indexOf(form.NameList(), QStringLiteral("H鋼")));
    int n = 0;
    for (auto _ : state) {
        form.clickCell(2, BuzaiForm::WeightColumn);
        form.editorTextChanged(QString::number(++n));
        form.save();
    }
}

void BM_KansanOpenChooseSave(benchmark::State& state) {
    Registry registry(0);
    for (auto _ : state) {
        KansanForm form(registry.root, registry.prompter);
        form.open();
        form.chooseSymbol(indexOf(form.NameList(), QStringLiteral("K70")));
        form.clickCell(6, KansanForm::RateColumn);
        form.editorTextChanged(QStringLiteral("1.25"));
        form.save();
    }
}

} // namespace

// Argument: how many of the 5,000 rows belong to the chosen name.
BENCHMARK(BM_BuzaiOpen)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuzaiChooseName)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BuzaiSave)->Arg(500)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KansanOpenChooseSave)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
