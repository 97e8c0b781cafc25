// orvik-cli booth: a booth measured headless and stored, and a stored booth judged line by line.
#include "ambient/AmbientTest.h"
#include "ambient/BoothInstruments.h"
#include "ambient/LevelPage.h"
#include "cli/CliCommand.h"
#include "cli/ConsoleMessageBox.h"
#include "cli/OpenedDocument.h"
#include "core/Clock.h"
#include "core/SilentProgress.h"
#include "database/DocumentBoothStore.h"
#include "measure/OneThirdOctaveBands.h"
#include "meter/KeySimulator.h"
#include "meter/PosixSerialDevice.h"
#include "model/FixedText.h"
#include "shell/DemoInstruments.h"
#include "sim/BoothNoise.h"
#include "sim/K37Simulator.h"
#include "sim/SimulatedClock.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include <QDate>
#include <optional>

namespace orvik::cli {

namespace {
int run(const QStringList& arguments, QTextStream& out, QTextStream& err);

const CliCommand Booth{"booth",
                       "booth measure --db FILE --name NAME [--date YYYY-MM-DD] [--customer TEXT] [--booth TEXT]\n"
                       "                    (--simulate [--noise HZ=DB]... [--seed N] | --device PATH)\n"
                       "     booth show --db FILE --name NAME",
                       run};
const CliCommandRegistration registration(Booth);

struct BoothOptions {
    QString db, name, date, customer, booth, device;
    bool simulate = false;
    sim::BoothSpectrum noise = sim::quietBooth();
    quint32 seed = sim::AnalyserBehaviour{}.seed;
};

// "HZ=DB" at a band's nominal centre frequency.
bool setNoise(const QString& text, sim::BoothSpectrum& noise) {
    const QStringList parts = text.split(u'=');
    bool hzOk = false, dbOk = false;
    const double hz = parts.value(0).toDouble(&hzOk);
    const double db = parts.value(1).toDouble(&dbOk);
    if (parts.size() != 2 || !hzOk || !dbOk)
        return false;
    for (int band = 0; band < SpectrumBandCount; ++band) {
        if (bandCentreHz(band) == hz) {
            noise[band] = db;
            return true;
        }
    }
    return false;
}

bool setOption(BoothOptions& options, const QString& name, const QString& value) {
    const std::pair<const char*, QString*> texts[] = {
        {"db", &options.db},       {"name", &options.name},     {"customer", &options.customer},
        {"booth", &options.booth}, {"device", &options.device}, {"date", &options.date}};
    for (const auto& [option, field] : texts) {
        if (name == QLatin1String(option)) {
            *field = value;
            return field != &options.date || QDate::fromString(value, Qt::ISODate).isValid();
        }
    }
    bool ok = false;
    if (name == QLatin1String("noise"))
        ok = setNoise(value, options.noise);
    else if (name == QLatin1String("seed"))
        options.seed = value.toUInt(&ok);
    return ok;
}

std::optional<BoothOptions> parse(const QStringList& arguments, bool measuring) {
    BoothOptions options;
    bool simulatorOptions = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString name = arguments[i].mid(2);
        if (!arguments[i].startsWith(QLatin1String("--")))
            return std::nullopt;
        if (measuring && name == QLatin1String("simulate")) {
            options.simulate = true;
            continue;
        }
        const bool measureOnly = name != QLatin1String("db") && name != QLatin1String("name");
        if (i + 1 >= arguments.size() || (measureOnly && !measuring) || !setOption(options, name, arguments[++i]))
            return std::nullopt;
        simulatorOptions = simulatorOptions || name == QLatin1String("noise") || name == QLatin1String("seed");
    }
    if (options.db.isEmpty() || options.name.isEmpty())
        return std::nullopt;
    // A measurement needs exactly one meter, and only the simulated one takes noise and a seed.
    const bool oneMeter = options.simulate != !options.device.isEmpty();
    if (measuring && (!oneMeter || (simulatorOptions && !options.simulate)))
        return std::nullopt;
    return options;
}

void printSpectrum(const AmbientRecord& record, QTextStream& out) {
    for (int band = 0; band < AmbientBandCount; ++band)
        out << QString::asprintf("band %g %.2f", bandCentreHz(band), double(record.spectrum[band])) << '\n';
}

int measureWith(SerialDeviceFactory& ports, Clock& clock, const BoothOptions& options, QTextStream& out,
                QTextStream& err) {
    OpenedDocument opened(err, clock);
    if (!opened.open(options.db, false))
        return 1;
    MeterSession session(ports, opened.messages, clock);
    if (session.connectMeter(1, 9600) < 0)
        return 1;
    KeySimulator keys(*session.commander(), opened.settings);
    MeterLink link{session, keys, opened.services, {}};
    DocumentBoothStore store(opened.doc);
    AmbientTest test(store, opened.doc.instruments(), opened.services);
    AmbientRecord& record = test.working();
    setFixedText(record.customerName, options.customer);
    setFixedText(record.booth, options.booth);
    setFixedText(record.measurementDate,
                 options.date.isEmpty() ? QDate::currentDate().toString(Qt::ISODate) : options.date);
    // A simulated booth is measured with the simulated bench when the file lists no instruments of its own.
    if (options.simulate)
        addDemoInstruments(opened.doc.instruments());
    // Without pages to choose on, the record names the instruments a measurement would take on its own.
    chooseLoneInstruments(record, opened.doc.instruments());
    const int status = test.measureAll(link);
    session.disconnect();
    if (status < 0)
        return 1;
    // Named only now: a measurement makes its record the document's, and the document's own name is never looked
    // up, so a name given before would overwrite a stored test without the question.
    setFixedText(test.working().testName, options.name);
    if (test.save() != AmbientTest::SaveOutcome::Saved)
        return 1;
    printSpectrum(opened.doc.ambientRecord(), out);
    return 0;
}

int measure(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::optional<BoothOptions> options = parse(arguments, true);
    if (!options)
        return usageError(Booth, err);
    if (!options->simulate) {
        SystemClock clock;
        PosixSerialDeviceFactory ports(options->device);
        return measureWith(ports, clock, *options, out, err);
    }
    sim::AnalyserBehaviour behaviour;
    behaviour.seed = options->seed;
    sim::K37Simulator simulator({}, behaviour);
    simulator.scene().boothNoise() = options->noise;
    simulator.scene().setMicrophoneInCoupler(false);
    sim::SimulatedClock clock;
    sim::SimulatedSerialDeviceFactory ports(simulator, clock);
    return measureWith(ports, clock, *options, out, err);
}

const char* verdictWord(BandVerdict verdict) {
    switch (verdict) {
    case BandVerdict::Pass:
        return "PASS";
    case BandVerdict::Fail:
        return "FAIL";
    case BandVerdict::NotMeasured:
        break;
    }
    return "NONE";
}

void printRow(QTextStream& out, const QString& range, const LevelRow& row, float limit, BandVerdict verdict) {
    out << "row " << range << ' ' << row.label << ' ' << row.measuredText << ' '
        << QString::asprintf("%.1f", double(limit)) << ' ' << verdictWord(verdict) << '\n';
}

void printJudgement(const AmbientRecord& record, QTextStream& out) {
    static const char* const Ranges[] = {"125-8k", "250-8k", "500-8k"};
    out << "set " << (limitSetFor(fixedText(record.measurementDate)) == LimitSet::Newer ? "newer" : "older") << '\n';
    for (int range = 0; range < AnsiRangeCount; ++range)
        for (const LevelRow& row : levelPageRows(record, range, true))
            printRow(out, QLatin1String(Ranges[range]) + QLatin1String("-covered"), row, row.limit, row.verdict);
    for (int range = 0; range < AnsiRangeCount; ++range)
        for (const LevelRow& row : levelPageRows(record, range, true))
            printRow(out, QLatin1String(Ranges[range]) + QLatin1String("-uncovered"), row, row.notCovered,
                     row.notCoveredVerdict);
    for (const LevelRow& row : levelPageRows(record, OshaRange, true))
        printRow(out, QStringLiteral("osha"), row, row.limit, row.verdict);
}

// The stored row of a name. Not found, the load is refused with the program's own words for a missing row.
int show(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const std::optional<BoothOptions> options = parse(arguments, false);
    if (!options)
        return usageError(Booth, err);
    SystemClock clock;
    OpenedDocument opened(err, clock);
    if (!opened.open(options->db, true))
        return 1;
    if (!opened.doc.loadAmbientRecord(storedBoothId(opened.doc.database(), options->name)))
        return 1;
    printJudgement(opened.doc.ambientRecord(), out);
    return 0;
}

int run(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const QString sub = arguments.value(0);
    if (sub == QLatin1String("measure"))
        return measure(arguments.mid(1), out, err);
    if (sub == QLatin1String("show"))
        return show(arguments.mid(1), out, err);
    return usageError(Booth, err);
}
} // namespace

} // namespace orvik::cli
