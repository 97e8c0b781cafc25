#pragma once

#include "measure/DistortionList.h"
#include "measure/Measurement.h"

namespace orvik {

// A harmonic-distortion page: the "Left" or "Right" page of an earphone, or the one page of the bone vibrator
// (its profile). It works on a copy of its record block; the sheet takes the copy back with takeDataBack().
class DistortionMeasurement : public Measurement {
public:
    DistortionMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, Channel channel,
                          const DistortionProfile& profile);

    int measureAll() override;
    int measureSelected(const QList<int>& rows) override;
    PageVerdict takeDataBack() override;
    void fillList() override;
    FreqIndex measuringIndex() const override { return m_measuring; }
    const DistortionEntries& entries() const { return m_entries; }

private:
    bool runAllowed();
    bool firmwareAllows();
    void runPoints(const QList<FreqIndex>& points, bool selectedRun);
    PointOutcome measureOne(FreqIndex index, bool checkMode);
    QString notComputedQuestion(FreqIndex index) const;
    DistortionEntry (&recordBlock())[LowFrequencyCount];

    const DistortionProfile& m_profile;
    DistortionEntries m_entries{};
    FreqIndex m_measuring = -1;
};

} // namespace orvik
