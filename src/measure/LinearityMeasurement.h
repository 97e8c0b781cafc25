#pragma once

#include "measure/LinearitySeries.h"
#include "measure/Measurement.h"

namespace orvik {

// The linearity page of one earphone channel: at one test frequency the technician steps the hearing-level dial
// through a series of levels and the page reads the sound pressure level at each, then judges each step against
// the dial step and each level against the dial. Near the bottom the meter's own noise floor decides where the
// series ends. It works on a copy of the channel's linearity block.
class LinearityMeasurement : public Measurement {
public:
    LinearityMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, Channel channel);

    int measureAll() override;
    // The first selected row: its level, or the noise floor again for the noise-floor row.
    int measureSelected(const QList<int>& rows) override;
    PageVerdict takeDataBack() override;
    void fillList() override;

    FreqIndex testFrequency() const { return linearityFrequency(m_block.testFrequency); }
    // The frequencies "Test Frequency:" offers: those of the set-up.
    QList<FreqIndex> frequenciesOffered() const;
    // "Test Frequency:". When the record holds readings at that frequency the technician may take them up again;
    // otherwise the readings and the noise floor are cleared.
    void setTestFrequency(FreqIndex frequency);
    int maxDialLevel() const { return m_block.maxDialLevel; }
    // "Max dBHL:" as typed; a new maximum moves every level of the series, so the readings go (the noise floor stays).
    void setMaxDialLevel(int typed);
    int dialStep() const { return dialStepOrDefault(m_block.dialStep); }
    void setDialStep(int step);
    // "Direction:", remembered in the settings for the next page.
    LinearityDirection direction() const;
    void setDirection(LinearityDirection direction);
    bool noiseFloorMeasured() const { return m_noiseFloorMeasured; }
    const LinearityBlock& block() const { return m_block; }

    // Called with the list row of a level just measured, so that the view keeps it in sight.
    std::function<void(int row)> onLevelShown;

private:
    int runWith(int points, const std::function<void()>& body);
    bool prepareRun(RunProgress& progress);
    void runUp();
    void runDown(bool keepReadings);
    bool noiseFloorDueAt(int level) const;
    bool measureLevel(int level, bool selectedRun);
    bool measureNoiseFloor();
    int readLevel(int level, ProgressWindow& progress);
    int readBand(int gainSetting, ProgressWindow& progress);
    int bringGainTo(int setting, ProgressWindow& progress);
    int readGainValue(int& gainDb);
    bool endRunAfterFailures();
    int plannedPoints() const;
    void clearReadings();
    void startPoint(const QString& what);
    void showLevel(int level);

    LinearityBlock m_block{};
    bool m_noiseFloorMeasured = false;
    int m_gainDb = 0;      // the meter's gain as "Q148" last reported it
    bool m_endRun = false; // the technician stopped after a level that failed five times
    int m_point = 0;       // points started in this run, for the progress window
};

} // namespace orvik
