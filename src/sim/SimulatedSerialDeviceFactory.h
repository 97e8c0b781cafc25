#pragma once

#include "core/Clock.h"
#include "meter/SerialDevice.h"
#include "sim/K37Simulator.h"

namespace orvik::sim {

// Hands out ports to the simulated meter: the meter hangs on one port index (COM1 = 0 unless told
// otherwise); every other index is a port that does not exist. Each create() is a fresh handle on the same
// meter, as reopening a real port finds the same meter behind it.
class SimulatedSerialDeviceFactory final : public SerialDeviceFactory {
public:
    SimulatedSerialDeviceFactory(K37Simulator& simulator, Clock& clock, int meterPortIndex = 0);

    std::unique_ptr<SerialDevice> create(int portIndex) override;

    // -1 takes the meter off every port.
    void setMeterPort(int portIndex) { m_meterPort = portIndex; }
    int created() const { return m_created; }

private:
    K37Simulator& m_simulator;
    Clock& m_clock;
    int m_meterPort;
    int m_created = 0;
};

} // namespace orvik::sim
