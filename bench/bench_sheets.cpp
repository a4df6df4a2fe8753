// The column sheet with 20,000 rows (2,000 entries of ten rows with realistic entry texts, about
// 5 MB): opening, New input replacing an entry near the top, deleting an entry, undoing and redoing
// them, printing to PDF and the window over it.
#include "sheets/column_entry_expansion.h"
#include "sheets/sheet_form.h"
#include "sheets/sheet_print.h"
#include "sheets/work_file.h"
#include "shell/record_file.h"
#include "ui/common/print_renderer.h"
#include "ui/common/text_grid_view.h"
#include "ui/sheets/sheet_form_view.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tv::sheets;

namespace {

constexpr int kEntries = 2000;

struct SilentPrompter : tv::services::Prompter {
    tv::services::PromptAnswer ask(const QString&, const QString&, tv::services::PromptButtons) override {
        return tv::services::PromptAnswer::Ok;
    }
};

struct NoWindows : tv::services::WindowOpener {
    bool open(tv::services::WindowId) override { return false; }
};

struct NoPrinter : tv::services::PrinterPort {
    tv::services::Status print(const tv::services::PrintDocument&) override { return {}; }
};

QString joined(const QStringList& fields) {
    return fields.join(u'･');
}

// A column of entry `n` as the column dialog packs it: an H section with two cut-tee parts, five
// welds of the section (and ten more carried in the second list, not shown), five plates with their
// welds and bolts, five coating lines.
EntryPayload columnPayload(int n) {
    const QString mark = QStringLiteral("C%1").arg(n % 40 + 1);
    const QString main =
        joined({QStringLiteral("塗装有"), QStringLiteral("H鋼"),
                QStringLiteral("SN490B 400*200*8*13 SN490B 175*200*8*13 SN490B 175*200*9*12"),
                QStringLiteral("%1階").arg(n / 40 + 1), mark, QStringLiteral("3500"), QStringLiteral("2"),
                QStringLiteral("J1"), QStringLiteral("0"),
                QStringLiteral("X%1-Y%2通り 外周部 柱脚").arg(n % 9 + 1).arg(n % 7 + 1), QStringLiteral("0"),
                QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0"),
                QStringLiteral("1.368"), QStringLiteral("9.58")});
    QStringList welds;
    for (int i = 0; i < 15; ++i)
        welds << joined({QStringLiteral("工場"), QStringLiteral("T"), QStringLiteral("2"),
                         QString::number(9 + i), QStringLiteral("400"), QStringLiteral("4"),
                         QStringLiteral("%1.60").arg(i + 1)});
    static const QStringList plates{QStringLiteral("ベースプレート"), QStringLiteral("ダイアフラム"),
                                    QStringLiteral("ガセット"), QStringLiteral("スチフナー"),
                                    QStringLiteral("平鋼")};
    QStringList plateLines;
    for (const QString& plate : plates)
        plateLines << joined({plate, QStringLiteral("SN490B"), QStringLiteral("25"), QStringLiteral("500"),
                              QStringLiteral("500"), QStringLiteral("2"), QStringLiteral("現場"),
                              QStringLiteral("K"), QStringLiteral("1"), QStringLiteral("25"),
                              QStringLiteral("2000"), QStringLiteral("4.00"), QStringLiteral("HTB-F10T"),
                              QStringLiteral("M20"), QStringLiteral("55"), QStringLiteral("55"),
                              QStringLiteral("8"), QStringLiteral("16")});
    QStringList paints{
        joined({QStringLiteral("耐火"), QStringLiteral("1.5"), QStringLiteral("角"), QStringLiteral("1.4"),
                QStringLiteral("3.5"), QStringLiteral("2"), QStringLiteral("9.80"), QString()}),
        joined({QStringLiteral("錆止"), QStringLiteral("0"), QStringLiteral("H"), QStringLiteral("1.6"),
                QStringLiteral("3.5"), QStringLiteral("2"), QStringLiteral("11.20"), QString()})};
    for (int i = 0; i < 3; ++i)
        paints << paints[i % 2];
    return {joined(paints), main, joined(welds.mid(0, 5)), joined(welds.mid(5)), joined(plateLines)};
}

// A data root whose WorkData-1.ini holds `entries` entries.
struct Project {
    explicit Project(int entries = kEntries) {
        for (const char* folder : {"List", "set", "WorkData", "info"})
            QDir().mkpath(QDir(dir.path()).filePath(QLatin1String(folder)));
        state.dataRoot = tv::shell::DataRoot(dir.path());
        QStringList lines;
        for (int n = 0; n < entries; ++n)
            for (const QStringList& row : ExpandColumnEntry(columnPayload(n)))
                lines.append(tv::shell::joinRecord(QStringLiteral("ZZ01"), row.mid(1)));
        path = state.dataRoot.file(tv::shell::kWorkDataFolder, u"WorkData-1.ini");
        tv::shell::writeLines(path, lines);
        rows = int(lines.size());
    }
    QTemporaryDir dir;
    tv::shell::ShellState state;
    tv::lists::MemberLists lists;
    QString path;
    int rows = 0;
};

struct FixedDialog : EntryDialog {
    std::optional<EntryDialogResult> edit(const EntryPayload&) override {
        return EntryDialogResult{payload, {}};
    }
    EntryPayload payload = columnPayload(7);
};

struct Sheet {
    Sheet() : form(project.state, project.lists, {prompter, printer, opener, dialog}) { form.open(); }
    Project project;
    SilentPrompter prompter;
    NoPrinter printer;
    NoWindows opener;
    FixedDialog dialog;
    MainInputForm form;
};

Sheet& sheet() {
    static Sheet s;
    return s;
}

void BM_OpenColumnSheet(benchmark::State& state) {
    Project& project = sheet().project;
    for (auto _ : state) {
        MainInputForm form(project.state, project.lists,
                           {sheet().prompter, sheet().printer, sheet().opener, sheet().dialog});
        benchmark::DoNotOptimize(form.open());
    }
    state.counters["rows"] = project.rows;
    state.counters["MB"] = double(QFileInfo(project.path).size()) / 1e6;
}

// A larger sheet of about 5 MB (27,000 rows), opened the same way.
void BM_OpenLargerColumnSheet(benchmark::State& state) {
    Project project(2700);
    SilentPrompter prompter;
    NoPrinter printer;
    NoWindows opener;
    FixedDialog dialog;
    for (auto _ : state) {
        MainInputForm form(project.state, project.lists, {prompter, printer, opener, dialog});
        benchmark::DoNotOptimize(form.open());
    }
    state.counters["rows"] = project.rows;
    state.counters["MB"] = double(QFileInfo(project.path).size()) / 1e6;
}

// The second entry replaced by one of the same length: remove the block, insert, renumber, save.
void BM_NewInputNearTop(benchmark::State& state) {
    MainInputForm& form = sheet().form;
    for (auto _ : state) {
        form.clickRow(kFirstDataRow + 10);
        form.newInput();
    }
}

// An entry near the top deleted: the next entry near the top each time.
void BM_DeleteEntryNearTop(benchmark::State& state) {
    Project project;
    SilentPrompter prompter;
    NoPrinter printer;
    NoWindows opener;
    FixedDialog dialog;
    MainInputForm form(project.state, project.lists, {prompter, printer, opener, dialog});
    form.open();
    int row = kFirstDataRow + 10;
    for (auto _ : state) {
        form.clickRow(++row);
        form.deleteEntry();
    }
}

// Undoing an entry deleted near the top (the deletion itself not timed): the rows of the entry put
// back, renumbered and saved; to be weighed against BM_DeleteEntryNearTop, the command it undoes.
void BM_UndoDeleteEntryNearTop(benchmark::State& state) {
    Project project;
    SilentPrompter prompter;
    NoPrinter printer;
    NoWindows opener;
    FixedDialog dialog;
    MainInputForm form(project.state, project.lists, {prompter, printer, opener, dialog});
    form.open();
    for (auto _ : state) {
        state.PauseTiming();
        form.clickRow(kFirstDataRow + 11);
        form.deleteEntry();
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.undo());
    }
}

// Redoing a replaced entry near the top, after its undo (not timed).
void BM_RedoNewInputNearTop(benchmark::State& state) {
    MainInputForm& form = sheet().form;
    form.clickRow(kFirstDataRow + 10);
    form.newInput();
    for (auto _ : state) {
        state.PauseTiming();
        form.undo();
        state.ResumeTiming();
        benchmark::DoNotOptimize(form.redo());
    }
}

void BM_PrintToPdf(benchmark::State& state) {
    const QString pdf = QDir(sheet().project.dir.path()).filePath(QStringLiteral("sheet.pdf"));
    for (auto _ : state) {
        const tv::services::PrintDocument document =
            sheetPrintout(sheet().form.DataGrid(), SheetKind::Column);
        benchmark::DoNotOptimize(tv::ui::renderToPdf(document, pdf));
        state.counters["pages"] = double(document.pages.size());
    }
}

// The window over the sheet: its first showing, then paging down through the whole sheet.
void BM_WindowOpenAndScroll(benchmark::State& state) {
    for (auto _ : state) {
        tv::ui::SheetFormView view(sheet().form);
        view.show();
        QApplication::processEvents();
        QScrollBar* bar = view.grid()->verticalScrollBar();
        for (int value = 0; value < bar->maximum(); value += 38 * 50) {
            bar->setValue(value);
            view.grid()->viewport()->repaint();
        }
    }
}

// A click on a row of the open window: the model selects the entry and the window redraws.
void BM_WindowClickRow(benchmark::State& state) {
    tv::ui::SheetFormView view(sheet().form);
    view.show();
    QApplication::processEvents();
    int row = kFirstDataRow;
    for (auto _ : state) {
        row = (row + 7919) % sheet().project.rows + kFirstDataRow;
        sheet().form.clickRow(row);
        view.grid()->viewport()->repaint();
    }
}

} // namespace

BENCHMARK(BM_OpenColumnSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLargerColumnSheet)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewInputNearTop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteEntryNearTop)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_UndoDeleteEntryNearTop)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_RedoNewInputNearTop)->Unit(benchmark::kMillisecond)->Iterations(30);
BENCHMARK(BM_PrintToPdf)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_WindowOpenAndScroll)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WindowClickRow)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
