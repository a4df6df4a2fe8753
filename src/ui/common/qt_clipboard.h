// The clipboard port on Qt: the system clipboard's plain text.
#pragma once

#include "services/clipboard_port.h"

namespace tv::ui {

class QtClipboard : public services::ClipboardPort {
public:
    void setText(const QString& text) override;
};

} // namespace tv::ui
