#pragma once

#include "model/Transducer.h"
#include "sim/DialFollowingMessageBox.h"
#include "sim/K37Simulator.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include <functional>

namespace orvik {

struct TestSetup;

// The simulated bench of `orvik --simulate` and of `orvik-cli calibrate`: the K37 on COM1 with the audiometer
// under test behind it, and the technician at that audiometer, who follows every dial prompt. What the bench
// hears follows the record: the reference levels of its set-up and the transducer put on the coupler.
class DemoBench {
public:
    // `clock`: the one the program waits on; `questions`: where everything but a dial prompt goes.
    DemoBench(Clock& clock, MessageBox& questions, sim::AnalyserBehaviour behaviour = {});

    sim::K37Simulator& simulator() { return m_simulator; }
    SerialDeviceFactory& ports() { return m_ports; }
    sim::DialFollowingMessageBox& technician() { return m_technician; }

    // The audiometer shows these faults from now on, on top of those it had.
    void addFaults(const QList<sim::AudiometerFault>& faults);
    // The audiometer's output in dB HL means the reference levels of this set-up; its mastoid is the set-up's.
    void followSetup(const TestSetup& setup);
    void placeTransducer(TransducerKind transducer);
    // placeTransducer as a callback for the test sheet, which moves from transducer to transducer.
    std::function<void(TransducerKind)> placement();

private:
    sim::K37Simulator m_simulator;
    sim::SimulatedSerialDeviceFactory m_ports;
    sim::DialFollowingMessageBox m_technician;
};

} // namespace orvik
