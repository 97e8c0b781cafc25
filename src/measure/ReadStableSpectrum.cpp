#include "measure/ReadStableSpectrum.h"

#include "core/PumpWait.h"
#include "measure/WaitForMeterReady.h"

#include <algorithm>
#include <cmath>

namespace orvik {

namespace {
constexpr int RingSize = 5;
constexpr int MaximumReadings = 16;
constexpr int DownloadTimeout = 5;
constexpr int BandOffset = 3;

// A band level in 1/256 dB. The spread is judged on these exact values: the calibration offset and the
// corrections shift every reading alike, and adding them first would let float rounding decide a 1.0 dB edge.
int rawLevel(const QByteArray& block, int band) {
    const int at = BandOffset + 2 * band;
    return static_cast<unsigned char>(block[at]) * 256 + static_cast<unsigned char>(block[at + 1]);
}

float energyMean(const std::array<Spectrum, RingSize>& ring, int band) {
    double sum = 0.0;
    for (const Spectrum& reading : ring)
        sum += std::pow(10.0, reading[band] / 10.0);
    return float(10.0 * std::log10(sum / RingSize));
}

// 0 when ready; Status::Cancelled for "Cancel" in the progress window during a wait, Status::NeverStable when
// the technician gives up on a meter that is not ready.
int waitUntilReady(SlmCommander& meter, MessageBox& messages, ProgressWindow* progress) {
    for (;;) {
        const int status = waitForMeterReady(meter, false, progress);
        if (status == Status::Cancelled)
            return status;
        if (status >= 0)
            return 0;
        if (messages.show(QStringLiteral("The K37 is not ready! Verify that the K37 is powered on, stable, and "
                                         "connected to the PC. Then press OK!"),
                          MessageButtons::OkCancel) != MessageAnswer::Ok)
            return Status::NeverStable;
    }
}
} // namespace

Spectrum spectrumFromBlock(const QByteArray& block, float calibrationOffset) {
    Spectrum levels{};
    if (block.size() < SpectrumBlockSize)
        return levels;
    for (int band = 0; band < SpectrumBandCount; ++band)
        levels[band] = float(rawLevel(block, band)) / 256.0f + calibrationOffset;
    return levels;
}

int readStableSpectrum(SlmCommander& meter, MessageBox& messages, const StableSpectrumRequest& request,
                       StableSpectrum& result, ProgressWindow* progress) {
    result = StableSpectrum{};
    if (const int status = waitUntilReady(meter, messages, progress); status < 0)
        return status;
    if (progress && progress->checkCancelButton())
        return Status::NeverStable;
    if (progress)
        progress->setStatus(QStringLiteral("Attempting to get a stable reading"));

    std::array<Spectrum, RingSize> ring{};
    std::array<int, RingSize> watched{};
    for (int pass = 0; pass < MaximumReadings; ++pass) {
        QByteArray block;
        const int status = meter.downloadBlock("&R1", SpectrumBlockSize, block, DownloadTimeout);
        if (status < 0) {
            messages.show(
                QString::asprintf("Download Error:%d Offset:%.1f", status, double(request.calibrationOffset)));
            return status;
        }
        if (progress && progress->checkCancelButton())
            return Status::Cancelled;
        ++result.readings;

        const int slot = pass % RingSize;
        ring[slot] = spectrumFromBlock(block, request.calibrationOffset);
        if (request.corrections) {
            for (int band = 0; band < SpectrumBandCount; ++band) {
                const int frequency = frequencyIndexOfBand(band);
                if (frequency >= 0)
                    ring[slot][band] -= (*request.corrections)[frequency];
            }
        }
        watched[slot] = rawLevel(block, request.band);
        if (pass >= RingSize - 1) {
            const auto [low, high] = std::minmax_element(watched.begin(), watched.end());
            result.lastSpread = float(*high - *low) / 256.0f;
            if (result.lastSpread <= request.toleranceDb) {
                for (int band = 0; band < SpectrumBandCount; ++band)
                    result.levels[band] = energyMean(ring, band);
                return status;
            }
            if (progress)
                progress->setStatus(QString::asprintf("Attempting to get a stable reading: High - low = %.1f",
                                                      double(result.lastSpread)));
        }
        if (!PumpWaitOrCancel(meter.port().clock(), request.pauseMs / 1000.0, progress))
            return Status::Cancelled;
    }
    result.levels = ring[(MaximumReadings - 1) % RingSize];
    return Status::NeverStable;
}

} // namespace orvik
