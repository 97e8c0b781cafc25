#include "VirtualClock.h"

namespace orvik::test {

void VirtualClock::pumpMessages() {
    ++m_pumps;
    advance(m_tick);
    for (auto& handler : m_pumpHandlers)
        handler();
}

void VirtualClock::advance(qint64 ms) {
    if (ms > 0)
        m_now += ms;
}

} // namespace orvik::test
