#include "measure/MeterSetup.h"

#include "measure/ReadStableSpectrum.h"
#include "measure/WaitForMeterReady.h"
#include "meter/K37Commands.h"
#include "meter/MeterProtocol.h"

namespace orvik {

namespace {
constexpr int AudInstrument = 7;
// Without anyone to ask, a dead link is given this many reopen attempts before the mode check gives up.
constexpr int SilentRecoveries = 3;

int send(SlmCommander& meter, const QByteArray& command) {
    QByteArray reply;
    return meter.sendCommand(command, &reply, 40, 3);
}

// Sends a list of settings; stops at the first refused one and returns its status.
int sendAll(SlmCommander& meter, std::initializer_list<QByteArray> commands) {
    for (const QByteArray& command : commands) {
        const int status = send(meter, command);
        if (status < 0)
            return status;
    }
    return 0;
}

int expectedWeighting(int variant) {
    if (variant == 4 || variant == 6)
        return 0;
    return variant == 9 ? 1 : 2;
}

bool fail(MeterLink& link, const QString& text) {
    link.messages().show(text);
    return false;
}

bool readInstrument(MeterLink& link, bool showPortErrors, int& type) {
    for (int silent = 0;;) {
        if (link.meter().getInstrument(type) >= 0)
            return true;
        if (!showPortErrors && ++silent > SilentRecoveries)
            return false;
        if (!link.session.recoverLink(MeterSession::RecoveryTexts::MeterMode, showPortErrors))
            return false;
    }
}

bool setUpVariant(MeterLink& link, int variant) {
    SlmCommander& meter = link.meter();
    if (variant == 5) {
        if (sendAll(meter, {k37::setting(k37::SetWeighting, 2)}) < 0)
            return fail(link, QStringLiteral("Unable to set Flat Weight(error = %1)").arg(meter.lastResult()));
        if (sendAll(meter, {k37::setting(k37::SetDetector, 1), k37::setting(k37::SetDetectorCompanion, 1)}) < 0)
            return fail(link, QStringLiteral("Unable to set detector on the K37."));
        if (const int status = sendAll(meter, {k37::setting(k37::SetWeightingCompanion, 2)}); status < 0)
            return fail(link, QStringLiteral("Unable to set Flat Weight(error = %1)").arg(status));
        return true;
    }
    if (sendAll(meter, {k37::setting(k37::SetDetector, 0), k37::setting(k37::SetDetectorCompanion, 0)}) < 0)
        return fail(link, QStringLiteral("Unable to set detector on the K37."));
    if (variant == 4 || variant == 6) {
        if (sendAll(meter, {k37::setting(k37::SetHighPass, 0)}) < 0)
            return fail(link, QStringLiteral("Unable to set High Pass weighting on the K37."));
        return true;
    }
    if (variant == 9) {
        if (sendAll(meter, {k37::setting(k37::SetWeighting, 1), k37::setting(k37::SetWeightingCompanion, 1)}) < 0)
            return fail(link, QStringLiteral("Unable to set C weighting for Speech tests on the K37."));
        return true;
    }
    if (const int status =
            sendAll(meter, {k37::setting(k37::SetWeighting, 2), k37::setting(k37::SetWeightingCompanion, 2)});
        status < 0)
        return fail(link, QStringLiteral("Unable to set Flat Weight(error = %1)").arg(status));
    bool hanning = false;
    if (variant == 3 && (meter.readFftWindow(hanning) < 0 || !hanning)) {
        meter.stop();
        const int status = sendAll(meter, {k37::Reset, k37::setting(k37::SetFftWindow, 1)});
        if (status < 0)
            return fail(link, QStringLiteral("Unable to set FFT Window to Hanning (error = %1)").arg(status));
        meter.run();
    }
    return true;
}
} // namespace

QString labelled(const QString& label, const QString& text) {
    return label.isEmpty() ? text : label + QStringLiteral(": ") + text;
}

bool ensureMeterMode(MeterLink& link, MeterMode mode, int variant, bool showPortErrors) {
    int instrument = 0;
    if (!readInstrument(link, showPortErrors, instrument))
        return false;
    SlmCommander& meter = link.meter();
    const bool reload = instrument != AudInstrument;
    if (reload) {
        meter.stop();
        meter.loadInstrument(AudInstrument);
        if (meter.getInstrument(instrument) < 0 || instrument != AudInstrument)
            return fail(link, QStringLiteral("Unable to change K37 to AUD instrument."));
    }
    int current = 0;
    if (meter.getMode(current) == 0)
        return fail(link, QStringLiteral("Error querying the K37 for the mode."));
    if (current == int(mode) && !reload) {
        int weighting = -1;
        if (variant < 0 || (meter.getWeighting(weighting) >= 0 && weighting == expectedWeighting(variant)))
            return true;
    }
    meter.stop();
    if (current != int(mode)) {
        meter.setMode(int(mode));
        if (meter.lastResult() < 0 || meter.getMode(current) == 0 || current != int(mode))
            return fail(link, QStringLiteral("Unable to change K37 mode."));
    }
    send(meter, k37::Reset);
    if (variant >= 0 && !setUpVariant(link, variant))
        return false;
    if (const int status = meter.run(); status < 0)
        return fail(link, QStringLiteral("Unable to set K37 to Run (error = %1)").arg(status));
    return true;
}

int queryMeterGain(SlmCommander& meter, int& gain) {
    QByteArray reply;
    const int status = meter.sendCommand(k37::QueryGain, &reply, 40, 2);
    gain = status < 0 ? -1 : meter::replyInteger(reply);
    return status;
}

int setMeterGain(MeterLink& link, int gain, ProgressWindow* progress, const QString& label) {
    SlmCommander& meter = link.meter();
    int current = 0;
    if (const int status = queryMeterGain(meter, current); status < 0)
        return status;
    if (current == gain)
        return 0;
    const bool crossesRange = (current < WorkingGain) != (gain < WorkingGain);
    const QString patience = crossesRange ? QStringLiteral("This may take up to 45 seconds.") : QString();
    const auto say = [&](const QString& text) {
        if (!progress)
            return false;
        progress->setStatus(labelled(label, text + patience));
        return progress->checkCancelButton();
    };
    if (say(QStringLiteral("Setting the gain on the K37.  ")))
        return Status::Cancelled;
    meter.stop();
    if (const int status = send(meter, k37::setting(k37::SetGain, gain)); status < 0)
        return status;
    meter.run();
    if (say(QStringLiteral("Gain change: Waiting for the K37 to stabilize.  ")))
        return Status::Cancelled;
    const int status = waitForMeterReady(meter, false, progress);
    if (progress && progress->checkCancelButton())
        return Status::Cancelled;
    return status;
}

int transducerSettingFor(const QString& microphoneModel) {
    return microphoneModel.startsWith(QLatin1String("R58")) && microphoneModel.endsWith(QLatin1String("13")) ? 1 : 0;
}

int matchMeterTransducer(MeterLink& link, const QString& microphoneModel, ProgressWindow& progress) {
    QByteArray reply;
    const int status = link.meter().sendCommand(k37::QueryTransducer, &reply, 40, 2);
    if (status < 0)
        return status;
    const int needed = transducerSettingFor(microphoneModel);
    if (meter::replyInteger(reply) == needed)
        return status;
    return changeMeterTransducer(link, needed, &progress);
}

int changeMeterTransducer(MeterLink& link, int setting, ProgressWindow* progress) {
    SlmCommander& meter = link.meter();
    if (progress)
        progress->setStatus(QStringLiteral("Changing the Transducer on the K37."));
    meter.stop();
    send(meter, k37::Reset);
    const int status = send(meter, k37::setting(k37::SetTransducer, setting));
    if (status < 0)
        return status;
    meter.run();
    if (progress) {
        progress->setStatus(
            QStringLiteral("Transducer change: Waiting for the K37 to stabilize. This may take several seconds."));
        if (progress->checkCancelButton())
            return Status::Cancelled;
    }
    return waitForMeterReady(meter, false, progress);
}

int setFftBandwidth(MeterLink& link, int frequencyIndex, int thresholdIndex, ProgressWindow* progress) {
    SlmCommander& meter = link.meter();
    int current = -1;
    if (const int status = meter.getBandwidth(current); status < 0) {
        link.messages().show(QStringLiteral("Unable to query the K37 for the bandwidth (error %1)").arg(status));
        return Status::Cancelled;
    }
    const bool wide = frequencyIndex >= thresholdIndex;
    const int wanted = wide ? 6 : 3;
    if (current == wanted)
        return 0;
    const auto cancelledAfter = [&](const QString& text) {
        if (!progress)
            return false;
        progress->setStatus(text);
        return progress->checkCancelButton();
    };
    if (cancelledAfter(wide ? QStringLiteral("Setting 20KHz bandwidth on the K37")
                            : QStringLiteral("Setting 2KHz bandwidth on the K37")))
        return Status::Cancelled;
    meter.stop();
    meter.waitStoppedAfter("M7,1");
    // A run that ends on a meter failure says so; only the technician's own Cancel ends it quietly.
    if (const int status = meter.setBandwidth(wanted); status < 0) {
        link.messages().show(QStringLiteral("Unable to set the bandwidth on the K37 (error %1)").arg(status));
        return Status::Cancelled;
    }
    meter.run();
    if (cancelledAfter(QStringLiteral("Waiting for the K37 to stabilize")))
        return Status::Cancelled;
    if (const int status = waitForMeterReady(meter, false, progress); status < 0) {
        if (status != Status::Cancelled)
            link.messages().show(
                QStringLiteral("The K37 did not become ready after the bandwidth change (error %1)").arg(status));
        return Status::Cancelled;
    }
    if (progress && progress->checkCancelButton())
        return Status::Cancelled;
    return 0;
}

} // namespace orvik
