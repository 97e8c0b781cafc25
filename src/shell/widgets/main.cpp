// orvik: the technician's desktop program. This file is the composition root: it builds every seam once, in
// the order they depend on each other, and hands them to the main window.
#include "ambient/widgets/AmbientView.h"
#include "core/AlternateMode.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "core/widgets/FileDialogChooser.h"
#include "core/widgets/ProgressDialog.h"
#include "core/widgets/QtMessageBox.h"
#include "core/ServerLocation.h"
#include "database/DatabaseError.h"
#include "database/Document.h"
#include "database/ServerAddress.h"
#include "database/widgets/ChangeDatabaseDialog.h"
#include "database/widgets/ServerPasswordDialog.h"
#include "database/widgets/StoredMeasurementsDialog.h"
#include "database/widgets/StoredAudiometerTestsPage.h"
#include "database/widgets/StoredBoothTestsPage.h"
#include "measure/widgets/MeasurementWindows.h"
#include "model/DefaultRetspl.h"
#include "report/widgets/PdfOutput.h"
#include "report/widgets/Printouts.h"
#include "shell/AppDocument.h"
#include "shell/DemoBench.h"
#include "shell/DemoInstruments.h"
#include "shell/SerialPortNames.h"
#include "shell/SessionMeterLink.h"
#include "shell/widgets/BatteryCheckDialog.h"
#include "shell/widgets/MainWindow.h"
#include "shell/widgets/ScreenshotTour.h"
#include "sim/BoothNoise.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

Q_LOGGING_CATEGORY(lcStartup, "orvik.startup", QtWarningMsg)

namespace {

using namespace orvik;

struct Options {
    bool simulate = false;
    QString database;
    QString settingsFile;
    int quitAfterMs = -1;
    QString screenshots;
    QList<sim::AudiometerFault> faults;
};

Options parseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Audiometer and booth calibration with a K37 sound level meter."));
    parser.addHelpOption();
    const QCommandLineOption simulate(QStringLiteral("simulate"),
                                      QStringLiteral("Work with the built-in K37 simulator and a demo database."));
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("Database to open: a file, or a server's postgresql:// address."),
                                      QStringLiteral("path"));
    const QCommandLineOption settings(QStringLiteral("settings"),
                                      QStringLiteral("Keep settings in this file instead of the user's."),
                                      QStringLiteral("ini"));
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"),
                                       QStringLiteral("Close the window this many ms after it is shown."),
                                       QStringLiteral("ms"));
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
                                         QStringLiteral("Save pictures of the main views into this folder, then quit."),
                                         QStringLiteral("folder"));
    const QCommandLineOption fault(QStringLiteral("fault"),
                                   QStringLiteral("With --simulate: the simulated audiometer has this fault, as "
                                                  "QUANTITY[:TRANSDUCER[:EAR[:HZ[@DIAL]]]]=VALUE (see orvik-cli help)."),
                                   QStringLiteral("fault"));
    parser.addOptions({simulate, database, settings, quitAfter, screenshots, fault});
    parser.process(app);
    QList<sim::AudiometerFault> faults;
    for (const QString& text : parser.values(fault)) {
        QString error;
        const std::optional<sim::AudiometerFault> parsed = sim::parseAudiometerFault(text, error);
        if (!parsed) {
            std::fprintf(stderr, "orvik: --fault: %s\n", qPrintable(error));
            std::exit(2);
        }
        faults << *parsed;
    }
    return Options{.simulate = parser.isSet(simulate),
                   .database = parser.value(database),
                   .settingsFile = parser.value(settings),
                   .quitAfterMs = parser.isSet(quitAfter) ? parser.value(quitAfter).toInt() : -1,
                   .screenshots = parser.value(screenshots),
                   .faults = faults};
}

// A simulated session keeps to its own folder, so a demo never touches a technician's data or settings.
QString demoFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quenmark/Orvik/demo");
}

// The demo database is the program's own to make: created silently the first time.
void ensureDemoDatabase(const QString& path) {
    if (isServerLocation(path) || QFileInfo::exists(path))
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    try {
        Database database;
        database.create(path);
    } catch (const DatabaseError& e) {
        qCWarning(lcStartup) << "demo database not created:" << e.text();
    }
}

// A database named on the command line becomes the last used one, as if chosen with File/Change Database.
void nameDatabase(SettingsStore& settings, const QString& path) {
    if (isServerLocation(path)) {
        // Stored as shown: never with a password typed into the address.
        const auto address = ServerAddress::parse(path);
        settings.writeText(QStringLiteral("Preferences"), QStringLiteral("DatabaseName"),
                           address ? address->uri() : path);
        return;
    }
    const QFileInfo file(path);
    settings.writeText(QStringLiteral("Preferences"), QStringLiteral("DatabaseDir"), file.absolutePath() + u'/');
    settings.writeText(QStringLiteral("Preferences"), QStringLiteral("DatabaseName"), file.fileName());
}

// The settings the program runs on: the user's, a file named on the command line, or the demo's own.
std::unique_ptr<SettingsStore> openSettings(const Options& options) {
    QString settingsFile = options.settingsFile;
    QString databasePath = options.database;
    if (options.simulate) {
        if (settingsFile.isEmpty())
            settingsFile = demoFolder() + QStringLiteral("/orvik-demo.ini");
        if (databasePath.isEmpty())
            databasePath = demoFolder() + QStringLiteral("/OrvikDemo.mdb");
        ensureDemoDatabase(databasePath);
    }
    auto settings =
        settingsFile.isEmpty() ? std::make_unique<QSettingsStore>() : std::make_unique<QSettingsStore>(settingsFile);
    if (!databasePath.isEmpty())
        nameDatabase(*settings, databasePath);
    return settings;
}

QList<SerialPortInfo> simulatedPortList() {
    return {{QStringLiteral("(in-process)"), QStringLiteral("COM1"), QStringLiteral("K37"),
             QStringLiteral("Simulated K37")}};
}

// The meter check the window runs before the first test sheet and from the SLM menu.
class DialogCalibrationCheck final : public CalibrationCheck {
public:
    std::function<int()> show;
    int run() override { return show ? show() : 0; }
};

// Everything the window stands on, declared in the order it is built: each member depends only on those
// above it, and they are torn down in reverse.
class Program {
public:
    Program(const Options& options, SettingsStore& settings);
    int run(const QElapsedTimer& sinceLaunch);

private:
    bool simulating() const { return m_options.simulate; }
    MainWindow::Seams windowSeams();
    std::function<void(bool)> promptAnswering();
    QWidget* createTestSheet(ViewContext& context, int test);
    QWidget* createBoothView(ViewContext& context);
    void printout(MenuCommand command, QWidget* view);
    void compareWith(const PrintoutSeams& seams, AmbientView* booth);
    BoothReportOptions boothOptions(const AmbientView& booth);
    void addDemoInstruments();
    void connectWindow();

    const Options& m_options;
    SettingsStore& m_settings;
    const QString m_programFolder = QApplication::applicationDirPath();
    const AlternateModeKind m_alternateMode = readAlternateModeKind(m_programFolder);
    QtMessageBox m_messages;
    QtProgressFactory m_progress;
    SystemClock m_clock;
    Document m_database{
        AppServices{.messageBox = m_messages, .progress = m_progress, .clock = m_clock, .settings = m_settings},
        m_programFolder};
    std::vector<EarphoneBlock> m_earphones;
    AppDocument m_document{m_database, m_settings};
    // In a demo the simulated audiometer follows the dial prompts the technician acknowledges; whether the
    // technician sees them first is the window's "Answer prompts automatically" choice.
    DemoBench m_bench{m_clock, m_messages};
    NumberedSerialDeviceFactory m_realPorts{m_settings};
    SessionMeterLink m_meter{simulating() ? m_bench.ports() : m_realPorts, m_messages, m_clock,
                             m_database.preferences()};
    const AppServices m_measurementServices{.messageBox = simulating() ? static_cast<MessageBox&>(m_bench.technician())
                                                                       : m_messages,
                                            .progress = m_progress,
                                            .clock = m_clock,
                                            .settings = m_settings};
    DialogCalibrationCheck m_calibration;
    std::unique_ptr<MainWindow> m_window;
};

Program::Program(const Options& options, SettingsStore& settings) : m_options(options), m_settings(settings) {
    if (simulating())
        m_bench.simulator().scene().boothNoise() = sim::demoBooth();
    m_database.database().askPassword = [](const QString& uri) { return askServerPassword(uri, nullptr); };
    m_database.rebuildEarphoneList = [this] { m_earphones = defaultEarphoneList(isProgramWideAlternate(m_alternateMode)); };
    m_bench.addFaults(options.faults);
    m_database.onNewDocument();
    // Printouts are laid out in the widths of two font families; say so at once when they are missing.
    if (const QString warning = missingFontWarning(); !warning.isEmpty())
        std::fprintf(stderr, "orvik: %s\n", qPrintable(warning));
    m_window = std::make_unique<MainWindow>(windowSeams());
    connectWindow();
}

MainWindow::Seams Program::windowSeams() {
    using Retrieved = ShellCommands::Retrieved;
    return MainWindow::Seams{
        .document = m_document,
        .messages = m_messages,
        .meter = m_meter,
        .calibration = m_calibration,
        .settings = m_settings,
        .enumeratePorts = simulating() ? simulatedPortList : enumerateSerialPorts,
        .alternateMode = m_alternateMode,
        .titleSuffix = simulating() ? QStringLiteral(" - Simulated K37") : QString(),
        .addDemoInstruments = simulating() ? std::function<void()>([this] { addDemoInstruments(); }) : nullptr,
        .instruments = &m_database.instruments(),
        .earphones = [this] { return m_earphones; },
        .writeInstruments = [this] { m_database.writeEquipmentLists(); },
        .reloadInstruments = [this] { m_database.readEquipmentLists(); },
        .createTestSheet = [this](ViewContext& context, int test) { return createTestSheet(context, test); },
        .createBoothView = [this](ViewContext& context) { return createBoothView(context); },
        .browseStoredMeasurements = [this](QWidget* parent) -> Retrieved {
            return StoredMeasurementsDialog::browse(m_database, m_messages, parent);
        },
        .answerPromptsAutomatically = promptAnswering(),
        .linkStatus = &m_meter.status(),
        .printout = [this](MenuCommand command, QWidget* view) { printout(command, view); },
    };
}

// Only a demo has a simulated technician, who either shows each dial prompt first or answers it unseen.
std::function<void(bool)> Program::promptAnswering() {
    if (!simulating())
        return {};
    return [this](bool automatic) {
        m_bench.technician().answering = automatic ? sim::PromptAnswering::Automatic : sim::PromptAnswering::Shown;
    };
}

// In a demo the simulated bench takes the earphone the sheet names and the reference levels of its set-up.
QWidget* Program::createTestSheet(ViewContext& context, int test) {
    std::function<void(TransducerKind)> placeTransducer;
    if (simulating()) {
        m_bench.followSetup(m_database.record().setup);
        placeTransducer = m_bench.placement();
    }
    return createDocumentTestSheet(context, test, m_meter.session(), m_measurementServices, m_database,
                                   placeTransducer);
}

// In a demo the microphone leaves the coupler for the booth while the booth test is open.
QWidget* Program::createBoothView(ViewContext& context) {
    std::function<void(bool)> microphoneInBooth;
    if (simulating())
        microphoneInBooth = [this](bool inBooth) { m_bench.simulator().scene().setMicrophoneInCoupler(!inBooth); };
    return new AmbientView(context, BoothViewSeams{.session = m_meter.session(),
                                                   .services = m_measurementServices,
                                                   .document = m_database,
                                                   .connectMeter = [this] { return m_meter.connect() >= 0; },
                                                   .microphoneInBooth = microphoneInBooth});
}

// The booth view prints and exports its own record as its pages show it; every other view the audiometer test.
void Program::printout(MenuCommand command, QWidget* view) {
    const PrintoutSeams seams{m_window.get(), m_messages, fileDialogChooser(m_window.get()), m_database.preferences(),
                              [this] { m_document.writePreferences(); }};
    auto* booth = qobject_cast<AmbientView*>(view);
    if (command == MenuCommand::CompareWith)
        compareWith(seams, booth);
    else if (booth && command == MenuCommand::Export)
        exportBoothTest(seams, m_settings, booth->test().working(), boothOptions(*booth));
    else if (command == MenuCommand::Export)
        exportAudiometerTest(seams, m_settings, m_database.record());
    else if (booth && command == MenuCommand::Report)
        previewBoothReport(seams, booth->test().working(), boothOptions(*booth));
    else if (booth)
        previewBoothCertificate(seams, booth->test().working());
    else if (command == MenuCommand::Report)
        previewAudiometerReport(seams, m_database.record());
    else
        previewAudiometerCertificate(seams, m_database.record());
}

// The stored test to compare with is chosen on the "Stored Measurements" sheet; an audiometer test is loaded as
// the document's comparison record, the current one stays. A booth comparison prints the current booth alone.
void Program::compareWith(const PrintoutSeams& seams, AmbientView* booth) {
    StoredMeasurementsBrowser browser(m_database, m_messages);
    StoredMeasurementsDialog sheet(browser, m_window.get());
    if (sheet.exec() != QDialog::Accepted)
        return;
    if (booth) {
        if (sheet.boothPage()->selectedId() >= 0)
            previewBoothComparison(seams, booth->test().working(), boothOptions(*booth));
        return;
    }
    const RowId id = sheet.audiometricPage()->selectedId();
    if (id >= 0 && m_database.loadComparisonRecord(id))
        previewAudiometerComparison(seams, m_database.record(), m_database.comparisonRecord());
}

BoothReportOptions Program::boothOptions(const AmbientView& booth) {
    return {booth.displayMode(), booth.showFail(), Setting::DisplayEarsNotCovered.read(m_settings) != 0};
}

void Program::addDemoInstruments() {
    if (orvik::addDemoInstruments(m_database.instruments()))
        m_database.writeEquipmentLists();
}

void Program::connectWindow() {
    MainWindow* window = m_window.get();
    m_calibration.show = [this, window] {
        return runDocumentCalibrationCheck(m_meter.session(), m_measurementServices, m_database, window);
    };
    m_messages.setParent(window);
    m_progress.setOwner(window);
    m_document.askDatabasePath = [this, window] {
        return ChangeDatabaseDialog::ask(m_database.preferences().databaseDir, fileDialogChooser(window), window);
    };
    m_meter.showBattery = [window](SlmCommander& commander) { BatteryCheckDialog(commander, window).exec(); };
}

int Program::run(const QElapsedTimer& sinceLaunch) {
    m_window->show();
    QTimer::singleShot(0, m_window.get(), [&sinceLaunch] {
        qCInfo(lcStartup).noquote() << "window shown after" << sinceLaunch.elapsed() << "ms";
    });
    int tourResult = 0;
    if (!m_options.screenshots.isEmpty()) {
        QTimer::singleShot(500, m_window.get(), [this, &tourResult] {
            if (simulating() && !m_database.equipmentDefined())
                addDemoInstruments();
            tourResult = ScreenshotTour(*m_window, m_document, m_database.instruments(), m_options.screenshots).run() ? 0 : 1;
        });
    }
    if (m_options.quitAfterMs >= 0)
        QTimer::singleShot(m_options.quitAfterMs, m_window.get(), &QWidget::close);
    const int result = QApplication::exec();
    m_document.shutDown();
    return result != 0 ? result : tourResult;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Veltan-Quirn"));
    QApplication::setApplicationName(QStringLiteral("Orvik"));
    const Options options = parseOptions(app);
    const std::unique_ptr<SettingsStore> settings = openSettings(options);
    Program program(options, *settings);
    return program.run(sinceLaunch);
}
