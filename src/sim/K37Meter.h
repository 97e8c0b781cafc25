#pragma once

#include "sim/AcousticScene.h"
#include "sim/MeterAnalyser.h"
#include "sim/MeterCommand.h"

#include <QByteArray>
#include <QtGlobal>

namespace orvik::sim {

// What the meter is and how quickly it does things.
struct K37Profile {
    QByteArray identity = "Veltan-Quirn K37 S/N 04172";
    QByteArray firmware = "3.610";
    double batteryVolts = 5.6;
    bool externalPower = false;
    double externalVolts = 12.0;
    int instrument = 1; // application loaded at power-up (1 = SLM&RTA)
    double calibrationOffsetDb = 0.0;
    double calibrationLevelDb = 114.0;

    int loadInstrumentMs = 2500;
    int runStartMs = 500;          // from "M3" until the run state shows 'R'
    int gainSettleMs = 1500;       // a gain change within the same range
    int gainRangeSettleMs = 12000; // a gain change between the low settings (0, 1) and the others
    int transducerSettleMs = 4000; // polarisation of a new transducer setting
    int keyMs = 40;                // one simulated key press
    bool neverReady = false;       // the run state never reaches 'R'
};

// The meter's answer to one command line, before framing.
struct MeterResponse {
    QByteArray text;      // reply text; an error reply starts with BEL
    QByteArray block;     // binary block that follows the reply line
    int extraDelayMs = 0; // work the meter does before it answers
    int newBaudRate = 0;  // the meter changes its rate once the reply is out
    bool silent = false;  // the meter does not answer at all
};

// The K37 behind its serial port: the state machine of every command the program uses, on top of the
// acoustic scene. Times are the caller's clock in milliseconds.
class K37Meter {
public:
    enum class RunState { Reset, Stopped, Starting, Running };

    K37Meter(AcousticScene& scene, K37Profile profile = {}, AnalyserBehaviour behaviour = {});

    MeterResponse handle(const MeterCommand& command, qint64 nowMs);
    // A break on the line brings the meter's port back to 9600 baud.
    void lineBreak() { m_baudRate = 9600; }
    void setBaudRate(int baud) { m_baudRate = baud; }
    void powerOn();

    K37Profile& profile() { return m_profile; }
    AnalyserBehaviour& behaviour() { return m_behaviour; }
    AcousticScene& scene() { return m_scene; }

    bool poweredOn() const { return m_poweredOn; }
    int baudRate() const { return m_baudRate; }
    RunState runState(qint64 nowMs) const;
    int instrument() const { return m_instrument; }
    int mode() const { return m_mode; }
    int weighting() const { return m_weighting; }
    int gainSetting() const { return m_gain; }
    int transducerSetting() const { return m_transducer; }
    int bandwidth() const { return m_bandwidth; }
    int fftWindow() const { return m_window; }
    int detector() const { return m_detector; }
    double calibrationOffset() const { return m_profile.calibrationOffsetDb; }
    double calibrationLevel() const { return m_profile.calibrationLevelDb; }
    double biasOffset() const { return m_bias; }
    int cursorBand() const { return m_cursor; }
    int pulseFmView() const { return m_pulseFmView; }
    int storedBaudCode() const { return m_storedBaudCode; }

    static int gainDb(int setting) { return -20 + 10 * setting; }
    static double fftSpanHz(int bandwidth);

private:
    MeterResponse read(const MeterCommand& command, qint64 nowMs);
    MeterResponse query(const MeterCommand& command);
    MeterResponse set(const MeterCommand& command, qint64 nowMs);
    MeterResponse control(const MeterCommand& command, qint64 nowMs);
    MeterResponse keys(const MeterCommand& command, qint64 nowMs);
    MeterResponse download(const MeterCommand& command, qint64 nowMs);
    MeterResponse loadInstrument(const MeterCommand& command);
    MeterResponse analysisValue(int item, qint64 nowMs);
    MeterResponse setChoice(const MeterCommand& command, int& setting, int highest);

    void run(qint64 nowMs, bool alternative);
    void halt(RunState state);
    void delayReady(qint64 nowMs, int settleMs);
    bool measuring(qint64 nowMs) const;
    bool audLoaded() const { return m_instrument == 7; }
    std::uint8_t blockState(qint64 nowMs, bool overload) const;
    QByteArray spectrumBlock(qint64 nowMs);
    QByteArray fftBlock(qint64 nowMs);
    QByteArray pulseFmBlock(qint64 nowMs);
    int keyReadiness(qint64 nowMs) const;
    void resetSettings();

    AcousticScene& m_scene;
    K37Profile m_profile;
    AnalyserBehaviour m_behaviour;
    MeterAnalyser m_analyser;

    bool m_poweredOn = true;
    int m_baudRate = 9600;
    int m_storedBaudCode = 3;
    RunState m_run = RunState::Reset;
    bool m_alternativeRun = false;
    qint64 m_readyAt = 0;
    int m_instrument = 1;
    int m_mode = 0;
    int m_weighting = 2;
    int m_companion = 2;
    int m_detector = 0;
    int m_detectorCompanion = 0;
    int m_highPass = 0;
    int m_window = 1;
    int m_bandwidth = 3;
    int m_gain = 2;
    int m_transducer = 0;
    double m_bias = 0.0;
    int m_cursor = 0;
    qint64 m_keysBusyUntil = 0;
    int m_pulseFmView = -1;
    MeterAnalyser::Spectrum m_heldSpectrum;
    MeterAnalyser::ToneAnalysis m_heldTone;
    double m_heldOverall = 0.0;
};

} // namespace orvik::sim
