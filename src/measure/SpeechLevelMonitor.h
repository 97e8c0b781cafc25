#pragma once

#include "measure/MeterLink.h"
#include "model/AudiometerRecord.h"

#include <QStringList>

namespace orvik {

// The live display of the speech test without its dialog: every tick reads the level on the basis the
// technician chose (the 1000 Hz band, or the overall C-weighted level) and shows it beside the level minus the
// page's reference. The basis is remembered under "Adjust Basis".
class SpeechLevelMonitor {
public:
    enum Basis { Band1000Hz = 0, OverallC = 1 };

    SpeechLevelMonitor(AudiometerRecord& record, MeterLink& link, TransducerKind transducer, double referenceDb);

    // The opening steps; false when the dialog closes (mode refused and the technician cancelled).
    bool open();
    static QStringList basisNames(); // "Select Reading Basis"
    int basis() const { return m_basis; }
    // Sets the meter up for the basis and waits until it runs again; false when it does not, after the
    // technician was told.
    bool chooseBasis(int basis);

    // One tick; false when the technician stopped the display after a failed read.
    bool tick();
    bool timerRunning() const { return m_timer; }
    QString levelText() const { return m_levelText; }
    QString hearingLevelText() const { return m_hlText; }

private:
    int readLevel(double& level);
    int configureMeter();

    AudiometerRecord& m_record;
    MeterLink& m_link;
    TransducerKind m_transducer;
    double m_reference;
    int m_basis = Band1000Hz;
    bool m_timer = false;
    QString m_levelText;
    QString m_hlText;
};

} // namespace orvik
