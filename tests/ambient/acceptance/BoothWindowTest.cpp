#include "ambient/LevelPage.h"
#include "ambient/widgets/AmbientSheet.h"
#include "ambient/widgets/AmbientView.h"
#include "database/Document.h"
#include "shell/AppDocument.h"
#include "shell/DemoInstruments.h"
#include "shell/SessionMeterLink.h"
#include "shell/widgets/MainWindow.h"
#include "sim/BoothNoise.h"
#include "sim/K37Simulator.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include "RunCli.h"
#include "TestServices.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvik {
namespace {

class NoCalibration final : public CalibrationCheck {
public:
    int run() override { return 0; }
};

// The main window wired as `orvik --simulate` wires the booth test: the document over a database in a temporary
// folder with the demo instruments, and the simulated K37 with the demo booth on virtual time.
class BoothWindow : public ::testing::Test {
protected:
    void SetUp() override {
        t.settings.writeText("Preferences", "DatabaseDir", dir.path() + u'/');
        t.messages.answer(QStringLiteral("doesn't exist"), MessageAnswer::Yes, 1).acknowledgeAll();
        database.onNewDocument();
        ASSERT_TRUE(addDemoInstruments(database.instruments()));
        ASSERT_TRUE(database.writeEquipmentLists());
        simulator.scene().boothNoise() = sim::demoBooth();
        MainWindow::Seams seams{document,    t.messages, meter,
                                calibration, t.settings, [] { return QList<SerialPortInfo>{}; }};
        seams.instruments = &database.instruments();
        seams.createBoothView = [this](ViewContext& context) {
            return new AmbientView(
                context, BoothViewSeams{
                             .session = meter.session(),
                             .services = t.services(),
                             .document = database,
                             .connectMeter = [this] { return meter.connect() >= 0; },
                             .microphoneInBooth = [this](bool in) { simulator.scene().setMicrophoneInCoupler(!in); }});
        };
        frame = std::make_unique<MainWindow>(seams);
    }

    AmbientView* boothView() { return qobject_cast<AmbientView*>(frame->currentView()); }

    QTemporaryDir dir;
    test::TestServices t;
    Document database{t.services(), dir.path()};
    AppDocument document{database, t.settings};
    sim::K37Simulator simulator;
    sim::SimulatedSerialDeviceFactory ports{simulator, t.clock};
    SessionMeterLink meter{ports, t.messages, t.clock, database.preferences()};
    NoCalibration calibration;
    std::unique_ptr<MainWindow> frame;
};

TEST_F(BoothWindow, AMeasuredBoothIsStoredAndTheCommandLineMeasuresAndJudgesItAlike) {
    frame->action(MenuCommand::BoothTest)->trigger();
    AmbientView* view = boothView();
    ASSERT_NE(view, nullptr);
    view->measureAll();
    view->sheet().findChildren<QLineEdit*>().first()->setText(QStringLiteral("Window"));
    view->ok();
    EXPECT_EQ(boothView(), nullptr);
    ASSERT_TRUE(database.ambientFromDatabase());
    const AmbientRecord window = database.ambientRecord();
    database.closeDatabase();

    const QString file = Document::withMdbExtension(database.databasePath());
    const test::CliRun cli = test::runCli(
        {"booth", "measure", "--db", file, "--name", "Cli", "--simulate", "--noise", "4000=8.5", "--seed", "5"});
    ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();
    const QStringList bands = cli.lines();
    ASSERT_EQ(bands.size(), AmbientBandCount);
    for (int band = 0; band < AmbientBandCount; ++band)
        EXPECT_NEAR(bands[band].section(u' ', 2).toDouble(), window.spectrum[band], 1.0) << bands[band].toStdString();

    // Both stored tests judged by the command line: the same verdicts, the fan at 4000 Hz the only failure.
    const auto verdicts = [&file](const char* name) {
        QStringList lines = test::runCli({"booth", "show", "--db", file, "--name", name}).lines();
        for (QString& line : lines)
            if (line.startsWith(QLatin1String("row ")))
                line = line.section(u' ', 0, 2) + u' ' + line.section(u' ', 5);
        return lines;
    };
    const QStringList judged = verdicts("Window");
    EXPECT_EQ(judged, verdicts("Cli"));
    EXPECT_EQ(judged.first(), QStringLiteral("set newer"));
    EXPECT_EQ(judged.filter(QStringLiteral("FAIL")),
              QStringList({"row 125-8k-uncovered 4000 FAIL", "row 250-8k-uncovered 4000 FAIL",
                           "row 500-8k-uncovered 4000 FAIL"}));
}

TEST_F(BoothWindow, CancelPutsTheDocumentsRecordBack) {
    t.settings.writeInt("Settings", "Amb Show Page", 2);
    frame->action(MenuCommand::BoothTest)->trigger();
    AmbientView* view = boothView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->sheet().count(), 5 + 4);
    view->measureAll();
    EXPECT_NE(database.ambientRecord().spectrum[19], AmbientNotMeasured);
    view->cancel();
    EXPECT_EQ(boothView(), nullptr);
    EXPECT_EQ(database.ambientRecord().spectrum[19], AmbientNotMeasured);
    EXPECT_EQ(t.settings.readInt("Settings", "Amb Show Page", 0), 2);
}

TEST_F(BoothWindow, TheDisplayChoiceRebuildsTheLevelPagesAndIsRememberedWhenTheViewCloses) {
    frame->action(MenuCommand::BoothTest)->trigger();
    AmbientView* view = boothView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->sheet().count(), 5 + 3);            // ANSI pages by default
    view->findChildren<QRadioButton*>().at(1)->click(); // "Show OSHA"
    EXPECT_EQ(view->sheet().tabText(view->sheet().count() - 1), QStringLiteral("OSHA Limits"));
    EXPECT_EQ(view->sheet().count(), 5 + 1);
    view->cancel();
    EXPECT_EQ(t.settings.readInt("Settings", "Amb Show Page", 0), 1);
}

} // namespace
} // namespace orvik
