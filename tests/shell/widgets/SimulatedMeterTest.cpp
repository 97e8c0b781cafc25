#include "SheetWindowFixture.h"

#include <QAction>

namespace orvik::test {
namespace {

// The window's meter menu against the simulated K37, as `orvik --simulate` wires it, on virtual time.
class SimulatedMeterTest : public SheetWindowFixture {
protected:
    void trigger(MenuCommand command) { frame->action(command)->trigger(); }
};

TEST_F(SimulatedMeterTest, ConnectAndDisconnectFlipTheMeterEntries) {
    EXPECT_TRUE(frame->action(MenuCommand::SlmConnect)->isEnabled());
    EXPECT_FALSE(frame->action(MenuCommand::SlmCalibration)->isEnabled());
    t.messages.clear();
    trigger(MenuCommand::SlmConnect);
    EXPECT_TRUE(meter.portOpen());
    EXPECT_TRUE(t.messages.texts().contains("Connected"));
    EXPECT_FALSE(frame->action(MenuCommand::SlmConnect)->isEnabled());
    EXPECT_TRUE(frame->action(MenuCommand::SlmDisconnect)->isEnabled());
    EXPECT_TRUE(frame->action(MenuCommand::SlmCalibration)->isEnabled()); // calibrator and microphone listed
    trigger(MenuCommand::SlmDisconnect);
    EXPECT_FALSE(meter.portOpen());
    EXPECT_TRUE(frame->action(MenuCommand::SlmConnect)->isEnabled());
}

TEST_F(SimulatedMeterTest, StatusGridConnectsFirstAndAMissingMeterKeepsTheView) {
    ports.setMeterPort(-1);
    frame->views().switchView(ViewId::MeasurementSelection);
    EXPECT_EQ(frame->views().current(), ViewId::Idle);
    EXPECT_FALSE(meter.portOpen());
    ports.setMeterPort(0);
    frame->views().switchView(ViewId::MeasurementSelection);
    EXPECT_EQ(frame->views().current(), ViewId::MeasurementSelection);
    EXPECT_TRUE(meter.portOpen());
}

} // namespace
} // namespace orvik::test
