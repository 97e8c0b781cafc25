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

QAction* promptChoice(const MainWindow& window) {
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == QStringLiteral("Answer prompts automatically"))
            return action;
    return nullptr;
}

// A demo shows the dial prompts until the technician chooses to have them answered, and remembers that choice;
// a window on a real meter has no simulated technician to choose for.
TEST_F(SimulatedMeterTest, AnsweringPromptsAutomaticallyIsARememberedChoice) {
    MemorySettingsStore settings;
    const auto open = [&](bool simulated) {
        MainWindow::Seams seams{document, t.messages, meter, calibration, settings,
                                [] { return QList<SerialPortInfo>{}; }};
        if (simulated)
            seams.answerPromptsAutomatically = promptAnswering();
        return std::make_unique<MainWindow>(seams);
    };
    auto first = open(true);
    QAction* choice = promptChoice(*first);
    ASSERT_NE(choice, nullptr);
    EXPECT_FALSE(choice->isChecked());
    EXPECT_EQ(technician.answering, sim::PromptAnswering::Shown);
    choice->trigger();
    EXPECT_EQ(technician.answering, sim::PromptAnswering::Automatic);

    first.reset();
    technician.answering = sim::PromptAnswering::Shown;
    const auto second = open(true);
    ASSERT_NE(promptChoice(*second), nullptr);
    EXPECT_TRUE(promptChoice(*second)->isChecked());
    EXPECT_EQ(technician.answering, sim::PromptAnswering::Automatic);
    EXPECT_EQ(promptChoice(*open(false)), nullptr);
}

} // namespace
} // namespace orvik::test
