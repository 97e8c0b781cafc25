// orvik-cli meter: talks to a K37 through the same session code as the program.
#include "cli/CliCommand.h"
#include "cli/ConsoleMessageBox.h"
#include "meter/K37Commands.h"

#include "core/Preferences.h"
#include "core/SettingsStore.h"
#include "measure/ReadStableSpectrum.h"
#include "meter/BatteryDisplay.h"
#include "meter/MeterDevicePath.h"
#include "meter/MeterProtocol.h"
#include "meter/MeterSession.h"
#include "meter/PosixSerialDevice.h"

#include <QCoreApplication>
#include <optional>

namespace orvik::cli {

namespace {
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

const CliCommand Meter{"meter",
                       "meter identify|battery|spectrum [--device PATH | --port N] [--baud RATE] [--band B]\n"
                       "  meter send [--device PATH | --port N] [--baud RATE] TEXT\n"
                       "      Without --device or --port the meter's place comes from the preferences.",
                       run};
const CliCommandRegistration registration{Meter};

// Where the meter is and at what rate: the command line over the technician's preferences.
struct MeterPlace {
    QString devicePath;
    int port = 1;
    int baud = 9600;
    int band = 19;
    QStringList rest;
};

std::optional<int> number(const QStringList& arguments, qsizetype at) {
    bool ok = false;
    const int value = at < arguments.size() ? arguments[at].toInt(&ok) : 0;
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<MeterPlace> parsePlace(const QStringList& arguments) {
    QSettingsStore settings;
    const Preferences preferences = Preferences::read(settings, QCoreApplication::applicationDirPath());
    MeterPlace place;
    place.devicePath = readMeterDevicePath(settings);
    place.port = preferences.slmComPort;
    place.baud = preferences.slmBaudRate;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String("--device") && i + 1 < arguments.size()) {
            place.devicePath = arguments[++i];
        } else if (argument == QLatin1String("--port") || argument == QLatin1String("--baud") ||
                   argument == QLatin1String("--band")) {
            const std::optional<int> value = number(arguments, ++i);
            if (!value)
                return std::nullopt;
            if (argument == QLatin1String("--port")) {
                place.port = *value;
                place.devicePath.clear();
            } else {
                (argument == QLatin1String("--baud") ? place.baud : place.band) = *value;
            }
        } else if (argument.startsWith(QLatin1String("--"))) {
            return std::nullopt;
        } else {
            place.rest += argument;
        }
    }
    return place;
}

int failed(QTextStream& out, int result) {
    out << QString::asprintf("Result: %d", result) << Qt::endl;
    return 1;
}

int identify(MeterSession& session, const MeterPlace& place, QTextStream& out) {
    const int result = session.connectMeter(place.port, place.baud);
    if (result < 0)
        return failed(out, result);
    out << "Connected" << Qt::endl;
    out << "Identification: " << QString::fromLatin1(session.identification()) << Qt::endl;
    out << QString::asprintf("Firmware: %.3f", session.firmware()) << Qt::endl;
    session.disconnect();
    return 0;
}

int battery(MeterSession& session, const MeterPlace& place, QTextStream& out) {
    const int result = session.connectMeter(place.port, place.baud);
    if (result < 0)
        return failed(out, result);
    out << BatteryDisplay::read(*session.commander()) << Qt::endl;
    session.disconnect();
    return 0;
}

int spectrum(MeterSession& session, MessageBox& messages, const MeterPlace& place, QTextStream& out) {
    int result = session.connectMeter(place.port, place.baud);
    if (result < 0)
        return failed(out, result);
    SlmCommander& meter = *session.commander();
    QByteArray offset;
    result = meter.sendCommand(k37::QueryCalibrationOffset, &offset, 8, 1);
    if (result < 0) {
        messages.show(QString::asprintf("Data Error:%d on Command %s", result, k37::QueryCalibrationOffset));
        return failed(out, result);
    }
    StableSpectrumRequest request;
    request.band = place.band;
    request.calibrationOffset = float(meter::replyNumber(offset));
    StableSpectrum reading;
    result = readStableSpectrum(meter, messages, request, reading, nullptr);
    session.disconnect();
    if (result < 0)
        return failed(out, result);
    for (int band = 0; band < SpectrumBandCount; ++band)
        out << QString::asprintf("%g %.2f", bandCentreHz(band), double(reading.levels[band])) << Qt::endl;
    return 0;
}

int send(SerialDeviceFactory& factory, Clock& clock, MessageBox& messages, const MeterPlace& place,
         const QByteArray& text, QTextStream& out) {
    ComPort port(place.port, factory, clock);
    if (port.lastResult() < 0)
        return failed(out, port.lastResult());
    port.setBaud(place.baud);
    int result = port.open();
    if (result < 0)
        return failed(out, result);
    SlmCommander commander(port, messages);
    QByteArray reply;
    result = commander.sendCommand(text, &reply, SlmCommander::ReplyBufferSize - 1);
    if (result < 0)
        return failed(out, result);
    out << QString::fromLatin1(reply) << Qt::endl;
    return 0;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QString action = arguments.value(0);
    const std::optional<MeterPlace> place = parsePlace(arguments.mid(1));
    const bool sending = action == QLatin1String("send");
    const bool known = sending || action == QLatin1String("identify") || action == QLatin1String("battery") ||
                       action == QLatin1String("spectrum");
    if (!known || !place || place->rest.size() != (sending ? 1 : 0) || place->band < 0 ||
        place->band >= SpectrumBandCount)
        return usageError(Meter, err);

    SystemClock clock;
    ConsoleMessageBox messages(out);
    PosixSerialDeviceFactory factory(place->devicePath);
    if (sending)
        return send(factory, clock, messages, *place, place->rest.first().toLatin1(), out);
    MeterSession session(factory, messages, clock);
    if (action == QLatin1String("identify"))
        return identify(session, *place, out);
    if (action == QLatin1String("battery"))
        return battery(session, *place, out);
    return spectrum(session, messages, *place, out);
}
} // namespace

} // namespace orvik::cli
