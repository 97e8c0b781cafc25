#pragma once

#include "measure/EquipmentCheck.h"
#include "measure/FmReading.h"
#include "measure/ToneList.h"

namespace orvik {

// The hearing-level page and its three relatives (frequency accuracy, FM, narrow band): one page a channel of
// an earphone. It works on a copy of its record block; the sheet takes the copy back with takeDataBack().
class ToneMeasurement : public Measurement {
public:
    ToneMeasurement(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, Channel channel,
                  ToneKind kind);

    ToneKind kind() const { return m_kind; }
    // The dial levels of the hearing-level or narrow-band input table; the other kinds keep the tone block's.
    void setDialLevels(const qint16 (&levels)[FrequencyCount]);

    int measureAll() override;
    int measureSelected(const QList<int>& rows) override;
    PageVerdict takeDataBack() override;
    // The hearing-level and narrow-band pages run at the dial levels of the record's input-level tables.
    void loadInputs() override;

    // Rebuilds the list; warns once about missing reference levels and drops their rows when the settings say.
    void fillList() override;
    void toggleAppliedCorrections();
    bool showsAppliedCorrections() const { return m_showCorrections; }
    bool appliedCorrectionsAvailable() const { return m_kind != ToneKind::Fm; }
    // The test frequency of a list row, from its first cell as the list shows it; -1 for no such row.
    FreqIndex frequencyOfRow(int row) const;
    FreqIndex measuringIndex() const override { return m_measuring; }
    const ToneBlocks& blocks() const { return m_blocks; }

private:
    bool runAllowed();
    FreqIndex startIndex();
    void runPoints(const QList<FreqIndex>& points, bool selectedRun);
    double resultAt(FreqIndex i) const;
    PointOutcome measureOne(FreqIndex i, bool checkMode, bool selectedRun);
    PointOutcome levelPoint(FreqIndex i, bool checkMode, bool selectedRun);
    PointOutcome frequencyPoint(FreqIndex i, bool checkMode, bool selectedRun);
    PointOutcome fmPoint(FreqIndex i, bool checkMode);
    int fmTriple(FreqIndex i, ProgressWindow& progress, std::array<FmReply, 3>& readings);
    int fmReading(ProgressWindow& progress, const QString& label, FmReply& reply);
    int waitForTwoValidFm(ProgressWindow& progress);
    int downloadFm(FmReply& reply);
    int readToneFrequency(double& hz, ProgressWindow& progress);
    void pointDone();

    ToneKind m_kind;
    ToneBlocks m_blocks{};
    qint16 m_dial[FrequencyCount]{};
    bool m_showCorrections = false;
    FreqIndex m_measuring = -1;
    float m_lastFrequency = 0.0f;
};

} // namespace orvik
