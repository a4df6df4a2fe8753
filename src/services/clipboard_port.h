// Port: the system clipboard (plain text only).
#pragma once

#include <QString>

namespace tv::services {

class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    // Clears the clipboard and puts `text` on it.
    virtual void setText(const QString& text) = 0;
};

} // namespace tv::services
