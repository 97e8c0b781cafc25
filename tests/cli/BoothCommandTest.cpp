#include "RunCli.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvik {
namespace {

// The measurement itself is compared with the booth view's in tests/ambient/widgets/BoothWindowTest.cpp.
TEST(BoothCommand, AnUnknownNameAStoredNameAndBadOptionsAreRefused) {
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("booths.mdb"));
    ASSERT_EQ(test::runCli({"db", "create", db}).exitCode, 0);
    const test::CliRun missing = test::runCli({"booth", "show", "--db", db, "--name", "Nowhere"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Couldn't Find Ambient Measurement"))) << missing.err.toStdString();
    // Without a terminal the overwrite question gets the answer that stops.
    const QStringList measureRoom{"booth", "measure", "--db", db, "--name", "Room", "--simulate"};
    ASSERT_EQ(test::runCli(measureRoom).exitCode, 0);
    const test::CliRun again = test::runCli(measureRoom);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("is already used for an ambient record"))) << again.err.toStdString();

    EXPECT_EQ(test::runCli({"booth", "measure", "--db", db, "--name", "X", "--simulate", "--noise", "4001=3"}).exitCode,
              2);
    EXPECT_EQ(test::runCli({"booth", "measure", "--db", db, "--name", "X", "--noise", "4000=3"}).exitCode, 2);
    EXPECT_EQ(
        test::runCli({"booth", "measure", "--db", db, "--name", "X", "--simulate", "--date", "2024-13-01"}).exitCode,
        2);
}

// A measurement goes into a new file on a lab's first run; showing never creates one.
TEST(BoothCommand, MeasuringCreatesAMissingFileShowingDoesNot) {
    QTemporaryDir dir;
    const QString shown = dir.filePath(QStringLiteral("none.mdb"));
    EXPECT_EQ(test::runCli({"booth", "show", "--db", shown, "--name", "Room"}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(shown));
    const QString measured = dir.filePath(QStringLiteral("new.mdb"));
    ASSERT_EQ(test::runCli({"booth", "measure", "--db", measured, "--name", "Room", "--simulate"}).exitCode, 0);
    EXPECT_EQ(test::runCli({"booth", "show", "--db", measured, "--name", "Room"}).exitCode, 0);
}

} // namespace
} // namespace orvik
