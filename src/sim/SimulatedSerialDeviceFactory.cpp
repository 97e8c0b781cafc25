#include "sim/SimulatedSerialDeviceFactory.h"

#include "sim/SimulatedSerialDevice.h"

namespace orvik::sim {

SimulatedSerialDeviceFactory::SimulatedSerialDeviceFactory(K37Simulator& simulator, Clock& clock, int meterPortIndex)
    : m_simulator(simulator), m_clock(clock), m_meterPort(meterPortIndex) {}

std::unique_ptr<SerialDevice> SimulatedSerialDeviceFactory::create(int portIndex) {
    ++m_created;
    MeterWire* wire = portIndex == m_meterPort ? &m_simulator.wire() : nullptr;
    return std::make_unique<SimulatedSerialDevice>(wire, m_clock);
}

} // namespace orvik::sim
