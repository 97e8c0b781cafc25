#include "ambient/AmbientTest.h"
#include "ambient/LevelPage.h"
#include "sim/BoothNoise.h"

#include "RunCli.h"
#include "SimBench.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orvik {
namespace {

class NoStore final : public BoothStore {
public:
    AmbientRecord record = clearedAmbientRecord();
    AmbientRecord& boothRecord() override { return record; }
    bool boothPresent() const override { return false; }
    bool boothFromDatabase() const override { return false; }
    std::optional<bool> boothNameUsed(const QString&) override { return false; }
    bool storeBooth() override { return true; }
};

// The demo booth measured as the booth view measures it, on the simulated bench.
AmbientRecord measuredInProcess() {
    test::SimBench bench;
    bench.simulator.scene().boothNoise() = sim::demoBooth();
    bench.simulator.scene().setMicrophoneInCoupler(false);
    TestSetup setup{};
    test::chooseInstruments(setup);
    NoStore store;
    AmbientTest test(store, InstrumentLists{}, bench.t.services());
    test.working().soundLevelMeter = setup.instruments.soundLevelMeter;
    test.working().preamp = setup.instruments.preamp;
    test.working().microphone = setup.instruments.microphones[0];
    EXPECT_TRUE(bench.connect());
    EXPECT_EQ(test.measureAll(*bench.link), 0);
    return store.record;
}

// "row RANGE LABEL MEASURED LIMIT VERDICT" as the in-process record judges it.
QStringList judgedRows(const AmbientRecord& record) {
    static const char* const Ranges[] = {"125-8k", "250-8k", "500-8k"};
    QStringList rows;
    for (const bool covered : {true, false})
        for (int range = 0; range < AnsiRangeCount; ++range)
            for (const LevelRow& row : levelPageRows(record, range, true))
                rows << QStringLiteral("%1-%2 %3 %4")
                            .arg(QLatin1String(Ranges[range]), covered ? "covered" : "uncovered", row.label,
                                 (covered ? row.verdict : row.notCoveredVerdict) == BandVerdict::Fail ? "FAIL"
                                                                                                      : "PASS");
    return rows;
}

TEST(BoothCommand, TheCommandLineAndTheViewMeasureTheSameBoothAlike) {
    QTemporaryDir dir;
    const QString db = dir.filePath(QStringLiteral("booths.mdb"));
    ASSERT_EQ(test::runCli({"db", "create", db}).exitCode, 0);
    const test::CliRun measured = test::runCli({"booth", "measure", "--db", db, "--name", "Room 4", "--date",
                                                "2024-05-02", "--simulate", "--noise", "4000=8.5", "--seed", "5"});
    ASSERT_EQ(measured.exitCode, 0) << measured.err.toStdString();
    const AmbientRecord view = measuredInProcess();

    const QStringList bands = measured.lines();
    ASSERT_EQ(bands.size(), AmbientBandCount);
    for (int band = 0; band < AmbientBandCount; ++band)
        EXPECT_NEAR(bands[band].section(u' ', 2).toDouble(), view.spectrum[band], 1.0) << bands[band].toStdString();

    const test::CliRun shown = test::runCli({"booth", "show", "--db", db, "--name", "Room 4"});
    ASSERT_EQ(shown.exitCode, 0);
    QStringList lines = shown.lines();
    EXPECT_EQ(lines.takeFirst(), QStringLiteral("set newer"));
    QStringList verdicts;
    for (const QString& line : lines) {
        const QStringList fields = line.split(u' ');
        if (fields[1] != QLatin1String("osha"))
            verdicts << QStringList{fields[1], fields[2], fields[5]}.join(u' ');
    }
    EXPECT_EQ(verdicts, judgedRows(view));
    // The fan fails ears not covered and nothing else does.
    EXPECT_EQ(verdicts.filter(QStringLiteral("FAIL")),
              QStringList({"125-8k-uncovered 4000 FAIL", "250-8k-uncovered 4000 FAIL", "500-8k-uncovered 4000 FAIL"}));
    EXPECT_EQ(lines.filter(QRegularExpression(QStringLiteral("^row osha 4000 \\d+\\.\\d 57\\.0 PASS$"))).size(), 1);
}

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
}

} // namespace
} // namespace orvik
