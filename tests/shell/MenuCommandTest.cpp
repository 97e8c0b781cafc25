#include "shell/MenuCommand.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvik {
namespace {

using C = MenuCommand;
using V = ViewId;

// The views in which a command is offered; the others must show it greyed.
struct ViewRule {
    C command;
    std::vector<V> enabledIn;
};

TEST(MenuCommandTest, ViewDependentEntriesFollowTheirViews) {
    const std::vector<ViewRule> rules = {
        {C::NewMeasurement, {V::Idle}},
        {C::AudiometerTest, {V::Idle}},
        {C::BoothTest, {V::Idle}},
        {C::Instrumentation, {V::Idle}},
        {C::StoredMeasurements, {V::Idle}},
        {C::Save, {V::Idle, V::Summary}},
        {C::Report, {V::Ambient, V::Summary}},
        {C::Certificate, {V::Ambient, V::Summary}},
        {C::Export, {V::Ambient, V::Summary}},
        {C::CompareWith, {V::Ambient, V::Summary}},
        {C::ChangeDatabase, {V::Idle, V::Instrumentation, V::Preferences, V::Ambient, V::TestSetup, V::Summary,
                             V::TestSheet, V::TestNotes, V::MeasurementSelection}},
        {C::Preferences, {V::Idle, V::Instrumentation, V::Preferences, V::Ambient, V::TestSetup, V::Summary,
                          V::TestSheet, V::TestNotes, V::MeasurementSelection}},
    };
    for (const ViewRule& rule : rules) {
        for (int v = 0; v < ViewCount; ++v) {
            MenuState state;
            state.view = static_cast<V>(v);
            const bool expected = std::find(rule.enabledIn.begin(), rule.enabledIn.end(), state.view) !=
                                  rule.enabledIn.end();
            EXPECT_EQ(isMenuEnabled(rule.command, state), expected)
                << "command " << static_cast<int>(rule.command) << " in view " << v;
        }
    }
}

TEST(MenuCommandTest, ImportNeedsTheMicrophoneOrMastoidPageOfInstrumentation) {
    MenuState state;
    state.view = V::Instrumentation;
    EXPECT_FALSE(isMenuEnabled(C::ImportMicMastoidSetup, state));
    state.equipPageIsMicrophoneOrMastoid = true;
    EXPECT_TRUE(isMenuEnabled(C::ImportMicMastoidSetup, state));
    state.view = V::Idle;
    EXPECT_FALSE(isMenuEnabled(C::ImportMicMastoidSetup, state));
}

TEST(MenuCommandTest, MeterEntriesFollowThePort) {
    struct Case {
        bool portOpen;
        bool listed;
        bool connect, disconnect, battery, turnOff, calibration;
    };
    const Case cases[] = {
        {false, false, true, false, false, false, false},
        {false, true, true, false, false, false, false},
        {true, false, false, true, true, true, false},
        {true, true, false, true, true, true, true},
    };
    for (const Case& c : cases) {
        MenuState state;
        state.portOpen = c.portOpen;
        state.calibratorAndMicrophoneListed = c.listed;
        EXPECT_EQ(isMenuEnabled(C::SlmConnect, state), c.connect);
        EXPECT_EQ(isMenuEnabled(C::SlmDisconnect, state), c.disconnect);
        EXPECT_EQ(isMenuEnabled(C::SlmCheckBattery, state), c.battery);
        EXPECT_EQ(isMenuEnabled(C::SlmTurnOff, state), c.turnOff);
        EXPECT_EQ(isMenuEnabled(C::SlmCalibration, state), c.calibration);
        EXPECT_TRUE(isMenuEnabled(C::SlmSetPort, state));
    }
}

} // namespace
} // namespace orvik
