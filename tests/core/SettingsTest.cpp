#include "core/Preferences.h"
#include "core/Settings.h"

#include <gtest/gtest.h>

using namespace orvik;

namespace {

TEST(TextSettings, SerialNumbersOfTheLastCalibrationDefaultToZeroText) {
    MemorySettingsStore store;
    EXPECT_EQ(Setting::SnLastCalibrator.read(store), QStringLiteral("0"));
    EXPECT_EQ(Setting::SnLastMike.read(store), QStringLiteral("0"));
    Setting::SnLastMike.write(store, QStringLiteral("2011456"));
    EXPECT_EQ(Setting::SnLastMike.read(store), QStringLiteral("2011456"));
    EXPECT_TRUE(store.contains(Section::Settings, QStringLiteral("SN Last Mike")));
}

TEST(Preferences, DefaultsOfAnEmptyStore) {
    MemorySettingsStore store;
    const Preferences p = Preferences::read(store, QStringLiteral("/opt/orvik"));
    EXPECT_EQ(p.databaseDir, defaultDatabaseDir());
    EXPECT_TRUE(p.databaseDir.endsWith(QStringLiteral("Quenmark/Orvik/")));
    EXPECT_EQ(p.databaseName, QStringLiteral("OrvikDB.mdb"));
    EXPECT_EQ(p.slmComPort, 1);
    EXPECT_EQ(p.slmBaudRate, 9600);
    EXPECT_EQ(p.audComPort, 2);
    EXPECT_EQ(p.audBaudRate, 9600);
    EXPECT_TRUE(p.companyName.isEmpty());
    EXPECT_TRUE(p.loaded);
}

TEST(Preferences, EmptyStoredNameAndFolderFallBackToTheDefaultNameInTheProgramFolder) {
    MemorySettingsStore store;
    store.writeText(Section::Preferences, QStringLiteral("DatabaseName"), QString());
    store.writeText(Section::Preferences, QStringLiteral("DatabaseDir"), QString());
    const Preferences p = Preferences::read(store, QStringLiteral("/opt/orvik"));
    EXPECT_EQ(p.databaseDir, QStringLiteral("/opt/orvik/"));
    EXPECT_EQ(p.databasePath(), QStringLiteral("/opt/orvik/OrvikDB.mdb"));
}

TEST(Preferences, WriteThenReadKeepsEveryValueAndCutsLongTexts) {
    MemorySettingsStore store;
    Preferences p = Preferences::read(store, QStringLiteral("/opt/orvik"));
    p.companyName = QString(45, u'x');
    p.header1 = QStringLiteral("Hearing Services");
    p.header2 = QStringLiteral("Lab 2");
    p.slmComPort = 5;
    p.slmBaudRate = 19200;
    p.databaseDir = QStringLiteral("/data/lab");
    p.databaseName = QStringLiteral("Lab.mdb");
    p.write(store);

    const Preferences q = Preferences::read(store, QStringLiteral("/elsewhere"));
    EXPECT_EQ(q.companyName, QString(40, u'x'));
    EXPECT_EQ(q.header1, p.header1);
    EXPECT_EQ(q.header2, p.header2);
    EXPECT_EQ(q.slmComPort, 5);
    EXPECT_EQ(q.slmBaudRate, 19200);
    EXPECT_EQ(q.databasePath(), QStringLiteral("/data/lab/Lab.mdb"));
}

TEST(ProgramOptions, ReadsTheFourProgramWideOptions) {
    MemorySettingsStore store;
    Setting::DisplayEarsNotCovered.write(store, 0);
    const ProgramOptions options = ProgramOptions::read(store);
    EXPECT_TRUE(options.saveAfterTest);
    EXPECT_TRUE(options.showSaveDialogAfterTest);
    EXPECT_FALSE(options.displayEarsNotCovered);
    EXPECT_TRUE(options.displayEmptyRetSpl);
}

} // namespace
