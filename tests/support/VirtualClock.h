#pragma once

#include "core/Clock.h"

#include <functional>
#include <vector>

namespace orvik::test {

// Time that passes only when the code under test waits: sleep() moves it by the time asked, every pump of
// the message loop by one tick. A 60 s time-out costs 60000 pumps, not a minute.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(qint64 tickMs = 1) : m_tick(tickMs) {}

    qint64 milliseconds() override { return m_now; }
    void sleep(int ms) override { advance(ms); }
    void pumpMessages() override;

    void advance(qint64 ms);
    // Runs at every pump, after time has moved: stands in for window messages (a click, a timer).
    void onPump(std::function<void()> handler) { m_pumpHandlers.push_back(std::move(handler)); }
    qint64 pumps() const { return m_pumps; }

private:
    qint64 m_now = 0;
    qint64 m_tick;
    qint64 m_pumps = 0;
    std::vector<std::function<void()>> m_pumpHandlers;
};

} // namespace orvik::test
