// The Qt side of WindowOpener: creates the view of each window over its model and runs it modally.
#pragma once

#include "services/window_opener.h"
#include "state/app_state.h"

class QWidget;

namespace tv::ui {

class QtWindowOpener : public services::WindowOpener {
public:
    QtWindowOpener(QWidget* parent, AppState& state) : m_parent(parent), m_state(state) {}
    bool open(services::WindowId id) override;

    // The window the opened windows are modal to (the start window, once it exists).
    void setParentWidget(QWidget* parent) { m_parent = parent; }

private:
    QWidget* m_parent;
    AppState& m_state;
};

} // namespace tv::ui
