#include "equipment/TestInstrumentChoice.h"
#include "model/FixedText.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace orvik;

namespace {
InstrumentEntry microphone(const char* serial) {
    InstrumentEntry entry = emptyInstrumentEntry(InstrumentKind::Microphone);
    setFixedText(entry.identity.dueDate, QStringLiteral("2027-03-01"));
    setFixedText(entry.identity.serialNumber, QString::fromLatin1(serial));
    entry.values.microphone.sensitivity = 50.0f;
    return entry;
}

QStringList microphoneSerials(const TestInstruments& instruments) {
    QStringList serials;
    for (int slot = 0; slot < MicrophonePlaces; ++slot)
        serials << chosenSerial(instruments, {InstrumentKind::Microphone, slot});
    return serials;
}
} // namespace

TEST(TestInstrumentChoice, MicrophoneFillsOnlyLaterEmptyCouplerSlots) {
    TestInstruments instruments{};
    chooseInstrument(instruments, {InstrumentKind::Microphone, 4}, microphone("B"));
    EXPECT_EQ(microphoneSerials(instruments), (QStringList{"", "", "", "", "B", "B", "B"}));
    chooseInstrument(instruments, {InstrumentKind::Microphone, 1}, microphone("A"));
    EXPECT_EQ(microphoneSerials(instruments), (QStringList{"", "A", "A", "A", "B", "B", "B"}));
    EXPECT_EQ(microphoneForCoupler(instruments, 6).sensitivity, 50.0f); // the RKC420 coupler's entry
    clearInstrument(instruments, {InstrumentKind::Microphone, 5});
    EXPECT_EQ(microphoneSerials(instruments), (QStringList{"", "A", "A", "A", "B", "", "B"}));
}

TEST(TestInstrumentChoice, MastoidBringsEveryCouplerChart) {
    TestInstruments instruments{};
    InstrumentEntry mastoid = emptyInstrumentEntry(InstrumentKind::Mastoid);
    setFixedText(mastoid.identity.serialNumber, QStringLiteral("M-1"));
    mastoid.values.mastoid.response3[10] = 2.5f;
    chooseInstrument(instruments, {InstrumentKind::Mastoid}, mastoid);
    EXPECT_EQ(chosenSerial(instruments, {InstrumentKind::Mastoid}), "M-1");
    EXPECT_EQ(instruments.mastoidTail.response3[10], 2.5f);
    clearInstrument(instruments, {InstrumentKind::Mastoid});
    EXPECT_EQ(chosenSerial(instruments, {InstrumentKind::Mastoid}), "");
    EXPECT_EQ(instruments.mastoidTail.response3[10], 0.0f);
}
