#include "core/AlternateMode.h"
#include "WriteFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace orvik;

namespace {

struct AlternateCase {
    const char* contents;
    bool expected;
};

class AlternateFileContents : public ::testing::TestWithParam<AlternateCase> {};

TEST_P(AlternateFileContents, DecideTheMode) {
    QTemporaryDir dir;
    orvik::test::writeFile(dir.filePath(QStringLiteral("AlternateFile")), GetParam().contents);
    EXPECT_EQ(readAlternateMode(dir.path()), GetParam().expected) << GetParam().contents;
}

INSTANTIATE_TEST_SUITE_P(FirstLine, AlternateFileContents,
                         ::testing::Values(AlternateCase{"YES\n", true}, AlternateCase{"yes\n", true},
                                           AlternateCase{"mode: Yes", true}, AlternateCase{"", false},
                                           AlternateCase{"no\nyes\n", false},
                                           // only the first 14 characters count
                                           AlternateCase{"0123456789abcdYES\n", false},
                                           AlternateCase{"0123456789aYES\n", true}));

// Mode 2 changes the speech references only: the program-wide flag stays off.
TEST(AlternateMode, AustralChoosesModeTwoAndYesWins) {
    const struct {
        const char* contents;
        AlternateModeKind kind;
    } cases[] = {{"AUSTRAL\n", AlternateModeKind::Two},
                 {"australia", AlternateModeKind::Two},
                 {"AUSTRAL YES", AlternateModeKind::One},
                 {"0123456789AUSTRAL", AlternateModeKind::Off}, // beyond the first 14 characters
                 {"AUSTRIA", AlternateModeKind::Off}};
    for (const auto& c : cases) {
        QTemporaryDir dir;
        orvik::test::writeFile(dir.filePath(QStringLiteral("AlternateFile")), c.contents);
        EXPECT_EQ(readAlternateModeKind(dir.path()), c.kind) << c.contents;
        EXPECT_EQ(readAlternateMode(dir.path()), c.kind == AlternateModeKind::One) << c.contents;
    }
}

TEST(AlternateMode, MissingFileLeavesItOff) {
    QTemporaryDir dir;
    EXPECT_FALSE(readAlternateMode(dir.path()));
}

} // namespace
