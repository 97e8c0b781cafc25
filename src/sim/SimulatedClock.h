#pragma once

#include "core/Clock.h"

namespace orvik::sim {

// Time on the simulated bench that passes only while the program waits: a sleep moves it by the time asked,
// a pump of the message loop by one millisecond. A whole calibration then costs what its work costs, not the
// minutes its pauses stand for.
class SimulatedClock final : public Clock {
public:
    qint64 milliseconds() override { return m_now; }
    void sleep(int ms) override { m_now += ms > 0 ? ms : 0; }
    void pumpMessages() override { ++m_now; }

private:
    qint64 m_now = 0;
};

} // namespace orvik::sim
