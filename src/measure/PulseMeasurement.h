#pragma once

#include "measure/Measurement.h"
#include "measure/PulseReply.h"

namespace orvik {

// The pulsed-tone page: the timing of the pulsed tone at 1000 Hz, one page for both channels. It works on a copy
// of the transducer's pulse block.
class PulseMeasurement : public Measurement {
public:
    PulseMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, Channel channel);

    int measureAll() override;
    // There is only the one point: Measure Selected measures it too.
    int measureSelected(const QList<int>&) override { return measureAll(); }
    PageVerdict takeDataBack() override;
    void fillList() override;
    const PulseBlock& block() const { return m_block; }

private:
    PointAttempt readPulse(ProgressWindow& progress);
    int downloadPulse(PulseReply& reply);

    PulseBlock m_block{};
};

// The list: one row at 1000 Hz when that frequency is selected.
ResultList buildPulseList(const TestSetup& setup, const PulseBlock& block);

} // namespace orvik
