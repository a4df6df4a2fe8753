// Test double of the clipboard: keeps every text put on it.
#pragma once

#include "services/clipboard_port.h"

#include <QStringList>

namespace tv::test {

class FakeClipboard : public services::ClipboardPort {
public:
    void setText(const QString& text) override { texts.append(text); }
    QStringList texts;
};

} // namespace tv::test
