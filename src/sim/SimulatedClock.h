#pragma once

#include "core/Clock.h"

namespace orvik::sim {

// Time for a simulated meter that nobody watches: it passes only when the caller waits, a millisecond per pump
// and the whole amount on sleep, so a headless run of minutes ends in a moment and always the same way.
class SimulatedClock final : public Clock {
public:
    qint64 milliseconds() override { return m_now; }
    void sleep(int ms) override { m_now += ms > 0 ? ms : 0; }
    void pumpMessages() override { ++m_now; }

private:
    qint64 m_now = 0;
};

} // namespace orvik::sim
