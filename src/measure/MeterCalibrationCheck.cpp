#include "measure/MeterCalibrationCheck.h"

#include "core/Settings.h"
#include "measure/EquipmentCheck.h"
#include "measure/ListNumber.h"
#include "measure/MeterSetup.h"
#include "measure/ReadStableSpectrum.h"
#include "measure/WaitForMeterReady.h"
#include "meter/K37Commands.h"
#include "meter/MeterProtocol.h"

#include <cmath>

namespace orvik {

namespace {
constexpr float CalibrationToleranceDb = 0.05f;
constexpr int CalibrationPauseMs = 500;
constexpr int DisplayDownloadTimeout = 5;
const QByteArray CalibrationKey = "S41,225.48";
const QString CalibratorPrompt =
    QStringLiteral("Setting lower calibration level.\n Activate the calibrator and press OK.");

int rowOf(const QStringList& lines, const QString& remembered) {
    const qsizetype row = lines.indexOf(remembered);
    return row < 0 ? 0 : int(row);
}
} // namespace

FreqIndex calibratorFrequencyIndex(double hz) {
    for (FreqIndex i = 0; i < FrequencyCount - 1; ++i) {
        const double bound = frequencyHz(i) + 0.1 * (frequencyHz(i + 1) - frequencyHz(i));
        if (bound >= hz)
            return i;
    }
    return FrequencyCount - 1;
}

double initialCalibrationLevel(const QByteArray& reply) {
    if (reply.trimmed().isEmpty())
        return 114.0;
    const double level = meter::replyNumber(reply);
    return level >= LowestCalibrationLevelDb && level <= HighestCalibrationLevelDb ? level : 114.0;
}

MeterCalibrationCheck::MeterCalibrationCheck(MeterLink& link, const TestSetup& setup,
                                             QList<CalibrationInstrument> calibrators,
                                             QList<CalibrationInstrument> microphones)
    : m_link(link), m_setup(setup), m_calibrators(std::move(calibrators)), m_microphones(std::move(microphones)) {}

QStringList MeterCalibrationCheck::calibratorLines() const {
    QStringList lines;
    for (const CalibrationInstrument& c : m_calibrators)
        lines << c.listText();
    return lines;
}

QStringList MeterCalibrationCheck::microphoneLines() const {
    QStringList lines;
    for (const CalibrationInstrument& m : m_microphones)
        lines << m.listText();
    return lines;
}

QString MeterCalibrationCheck::calibratorFrequencyText() const {
    return m_calibratorRow < 0 ? QString() : QString::asprintf("%.1f", m_calibrators[m_calibratorRow].frequency);
}

QString MeterCalibrationCheck::calibratorLevelText() const {
    return m_calibratorRow < 0 ? QString() : QString::asprintf("%.1f", m_calibrators[m_calibratorRow].level);
}

int MeterCalibrationCheck::readOffset() {
    QByteArray reply;
    const int status = m_link.meter().sendCommand(k37::QueryCalibrationOffset, &reply, 10, 1);
    if (status >= 0)
        m_offset = float(meter::replyNumber(reply));
    return status;
}

bool MeterCalibrationCheck::open() {
    // The channel plays no part in what the calibration dialog needs.
    if (!checkRequiredEquipment(CalibrationDialog, m_setup, Channel::Left, m_link.messages()))
        return false;
    // Without the calibrator on the microphone the display shows nothing but the meter's own noise, so the
    // technician is told first; the meter then settles on the calibrator while it is being prepared.
    m_link.messages().show(CalibratorPrompt);
    const auto say = [this](const QString& text) {
        if (onWaitMessage)
            onWaitMessage(text);
    };
    say(QStringLiteral("Waiting for SLM to Stabilize...please wait."));
    while (!ensureMeterMode(m_link, MeterMode::SlmRta, 0, false)) {
        if (m_link.messages().show(QStringLiteral("Could not set the K37 properly for calibration!\nVerify that it is "
                                                  "powered on, stable, and connected to the PC.\nThen press OK!"),
                                   MessageButtons::OkCancel) != MessageAnswer::Ok) {
            say({});
            return false;
        }
    }
    setMeterGain(m_link, WorkingGain, nullptr);
    waitForMeterReady(m_link.meter());
    readOffset();
    SettingsStore& settings = m_link.services.settings;
    if (!m_calibrators.isEmpty())
        selectCalibrator(rowOf(calibratorLines(), Setting::SnLastCalibrator.read(settings)));
    m_link.keys.attach(m_link.meter());
    m_link.keys.goToFrequency(m_frequencyIndex);
    if (!m_microphones.isEmpty())
        selectMicrophone(rowOf(microphoneLines(), Setting::SnLastMike.read(settings)));
    say({});
    return true;
}

void MeterCalibrationCheck::selectCalibrator(int row) {
    if (row < 0 || row >= m_calibrators.size())
        return;
    m_timer = false;
    m_calibratorRow = row;
    m_frequencyIndex = calibratorFrequencyIndex(m_calibrators[row].frequency);
    Setting::SnLastCalibrator.write(m_link.services.settings, m_calibrators[row].listText());
    display();
    m_timer = true;
}

void MeterCalibrationCheck::selectMicrophone(int row) {
    if (row < 0 || row >= m_microphones.size())
        return;
    m_timer = false;
    m_microphoneRow = row;
    Setting::SnLastMike.write(m_link.services.settings, m_microphones[row].listText());
    if (onMicrophoneChosen)
        onMicrophoneChosen(m_microphones[row]);
    m_timer = true;
}

void MeterCalibrationCheck::display() {
    if (onDisplay)
        onDisplay();
}

void MeterCalibrationCheck::tick() {
    if (!m_timer)
        return;
    m_timer = false;
    QByteArray block;
    // The same reading as the Adjust display's: the meter may have been stopped by the key presses.
    if (waitForMeterReady(m_link.meter()) >= 0 && readOffset() >= 0 &&
        m_link.meter().downloadBlock("&R1", SpectrumBlockSize, block, DisplayDownloadTimeout) >= 0 &&
        m_calibratorRow >= 0) {
        const double level = spectrumFromBlock(block, m_offset)[std::size_t(bandOfFrequencyIndex(m_frequencyIndex))];
        m_deviation = level - m_calibrators[m_calibratorRow].level;
        m_measuredText = listNumber(level);
        m_differenceText = signedListNumber(m_deviation);
        display();
    }
    m_timer = true;
}

void MeterCalibrationCheck::fail(const QString& text) {
    m_link.messages().show(text);
}

bool MeterCalibrationCheck::calibratorUsable() {
    const double level = m_calibrators.value(m_calibratorRow).level;
    if (m_calibratorRow >= 0 && level >= LowestCalibrationLevelDb && level <= HighestCalibrationLevelDb)
        return true;
    fail(QString::asprintf("The calibration was not changed: choose a calibrator whose level lies from %.1f to "
                           "%.1f dB.",
                           LowestCalibrationLevelDb, HighestCalibrationLevelDb));
    return false;
}

int MeterCalibrationCheck::calibrate(ProgressWindow& progress, Changes& changes) {
    SlmCommander& meter = m_link.meter();
    progress.setStatus(QStringLiteral("Setting the Gain to 0;"));
    queryMeterGain(meter, changes.initialGain);
    // The gain may already be changed when a cancel or a failed ready wait ends the step.
    changes.gainTouched = true;
    const int gainStatus = setMeterGain(m_link, WorkingGain, &progress);
    if (gainStatus == Status::Cancelled)
        return gainStatus;
    if (gainStatus < 0) {
        fail(QString::asprintf("Unable to set 0 dB gain on the K37 (error %d).", gainStatus));
        return gainStatus;
    }
    m_link.messages().show(CalibratorPrompt);

    progress.setStatus(QStringLiteral("Getting a stable reading"));
    const double calibratorLevel = m_calibrators.value(m_calibratorRow).level;
    StableSpectrumRequest request;
    request.band = bandOfFrequencyIndex(m_frequencyIndex);
    request.calibrationOffset = m_offset;
    request.toleranceDb = CalibrationToleranceDb;
    request.pauseMs = CalibrationPauseMs;
    StableSpectrum stable;
    const int readStatus = readStableSpectrum(meter, m_link.messages(), request, stable, &progress);
    if (readStatus == Status::Cancelled)
        return readStatus;
    const double measured = stable.levels[std::size_t(request.band)];
    if (readStatus < 0) {
        fail(QString::asprintf("Unable to get stable SPL reading from the K37: reading %.1f (error %d).", measured,
                               readStatus));
        return readStatus;
    }
    if (progress.checkCancelButton())
        return Status::Cancelled;
    const double deviation = measured - calibratorLevel;
    // The offset, not the deviation, is bounded: a meter that an earlier wrong correction left far off must
    // still be brought back by a right one.
    const double newOffset = double(m_offset) - deviation;
    if (std::abs(newOffset) > MaxCalibrationOffsetDb) {
        fail(QString::asprintf("The calibration was not changed: the K37 reads %.1f dB from a calibrator of %.1f dB, "
                               "which would set its calibration offset to %+.2f dB, beyond %.1f dB either way.\n"
                               "Make sure the calibrator chosen in the list is the one on the microphone and that it "
                               "is switched on.",
                               measured, calibratorLevel, newOffset, MaxCalibrationOffsetDb));
        return Status::InvalidArgument;
    }

    progress.setStatus(QStringLiteral("Changing the calibration offset"));
    if (const int status = meter.stop(); status < 0) {
        fail(QString::asprintf("Unable to stop the K37 (error %d).", status));
        return status;
    }
    QByteArray reply;
    if (const int status = meter.sendCommand(k37::Reset, &reply, 30, 1); status < 0) {
        fail(QString::asprintf("Unable to reset the K37 (error %d).", status));
        return status;
    }
    if (const int status = meter.sendCommand(k37::QueryCalibrationLevel, &reply, 30); status < 0) {
        fail(QString::asprintf("Unable to Retrieve the original calibration Level on the K37 (error %d).", status));
        return status;
    }
    changes.levelRead = true;
    changes.initialLevel = initialCalibrationLevel(reply);
    if (const int status = meter.sendCommand(CalibrationKey, &reply, 30); status < 0) {
        fail(QString::asprintf("Unable to set the calibration key on the K37 (error %d).", status));
        return status;
    }
    m_offset = float(newOffset);
    const int offsetStatus = meter.sendCommand(
        QString::asprintf("%s%5.2f", k37::SetCalibrationOffset, double(m_offset)).toLatin1(), &reply, 30);
    if (offsetStatus < 0 || reply.contains("Not Available")) {
        fail(QString::asprintf("Unable to send the new calibration offset to the K37 \n(error %d, Message '%s').",
                               offsetStatus, reply.constData()));
        return offsetStatus < 0 ? offsetStatus : -1;
    }
    m_deviation = deviation;
    if (const int status = meter.sendCommand(k37::SetBias + QByteArray("20.0"), &reply, 30); status < 0) {
        fail(QString::asprintf("Unable to set the bias offset on the K37 (error %d).", status));
        return status;
    }
    return 0;
}

int MeterCalibrationCheck::restoreAfter(const Changes& changes, ProgressWindow& progress) {
    SlmCommander& meter = m_link.meter();
    if (changes.levelRead) {
        QByteArray reply;
        const int status = meter.sendCommand(
            QString::asprintf("%s%5.2f", k37::SetCalibrationLevel, changes.initialLevel).toLatin1(), &reply, 30);
        if (status < 0 || reply.contains("Not Available"))
            fail(QString::asprintf("Unable to reset the calibration level to the original value.\n(error %d, Message "
                                   "'%s').",
                                   status, reply.constData()));
    }
    if (changes.gainTouched && changes.initialGain >= 0) {
        progress.setStatus(QStringLiteral("Setting gain back to beginning setting."));
        if (const int status = setMeterGain(m_link, changes.initialGain, nullptr); status < 0)
            fail(QString::asprintf("Unable to set the gain back on the K37 (error %d).", status));
    }
    meter.run();
    progress.setStatus(QStringLiteral("Waiting for K37 to stabilize"));
    return waitForMeterReady(meter);
}

void MeterCalibrationCheck::setCalibration() {
    if (!calibratorUsable())
        return;
    const auto progress = m_link.services.progress.open(ProgressCaption::Measurement);
    progress->setRange(0, 100);
    progress->setStep(10);
    progress->setPos(0);
    m_buttons = false;
    m_timer = false;
    Changes changes;
    const int status = calibrate(*progress, changes);
    // Whatever step ended the correction, the meter is left running with what was changed put back.
    restoreAfter(changes, *progress);
    if (status >= 0)
        m_link.messages().show(QString::asprintf(
            "Calibration set: the K37 read %+.1f dB from the %.1f dB calibrator, and this deviation was applied to "
            "its calibration offset, now %+.2f dB.",
            m_deviation, m_calibrators[m_calibratorRow].level, double(m_offset)));
    m_timer = true;
    m_buttons = true;
}

} // namespace orvik
