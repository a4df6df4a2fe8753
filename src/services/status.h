// Outcome of an operation that can fail with a message for the user.
#pragma once

#include <QString>

namespace tv::services {

// Empty message = success. The message is Japanese text ready for a message box.
struct Status {
    QString error;

    bool ok() const { return error.isEmpty(); }
    static Status success() { return {}; }
    static Status failure(QString message) { return {std::move(message)}; }
};

} // namespace tv::services
