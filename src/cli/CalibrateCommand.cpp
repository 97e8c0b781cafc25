// orvik-cli calibrate: a whole calibration of the demo audiometer on the simulated bench, with chosen faults, for
// labs validating the program, trainers and our own tests.
#include "cli/CalibrationRun.h"
#include "cli/CliCommand.h"

#include <algorithm>

namespace orvik::cli {

namespace {

int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

const CliCommand Calibrate{
    "calibrate",
    "calibrate --db FILE [--tests LIST] [--transducers LIST] [--ears LIST] [--fault FAULT]... [--seed N]\n"
    "               [--real-time]\n"
    "     LIST: comma-separated; transducers supra,insert,circum,bone,speaker; ears left,right\n"
    "     FAULT: QUANTITY[:TRANSDUCER[:EAR[:HZ[@DIAL]]]]=VALUE, an empty part means every one; quantities\n"
    "       level (dB), frequency (%), fmrate (Hz), fmdev (% lowest to highest), h2..h5 (dB re fundamental),\n"
    "       xtalk (dB), rise, fall, on, off (ms), noise (dB SPL), tilt (dB per octave re 1000 Hz)\n"
    "     e.g. --fault level:supra:left:4000=4.5 --fault level:::1000@70=-6 --fault fmdev=14",
    run};
const CliCommandRegistration registration(Calibrate);

// Reads a comma-separated list of names into values; false with the message set on an unknown name.
template <class T>
bool readList(const QString& text, const QStringList& names, const QList<T>& values, const char* what,
              QList<T>& chosen, QString& error) {
    for (const QString& name : text.split(u',')) {
        const qsizetype index = names.indexOf(name);
        if (index < 0) {
            error = QStringLiteral("unknown %1 \"%2\" (known: %3)").arg(QLatin1String(what), name, names.join(u' '));
            return false;
        }
        if (!chosen.contains(values[index]))
            chosen << values[index];
    }
    return true;
}

bool readTests(const QString& text, CalibrationRequest& request, QString& error) {
    for (const QString& key : text.split(u',')) {
        const std::vector<RegisteredTest> tests = registeredTestsWithKey(key);
        if (tests.empty()) {
            error = QStringLiteral("unknown test \"%1\" (known: %2)").arg(key, registeredTestKeys().join(u' '));
            return false;
        }
        for (const RegisteredTest& test : tests) {
            const bool listed = std::any_of(request.tests.cbegin(), request.tests.cend(), [&test](const auto& chosen) {
                return chosen.key == test.key && chosen.test == test.test;
            });
            if (!listed)
                request.tests << test;
        }
    }
    return true;
}

bool readOption(const QString& option, const QString& value, CalibrationRequest& request, QString& error) {
    if (option == QLatin1String("--db")) {
        request.database = value;
    } else if (option == QLatin1String("--tests")) {
        request.tests.clear();
        return readTests(value, request, error);
    } else if (option == QLatin1String("--transducers")) {
        QList<TransducerKind> all;
        for (int kind = 0; kind < TransducerCount; ++kind)
            all << TransducerKind(kind);
        QStringList names;
        for (TransducerKind kind : all)
            names << transducerKey(kind);
        return readList(value, names, all, "transducer", request.transducers, error);
    } else if (option == QLatin1String("--ears")) {
        request.ears.clear();
        return readList(value, {QStringLiteral("left"), QStringLiteral("right")}, {Channel::Left, Channel::Right},
                        "ear", request.ears, error);
    } else if (option == QLatin1String("--fault")) {
        const std::optional<sim::AudiometerFault> fault = sim::parseAudiometerFault(value, error);
        if (!fault)
            return false;
        request.faults << *fault;
    } else if (option == QLatin1String("--seed")) {
        bool ok = false;
        request.seed = value.toUInt(&ok);
        if (!ok)
            error = QStringLiteral("bad seed \"%1\"").arg(value);
        return ok;
    } else {
        error = QStringLiteral("unknown option \"%1\"").arg(option);
        return false;
    }
    return true;
}

bool readRequest(QStringList arguments, CalibrationRequest& request, QString& error) {
    for (const RegisteredTest& test : registeredTests())
        request.tests << test;
    while (!arguments.isEmpty()) {
        const QString option = arguments.takeFirst();
        if (option == QLatin1String("--real-time")) {
            request.realTime = true;
            continue;
        }
        if (arguments.isEmpty()) {
            error = QStringLiteral("%1 needs a value").arg(option);
            return false;
        }
        if (!readOption(option, arguments.takeFirst(), request, error))
            return false;
    }
    if (request.database.isEmpty())
        error = QStringLiteral("--db FILE is required");
    return error.isEmpty();
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    CalibrationRequest request;
    QString error;
    if (!readRequest(arguments, request, error)) {
        err << "orvik-cli calibrate: " << error << Qt::endl;
        return usageError(Calibrate, err);
    }
    return runCalibration(request, out, err);
}

} // namespace

} // namespace orvik::cli
