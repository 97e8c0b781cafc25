#include "measure/SpeechLevelMonitor.h"

#include "core/Settings.h"
#include "measure/LevelCorrections.h"
#include "measure/LiveReading.h"
#include "measure/MeterSetup.h"
#include "measure/OneThirdOctaveBands.h"
#include "measure/WaitForMeterReady.h"
#include "meter/K37Commands.h"

namespace orvik {

namespace {
constexpr FreqIndex At1000 = freqIndexOf(1000.0f);
constexpr int SpeechVariant = 9;
constexpr int RunRounds = 3;
constexpr int FlatWeighting = 2;
constexpr int CWeighting = 1;

const QString RefusedText = QStringLiteral("Could not set the K37 properly to adjust the Speech level/frequency! "
                                           "Verify that it is powered on, stable, and connected to the PC. Then "
                                           "press OK!");
} // namespace

SpeechLevelMonitor::SpeechLevelMonitor(AudiometerRecord& record, MeterLink& link, TransducerKind transducer,
                                       double referenceDb)
    : m_record(record), m_link(link), m_transducer(transducer), m_reference(referenceDb) {}

QStringList SpeechLevelMonitor::basisNames() {
    return {QStringLiteral("1000 Hz Frequency"), QStringLiteral("Overall (C Weight)")};
}

bool SpeechLevelMonitor::open() {
    if (!m_link.attachToSession()) {
        m_link.messages().show(meterNotConnectedText());
        return false;
    }
    while (!ensureMeterMode(m_link, MeterMode::SlmRta, SpeechVariant, true)) {
        if (m_link.messages().show(RefusedText, MessageButtons::OkCancel) != MessageAnswer::Ok)
            return false;
    }
    const int remembered = Setting::AdjustBasis.read(m_link.services.settings);
    m_basis = remembered == OverallC ? OverallC : Band1000Hz;
    m_timer = true;
    return true;
}

bool SpeechLevelMonitor::chooseBasis(int basis) {
    if (basis != Band1000Hz && basis != OverallC)
        return false;
    m_basis = basis;
    Setting::AdjustBasis.write(m_link.services.settings, basis);
    if (!m_link.attachToSession() || configureMeter() < 0) {
        m_link.messages().show(RefusedText);
        m_timer = false;
        return false;
    }
    m_timer = true;
    return true;
}

// The band is read flat, as the hearing-level display reads it; the overall level through the C weighting its
// name promises.
int SpeechLevelMonitor::configureMeter() {
    SlmCommander& meter = m_link.meter();
    meter.stop();
    const int weighting = m_basis == OverallC ? CWeighting : FlatWeighting;
    for (const QByteArray& command :
         {QByteArray(k37::Reset), k37::setting(k37::SetDetector, 0), k37::setting(k37::SetDetectorCompanion, 0),
          k37::setting(k37::SetWeighting, weighting), k37::setting(k37::SetWeightingCompanion, weighting)}) {
        QByteArray reply;
        if (const int status = meter.sendCommand(command, &reply, 40, 3); status < 0)
            return status;
    }
    int status = 0;
    for (int round = 0; round < RunRounds; ++round) {
        meter.run();
        status = waitForMeterReady(meter);
        if (status >= 0)
            return status;
    }
    return status;
}

int SpeechLevelMonitor::readLevel(double& level) {
    if (m_basis == Band1000Hz) {
        const int status = readLiveBandLevel(m_link.meter(), bandOfFrequencyIndex(At1000), level);
        level -= microphoneCorrection(m_transducer, At1000, m_record.setup);
        return status;
    }
    if (const int status = waitForMeterReady(m_link.meter()); status < 0)
        return status;
    float overall = 0.0f;
    const int status = m_link.meter().readLevel(overall);
    level = overall;
    return status;
}

bool SpeechLevelMonitor::tick() {
    if (!m_timer)
        return false;
    m_timer = false;
    double level = 0.0;
    if (!readLive(m_link, [this](double& value) { return readLevel(value); }, level))
        return false;
    m_levelText = QString::asprintf("%.1f", level);
    m_hlText = QString::asprintf("%.1f", level - m_reference);
    m_timer = true;
    return true;
}

} // namespace orvik
