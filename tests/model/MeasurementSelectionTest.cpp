#include "model/MeasurementSelection.h"
#include "model/AudiometerRecord.h"

#include <gtest/gtest.h>

#include <cstring>

namespace orvik {
namespace {

namespace MS = MeasurementSelection;

TEST(MeasurementSelection, GridColumnsAreStoredByTransducerKind) {
    const struct {
        int column;
        const char* label;
        TransducerKind kind;
    } columns[] = {{0, "Supra-aural", TransducerKind::SupraAural},
                   {1, "Insert", TransducerKind::Insert},
                   {2, "Circumaural", TransducerKind::Circumaural},
                   {3, "Bone", TransducerKind::BoneVibrator},
                   {4, "Speakers", TransducerKind::SoundField}};
    for (const auto& c : columns) {
        SCOPED_TRACE(c.label);
        RecordHeader header;
        std::memset(&header, 0, sizeof header);
        EXPECT_EQ(MS::columnLabel(c.column), QLatin1String(c.label));
        MS::setSelected(header, 11, c.column, true);
        EXPECT_EQ(header.measurementSelection[11][static_cast<int>(c.kind)], 1);
        EXPECT_TRUE(MS::isSelected(header, 11, c.column));
        EXPECT_FALSE(MS::isSelected(header, 10, c.column));
    }
    EXPECT_EQ(MS::rowName(0), QLatin1String("Hearing level"));
    EXPECT_EQ(MS::rowName(6), QLatin1String("On/off (Rise/fall)"));
    EXPECT_EQ(MS::rowName(11), QLatin1String("Speech noise"));
}

TEST(MeasurementSelection, SelectAllAndClearAllTouchOnlyTheGrid) {
    RecordHeader header;
    std::memset(&header, 0, sizeof header);
    header.testStatus[10][4] = 99;
    MS::setAll(header, true);
    for (int row = 0; row < SelectionRowCount; ++row)
        for (int column = 0; column < MS::ColumnCount; ++column)
            EXPECT_TRUE(MS::isSelected(header, row, column)) << row << "," << column;
    EXPECT_EQ(header.testStatus[10][4], 99);
    EXPECT_EQ(header.filler[0], 0);

    MS::setAll(header, false);
    RecordHeader expected;
    std::memset(&expected, 0, sizeof expected);
    expected.testStatus[10][4] = 99;
    EXPECT_EQ(std::memcmp(&header, &expected, sizeof header), 0);

    MS::setSelected(header, SelectionRowCount, 0, true); // outside the grid: ignored
    MS::setSelected(header, 0, -1, true);
    EXPECT_EQ(std::memcmp(&header, &expected, sizeof header), 0);
}

} // namespace
} // namespace orvik
