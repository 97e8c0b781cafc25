#pragma once

#include "sim/AcousticScene.h"
#include "sim/K37Meter.h"
#include "sim/MeterWire.h"

namespace orvik::sim {

// One simulated meter with everything behind it: the acoustic scene, the meter's state and its serial line.
// It outlives the ports opened on it, as a meter outlives the cable being plugged in and out.
class K37Simulator {
public:
    explicit K37Simulator(K37Profile profile = {}, AnalyserBehaviour behaviour = {})
        : m_meter(m_scene, std::move(profile), behaviour), m_wire(m_meter) {}
    K37Simulator(const K37Simulator&) = delete;
    K37Simulator& operator=(const K37Simulator&) = delete;

    AcousticScene& scene() { return m_scene; }
    K37Meter& meter() { return m_meter; }
    MeterWire& wire() { return m_wire; }

private:
    AcousticScene m_scene;
    K37Meter m_meter;
    MeterWire m_wire;
};

} // namespace orvik::sim
