// Test double of the printer: keeps every document it is asked to print.
#pragma once

#include "services/printer_port.h"

#include <QList>

namespace tv::test {

class RecordingPrinter : public services::PrinterPort {
public:
    services::Status print(const services::PrintDocument& document) override {
        documents.append(document);
        return services::Status::success();
    }
    QList<services::PrintDocument> documents;
};

} // namespace tv::test
