#pragma once

#include "measure/Measurement.h"
#include "measure/SoundFieldList.h"

namespace orvik {

// The speakers' hearing-level (warble tones) or narrow-band page: the sound pressure level at the listener's place
// at each test frequency, judged against the free-field reference. A mono page plays one speaker at the incidence
// angle its buttons choose; the binaural page plays both at 0 degrees against the binaural reference. It works on
// a copy of its record block, which takeDataBack() hands back.
class SoundFieldMeasurement : public Measurement {
public:
    // `channel` Left or Right for a mono page, Both for the binaural one.
    SoundFieldMeasurement(AudiometerRecord& record, MeterLink& link, Channel channel, SoundFieldKind kind);

    int measureAll() override;
    int measureSelected(const QList<int>& rows) override;
    PageVerdict takeDataBack() override;
    // The speakers' dial levels of the hearing-level or narrow-band input table.
    void loadInputs() override;
    void fillList() override;
    FreqIndex measuringIndex() const override { return m_measuring; }

    SoundFieldKind kind() const { return m_kind; }
    bool binaural() const { return m_channel == Channel::Both; }
    int angle() const { return m_block.angle; }
    // "0°", "45°", "90°" of a mono page (0, 1, 2); the binaural page stays at 0 degrees.
    void setAngle(int angle);
    const SoundFieldBlock& block() const { return m_block; }

private:
    SoundFieldBlock& recordBlock() const;
    void run(const QList<FreqIndex>& points, bool selectedRun);
    PointOutcome levelPoint(FreqIndex i, bool checkMode, bool selectedRun);
    QString dialText(FreqIndex i) const;

    SoundFieldKind m_kind;
    SoundFieldBlock m_block{};
    qint16 m_dial[FrequencyCount]{};
    FreqIndex m_measuring = -1;
};

} // namespace orvik
