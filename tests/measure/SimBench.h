#pragma once

#include "TestServices.h"
#include "measure/MeterLink.h"
#include "model/AudiometerRecord.h"
#include "sim/DialFollowingMessageBox.h"
#include "sim/K37Simulator.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include <QByteArrayList>
#include <memory>

namespace orvik::test {

// Hands out the simulator's ports and notes every command line the program writes to them (checksum and line end
// taken off), so that tests can tell what was sent to the meter.
class CommandLog final : public SerialDeviceFactory {
public:
    explicit CommandLog(SerialDeviceFactory& inner) : m_inner(inner) {}
    std::unique_ptr<SerialDevice> create(int portIndex) override;
    void note(const QByteArray& bytes);
    QByteArrayList commands;

private:
    SerialDeviceFactory& m_inner;
    QByteArray m_pending;
};

// A technician's bench on virtual time: an audiometer record set up for supra-aural earphones at the default
// frequencies, the simulated K37 on COM1 connected at 9600 baud, and a technician who follows every dial prompt.
// Questions that are not dial prompts go to the scripted message box.
struct SimBench {
    explicit SimBench(sim::AnalyserBehaviour behaviour = {});

    TestServices t;
    AudiometerRecord record{};
    sim::K37Simulator simulator;
    sim::DialFollowingMessageBox technician{t.messages, simulator.scene()};
    sim::SimulatedSerialDeviceFactory factory{simulator, t.clock};
    CommandLog log{factory};
    MeterSession session{log, technician, t.clock};
    std::unique_ptr<KeySimulator> keys;
    std::unique_ptr<MeterLink> link;

    // Connects the meter and builds the link; false when the meter refused.
    bool connect();
    sim::VirtualAudiometer& audiometer() { return simulator.scene().audiometer(); }
};

// Chooses every instrument the supra-aural, insert and speaker runs need (not the mastoid).
void chooseInstruments(TestSetup& setup);

} // namespace orvik::test
