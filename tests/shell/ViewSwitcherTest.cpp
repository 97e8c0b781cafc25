#include "FakeShell.h"
#include "ScriptedMessageBox.h"
#include "shell/ViewSwitcher.h"

#include <gtest/gtest.h>

namespace orvik::test {
namespace {

using V = ViewId;

struct StackCase {
    const char* name;
    std::vector<V> visits;
    QList<V> expected;
};

class ViewStackPushTest : public ::testing::TestWithParam<StackCase> {};

TEST_P(ViewStackPushTest, LeavesTheExpectedHistory) {
    Shell shell;
    for (V v : GetParam().visits)
        shell.views.switchView(v);
    EXPECT_EQ(shell.stack(), GetParam().expected);
    EXPECT_TRUE(shell.messages.texts().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewStackPushTest,
    ::testing::Values(StackCase{"PushesNewViews", {V::Instrumentation, V::Preferences}, {V::Idle, V::Instrumentation, V::Preferences}},
                      StackCase{"SummaryCutsBackToIdle", {V::Instrumentation, V::Summary}, {V::Idle, V::Summary}},
                      StackCase{"BoothCutsBackToIdle", {V::TestSetup, V::TestNotes, V::Ambient}, {V::Idle, V::Ambient}},
                      StackCase{"RevisitMovesTopBack",
                                {V::TestSetup, V::TestNotes, V::Preferences, V::TestNotes},
                                {V::Idle, V::TestSetup, V::TestNotes}},
                      StackCase{"IdleEmptiesTheStack", {V::Summary, V::TestSetup, V::Idle}, {V::Idle}},
                      StackCase{"DeepestReachablePath",
                                {V::Instrumentation, V::Preferences, V::TestSetup, V::TestSheet, V::TestNotes, V::MeasurementSelection},
                                {V::Idle, V::Instrumentation, V::Preferences, V::TestSetup, V::TestSheet, V::TestNotes,
                                 V::MeasurementSelection}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ViewSwitcherTest, BackFromPreferencesReturnsToInstrumentationThenIdle) {
    Shell shell;
    shell.visit({V::Instrumentation, V::Preferences});
    shell.views.goBack();
    EXPECT_EQ(shell.views.current(), V::Instrumentation);
    shell.views.goBack();
    EXPECT_EQ(shell.views.current(), V::Idle);
    shell.views.goBack();
    EXPECT_EQ(shell.views.current(), V::Idle);
    EXPECT_EQ(shell.stack(), QList<V>{V::Idle});
}

TEST(ViewSwitcherTest, WithoutEquipmentViewsBeyondPreferencesGoToInstrumentation) {
    Shell shell;
    shell.document.equipment = false;
    shell.views.switchView(V::Summary);
    EXPECT_EQ(shell.messages.texts(), QStringList{"Must define equipment first."});
    EXPECT_EQ(shell.views.current(), V::Instrumentation);
    shell.messages.clear();
    shell.views.switchView(V::Preferences);
    EXPECT_TRUE(shell.messages.texts().isEmpty());
    EXPECT_EQ(shell.views.current(), V::Preferences);
}

TEST(ViewSwitcherTest, SameViewDoesNothingNotEvenConnecting) {
    Shell shell;
    shell.views.switchView(V::MeasurementSelection);
    ASSERT_EQ(shell.meter.connects, 1);
    shell.views.switchView(V::MeasurementSelection);
    EXPECT_EQ(shell.meter.connects, 1);
    EXPECT_EQ(shell.host.shown.size(), 1);
}

TEST(ViewSwitcherTest, FailedConnectionKeepsTheCurrentView) {
    Shell shell;
    shell.views.switchView(V::Summary);
    shell.meter.connectResult = -3;
    shell.views.switchView(V::TestSheet, 2);
    EXPECT_EQ(shell.views.current(), V::Summary);
    EXPECT_EQ(shell.calibration.runs, 0);
    EXPECT_EQ(shell.stack(), (QList<V>{V::Idle, V::Summary}));
}

TEST(ViewSwitcherTest, CalibrationCheckRunsUntilItSucceedsOnce) {
    Shell shell;
    shell.calibration.result = 0;
    shell.views.switchView(V::TestSheet, 3);
    EXPECT_EQ(shell.calibration.runs, 1);
    EXPECT_FALSE(shell.document.checked);
    EXPECT_EQ(shell.host.shown.last(), qMakePair(V::TestSheet, 3));

    shell.calibration.result = 1;
    shell.visit({V::Summary, V::TestSheet});
    EXPECT_EQ(shell.calibration.runs, 2);
    EXPECT_TRUE(shell.document.checked);
    shell.visit({V::Summary, V::TestSheet});
    EXPECT_EQ(shell.calibration.runs, 2);
}

TEST(ViewSwitcherTest, StatusGridConnectsButNeverCalibrates) {
    Shell shell;
    shell.views.switchView(V::MeasurementSelection, 4);
    EXPECT_EQ(shell.meter.connects, 1);
    EXPECT_EQ(shell.calibration.runs, 0);
    EXPECT_EQ(shell.host.shown.last(), qMakePair(V::MeasurementSelection, -1));
}

TEST(ViewSwitcherTest, LeavingPreferencesClosesAnExistingPort) {
    Shell shell;
    shell.views.switchView(V::Preferences);
    shell.views.switchView(V::Idle);
    EXPECT_EQ(shell.meter.closes, 0);
    shell.meter.exists = shell.meter.open = true;
    shell.views.switchView(V::Preferences);
    shell.views.switchView(V::Idle);
    EXPECT_EQ(shell.meter.closes, 1);
}

TEST(ViewSwitcherTest, LeavingAModifiedSummaryStoresItsFields) {
    Shell shell;
    shell.views.switchView(V::Summary);
    shell.views.switchView(V::TestSetup);
    EXPECT_EQ(shell.host.summaryStores, 0);
    shell.document.modified = true;
    shell.visit({V::Summary, V::TestSetup});
    EXPECT_EQ(shell.host.summaryStores, 1);
}

} // namespace
} // namespace orvik::test
