// The secondary-member sheet over a work file of 10,000 rows: opening the window, one cell edit
// with its recomputation, and a row command with its save, each as the estimator does it.
#include "registries/buzai_weight_table.h"
#include "secondary/zatu_file.h"
#include "secondary/zatu_inp_form.h"
#include "shell/record_file.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tv::secondary;

namespace {

constexpr int kRows = 10000;

struct SilentPrompter : tv::services::Prompter {
    tv::services::PromptAnswer ask(const QString&, const QString&, tv::services::PromptButtons) override {
        return tv::services::PromptAnswer::Ok;
    }
};

struct NoPrinter : tv::services::PrinterPort {
    tv::services::Status print(const tv::services::PrintDocument&) override { return {}; }
};

struct NoWindows : tv::services::WindowOpener {
    bool open(tv::services::WindowId) override { return false; }
};

// A project whose WorkData-3.ini holds kRows filled rows of every category (members with sizes,
// formulas, welds and painting; bolts; decks), with a unit-weight registry of 2,000 rows.
struct Project {
    Project() {
        for (const char* folder : {"set", "WorkData", "info"})
            QDir().mkpath(QDir(dir.path()).filePath(QLatin1String(folder)));
        shell.dataRoot = tv::shell::DataRoot(dir.path());
        QStringList weights;
        for (int i = 0; i < 2000; ++i)
            weights.append(
                QStringLiteral("ZZBW'H鋼'%1*%2*9*12'%3'").arg(100 + i).arg(50 + i % 300).arg(i * 0.1));
        tv::shell::writeLines(shell.dataRoot.file(tv::shell::kSetFolder, u"BuzaiWeight.ini"), weights);
        QList<ZatuRow> rows;
        for (int i = 0; i < kRows; ++i) {
            ZatuRow row;
            const QString category = kCategories[size_t(i) % kCategories.size()].toString();
            row.setCell(BuzaiCell, category);
            row.setCell(FloorCell, QString::number(1 + i % 12));
            row.setCell(PositionCell, QStringLiteral("X%1-Y%2通り").arg(i % 30).arg(i % 17));
            row.setCell(GradeCell, QStringLiteral("SS400"));
            row.setCell(NameCell, QStringLiteral("H鋼"));
            row.setCell(SizeCell, QStringLiteral("H-%1×100×5.5×8").arg(100 + i % 500));
            row.setCell(LengthCell, QStringLiteral("(%1+0.25)*2").arg(i % 40));
            row.setCell(CountCell, QString::number(1 + i % 9));
            row.setCell(WeldMethodCell, QStringLiteral("H"));
            row.setCell(WeldJointCell, QStringLiteral("T"));
            row.setCell(WeldFacesCell, QStringLiteral("2"));
            row.setCell(WeldThickCell, QStringLiteral("6"));
            row.setCell(WeldLengthCell, QStringLiteral("0.%1").arg(i % 100));
            row.setCell(WeldCountCell, QStringLiteral("4"));
            row.setCell(PaintClassCell, QStringLiteral("塗装有"));
            row.setCell(GirthCell, QStringLiteral("0.6"));
            row.setCell(PaintCountCell, QString::number(i % 50));
            RecalcZatuRow(row);
            rows.append(row);
        }
        SaveZatuRows(zatuFilePath(shell.dataRoot), rows);
    }
    QTemporaryDir dir;
    tv::shell::ShellState shell;
    SilentPrompter prompter;
    NoPrinter printer;
    NoWindows opener;
};

// The sheet opened on the project with a cell clicked in the middle row.
struct OpenSheet {
    OpenSheet(Project& project, int column)
        : form(project.shell, project.prompter, project.printer, project.opener) {
        form.open();
        form.clickCell(ZatuInpForm::kFirstDataRow + kRows / 2, column);
    }
    ZatuInpForm form;
};

// The work file alone, as the totals read it.
void BM_LoadZatuRows(benchmark::State& state) {
    Project project;
    const QString path = zatuFilePath(project.shell.dataRoot);
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadZatuRows(path));
}
BENCHMARK(BM_LoadZatuRows)->Unit(benchmark::kMillisecond);

void BM_OpenSheet(benchmark::State& state) {
    Project project;
    for (auto _ : state) {
        ZatuInpForm form(project.shell, project.prompter, project.printer, project.opener);
        benchmark::DoNotOptimize(form.open());
    }
}
BENCHMARK(BM_OpenSheet)->Unit(benchmark::kMillisecond);

void BM_EditCellWithRecalc(benchmark::State& state) {
    Project project;
    OpenSheet sheet(project, LengthCell);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        sheet.form.editorTextChanged(flip ? QStringLiteral("(12.5+0.3)*6") : QStringLiteral("3.5*2"));
    }
}
BENCHMARK(BM_EditCellWithRecalc)->Unit(benchmark::kMicrosecond);

// 空白行挿入 and 空白行削除 in turn, each with the save of the whole file.
void BM_RowCommandWithSave(benchmark::State& state) {
    Project project;
    OpenSheet sheet(project, BuzaiCell);
    bool insert = false;
    for (auto _ : state) {
        insert = !insert;
        sheet.form.command(insert ? ZatuInpForm::InsertBlankCommand : ZatuInpForm::DeleteBlankCommand);
    }
}
BENCHMARK(BM_RowCommandWithSave)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
