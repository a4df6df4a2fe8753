// The printer port on Qt: the pages are shown first; from there they go to the default printer or,
// in two steps, into a PDF file.
#pragma once

#include "services/file_chooser.h"
#include "services/printer_port.h"
#include "services/prompter.h"
#include "ui/common/print_preview_dialog.h"

#include <QString>

#include <functional>

class QWidget;

namespace tv {
struct AppState;
}

namespace tv::ui {

// Where a printout saved as PDF goes: the save dialog starts in the project's Data folder, later in
// the folder of the last PDF saved in this run, and offers the name "<物件名>-<表名>.pdf".
struct PdfPlace {
    QString dataFolder;
    QString projectName;
    QString* lastFolder = nullptr; // kept by the caller for the whole run; may be null
};

// The PDF place of the open project, with the last folder kept in `state`.
PdfPlace pdfPlace(AppState& state);

class QtPrinter : public services::PrinterPort {
public:
    // Stand-ins for the preview dialog and the desktop's viewer (tests); unset, the real ones are used.
    // The preview: the pages and the default printer's name (empty without one); the user's choice.
    using Preview = std::function<PreviewChoice(const services::PrintDocument&, const QString&)>;
    // Opens a saved PDF in the desktop's viewer; false when none could be started.
    using FileOpener = std::function<bool(const QString& path)>;

    QtPrinter(services::Prompter& prompter, services::FileChooser& chooser, PdfPlace place = {});
    services::Status print(const services::PrintDocument& document) override;

    void setParentWidget(QWidget* parent) { m_parent = parent; }
    void setPreview(Preview preview) { m_preview = std::move(preview); }
    void setFileOpener(FileOpener opener) { m_opener = std::move(opener); }

    // "<project>-<printout>.pdf", or the printout's name alone without a project; characters that a
    // file name cannot hold become "_".
    static QString pdfFileName(const QString& projectName, const QString& printoutName);

private:
    services::Status saveAsPdf(const services::PrintDocument& document);

    services::Prompter& m_prompter;
    services::FileChooser& m_chooser;
    PdfPlace m_place;
    QWidget* m_parent = nullptr;
    Preview m_preview;
    FileOpener m_opener;
};

} // namespace tv::ui
