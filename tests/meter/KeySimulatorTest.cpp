#include "meter/KeySimulator.h"
#include "MeterTestLink.h"
#include "core/Settings.h"

#include <gtest/gtest.h>

using namespace orvik;
using namespace orvik::test;

namespace {
struct Keys : ::testing::Test, MeterTestLink {
    KeySimulator keys{commander, t.settings};

    QByteArrayList keyCommands() const {
        QByteArrayList pressed;
        for (const QByteArray& command : meter.commands) {
            if (command.startsWith('K') || command.startsWith('k'))
                pressed += command;
        }
        return pressed;
    }
};
} // namespace

// The first move homes the unknown cursor (eight presses of K 77777); later ones move by the difference.
TEST_F(Keys, CursorIsHomedOnceThenMovesByTheDifference) {
    const struct {
        int index;
        QByteArray key;
        int presses;
        int homes;
        int position;
    } moves[] = {{12, "K 8", 19, 8, 19}, // 1000 Hz, band 19
                 {10, "k 7", 1, 0, 18},
                 {11, "k 7", 0, 0, 18},
                 {38, "K 8", 14, 0, 32},
                 {39, "k 7", 32, 0, 0}};
    for (const auto& m : moves) {
        meter.commands.clear();
        ASSERT_EQ(keys.goToFrequency(m.index), 0);
        const QByteArrayList pressed = keyCommands();
        EXPECT_EQ(pressed.count(m.key), m.presses) << m.index;
        EXPECT_EQ(pressed.count("K 77777"), m.homes) << m.index;
        EXPECT_EQ(pressed.size(), m.presses + m.homes) << m.index;
        EXPECT_EQ(keys.position(), m.position) << m.index;
    }
    meter.commands.clear();
    EXPECT_EQ(keys.goToFrequency(-1), 0);
    EXPECT_TRUE(meter.commands.isEmpty());
    EXPECT_EQ(keys.goToFrequency(40), Status::InvalidArgument);
}

TEST_F(Keys, AttachingForgetsThePosition) {
    keys.goToFrequency(12);
    keys.attach(commander);
    EXPECT_EQ(keys.position(), -1);
}

TEST_F(Keys, MeterThatNeverTakesKeysFailsWithinTheBound) {
    meter.replies["R155"] = "3";
    EXPECT_EQ(keys.goToFrequency(12), Status::KeysNotReady);
    EXPECT_EQ(meter.commands.count("R155"), 8 + KeySimulator::ReadyPollLimit);
    EXPECT_EQ(keys.position(), 0); // homed, but not moved
}

TEST_F(Keys, PulseFmStateFollowsTheLastOne) {
    const struct {
        int lastFm;
        int state;
        QByteArray key;
        int stored;
    } cases[] = {{0, 2, "k 6608", 2}, {0, 4, "K 660", 4}, {2, 2, "K 660", 2},
                 {4, 2, "k 6608", 2}, {4, 4, "K 660", 4}, {3, 0, "K 80", 3}};
    for (const auto& c : cases) {
        Setting::LastFm.write(t.settings, c.lastFm);
        meter.commands.clear();
        ASSERT_EQ(keys.setPulseFmState(c.state), 0);
        EXPECT_EQ(keyCommands(), QByteArrayList({"K 1919", c.key})) << c.lastFm << ' ' << c.state;
        EXPECT_EQ(Setting::LastFm.read(t.settings), c.stored) << c.lastFm << ' ' << c.state;
    }
}

TEST_F(Keys, PulseFmClosingPollIsBounded) {
    meter.replies["R155"] = "0";
    meter.replies["R3,2"] = "K";
    EXPECT_EQ(keys.setPulseFmState(0), Status::KeysNotReady);
    EXPECT_EQ(meter.commands.count("R3,2"), 11 + KeySimulator::ReadyPollLimit);
}
