// orvik: the technician's desktop program.
#include "CMainFrame.h"
#include "CProgressDlg.h"
#include "QtMessageBox.h"
#include "app/AlternateMode.h"
#include "app/AppDocument.h"
#include "app/SerialPortNames.h"
#include "app/SettingsStore.h"
#include "app/UnavailableMeter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QTimer>

Q_LOGGING_CATEGORY(lcStartup, "orvik.startup", QtWarningMsg)

namespace {

struct Options {
    bool simulate = false;
    QString database;
    QString settingsFile;
    int quitAfterMs = -1;
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
                                       QStringLiteral("Close the window this many ms after it is shown (scripts)."),
                                       QStringLiteral("ms"));
    parser.addOptions({simulate, database, settings, quitAfter});
    parser.process(app);
    Options options;
    options.simulate = parser.isSet(simulate);
    options.database = parser.value(database);
    options.settingsFile = parser.value(settings);
    if (parser.isSet(quitAfter))
        options.quitAfterMs = parser.value(quitAfter).toInt();
    return options;
}

// The simulated meter keeps its own corner, so a demo never touches a technician's real data or settings.
QString demoFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Quenmark/Orvik/demo");
}

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
        QDir().mkpath(demoFolder());
        if (settingsFile.isEmpty())
            settingsFile = demoFolder() + QStringLiteral("/orvik-demo.ini");
        if (databasePath.isEmpty())
            databasePath = demoFolder() + QStringLiteral("/OrvikDemo.mdb");
    }
    std::unique_ptr<orvik::SettingsStore> settings = settingsFile.isEmpty()
                                                         ? std::make_unique<orvik::QSettingsStore>()
                                                         : std::make_unique<orvik::QSettingsStore>(settingsFile);
    const QString programFolder = QApplication::applicationDirPath();
    const bool alternateMode = orvik::readAlternateMode(programFolder);

    orvik::QtMessageBox messages;
    orvik::QtProgressFactory progress;
    orvik::SystemClock clock;
    orvik::AppDocument document(orvik::AppServices{messages, progress, clock, *settings}, programFolder);
    if (!databasePath.isEmpty())
        document.useDatabase(databasePath);
    document.startUp();

    orvik::UnavailableMeter meter(messages);
    orvik::CMainFrame frame(orvik::CMainFrame::Seams{document, messages, meter, meter, *settings,
                                                     orvik::enumerateSerialPorts, alternateMode,
                                                     options.simulate ? QStringLiteral(" - Simulated K37") : QString()});
    messages.setParent(&frame);
    progress.setOwner(&frame);
    frame.show();
    QTimer::singleShot(0, &frame, [&sinceLaunch] {
        qCInfo(lcStartup).noquote() << "window shown after" << sinceLaunch.elapsed() << "ms";
    });
    if (options.quitAfterMs >= 0)
        QTimer::singleShot(options.quitAfterMs, &frame, &QWidget::close);
    const int result = QApplication::exec();
    document.shutDown();
    return result;
}
