#include "RunCli.h"

#include <gtest/gtest.h>

using orvik::test::CliRun;

namespace {

CliRun runReference(const QStringList& arguments) {
    return orvik::test::runCli(QStringList{QStringLiteral("reference")} + arguments);
}

// The output line of the frequency that `expected` ("250 25.5") names.
QString lineFor(const QStringList& lines, const QString& expected) {
    const QString hz = expected.section(u' ', 0, 0);
    for (const QString& line : lines)
        if (line.section(u' ', 0, 0) == hz)
            return line;
    return QString();
}

struct ReferenceCase {
    const char* name;
    QStringList arguments;
    const char* line;
    const char* missing;
};

TEST(ReferenceCommand, PrintsOneLinePerFrequencyAndTheMissingOnes) {
    using args = QStringList;
    const ReferenceCase cases[] = {
        {"TDH 39 on coupler 2", args({"--transducer", "0", "--model", "TDH 39", "--coupler", "2"}), "250 25.5",
         "Missing: 31.5 63 160 200 315 400 630 800 1250 1600 2500 3150 5000 6300 9000 10000 11000 11200 12000 12500 "
         "13000 14000 15000 16000 17000 18000 19000 20000"},
        {"TDH 39 on coupler 1 is table G", args({"--transducer", "0", "--model", "TDH 39", "--coupler", "1"}),
         "250 27.0", nullptr},
        {"alternate TDH 39", args({"--transducer", "0", "--model", "TDH 39", "--coupler", "2", "--alternate"}),
         "750 7.5", nullptr},
        {"speech", args({"--transducer", "0", "--model", "TDH 39", "--coupler", "2", "--test", "9"}), "1000 19.5",
         nullptr},
        {"narrow band", args({"--transducer", "0", "--model", "TDH 39", "--coupler", "2", "--test", "7"}), "1000 13.0",
         nullptr},
        {"HDA 280 with its blank", args({"--transducer", "0", "--model", "HDA 280 ", "--coupler", "2"}), "5000 19.0",
         nullptr},
        {"insert by coupler, never missing", args({"--transducer", "3", "--model", "ER-3A", "--coupler", "4"}),
         "6000 -2.5", "Missing:"},
        {"mastoid", args({"--transducer", "1"}), "250 67.0", "Missing:"},
        {"forehead", args({"--transducer", "1", "--forehead"}), "250 79.0", "Missing:"},
        {"speakers at 90 degrees", args({"--transducer", "2", "--angle", "2"}), "1000 -1.5", "Missing:"},
        {"binaural speakers", args({"--transducer", "2", "--binaural", "--angle", "1"}), "16000 43.5", "Missing:"},
        {"HV/1A circumaural", args({"--transducer", "4", "--model", "HV/1A", "--coupler", "1"}), "9000 21.0", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun result = runReference(c.arguments);
        const QStringList lines = result.lines();
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        ASSERT_EQ(lines.size(), 40);
        EXPECT_TRUE(lines.first().startsWith(QLatin1String("31.5 ")));
        EXPECT_EQ(lineFor(lines, QString::fromLatin1(c.line)), QLatin1String(c.line));
        if (c.missing) {
            EXPECT_EQ(lines.last(), QLatin1String(c.missing));
        }
    }
}

TEST(ReferenceCommand, BadArgumentsPrintUsageAndExit2) {
    const QStringList bad[] = {
        {},
        {"--transducer"},
        {"--transducer", "5"},
        {"--transducer", "x"},
        {"--transducer", "0", "--test", "8"},
        {"--transducer", "0", "--coupler", "7"},
        {"--transducer", "2", "--angle", "3"},
        {"--transducer", "0", "--model", "SIXTEEN CHARS XX"},
        {"--transducer", "0", "--verbose"},
    };
    for (const QStringList& arguments : bad) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun result = runReference(arguments);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_TRUE(result.lines().isEmpty());
        EXPECT_TRUE(result.err.startsWith(QLatin1String("usage: reference --transducer K")));
    }
}

} // namespace
