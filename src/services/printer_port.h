// Port: the system's default printer.
#pragma once

#include "services/print_document.h"
#include "services/status.h"

namespace tv::services {

class PrinterPort {
public:
    virtual ~PrinterPort() = default;
    // Prints on the default printer (A4). A failure carries a message for the user.
    virtual Status print(const PrintDocument& document) = 0;
};

} // namespace tv::services
