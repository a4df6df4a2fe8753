// The printer port on Qt: the system's default printer; without one, the printout can be saved as PDF.
#pragma once

#include "services/file_chooser.h"
#include "services/printer_port.h"
#include "services/prompter.h"

namespace tv::ui {

class QtPrinter : public services::PrinterPort {
public:
    QtPrinter(services::Prompter& prompter, services::FileChooser& chooser)
        : m_prompter(prompter), m_chooser(chooser) {}
    services::Status print(const services::PrintDocument& document) override;

private:
    services::Status saveAsPdf(const services::PrintDocument& document);

    services::Prompter& m_prompter;
    services::FileChooser& m_chooser;
};

} // namespace tv::ui
