#include "cli/CalibrationRun.h"

#include "core/SettingsStore.h"
#include "core/SilentProgress.h"
#include "database/Document.h"
#include "measure/MeterCalibrationCheck.h"
#include "measure/TestSheetController.h"
#include "meter/Status.h"
#include "model/ConditionsCheck.h"
#include "model/FixedText.h"
#include "model/TransducersInUse.h"
#include "shell/DemoBench.h"
#include "shell/DemoInstruments.h"
#include "shell/SummaryFields.h"
#include "sim/SimulatedClock.h"


namespace orvik::cli {

namespace {
// Nobody sits at the terminal: what is not a dial prompt is written out and gets the answer that stops, so a
// run never waits and never goes on past a problem the program reported.
class ReportingMessageBox final : public MessageBox {
public:
    explicit ReportingMessageBox(QTextStream& err) : m_err(err) {}
    MessageAnswer show(const QString& text, MessageButtons buttons, const QString&) override {
        ++m_shown;
        m_err << text << Qt::endl;
        return stoppingAnswer(buttons);
    }
    int shown() const { return m_shown; }

private:
    QTextStream& m_err;
    int m_shown = 0;
};

// The seams of one run, torn down in reverse.
struct RunServices {
    explicit RunServices(QTextStream& err, bool realTime)
        : messages(err), clock(realTime ? static_cast<Clock&>(systemClock) : simulatedClock),
          document(AppServices{messages, progress, clock, settings}, QString()) {}

    ReportingMessageBox messages;
    SilentProgress progress;
    sim::SimulatedClock simulatedClock;
    SystemClock systemClock;
    Clock& clock;
    // The user's settings stay out of it: a run depends on its command line alone.
    MemorySettingsStore settings;
    Document document;
};

bool openDatabase(Document& document, const QString& path) {
    if (!document.openOrCreateDatabase(path) || document.checkDatabaseVersion() != 0 ||
        !document.readEquipmentLists())
        return false;
    return !addDemoInstruments(document.instruments()) || document.writeEquipmentLists();
}

CalibrationInstrument calibrationInstrument(const EmbeddedIdentity& identity, double frequency = 0.0,
                                            double level = 0.0) {
    return {fixedText(identity.manufacturer), fixedText(identity.model), fixedText(identity.serialNumber), frequency,
            level};
}

// The check the window runs before the first test sheet, with the record's own calibrator and microphone: opened,
// one display read, closed, which counts as a checked meter. "Set Calibration" stays the technician's choice: the
// simulated meter has no sensitivity error to correct. False when the meter refused to open it.
bool passCalibrationCheck(MeterLink& link, Document& document, const ReportingMessageBox& messages) {
    const TestInstruments& instruments = document.record().setup.instruments;
    const EmbeddedCalibrator& calibrator = instruments.calibrator;
    MeterCalibrationCheck check(
        link, document.record().setup,
        {calibrationInstrument(calibrator.identity, calibrator.frequency, calibrator.level)},
        {calibrationInstrument(instruments.microphones[0].identity)});
    check.onMicrophoneChosen = [&document](const CalibrationInstrument& microphone) {
        document.setCalibratedMicrophoneModel(microphone.model);
    };
    const int before = messages.shown();
    if (!check.open())
        return false;
    check.tick();
    document.setCalibrationChecked(true);
    return messages.shown() == before;
}

const char* verdictWord(RowVerdict verdict) {
    return verdict == RowVerdict::Pass ? "PASS" : "FAIL";
}

void printPage(const RegisteredTest& test, TransducerKind transducer, Channel ear, const ResultList& list,
               QTextStream& out) {
    const QString where = transducerKey(transducer) + u' ' + earKey(ear);
    for (const ResultRow& row : list.rows) {
        const QString point =
            row.point.isEmpty() ? QString::asprintf("%g", double(frequencyHz(row.frequency))) : row.point;
        for (const JudgedValue& value : row.judgedValues)
            out << "point " << test.outputName() << '.' << value.key << ' ' << where << ' ' << point << ' '
                << value.value << ' ' << verdictWord(value.verdict) << '\n';
        if (row.judgedValues.isEmpty() && row.verdict != RowVerdict::NotJudged)
            out << "point " << test.outputName() << ' ' << where << ' ' << point << ' ' << row.judgedValue << ' '
                << verdictWord(row.verdict) << '\n';
    }
    const char* verdict = list.verdict == PageVerdict::AllPass    ? "PASS"
                          : list.verdict == PageVerdict::AnyFails ? "FAIL"
                                                                  : "NONE";
    out << "page " << test.outputName() << ' ' << where << ' ' << verdict << '\n';
}

class CalibrationRun {
public:
    CalibrationRun(const CalibrationRequest& request, RunServices& services, QTextStream& out, QTextStream& err)
        : m_request(request), m_services(services), m_out(out), m_err(err) {}
    int run();

private:
    bool runTest(TestSheetController& sheet, DemoBench& bench, const RegisteredTest& test);
    QList<TransducerKind> transducersOf(const RegisteredTest& test) const;
    // A page of both channels (the binaural sound field) runs when both ears are chosen.
    bool runsOnEars(Channel channel) const {
        return channel == Channel::Both
                   ? m_request.ears.contains(Channel::Left) && m_request.ears.contains(Channel::Right)
                   : m_request.ears.contains(channel);
    }

    const CalibrationRequest& m_request;
    RunServices& m_services;
    QTextStream& m_out;
    QTextStream& m_err;
};

int CalibrationRun::run() {
    Document& document = m_services.document;
    if (!openDatabase(document, m_request.database))
        return 1;
    document.newRecord();
    AudiometerRecord& record = document.record();
    setUpDemoAudiometer(record.setup, document.instruments(), false);

    sim::AnalyserBehaviour behaviour;
    behaviour.seed = m_request.seed;
    DemoBench bench(m_services.clock, m_services.messages, behaviour);
    bench.addFaults(m_request.faults);
    bench.followSetup(record.setup);
    MeterSession session(bench.ports(), bench.technician(), m_services.clock);
    if (session.connectMeter(1, 9600) < 0) {
        m_err << "orvik-cli calibrate: the simulated K37 did not connect" << Qt::endl;
        return 1;
    }
    KeySimulator keys(*session.commander(), m_services.settings);
    const AppServices measuring{bench.technician(), m_services.progress, m_services.clock, m_services.settings};
    MeterLink link{session, keys, measuring, [&document] { return document.calibratedMicrophoneModel(); }};
    if (!passCalibrationCheck(link, document, m_services.messages)) {
        m_err << "orvik-cli calibrate: the meter calibration check did not pass" << Qt::endl;
        return 1;
    }

    TestSheetController sheet(record, link, {}, [] { return false; });
    sheet.conditions = {.ask = sim::DialFollowingMessageBox::acceptConditions,
                        .asked = [&document] { return document.conditionsAsked(); },
                        .markAsked = [&document] { document.setConditionsAsked(true); }};
    for (const RegisteredTest& test : m_request.tests)
        if (!runTest(sheet, bench, test))
            return 1;
    if (document.saveRecord() != Document::SaveResult::Saved)
        return 1;
    m_out << "stored " << document.savedRecordId() << '\n';
    return 0;
}

QList<TransducerKind> CalibrationRun::transducersOf(const RegisteredTest& test) const {
    const QList<TransducerKind> runnable = test.runnableTransducers();
    if (m_request.transducers.isEmpty())
        return runnable;
    QList<TransducerKind> chosen;
    for (TransducerKind transducer : m_request.transducers) {
        if (runnable.contains(transducer))
            chosen << transducer;
        else
            m_err << test.key << ' ' << transducerKey(transducer) << ": not available for this test" << Qt::endl;
    }
    return chosen;
}

bool CalibrationRun::runTest(TestSheetController& sheet, DemoBench& bench, const RegisteredTest& test) {
    sheet.chooseTest(test.test);
    for (TransducerKind transducer : transducersOf(test)) {
        sheet.chooseTransducer(int(transducersOffered(test.test).indexOf(transducer)));
        bench.placeTransducer(transducer);
        QList<int> pagesRun;
        for (int page : test.runnablePages(transducer)) {
            if (!runsOnEars(sheet.pages()[page].channel))
                continue;
            sheet.setActivePage(page);
            const int status = sheet.measureAll();
            if (status < 0) {
                m_err << "orvik-cli calibrate: " << test.key << ' ' << transducerKey(transducer)
                      << ": the run stopped (" << Status::name(status) << ')' << Qt::endl;
                return false;
            }
            pagesRun << page;
        }
        sheet.takeDataBack();
        for (int page : pagesRun)
            printPage(test, transducer, sheet.pages()[page].channel, sheet.measurementPage(page)->list(), m_out);
        const AudiometerRecord& record = m_services.document.record();
        const int status = record.header.testStatus[test.test][int(transducer)];
        m_out << "summary " << test.outputName() << ' ' << transducerKey(transducer) << ' '
              << summaryStatusText(status, transducerInUse(record.setup, transducer)).trimmed() << '\n';
    }
    return true;
}
} // namespace

QString transducerKey(TransducerKind transducer) {
    return sim::faultTransducerNames().value(int(transducer));
}

QString earKey(Channel channel) {
    switch (channel) {
    case Channel::Left:
        return QStringLiteral("left");
    case Channel::Right:
        return QStringLiteral("right");
    case Channel::Both:
        break;
    }
    return QStringLiteral("both");
}

int runCalibration(const CalibrationRequest& request, QTextStream& out, QTextStream& err, qint64* elapsedMs) {
    RunServices services(err, request.realTime);
    const qint64 start = services.clock.milliseconds();
    const int status = CalibrationRun(request, services, out, err).run();
    if (elapsedMs)
        *elapsedMs = services.clock.milliseconds() - start;
    out.flush();
    err.flush();
    return status;
}

} // namespace orvik::cli
