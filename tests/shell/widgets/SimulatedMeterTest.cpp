#include "shell/widgets/MainWindow.h"
#include "TestServices.h"
#include "shell/AppDocument.h"
#include "shell/CalibrationCheckUnavailable.h"
#include "shell/DemoInstruments.h"
#include "shell/SessionMeterLink.h"
#include "database/Document.h"
#include "sim/K37Simulator.h"
#include "sim/SimulatedSerialDeviceFactory.h"

#include <QAction>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvik::test {
namespace {

// The window's meter menu against the simulated K37, as `orvik --simulate` wires it, on virtual time.
class SimulatedMeterTest : public ::testing::Test {
protected:
    void SetUp() override {
        t.settings.writeText("Preferences", "DatabaseDir", dir.path() + u'/');
        t.messages.answer(QStringLiteral("doesn't exist"), MessageAnswer::Yes, 1).acknowledgeAll();
        database.onNewDocument();
        if (addDemoInstruments(database.instruments()))
            database.writeEquipmentLists();
        frame.updateCommandStates();
    }

    void trigger(MenuCommand command) { frame.action(command)->trigger(); }

    QTemporaryDir dir;
    TestServices t;
    Document database{t.services(), dir.path()};
    AppDocument document{database, t.settings};
    sim::K37Simulator simulator;
    sim::SimulatedSerialDeviceFactory ports{simulator, t.clock};
    SessionMeterLink meter{ports, t.messages, t.clock, database.preferences()};
    CalibrationCheckUnavailable calibration{t.messages};
    MainWindow frame{MainWindow::Seams{document, t.messages, meter, calibration, t.settings,
                                       [] { return QList<SerialPortInfo>{}; }}};
};

TEST_F(SimulatedMeterTest, ConnectAndDisconnectFlipTheMeterEntries) {
    EXPECT_TRUE(frame.action(MenuCommand::SlmConnect)->isEnabled());
    EXPECT_FALSE(frame.action(MenuCommand::SlmCalibration)->isEnabled());
    t.messages.clear();
    trigger(MenuCommand::SlmConnect);
    EXPECT_TRUE(meter.portOpen());
    EXPECT_TRUE(t.messages.texts().contains("Connected"));
    EXPECT_FALSE(frame.action(MenuCommand::SlmConnect)->isEnabled());
    EXPECT_TRUE(frame.action(MenuCommand::SlmDisconnect)->isEnabled());
    EXPECT_TRUE(frame.action(MenuCommand::SlmCalibration)->isEnabled()); // calibrator and microphone listed
    trigger(MenuCommand::SlmDisconnect);
    EXPECT_FALSE(meter.portOpen());
    EXPECT_TRUE(frame.action(MenuCommand::SlmConnect)->isEnabled());
}

TEST_F(SimulatedMeterTest, StatusGridConnectsFirstAndAMissingMeterKeepsTheView) {
    ports.setMeterPort(-1);
    frame.views().switchView(ViewId::MeasurementSelection);
    EXPECT_EQ(frame.views().current(), ViewId::Idle);
    EXPECT_FALSE(meter.portOpen());
    ports.setMeterPort(0);
    frame.views().switchView(ViewId::MeasurementSelection);
    EXPECT_EQ(frame.views().current(), ViewId::MeasurementSelection);
    EXPECT_TRUE(meter.portOpen());
}

} // namespace
} // namespace orvik::test
