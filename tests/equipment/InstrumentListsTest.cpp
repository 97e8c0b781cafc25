#include "equipment/InstrumentLists.h"

#include <QtEndian>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

using namespace orvik;

namespace {

InstrumentEntry entry(InstrumentKind kind, const char* serial) {
    InstrumentEntry e = emptyInstrumentEntry(kind);
    setFixedText(e.identity.serialNumber, QString::fromLatin1(serial));
    e.link = 0x12345678; // an address from the last run: never trusted
    return e;
}

TEST(EquipmentBlock, WritesTheListsInStoredOrderWithZeroLinks) {
    InstrumentLists lists;
    lists.list(InstrumentKind::Mastoid).push_back(entry(InstrumentKind::Mastoid, "B1"));
    lists.list(InstrumentKind::SoundLevelMeter).push_back(entry(InstrumentKind::SoundLevelMeter, "K1"));
    lists.list(InstrumentKind::Calibrator).push_back(entry(InstrumentKind::Calibrator, "C1"));
    lists.list(InstrumentKind::Preamp).push_back(entry(InstrumentKind::Preamp, "P1"));
    lists.list(InstrumentKind::Microphone).push_back(entry(InstrumentKind::Microphone, "M1"));
    const QByteArray block = lists.toBlock();
    ASSERT_EQ(block.size(), 5 * 832);
    const qint32 expectedKinds[] = {0, 3, 1, 9, 7};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(qFromLittleEndian<qint32>(block.constData() + i * 832), expectedKinds[i]);
        EXPECT_EQ(qFromLittleEndian<qint32>(block.constData() + i * 832 + 4), 0);
    }
}

TEST(EquipmentBlock, ReadingSkipsUnknownCodesAndAShortTail) {
    InstrumentEntry unknown = entry(InstrumentKind::Calibrator, "X");
    unknown.kind = 12;
    QByteArray block;
    block.append(reinterpret_cast<const char*>(&unknown), sizeof unknown);
    const InstrumentEntry mic = entry(InstrumentKind::Microphone, "M1");
    block.append(reinterpret_cast<const char*>(&mic), sizeof mic);
    block.append(831, '\x7F');
    const InstrumentLists lists = InstrumentLists::fromBlock(block.constData(), block.size());
    EXPECT_EQ(lists.totalCount(), 1);
    EXPECT_EQ(lists.find(InstrumentKind::Microphone, QStringLiteral("M1")), 0);
    EXPECT_EQ(lists.list(InstrumentKind::Microphone)[0].link, 0);
}

// A damaged entry must not reach a measurement: one value that is no number leaves the whole entry out.
TEST(EquipmentBlock, ReadingSkipsEntriesWithValuesThatAreNoNumber) {
    const auto withValue = [](InstrumentKind kind, const char* serial, int index, float value) {
        InstrumentEntry e = entry(kind, serial);
        e.values.raw[index] = value;
        return e;
    };
    constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
    constexpr float Infinity = std::numeric_limits<float>::infinity();
    const InstrumentEntry entries[] = {
        withValue(InstrumentKind::Calibrator, "C-bad", 1, Infinity), // level
        withValue(InstrumentKind::Microphone, "M-bad", 39, NaN),     // sensitivity
        withValue(InstrumentKind::Mastoid, "V-bad", 150, -Infinity), // response set 3
        withValue(InstrumentKind::Calibrator, "C-good", 1, 114.0f),
        withValue(InstrumentKind::Mastoid, "V-good", 45, NaN),        // the carried block: never read
        withValue(InstrumentKind::SoundLevelMeter, "K-good", 0, NaN), // a meter has no values
    };
    QByteArray block;
    for (const InstrumentEntry& e : entries)
        block.append(reinterpret_cast<const char*>(&e), sizeof e);
    const InstrumentLists lists = InstrumentLists::fromBlock(block.constData(), block.size());
    EXPECT_EQ(lists.totalCount(), 3);
    EXPECT_EQ(lists.find(InstrumentKind::Calibrator, QStringLiteral("C-good")), 0);
    EXPECT_EQ(lists.find(InstrumentKind::Mastoid, QStringLiteral("V-good")), 0);
    EXPECT_EQ(lists.find(InstrumentKind::SoundLevelMeter, QStringLiteral("K-good")), 0);
}

TEST(EquipmentBlock, EntriesOfUnusedStoredListsSurviveARoundTrip) {
    InstrumentEntry other = entry(InstrumentKind::Calibrator, "O1");
    other.kind = 5;
    QByteArray block(reinterpret_cast<const char*>(&other), sizeof other);
    const InstrumentEntry slm = entry(InstrumentKind::SoundLevelMeter, "K1");
    block.append(reinterpret_cast<const char*>(&slm), sizeof slm);
    const QByteArray again = InstrumentLists::fromBlock(block.constData(), block.size()).toBlock();
    ASSERT_EQ(again.size(), 2 * 832);
    EXPECT_EQ(qFromLittleEndian<qint32>(again.constData()), 1);       // the meter list comes first
    EXPECT_EQ(qFromLittleEndian<qint32>(again.constData() + 832), 5); // the unused list after the five
}

TEST(EmbeddedForms, AreTheEntryFromItsDueDateOn) {
    InstrumentEntry mic = entry(InstrumentKind::Microphone, "M1");
    setFixedText(mic.identity.dueDate, QStringLiteral("2025-06-30"));
    mic.values.microphone.pressureResponse[38] = -2.5f;
    mic.values.microphone.sensitivity = 48.2f;
    mic.values.microphone.gridCorrection[13] = 1.25f;
    const EmbeddedMicrophone embedded = toEmbeddedMicrophone(mic);
    EXPECT_EQ(fixedText(embedded.identity.dueDate), QStringLiteral("2025-06-30"));
    EXPECT_EQ(fixedText(embedded.identity.serialNumber), QStringLiteral("M1"));
    EXPECT_EQ(embedded.pressureResponse[38], -2.5f);
    EXPECT_EQ(embedded.sensitivity, 48.2f);
    EXPECT_EQ(embedded.gridCorrection[13], 1.25f);
    const InstrumentEntry back = fromEmbedded(InstrumentKind::Microphone, &embedded, sizeof embedded);
    EXPECT_EQ(std::memcmp(&back.identity, &mic.identity, 284), 0);
    EXPECT_EQ(back.kind, 3);
}

TEST(EmbeddedForms, MastoidTravelsWholeInTwoPieces) {
    InstrumentEntry mastoid = entry(InstrumentKind::Mastoid, "V9");
    mastoid.values.mastoid.response1[5] = 1.5f;
    mastoid.values.mastoid.sensitivity = 3.0f;
    mastoid.values.mastoid.block[70] = 7.0f;
    mastoid.values.mastoid.response2[24] = -2.0f;
    mastoid.values.mastoid.response3[38] = 4.5f;
    const EmbeddedMastoid head = toEmbeddedMastoid(mastoid);
    const EmbeddedMastoidTail tail = toEmbeddedMastoidTail(mastoid);
    EXPECT_EQ(head.response[5], 1.5f);
    EXPECT_EQ(head.sensitivity, 3.0f);
    EXPECT_EQ(tail.block[70], 7.0f);
    EXPECT_EQ(tail.response2[24], -2.0f);
    EXPECT_EQ(tail.response3[38], 4.5f);
    EXPECT_EQ(sizeof head + sizeof tail, 832u - offsetof(InstrumentEntry, identity));
}

} // namespace
