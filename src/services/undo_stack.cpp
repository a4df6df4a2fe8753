// The undo history of a window.
#include "services/undo_stack.h"

#include <algorithm>

namespace tv::services {

UndoStack::UndoStack(int limit, QObject* parent) : QObject(parent), m_limit(size_t(std::max(limit, 1))) {}

UndoStack::~UndoStack() = default;

void UndoStack::record(std::unique_ptr<UndoStep> step) {
    if (!step || m_replaying)
        return;
    m_steps.resize(m_done);
    if (m_open && !m_steps.empty() && m_steps.back()->absorb(*step)) {
        if (m_steps.back()->isEmpty()) {
            m_steps.pop_back();
            m_done = m_steps.size();
            m_open = false;
        }
        Q_EMIT changed();
        return;
    }
    m_steps.push_back(std::move(step));
    if (m_steps.size() > m_limit)
        m_steps.erase(m_steps.begin(), m_steps.begin() + std::ptrdiff_t(m_steps.size() - m_limit));
    m_done = m_steps.size();
    m_open = true;
    Q_EMIT changed();
}

bool UndoStack::undo() {
    if (!canUndo() || m_replaying)
        return false;
    m_replaying = true;
    m_steps[--m_done]->undo();
    m_replaying = false;
    m_open = false;
    Q_EMIT changed();
    return true;
}

bool UndoStack::redo() {
    if (!canRedo() || m_replaying)
        return false;
    m_replaying = true;
    m_steps[m_done++]->redo();
    m_replaying = false;
    m_open = false;
    Q_EMIT changed();
    return true;
}

void UndoStack::clear() {
    m_steps.clear();
    m_done = 0;
    m_open = false;
    Q_EMIT changed();
}

} // namespace tv::services
