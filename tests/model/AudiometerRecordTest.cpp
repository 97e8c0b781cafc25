#include "model/AudiometerRecord.h"
#include "model/FixedText.h"

#include <QDate>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace orvik {
namespace {

std::unique_ptr<AudiometerRecord> newRecord(const QDate& date) {
    auto record = std::make_unique<AudiometerRecord>();
    std::memset(record.get(), 0xA5, sizeof(AudiometerRecord)); // whatever was there before
    startNewRecord(*record, date);
    return record;
}

TEST(AudiometerRecord, NewRecordIsZeroButForDateAndVersion) {
    const auto record = newRecord(QDate(2026, 3, 7));
    EXPECT_EQ(fixedText(record->setup.testDate), QLatin1String("2026-03-07"));
    EXPECT_EQ(record->setup.dataVersion, 220);

    AudiometerRecord expected;
    std::memset(&expected, 0, sizeof expected);
    setFixedText(expected.setup.testDate, QStringLiteral("2026-03-07"));
    expected.setup.dataVersion = 220;
    EXPECT_EQ(recordBytes(*record), recordBytes(expected));
    // Never-answered visual-check items read "P".
    EXPECT_TRUE(std::all_of(std::begin(record->notes.visualCheck), std::end(record->notes.visualCheck),
                            [](qint32 answer) { return answer == 0; }));
}

TEST(AudiometerRecord, SavedBytesLoadBackIdentically) {
    auto record = newRecord(QDate(2026, 12, 6));
    setFixedText(record->setup.technician, QStringLiteral("J. Quirn"));
    record->header.testStatus[0][3] = static_cast<qint16>(TestStatus::Fail);
    record->results.linearity[4][1].spl[140] = LinearityUnstable;
    record->results.broadBand[2][1][2].level[400] = 88.25f;
    record->results.inputLevels.speech[1] = 40;
    record->notes.visualCheck[29] = 2;
    const QByteArray stored = recordBytes(*record);
    ASSERT_EQ(stored.size(), 82376);

    auto loaded = std::make_unique<AudiometerRecord>();
    EXPECT_TRUE(loadRecordBytes(stored, *loaded));
    EXPECT_EQ(recordBytes(*loaded), stored);
    EXPECT_EQ(loaded->results.broadBand[2][1][2].level[400], 88.25f);
}

TEST(AudiometerRecord, ShortOrLongBlocksNeverOverrunTheRecord) {
    auto loaded = std::make_unique<AudiometerRecord>();
    const QByteArray shortBlock(100, '\x7f');
    EXPECT_FALSE(loadRecordBytes(shortBlock, *loaded));
    const QByteArray bytes = recordBytes(*loaded);
    EXPECT_EQ(bytes.left(100), shortBlock);
    EXPECT_EQ(bytes.count('\0'), 82376 - 100);

    EXPECT_FALSE(loadRecordBytes(QByteArray(), *loaded));
    EXPECT_EQ(recordBytes(*loaded).count('\0'), 82376);

    const QByteArray longBlock(90000, '\x01');
    EXPECT_TRUE(loadRecordBytes(longBlock, *loaded));
    EXPECT_EQ(recordBytes(*loaded), longBlock.left(82376));
}

TEST(AudiometerRecord, CommentsKeepAtMost511Characters) {
    auto record = newRecord(QDate(2026, 1, 1));
    setFixedText(record->notes.comments, QString(600, u'x'));
    EXPECT_EQ(fixedText(record->notes.comments).size(), 511);
    EXPECT_EQ(record->notes.comments[511], '\0');
}

} // namespace
} // namespace orvik
