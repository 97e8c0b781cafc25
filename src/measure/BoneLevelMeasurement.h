#pragma once

#include "measure/BoneLevelList.h"
#include "measure/Measurement.h"

namespace orvik {

// The bone vibrator's hearing-level page: the force level on the artificial mastoid at each test frequency from
// 250 to 8000 Hz, judged against the RETFL of mastoid or forehead. One page; it works on a copy of the record's
// bone block, which takeDataBack() hands back.
class BoneLevelMeasurement : public Measurement {
public:
    BoneLevelMeasurement(AudiometerRecord& record, MeterLink& link);

    int measureAll() override;
    int measureSelected(const QList<int>& rows) override;
    PageVerdict takeDataBack() override;
    // The dial levels of the bone input-level page, as the sheet stored them in the record.
    void loadInputs() override;
    void fillList() override;
    FreqIndex measuringIndex() const override { return m_measuring; }

    bool forehead() const { return m_block.placement != 0; }
    // "Mastoid" / "Forehead": only the reference and the judgement change; the force levels stay.
    void setForehead(bool forehead);
    void toggleAppliedCorrections();
    bool showsAppliedCorrections() const { return m_showCorrections; }
    const BoneLevelBlock& block() const { return m_block; }

private:
    QList<FreqIndex> pointsOfRows(const QList<int>& rows) const;
    void run(const QList<FreqIndex>& points, bool selectedRun);
    PointOutcome levelPoint(FreqIndex i, bool checkMode, bool selectedRun);

    BoneLevelBlock m_block{};
    qint16 m_dial[FrequencyCount]{};
    bool m_showCorrections = false;
    FreqIndex m_measuring = -1;
};

} // namespace orvik
