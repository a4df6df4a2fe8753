// The sheet printouts of the command line, built by the same code as the windows' 印刷.
#include "app/sheet_print_command.h"

#include "sheets/sheet_layout.h"
#include "sheets/sheet_print.h"
#include "sheets/work_file.h"
#include "ui/common/print_renderer.h"

#include <QDir>
#include <QFileInfo>

namespace tv::app {

namespace {
sheets::SheetKind kindOf(const QString& what) {
    return what == u"beam-sheet" ? sheets::SheetKind::Beam : sheets::SheetKind::Column;
}
} // namespace

bool isSheetPrintout(const QString& what) {
    return what == u"column-sheet" || what == u"beam-sheet";
}

int printSheetToPdf(const shell::ShellState& state, const QString& what, const QString& pdf,
                    QString& message) {
    const sheets::SheetKind kind = kindOf(what);
    services::TextGrid grid;
    sheets::setUpSheetGrid(grid, kind);
    const services::Status loaded = sheets::loadSheet(
        grid, state.dataRoot.file(shell::kWorkDataFolder, sheets::sheetTraits(kind).fileName));
    if (!loaded.ok()) {
        message = loaded.error;
        return 2;
    }
    const services::Status written = ui::renderToPdf(sheets::sheetPrintout(grid, kind), pdf);
    if (!written.ok()) {
        message = written.error;
        return 1;
    }
    message = QStringLiteral("PDFファイルに保存しました: ") +
              QDir::toNativeSeparators(QFileInfo(pdf).absoluteFilePath());
    return 0;
}

} // namespace tv::app
