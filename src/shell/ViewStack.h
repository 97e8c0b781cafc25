#pragma once

#include "shell/ViewId.h"

#include <array>

namespace orvik {

class MessageBox;

// The way back through the views. Idle and the two "top level" views (booth test and summary) cut the
// history short, so "back" from anything reached from them never passes through an unrelated view.
class ViewStack {
public:
    static constexpr int Capacity = 9;

    explicit ViewStack(MessageBox& messages);

    void push(ViewId view);
    // The view before the current one; at the bottom the bottom entry itself.
    ViewId pop();

    ViewId top() const { return m_entries[static_cast<std::size_t>(m_top)]; }
    int topIndex() const { return m_top; }
    ViewId at(int index) const { return m_entries[static_cast<std::size_t>(index)]; }

private:
    MessageBox& m_messages;
    std::array<ViewId, Capacity> m_entries{};
    int m_top = 0;
};

} // namespace orvik
