// Printing goes to the default printer as the messages promise; only when the system has none is the
// user offered a PDF file instead, and told where it went.
#include "ui/common/qt_printer.h"

#include "ui/common/print_renderer.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace tv::ui {

using services::FileChoice;
using services::FileDialogRequest;
using services::PromptAnswer;
using services::PromptButtons;
using services::Status;

namespace {
const QString kCancelled = QStringLiteral("印刷を中止しました。");
const QString kTitle = QStringLiteral("印刷");
} // namespace

Status QtPrinter::print(const services::PrintDocument& document) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return saveAsPdf(document);
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setColorMode(QPrinter::GrayScale);
    return renderDocument(document, printer);
}

Status QtPrinter::saveAsPdf(const services::PrintDocument& document) {
    if (m_prompter.ask(
            QStringLiteral("通常使うプリンターが設定されていません。\nPDFファイルに保存しますか？"), kTitle,
            PromptButtons::OkCancel) != PromptAnswer::Ok)
        return Status::failure(kCancelled);
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("PDFファイルに保存");
    request.filter = QStringLiteral("PDFファイル(.pdf)|*.pdf");
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    request.initialFolder = QDir(documents).exists() ? documents : QDir::homePath();
    request.defaultExtension = QStringLiteral("pdf");
    request.fileName =
        document.title.isEmpty() ? QStringLiteral("印刷.pdf") : document.title + QStringLiteral(".pdf");
    const FileChoice choice = m_chooser.choose(request);
    if (choice.outcome != FileChoice::Outcome::Chosen)
        return Status::failure(kCancelled);
    // The dialog does not ask before overwriting; an existing file is replaced only when the user agrees.
    if (QFileInfo::exists(choice.path) &&
        m_prompter.ask(QStringLiteral("「") + choice.title +
                           QStringLiteral("」は既にあります。\n上書きしますか？"),
                       kTitle, PromptButtons::OkCancel) != PromptAnswer::Ok)
        return Status::failure(kCancelled);
    const Status written = renderToPdf(document, choice.path);
    if (written.ok())
        m_prompter.tell(
            QStringLiteral("PDFファイルに保存しました。\n") + QDir::toNativeSeparators(choice.path), kTitle);
    return written;
}

} // namespace tv::ui
