#include "RunCli.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvik {
namespace {

// The measurement itself is compared with the booth view's in tests/ambient/widgets/BoothWindowTest.cpp.
TEST(BoothCommand, AnUnknownNameAndABadNoiseBandAreRefused) {
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("booths.mdb"));
    ASSERT_EQ(test::runCli({"db", "create", db}).exitCode, 0);
    const test::CliRun missing = test::runCli({"booth", "show", "--db", db, "--name", "Nowhere"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Couldn't Find Ambient Measurement"))) << missing.err.toStdString();
    EXPECT_EQ(test::runCli({"booth", "measure", "--db", db, "--name", "X", "--simulate", "--noise", "4001=3"}).exitCode,
              2);
    EXPECT_EQ(test::runCli({"booth", "measure", "--db", db, "--name", "X", "--noise", "4000=3"}).exitCode, 2);
    EXPECT_EQ(
        test::runCli({"booth", "measure", "--db", db, "--name", "X", "--simulate", "--date", "2024-13-01"}).exitCode,
        2);
}

} // namespace
} // namespace orvik
