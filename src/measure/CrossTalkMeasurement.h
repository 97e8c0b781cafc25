#pragma once

#include "measure/Measurement.h"

namespace orvik {

// The cross-talk page: with one earphone on the coupler, how much of the other channel's tone reaches it, and
// what the earphone gives with its tone off. Five placements in a row; it works on a copy of the transducer's
// cross-talk block.
class CrossTalkMeasurement : public Measurement {
public:
    CrossTalkMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, Channel channel);

    int measureAll() override;
    // The five placements only make sense together: Measure Selected runs them all.
    int measureSelected(const QList<int>&) override { return measureAll(); }
    PageVerdict takeDataBack() override;
    void fillList() override;
    FreqIndex testFrequency() const;
    // The frequencies "Test Frequency:" offers: those of the set-up.
    QList<FreqIndex> frequenciesOffered() const;
    // "Test Frequency:"; the stored levels stay until measured again.
    void setTestFrequency(FreqIndex frequency);
    const CrossTalkBlock& block() const { return m_block; }

private:
    struct Step;
    bool runStep(const Step& step, RunProgress& progress);
    int readLevel(const Step& step, ProgressWindow& progress, float& level);

    CrossTalkBlock m_block{};
};

// The three judged rows: each direction's leak and the residual output with the tone off.
ResultList buildCrossTalkList(const TestSetup& setup, TransducerKind transducer, const CrossTalkBlock& block);

} // namespace orvik
