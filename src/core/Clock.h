#pragma once

#include <QtGlobal>

namespace orvik {

// Time and the message pump. Every wait of the meter link and the measurements goes through a Clock,
// so tests run them on virtual time and the program keeps its window alive while it waits.
class Clock {
public:
    virtual ~Clock() = default;
    virtual qint64 milliseconds() = 0; // monotonic
    virtual void sleep(int ms) = 0;
    virtual void pumpMessages() = 0; // dispatch pending window messages once
};

// Real time; pumps the Qt event loop when there is one.
class SystemClock final : public Clock {
public:
    SystemClock();
    qint64 milliseconds() override;
    void sleep(int ms) override;
    void pumpMessages() override;

private:
    qint64 m_origin;
};

} // namespace orvik
