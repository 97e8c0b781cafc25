#include "measure/LiveReading.h"

#include "measure/ReadStableSpectrum.h"
#include "measure/WaitForMeterReady.h"
#include "meter/K37Commands.h"
#include "meter/MeterProtocol.h"

namespace orvik {

namespace {
constexpr int DownloadTimeout = 5;
} // namespace

bool readLive(MeterLink& link, const std::function<int(double&)>& read, double& value) {
    if (!link.attachToSession()) {
        link.messages().show(meterNotConnectedText());
        return false;
    }
    while (read(value) < 0) {
        if (link.messages().show(QStringLiteral("Unable to retrieve data from the K37.\n Verify that it is powered "
                                                "on, stable, and connected to the PC. Then press OK!"),
                                 MessageButtons::OkCancel) != MessageAnswer::Ok)
            return false;
        link.session.recoverLink(MeterSession::RecoveryTexts::Measurement, false);
    }
    return true;
}

int readLiveBandLevel(SlmCommander& meter, int band, double& level) {
    if (const int status = waitForMeterReady(meter); status < 0)
        return status;
    QByteArray reply;
    if (const int status = meter.sendCommand(k37::QueryCalibrationOffset, &reply, 40, 2); status < 0)
        return status;
    const float offset = float(meter::replyNumber(reply));
    QByteArray block;
    const int status = meter.downloadBlock("&R1", SpectrumBlockSize, block, DownloadTimeout);
    if (status >= 0)
        level = spectrumFromBlock(block, offset)[std::size_t(band)];
    return status;
}

} // namespace orvik
