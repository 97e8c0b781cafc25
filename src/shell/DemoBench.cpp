#include "shell/DemoBench.h"

#include "sim/ModelMastoid.h"
#include "sim/ModelReferenceLevels.h"

namespace orvik {

DemoBench::DemoBench(Clock& clock, MessageBox& questions, sim::AnalyserBehaviour behaviour)
    : m_simulator(sim::K37Profile{}, behaviour), m_ports(m_simulator, clock),
      m_technician(questions, m_simulator.scene()) {}

void DemoBench::addFaults(const QList<sim::AudiometerFault>& faults) {
    m_simulator.scene().audiometer().faults += faults;
    m_simulator.scene().touch();
}

void DemoBench::followSetup(const TestSetup& setup) {
    m_simulator.scene().setReferenceLevels(sim::modelReferenceLevels(setup));
    m_simulator.scene().mastoidResponse() = sim::modelMastoidResponse(setup);
}

void DemoBench::placeTransducer(TransducerKind transducer) {
    m_simulator.scene().placeTransducer(int(transducer));
}

std::function<void(TransducerKind)> DemoBench::placement() {
    return [this](TransducerKind transducer) { placeTransducer(transducer); };
}

} // namespace orvik
