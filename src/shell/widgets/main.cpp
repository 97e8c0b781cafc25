// orvik: the technician's desktop program.
#include "shell/widgets/BatteryCheckDialog.h"
#include "database/widgets/ChangeDatabaseDialog.h"
#include "shell/widgets/MainWindow.h"
#include "core/widgets/ProgressDialog.h"
#include "database/widgets/StoredMeasurementsDialog.h"
#include "core/widgets/FileDialogChooser.h"
#include "measure/widgets/MeasurementWindows.h"
#include "core/widgets/QtMessageBox.h"
#include "shell/widgets/ScreenshotTour.h"
#include "core/AlternateMode.h"
#include "shell/AppDocument.h"
#include "shell/DemoInstruments.h"
#include "shell/SerialPortNames.h"
#include "shell/SessionMeterLink.h"
#include "core/SettingsStore.h"
#include "database/Document.h"
#include "database/DatabaseError.h"
#include "model/DefaultRetspl.h"
#include "sim/DialFollowingMessageBox.h"
#include "sim/K37Simulator.h"
#include "sim/ModelReferenceLevels.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTimer>

Q_LOGGING_CATEGORY(lcStartup, "orvik.startup", QtWarningMsg)

namespace {

using namespace orvik;

struct Options {
    bool simulate = false;
    QString database;
    QString settingsFile;
    int quitAfterMs = -1;
    QString screenshots;
};

Options parseOptions(const QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Audiometer and booth calibration with a K37 sound level meter."));
    parser.addHelpOption();
    const QCommandLineOption simulate(QStringLiteral("simulate"),
                                      QStringLiteral("Work with the built-in K37 simulator and a demo database."));
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("Database file to open."),
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
    parser.addOptions({simulate, database, settings, quitAfter, screenshots});
    parser.process(app);
    Options options;
    options.simulate = parser.isSet(simulate);
    options.database = parser.value(database);
    options.settingsFile = parser.value(settings);
    options.screenshots = parser.value(screenshots);
    if (parser.isSet(quitAfter))
        options.quitAfterMs = parser.value(quitAfter).toInt();
    return options;
}

// A simulated session keeps to its own folder, so a demo never touches a technician's data or settings.
QString demoFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quenmark/Orvik/demo");
}

// The demo database is the program's own to make: created silently the first time.
void ensureDemoDatabase(const QString& path) {
    if (QFileInfo::exists(path))
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
    const QFileInfo file(path);
    settings.writeText(QStringLiteral("Preferences"), QStringLiteral("DatabaseDir"), file.absolutePath() + u'/');
    settings.writeText(QStringLiteral("Preferences"), QStringLiteral("DatabaseName"), file.fileName());
}

// The meter check the window runs before the first test sheet and from the SLM menu.
class DialogCalibrationCheck final : public CalibrationCheck {
public:
    std::function<int()> show;
    int run() override { return show ? show() : 0; }
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Veltan-Quirn"));
    QApplication::setApplicationName(QStringLiteral("Orvik"));
    const Options options = parseOptions(app);

    QString settingsFile = options.settingsFile;
    QString databasePath = options.database;
    if (options.simulate) {
        if (settingsFile.isEmpty())
            settingsFile = demoFolder() + QStringLiteral("/orvik-demo.ini");
        if (databasePath.isEmpty())
            databasePath = demoFolder() + QStringLiteral("/OrvikDemo.mdb");
        ensureDemoDatabase(databasePath);
    }
    std::unique_ptr<SettingsStore> settings = settingsFile.isEmpty()
                                                  ? std::make_unique<QSettingsStore>()
                                                  : std::make_unique<QSettingsStore>(settingsFile);
    if (!databasePath.isEmpty())
        nameDatabase(*settings, databasePath);
    const QString programFolder = QApplication::applicationDirPath();
    const bool alternateMode = readAlternateMode(programFolder);

    QtMessageBox messages;
    QtProgressFactory progress;
    SystemClock clock;
    Document database(AppServices{messages, progress, clock, *settings}, programFolder);
    std::vector<EarphoneBlock> earphones;
    database.rebuildEarphoneList = [&earphones, alternateMode] { earphones = defaultEarphoneList(alternateMode); };
    database.onNewDocument();
    AppDocument document(database, *settings);

    sim::K37Simulator simulator;
    sim::SimulatedSerialDeviceFactory simulatedPorts(simulator, clock);
    NumberedSerialDeviceFactory realPorts(*settings);
    SerialDeviceFactory& ports = options.simulate ? static_cast<SerialDeviceFactory&>(simulatedPorts) : realPorts;
    SessionMeterLink meter(ports, messages, clock, database.preferences());
    // In a demo the simulated audiometer follows the dial prompts the technician acknowledges.
    sim::DialFollowingMessageBox technician(messages, simulator.scene());
    MessageBox& measurementMessages = options.simulate ? static_cast<MessageBox&>(technician) : messages;
    const AppServices measurementServices{measurementMessages, progress, clock, *settings};
    DialogCalibrationCheck calibration;

    std::function<QList<SerialPortInfo>()> enumerate = enumerateSerialPorts;
    std::function<void()> addDemo;
    if (options.simulate) {
        enumerate = [] {
            return QList<SerialPortInfo>{{QStringLiteral("(in-process)"), QStringLiteral("COM1"), QStringLiteral("K37"),
                                    QStringLiteral("Simulated K37")}};
        };
        addDemo = [&database] {
            if (addDemoInstruments(database.instruments()))
                database.writeEquipmentLists();
        };
    }
    MainWindow frame(MainWindow::Seams{document, messages, meter, calibration, *settings, enumerate, alternateMode,
                                       options.simulate ? QStringLiteral(" - Simulated K37") : QString(), addDemo,
                                       &database.instruments(), [&earphones] { return earphones; }, {},
                                       [&database] { database.writeEquipmentLists(); },
                                       [&database] { database.readEquipmentLists(); },
                                       [&](ViewContext& context, int test) -> QWidget* {
                                           std::function<void(TransducerKind)> placeTransducer;
                                           if (options.simulate) {
                                               sim::AcousticScene& scene = simulator.scene();
                                               scene.setReferenceLevels(
                                                   sim::modelReferenceLevels(database.record().setup));
                                               placeTransducer = [&scene](TransducerKind kind) {
                                                   scene.placeTransducer(int(kind));
                                               };
                                           }
                                           return createDocumentTestSheet(context, test, meter.session(),
                                                                         measurementServices, database,
                                                                         placeTransducer);
                                       },
                                       [&database, &messages](QWidget* parent) {
                                           return StoredMeasurementsDialog::browse(database, messages, parent);
                                       }});
    calibration.show = [&] {
        return runDocumentCalibrationCheck(meter.session(), measurementServices, database, &frame);
    };
    messages.setParent(&frame);
    progress.setOwner(&frame);
    document.askDatabasePath = [&frame, &database] {
        return ChangeDatabaseDialog::ask(database.preferences().databaseDir, fileDialogChooser(&frame), &frame);
    };
    meter.showBattery = [&frame](SlmCommander& commander) { BatteryCheckDialog(commander, &frame).exec(); };
    frame.show();
    QTimer::singleShot(0, &frame, [&sinceLaunch] {
        qCInfo(lcStartup).noquote() << "window shown after" << sinceLaunch.elapsed() << "ms";
    });
    int tourResult = 0;
    if (!options.screenshots.isEmpty()) {
        QTimer::singleShot(500, &frame, [&] {
            if (addDemo && !database.equipmentDefined())
                addDemo();
            tourResult = ScreenshotTour(frame, document, options.screenshots).run() ? 0 : 1;
        });
    }
    if (options.quitAfterMs >= 0)
        QTimer::singleShot(options.quitAfterMs, &frame, &QWidget::close);
    const int result = QApplication::exec();
    document.shutDown();
    return result != 0 ? result : tourResult;
}
