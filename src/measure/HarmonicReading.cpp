#include "measure/HarmonicReading.h"

#include "core/PumpWait.h"
#include "measure/DistortionProfile.h"
#include "measure/HarmonicReply.h"
#include "measure/MeterSetup.h"
#include "meter/MeterProtocol.h"
#include "meter/Status.h"

namespace orvik {

namespace {
constexpr int FundamentalTries = 20;
constexpr double LowestFundamentalHz = 75.0;
constexpr double FundamentalPauseSeconds = 0.5;
constexpr FreqIndex At630Hz = freqIndexOf(630.0f);
// Up to 315 Hz all five harmonics lie within the 2 kHz bandwidth, whose finer lines keep them apart; from 400 Hz
// up it would cut them off. At 630 Hz it still holds the 2nd and 3rd and is widened before the 4th.
constexpr int NarrowThreshold630Hz = 10;
constexpr int NarrowThreshold = 7;
constexpr FreqIndex FirstWithoutThirdAndFourth = freqIndexOf(6000.0f);
constexpr FreqIndex FirstWithoutFifth = freqIndexOf(4000.0f);
constexpr int ReplyMaximum = 40;
constexpr int ReplyTimeout = 1;

// A harmonic as an absolute level and its percentage of the fundamental; a relative level of 0 means the meter
// gave none.
struct Harmonic {
    float level = 0.0f;
    double percent = 0.0;
};

Harmonic harmonicOf(double relativeDb, double fundamentalDb) {
    if (relativeDb == 0.0)
        return {};
    return {float(relativeDb + fundamentalDb), harmonicPercent(relativeDb)};
}

class Reader {
public:
    Reader(MeterLink& link, ProgressWindow& progress) : m_link(link), m_progress(progress) {}

    // The reply of an analysis value; a failed exchange or a Cancel sets status().
    QByteArray value(const char* command) {
        QByteArray reply;
        if (m_status >= 0 && m_progress.checkCancelButton())
            m_status = Status::Cancelled;
        if (m_status >= 0)
            m_status = m_link.meter().sendCommand(command, &reply, ReplyMaximum, ReplyTimeout);
        return reply;
    }
    Harmonic harmonic(const char* command, double fundamentalDb) {
        return harmonicOf(relativeHarmonicDb(value(command)), fundamentalDb);
    }
    int status() const { return m_status; }
    bool failed() const { return m_status < 0; }

private:
    MeterLink& m_link;
    ProgressWindow& m_progress;
    int m_status = 0;
};

HarmonicResult failure(int status) {
    return {HarmonicOutcome::Failed, status};
}
} // namespace

HarmonicResult readHarmonics(MeterLink& link, FreqIndex index, ProgressWindow& progress, DistortionEntry& entry) {
    const int threshold = index == At630Hz ? NarrowThreshold630Hz : NarrowThreshold;
    if (setFftBandwidth(link, index, threshold, &progress) == Status::Cancelled)
        return failure(Status::Cancelled);
    if (const int status = link.meter().run(); status < 0)
        return failure(status);
    progress.setStatus(QStringLiteral("Reading distortion data"));
    Reader read(link, progress);
    double hz = 0.0;
    for (int tries = 1;; ++tries) {
        read.value("R241,512");
        hz = meter::replyNumber(read.value("R241,0"));
        if (read.failed())
            return failure(read.status());
        if (hz > LowestFundamentalHz)
            break;
        if (tries == FundamentalTries) {
            link.messages().show(QString::asprintf("Problems measuring the fundamental frequency.\nThe fundamental "
                                                   "frequency is too low (%.1f).\nThis may mean that the audiometer "
                                                   "signal is not loud enough.\n\nMeasurement aborted.",
                                                   hz));
            return {HarmonicOutcome::FundamentalTooLow, read.status()};
        }
        if (!PumpWaitOrCancel(link.services.clock, FundamentalPauseSeconds, &progress))
            return failure(Status::Cancelled);
    }
    const double fundamental = meter::replyNumber(read.value("R241,256"));
    const QByteArray second = read.value("R241,258");
    if (read.failed())
        return failure(read.status());
    if (harmonicsNotComputed(second))
        return {HarmonicOutcome::NotComputed, read.status()};

    // The 2nd, 3rd and 4th harmonics and, in the last place, everything from the 5th up.
    std::array<Harmonic, 4> parts{harmonicOf(relativeHarmonicDb(second), fundamental)};
    Harmonic fifth;
    if (index < FirstWithoutThirdAndFourth) {
        parts[1] = read.harmonic("R241,259", fundamental);
        if (index == At630Hz && !read.failed() &&
            setFftBandwidth(link, index, NarrowThreshold, &progress) == Status::Cancelled)
            return failure(Status::Cancelled);
        parts[2] = read.harmonic("R241,260", fundamental);
    }
    if (index < FirstWithoutFifth) {
        fifth = read.harmonic("R241,261", fundamental);
        parts[3] = read.harmonic("R241,773", fundamental);
    }
    if (read.failed())
        return failure(read.status());
    entry = {float(hz), float(fundamental), {parts[0].level, parts[1].level, parts[2].level, fifth.level},
             float(thdPercent({parts[0].percent, parts[1].percent, parts[2].percent, parts[3].percent}))};
    return {HarmonicOutcome::Read, read.status()};
}

} // namespace orvik
