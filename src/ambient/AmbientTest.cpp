#include "ambient/AmbientTest.h"

#include "ambient/BoothInstruments.h"
#include "ambient/SpectrumAverage.h"
#include "core/PumpWait.h"
#include "measure/MeterSetup.h"
#include "measure/ReadStableSpectrum.h"
#include "measure/WaitForMeterReady.h"
#include "meter/K37Commands.h"
#include "meter/MeterProtocol.h"
#include "model/FixedText.h"

namespace orvik {

namespace {
constexpr int WatchedBand = 19; // 1000 Hz
constexpr float StableToleranceDb = 3.0f;
constexpr int StablePauseMs = 500;
constexpr int DownloadTimeout = 5;
constexpr double SamplePauseSeconds = 1.0;
const QString IllegalNameCharacters = QStringLiteral("'#%^&*\"");

bool agreed(MessageBox& messages, const QString& question) {
    return messages.show(question, MessageButtons::OkCancel) == MessageAnswer::Ok;
}
} // namespace

AmbientTest::AmbientTest(BoothStore& store, const InstrumentLists& instruments, AppServices services)
    : m_store(store), m_instruments(instruments), m_services(services) {
    if (!m_store.boothPresent())
        m_store.boothRecord() = clearedAmbientRecord();
    m_backup = m_store.boothRecord();
    m_working = m_store.boothRecord();
}

void AmbientTest::store(AmbientRecord& record) const {
    if (storePages)
        storePages(record);
}

int AmbientTest::measureAll(MeterLink& link) {
    if (!link.attachToSession())
        return Status::NotConnected;
    MessageBox& messages = m_services.messageBox;
    // A technician may press on without the mode: the mode check before the readings stops the run then.
    while (!ensureMeterMode(link, MeterMode::SlmRta, -1, true) &&
           agreed(messages, QStringLiteral("Could not set the K37 properly for Ambient! Verify that it is powered "
                                           "on, stable, and connected to the PC.\nPress Cancel or press OK to try "
                                           "again!"))) {
    }
    const std::unique_ptr<ProgressWindow> progress = m_services.progress.open(ProgressCaption::AmbientMeasurement);
    progress->setRange(0, 100);
    progress->setStep(10);
    progress->setPos(0);

    AmbientRecord checked = m_working;
    store(checked);
    if (!checkBoothInstruments(checked, m_instruments, messages))
        return Status::InvalidArgument;
    float offset = 0.0f;
    if (!readCalibrationOffset(link, offset) || progress->checkCancelButton())
        return Status::Cancelled;
    if (const int status = setMeterGain(link, MeasuringGain, progress.get()); status < 0)
        return status;

    store(m_working);
    std::fill(std::begin(m_working.spectrum), std::end(m_working.spectrum), AmbientNotMeasured);
    if (progress->checkCancelButton())
        return Status::Cancelled;
    progress->setStatus(QStringLiteral("Checking the K37 for SLM/RTA mode"));
    progress->stepIt();
    if (!ensureMeterMode(link, MeterMode::SlmRta, -1, true))
        return Status::InvalidArgument;
    progress->stepIt();
    progress->setStatus(QStringLiteral("Waiting for K37 to stabilize"));
    waitForMeterReady(link.meter());
    if (progress->checkCancelButton() || !readStableLevel(link, *progress, offset) ||
        !measureSpectrum(link, *progress, offset))
        return Status::Cancelled;

    if (refillLevels)
        refillLevels(true);
    m_modified = true;
    m_backup = m_store.boothRecord();
    m_store.boothRecord() = m_working;
    return 0;
}

bool AmbientTest::readCalibrationOffset(MeterLink& link, float& offset) {
    QByteArray reply;
    while (link.meter().sendCommand(k37::QueryCalibrationOffset, &reply, 8) < 0) {
        if (!agreed(m_services.messageBox,
                    QStringLiteral("Could not retrieve the calibration offset! Verify that the K37 is powered on, "
                                   "stable, and connected to the PC. Then press OK!")))
            return false;
    }
    offset = float(meter::replyNumber(reply));
    return true;
}

// The readings are only averaged once the meter has settled on the booth: a door just closed or a technician
// just stepped out would otherwise stay in the figure.
bool AmbientTest::readStableLevel(MeterLink& link, ProgressWindow& progress, float offset) {
    progress.stepIt();
    progress.setStatus(QStringLiteral("Waiting for stable level"));
    StableSpectrumRequest request;
    request.band = WatchedBand;
    request.calibrationOffset = offset;
    request.toleranceDb = StableToleranceDb;
    request.pauseMs = StablePauseMs;
    StableSpectrum reading;
    for (;;) {
        const int status = readStableSpectrum(link.meter(), link.messages(), request, reading, &progress);
        if (status == Status::Cancelled)
            return false;
        if (status >= 0)
            return !progress.checkCancelButton();
        if (!agreed(m_services.messageBox, QStringLiteral("Could not read the K37 data! Verify that the K37 is "
                                                          "powered on, stable, and connected to the PC. Then press "
                                                          "OK!")))
            return false;
    }
}

bool AmbientTest::measureSpectrum(MeterLink& link, ProgressWindow& progress, float offset) {
    SpectrumAverage average;
    for (int sample = 1; sample <= SampleCount; ++sample) {
        if (progress.checkCancelButton())
            return false;
        progress.stepIt();
        progress.setStatus(QString::asprintf("Averaging: Sample %d out of %d", sample, SampleCount));
        QByteArray block;
        const int status = link.meter().downloadBlock("&R1", SpectrumAverage::BoothBlockSize, block, DownloadTimeout);
        if (status < 0) {
            m_services.messageBox.show(
                QString::asprintf("Unable to download spectrum (error %d).\nAborting measurement.", status));
            return false;
        }
        average.add(block, offset);
        PumpWait(m_services.clock, SamplePauseSeconds);
    }
    const auto levels = average.result();
    std::copy(levels.begin(), levels.end(), std::begin(m_working.spectrum));
    return true;
}

AmbientTest::NameCheck AmbientTest::checkName() {
    MessageBox& messages = m_services.messageBox;
    const QString name = fixedText(m_working.testName);
    if (name.isEmpty()) {
        messages.show(QStringLiteral("You must enter a booth test name."));
        return NameCheck::Refused;
    }
    // The record's own stored row may be replaced; another row of that name only when the technician agrees.
    NameCheck accepted = m_store.boothFromDatabase() ? NameCheck::Replace : NameCheck::New;
    if (qstrncmp(m_working.testName, m_store.boothRecord().testName, sizeof m_working.testName) != 0) {
        const std::optional<bool> used = m_store.boothNameUsed(name);
        if (!used)
            return NameCheck::LookupFailed;
        if (*used && !agreesToOverwrite(name))
            return NameCheck::Refused;
        accepted = *used ? NameCheck::Replace : NameCheck::New;
    }
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return IllegalNameCharacters.contains(c); })) {
        messages.show(QStringLiteral("Illegal character in the test name.\n\nThese characters are not valid:   '% ^ "
                                     "\" & * #\n\nPlease re-enter the name."));
        return NameCheck::Refused;
    }
    return accepted;
}

bool AmbientTest::agreesToOverwrite(const QString& name) {
    return m_services.messageBox.show(QStringLiteral("The booth test name \"%1\"\nis already used for an ambient "
                                                     "record in the database.\nDo you wish to overwrite it?")
                                          .arg(name),
                                      MessageButtons::YesNoCancel) == MessageAnswer::Yes;
}

AmbientTest::SaveOutcome AmbientTest::save() {
    if (pagesModified && pagesModified())
        m_modified = true;
    if (!m_modified)
        return SaveOutcome::NothingToSave;
    store(m_working);
    const NameCheck check = checkName();
    if (check == NameCheck::LookupFailed) // the store has said why
        return SaveOutcome::Stopped;
    if (check == NameCheck::Refused)
        return nameRefused();
    if (m_store.boothFromDatabase() &&
        m_services.messageBox.show(QStringLiteral("Saving measurement will overwrite previous Ambient values. "
                                                  "Continue?"),
                                   MessageButtons::YesNoCancel) != MessageAnswer::Yes)
        return SaveOutcome::Stopped;
    m_store.boothRecord() = m_working;
    bool mayReplace = check == NameCheck::Replace;
    for (;;) {
        switch (m_store.storeBooth(mayReplace)) {
        case BoothStore::StoreResult::Stored:
            return SaveOutcome::Saved;
        case BoothStore::StoreResult::Failed:
            return SaveOutcome::Stopped;
        case BoothStore::StoreResult::NameTaken: // by another desk since the name was checked
            if (!agreesToOverwrite(fixedText(m_working.testName)))
                return nameRefused();
            mayReplace = true;
        }
    }
}

AmbientTest::SaveOutcome AmbientTest::nameRefused() {
    if (focusTestName)
        focusTestName();
    return SaveOutcome::NameRefused;
}

void AmbientTest::cancel() {
    m_store.boothRecord() = m_backup;
}

} // namespace orvik
