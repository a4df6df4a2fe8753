// Printing shows the pages first. Its print button goes to the default printer as the messages
// promise; "PDFに保存" (the only way out when the system has no printer) saves the same pages as a
// PDF file and offers to open it.
#include "ui/common/qt_printer.h"

#include "shell/data_root.h"
#include "state/app_state.h"
#include "ui/common/print_renderer.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

namespace tv::ui {

using services::FileChoice;
using services::FileDialogRequest;
using services::PromptAnswer;
using services::PromptButtons;
using services::Status;

namespace {
const QString kCancelled = QStringLiteral("印刷を中止しました。");
const QString kTitle = QStringLiteral("印刷");

// A part of a file name: without folder separators, reserved signs and control characters.
QString fileNamePart(const QString& text) {
    QString part = text.trimmed();
    for (QChar& c : part)
        if (c.unicode() < 0x20 || QStringView(u"\\/:*?\"<>|").contains(c))
            c = u'_';
    return part;
}
} // namespace

PdfPlace pdfPlace(AppState& state) {
    return PdfPlace{state.shell.dataRoot.folder(shell::kDataFolder), state.shell.project.projectName,
                    &state.lastPdfFolder};
}

QtPrinter::QtPrinter(services::Prompter& prompter, services::FileChooser& chooser, PdfPlace place)
    : m_prompter(prompter), m_chooser(chooser), m_place(std::move(place)) {}

QString QtPrinter::pdfFileName(const QString& projectName, const QString& printoutName) {
    const QString project = fileNamePart(projectName);
    QString printout = fileNamePart(printoutName);
    if (printout.isEmpty())
        printout = QStringLiteral("印刷");
    return (project.isEmpty() ? printout : project + u'-' + printout) + QStringLiteral(".pdf");
}

Status QtPrinter::print(const services::PrintDocument& document) {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    const QString printerName = defaultPrinter.printerName();
    const PreviewChoice choice =
        m_preview ? m_preview(document, printerName) : showPrintPreview(document, printerName, m_parent);
    switch (choice) {
    case PreviewChoice::Cancel:
        return Status::failure(kCancelled);
    case PreviewChoice::SavePdf:
        return saveAsPdf(document);
    case PreviewChoice::Print:
        break;
    }
    if (defaultPrinter.isNull())
        return saveAsPdf(document);
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setColorMode(QPrinter::GrayScale);
    return renderDocument(document, printer);
}

Status QtPrinter::saveAsPdf(const services::PrintDocument& document) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.title = QStringLiteral("PDFファイルに保存");
    request.filter = QStringLiteral("PDFファイル(.pdf)|*.pdf");
    const QString last = m_place.lastFolder ? *m_place.lastFolder : QString();
    if (!last.isEmpty() && QDir(last).exists())
        request.initialFolder = last;
    else if (!m_place.dataFolder.isEmpty() && QDir(m_place.dataFolder).exists())
        request.initialFolder = m_place.dataFolder;
    else
        request.initialFolder = QDir::homePath();
    request.defaultExtension = QStringLiteral("pdf");
    request.fileName = pdfFileName(m_place.projectName, document.title);
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
    if (!written.ok())
        return written;
    if (m_place.lastFolder)
        *m_place.lastFolder = QFileInfo(choice.path).absolutePath();
    if (m_prompter.ask(QStringLiteral("PDFファイルに保存しました。\n") +
                           QDir::toNativeSeparators(choice.path) +
                           QStringLiteral("\nPDFファイルを開きますか？"),
                       kTitle, PromptButtons::OkCancel) == PromptAnswer::Ok &&
        !(m_opener ? m_opener(choice.path) : QDesktopServices::openUrl(QUrl::fromLocalFile(choice.path))))
        m_prompter.tell(QStringLiteral("PDFファイルを開くアプリケーションが見つかりません。"), kTitle);
    return written;
}

} // namespace tv::ui
