#include "FakeShell.h"
#include "ScriptedMessageBox.h"
#include "shell/ShellCommands.h"
#include "shell/ViewSwitcher.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace orvik::test {
namespace {

using V = ViewId;

struct RefusalCase {
    const char* name;
    std::function<void(ShellCommands&)> command;
    const char* message;
};

class NoDatabaseRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(NoDatabaseRefusalTest, RefusesWithItsOwnMessageAndStaysIdle) {
    Shell shell;
    shell.document.database = false;
    GetParam().command(shell.commands);
    EXPECT_EQ(shell.messages.texts(), QStringList{QString::fromLatin1(GetParam().message)});
    EXPECT_EQ(shell.views.current(), V::Idle);
    EXPECT_TRUE(shell.host.shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, NoDatabaseRefusalTest,
    ::testing::Values(
        RefusalCase{"AudiometerTest", &ShellCommands::audiometerTest,
                    "Must connect to a database before opening a new Audiometer test!\n"
                    "Select/create a database with File/Change Database."},
        RefusalCase{"Notes", &ShellCommands::audiometerTestNotes,
                    "Must connect to a database before writing notes for a test!\n"
                    "Select/create a database with File/Change Database."},
        RefusalCase{"BoothTest", &ShellCommands::boothTest,
                    "Must connect to a database before opening a new booth test!\n"
                    "Select/create a database with File/Change Database."},
        RefusalCase{"Instrumentation", &ShellCommands::instrumentation,
                    "Must connect to a database before defining instruments!\n"
                    "Select/create a database with File/Change Database."},
        RefusalCase{"Preferences", &ShellCommands::preferences,
                    "Must connect to a database before setting preferences!\n"
                    "Select/create a database with File/Change Database."},
        RefusalCase{"StoredMeasurements",
                    [](ShellCommands& c) {
                        c.storedMeasurements([]() -> ShellCommands::Retrieved {
                            ADD_FAILURE() << "the sheet opened without a database";
                            return {};
                        });
                    },
                    "The database is not available."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShellCommandsTest, AudiometerTestListsEveryMissingKindInOrderThenOpensInstrumentation) {
    Shell shell;
    shell.document.instruments.clear();
    shell.commands.audiometerTest();
    EXPECT_EQ(shell.messages.texts(),
              QStringList{"The following items have not been entered yet (in Instrumentation)\n"
                          "but need to be before setting up a measurement:\n"
                          "    Sound Level Meter\n    Calibrator\n    Microphone\n    Preamp\n"});
    EXPECT_EQ(shell.views.current(), V::Instrumentation);
}

TEST(ShellCommandsTest, AudiometerTestNamesOnlyTheKindsMissing) {
    Shell shell;
    shell.document.instruments = {RequiredInstrument::SoundLevelMeter, RequiredInstrument::Microphone};
    EXPECT_EQ(shell.commands.missingInstrumentLines(), "    Calibrator\n    Preamp\n");
    shell.document.instruments.insert({RequiredInstrument::Calibrator, RequiredInstrument::Preamp});
    shell.commands.audiometerTest();
    EXPECT_TRUE(shell.messages.texts().isEmpty());
    EXPECT_EQ(shell.views.current(), V::TestSetup);
}

TEST(ShellCommandsTest, ChangeDatabaseOnlyFromIdle) {
    Shell shell;
    shell.views.switchView(V::Summary);
    shell.commands.changeDatabase();
    EXPECT_EQ(shell.document.databaseChanges, 0);
    EXPECT_EQ(shell.messages.texts(),
              QStringList{"You must be in the idle view state to change the database.\n"
                          "Close all views by clicking on appropriate buttons (cancel, done, etc.)."});
    shell.views.switchView(V::Idle);
    shell.commands.changeDatabase();
    EXPECT_EQ(shell.document.databaseChanges, 1);
}

TEST(ShellCommandsTest, SummaryNeedsAStartedTest) {
    Shell shell;
    shell.document.started = false;
    shell.commands.measurementSummary();
    EXPECT_EQ(shell.messages.texts(), QStringList{"No audiometer measurement started."});
    EXPECT_EQ(shell.views.current(), V::Idle);
}

TEST(ShellCommandsTest, PendingInstrumentationChangesAreKeptOnNo) {
    Shell shell;
    shell.messages.answer("Do you wish to discard the changes?", MessageAnswer::No, 1)
        .answer("Do you wish to discard the changes?", MessageAnswer::Yes, 1);
    shell.commands.instrumentation();
    shell.host.pendingInstrumentation = true;
    shell.commands.measurementSummary();
    EXPECT_EQ(shell.views.current(), V::Instrumentation);
    EXPECT_EQ(shell.host.discards, 0);
    shell.commands.measurementSummary();
    EXPECT_EQ(shell.views.current(), V::Summary);
    EXPECT_EQ(shell.host.discards, 1);
}

TEST(ShellCommandsTest, BoothTestStartsFromAClearedBoothRecord) {
    Shell shell;
    shell.commands.boothTest();
    EXPECT_EQ(shell.document.boothResets, 1);
    EXPECT_EQ(shell.views.current(), V::Ambient);
}

TEST(ShellCommandsTest, SaveInSummaryStoresFieldsFirstAndNeedsEquipment) {
    Shell shell;
    shell.views.switchView(V::Summary);
    shell.commands.save();
    EXPECT_EQ(shell.host.summaryStores, 1);
    EXPECT_EQ(shell.document.saves, 1);
    shell.document.equipment = false;
    shell.commands.save();
    EXPECT_EQ(shell.messages.texts(), QStringList{"Must define equipment first."});
    EXPECT_EQ(shell.document.saves, 1);
}

struct RetrievedCase {
    const char* name;
    ShellCommands::Retrieved retrieved;
    ViewId shown;
};

class StoredMeasurementsTest : public ::testing::TestWithParam<RetrievedCase> {};

TEST_P(StoredMeasurementsTest, ShowsTheViewOfWhatWasRetrieved) {
    Shell shell;
    shell.document.started = false;
    shell.commands.storedMeasurements([] { return GetParam().retrieved; });
    EXPECT_EQ(shell.views.current(), GetParam().shown);
    EXPECT_EQ(shell.document.started, GetParam().retrieved.audiometric);
    EXPECT_EQ(shell.document.boothResets, 0);
}

INSTANTIATE_TEST_SUITE_P(Retrieved, StoredMeasurementsTest,
                         ::testing::Values(RetrievedCase{"Nothing", {false, false}, V::Idle},
                                           RetrievedCase{"Booth", {true, false}, V::Ambient},
                                           RetrievedCase{"Audiometric", {false, true}, V::Summary},
                                           RetrievedCase{"Both", {true, true}, V::Summary}),
                         [](const auto& info) { return std::string(info.param.name); });

// The shell's side of closing: refused while a procedure runs, pending instrumentation edits first, the summary's
// fields into the record, then the document's question decides.
TEST(ShellCommandsTest, MayCloseRefusesWhileBusyAndOtherwiseAsksTheDocument) {
    struct Case {
        const char* name;
        bool busy;
        bool documentAgrees;
        bool expected;
        int questions;
    };
    for (const Case& c : {Case{"idle, saved or answered", false, true, true, 1},
                          Case{"technician cancels", false, false, false, 1},
                          Case{"procedure running", true, true, false, 0}}) {
        Shell shell;
        shell.document.mayClose = c.documentAgrees;
        std::optional<BusyState::Hold> running;
        if (c.busy)
            running.emplace(shell.busy);
        EXPECT_EQ(shell.commands.mayClose(), c.expected) << c.name;
        EXPECT_EQ(shell.document.closeQuestions, c.questions) << c.name;
        EXPECT_EQ(shell.messages.count(busyRefusalText()), c.busy ? 1 : 0) << c.name;
    }
}

TEST(ShellCommandsTest, ViewSwitchesAreRefusedWhileAProcedureRuns) {
    Shell shell;
    shell.visit({V::Instrumentation});
    const BusyState::Hold running(shell.busy);
    shell.views.switchView(V::Summary);
    shell.views.goBack();
    EXPECT_EQ(shell.views.current(), V::Instrumentation);
    EXPECT_EQ(shell.messages.count(busyRefusalText()), 2);
}

} // namespace
} // namespace orvik::test
