#pragma once

#include "measure/Measurement.h"
#include "measure/SpeechJudgement.h"

namespace orvik {

// The speech page of a transducer and channel (one page for the bone vibrator): the level of five sources at
// the dial setting, speech sources in the 1000 Hz band, white noise as the overall C-weighted level. It works on
// a copy of the channel's five sources.
class SpeechMeasurement : public Measurement {
public:
    SpeechMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, Channel channel,
                      TestNumber test);

    int measureAll() override;
    // The rows are the sources.
    int measureSelected(const QList<int>& rows) override;
    PageVerdict takeDataBack() override;
    void fillList() override;
    void loadInputs() override;

    int dialSetting() const { return m_dialHl; }
    bool setDialSettingText(const QString& text);
    // "Placement:" of the bone vibrator (0 "Mastoid", 1 "Forehead") and "Incidence Angle:" of the speakers (0, 1,
    // 2 for 0, 45, 90 degrees); they go with every source measured after the choice.
    int placement() const { return m_placement; }
    int angle() const { return m_angle; }
    void setPlacement(int placement);
    void setAngle(int angle);
    static QStringList placementNames();
    static QStringList angleNames();
    // The speech sources' reference at the current placement or angle, for the Adjust display.
    SpeechReference reference() const;

private:
    int measureSources(const QList<int>& sources, bool selectedRun);
    QString dialText(int source) const;
    PointAttempt readSource(int source, const QString& dialText, bool selectedRun, ProgressWindow& progress);
    int readOverallLevel(float& level, ProgressWindow& progress);

    SpeechSource m_sources[SpeechSourceCount]{};
    int m_dialHl = 0;
    int m_placement = 0;
    int m_angle = 0;
};

} // namespace orvik
