#pragma once

#include "measure/EquipmentCheck.h"
#include "measure/MeterLink.h"
#include "model/AudiometerRecord.h"
#include "model/FrequencyTable.h"

#include <QStringList>

namespace orvik {

// The live display with which the technician trims the audiometer's output, without its dialog: every 1000 ms
// tick reads the chosen frequency's band once and shows measured SPL and hearing level beside dial and target.
class LiveLevelMonitor {
public:
    LiveLevelMonitor(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                     const qint16 (&dialLevels)[FrequencyCount]);

    // The opening steps; false when the dialog closes (mode refused or grid question cancelled).
    bool open(FreqIndex preselected, GridQuestion* gridQuestion);
    QStringList frequencyLines() const;
    void chooseFrequencyLine(int line);
    FreqIndex frequency() const { return m_frequency; }

    // One tick; false when the technician stopped the display after a failed read.
    bool tick();
    bool timerRunning() const { return m_timer; }

    QString measuredSplText() const { return m_splText; }
    QString measuredHlText() const { return m_hlText; }
    QString dialText() const;
    QString targetText() const;

private:
    AudiometerRecord& m_record;
    MeterLink& m_link;
    TransducerKind m_transducer;
    qint16 m_dial[FrequencyCount];
    QList<FreqIndex> m_frequencies;
    FreqIndex m_frequency = -1;
    bool m_timer = false;
    QString m_splText;
    QString m_hlText;
};

} // namespace orvik
