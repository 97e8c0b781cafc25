#include "shell/ViewStack.h"

#include "core/MessageBox.h"

namespace orvik {

ViewStack::ViewStack(MessageBox& messages) : m_messages(messages) { m_entries.fill(ViewId::Idle); }

void ViewStack::push(ViewId view) {
    if (top() == view)
        return;
    if (view == ViewId::Idle) {
        m_top = 0;
        m_entries[0] = ViewId::Idle;
        return;
    }
    if (view == ViewId::Ambient || view == ViewId::Summary) {
        m_entries[0] = ViewId::Idle;
        m_top = 1;
        m_entries[1] = view;
        return;
    }
    for (int i = 0; i <= m_top; ++i) {
        if (at(i) == view) {
            m_top = i;
            return;
        }
    }
    if (m_top + 1 >= Capacity) {
        m_messages.show(QStringLiteral("Internal error: Unable to push view onto stack."));
        return;
    }
    m_entries[static_cast<std::size_t>(++m_top)] = view;
}

ViewId ViewStack::pop() {
    if (m_top >= 1)
        --m_top;
    return top();
}

} // namespace orvik
