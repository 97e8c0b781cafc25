#include "model/AudiometerRecord.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace orvik {
namespace {

struct Placement {
    std::size_t offset;
    std::size_t size;
};

#define FIELD(region, member)                                                                                          \
    {                                                                                                                  \
#member, Placement {                                                                                           \
            offsetof(AudiometerRecord, region.member), sizeof(AudiometerRecord::region.member)                         \
        }                                                                                                              \
    }

// Every field the layout document lists, where the compiler puts it.
const QMap<QString, Placement>& compiledFields() {
    static const QMap<QString, Placement> fields{
        FIELD(setup, technician),
        FIELD(setup, customerName),
        FIELD(setup, location1),
        FIELD(setup, location2),
        FIELD(setup, instruments.soundLevelMeter),
        FIELD(setup, instruments.preamp),
        FIELD(setup, instruments.microphones),
        FIELD(setup, instruments.spareMicrophone),
        FIELD(setup, instruments.calibrator),
        FIELD(setup, instruments.mastoid),
        FIELD(setup, instruments.mastoidTail),
        FIELD(setup, dateLastCalibrated),
        FIELD(setup, audManufacturer),
        FIELD(setup, audModel),
        FIELD(setup, audSerialNumber),
        FIELD(setup, audType),
        FIELD(setup, inventoryNumber),
        FIELD(setup, calibrationDueDate),
        FIELD(setup, numberOfChannels),
        FIELD(setup, filler1),
        FIELD(setup, frequencySelected),
        FIELD(setup, filler2),
        FIELD(setup, fmRate),
        FIELD(setup, fmDeviation),
        FIELD(setup, filler3),
        FIELD(setup, supraAural),
        FIELD(setup, insert),
        FIELD(setup, circumaural),
        FIELD(setup, boneVibrator),
        FIELD(setup, filler4),
        FIELD(setup, speakers),
        FIELD(setup, filler5),
        FIELD(setup, channelToTest),
        FIELD(setup, testDate),
        FIELD(setup, dataVersion),
        FIELD(setup, filler6),
        FIELD(setup, temperature),
        FIELD(setup, humidity),
        FIELD(setup, filler7),
        FIELD(setup, pressure),
        FIELD(results, tone),
        FIELD(results, fm),
        FIELD(results, narrowBand),
        FIELD(results, linearity),
        FIELD(results, distortion),
        FIELD(results, pulse),
        FIELD(results, crossTalk),
        FIELD(results, broadBand),
        FIELD(results, speech),
        FIELD(results, boneLevel),
        FIELD(results, soundField),
        FIELD(results, inputLevels),
        FIELD(results, filler),
        FIELD(notes, comments),
        FIELD(notes, visualCheck),
    };
    return fields;
}
#undef FIELD

// The document is what other programs read the stored records by; it must say what the compiler does.
TEST(RecordLayoutDocument, ListsEveryFieldWhereTheCompilerPutsIt) {
    QFile file(QDir::cleanPath(QStringLiteral(ORVIK_TEST_DATA_DIR "/../../../docs/record-layout.md")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    // "| absolute | relative | size | `name[dims]` | ..."
    static const QRegularExpression row(QStringLiteral(R"(^\| (\d+) \| \d+ \| (\d+) \| `([A-Za-z0-9.]+)[^`]*` \|)"));
    QStringList seen;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine());
        const QRegularExpressionMatch match = row.match(line);
        if (!match.hasMatch())
            continue;
        const QString name = match.captured(3);
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(compiledFields().contains(name));
        EXPECT_EQ(match.captured(1).toULongLong(), compiledFields()[name].offset);
        EXPECT_EQ(match.captured(2).toULongLong(), compiledFields()[name].size);
        seen.append(name);
    }
    EXPECT_EQ(seen.size(), compiledFields().size());
}

} // namespace
} // namespace orvik
