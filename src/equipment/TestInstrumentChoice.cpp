#include "equipment/TestInstrumentChoice.h"

#include "model/FixedText.h"

namespace orvik {

QString microphonePlaceLabel(int slot) {
    static const char* const Labels[MicrophonePlaces] = {"Open Air Mic", "RKC311 Mic", "RKC310 Mic", "RKC314 Mic",
                                                         "RKC312 Mic",   "RKC313 Mic", "RKC420 Mic"};
    return slot >= 0 && slot < MicrophonePlaces ? QString::fromLatin1(Labels[slot]) : QString();
}

QString chosenSerial(const TestInstruments& instruments, InstrumentPlace place) {
    switch (place.kind) {
    case InstrumentKind::SoundLevelMeter:
        return fixedText(instruments.soundLevelMeter.serialNumber);
    case InstrumentKind::Preamp:
        return fixedText(instruments.preamp.serialNumber);
    case InstrumentKind::Microphone:
        return fixedText(microphoneForCoupler(instruments, place.slot).identity.serialNumber);
    case InstrumentKind::Calibrator:
        return fixedText(instruments.calibrator.identity.serialNumber);
    case InstrumentKind::Mastoid:
        break;
    }
    return fixedText(instruments.mastoid.identity.serialNumber);
}

void chooseInstrument(TestInstruments& instruments, InstrumentPlace place, const InstrumentEntry& entry) {
    switch (place.kind) {
    case InstrumentKind::SoundLevelMeter:
        instruments.soundLevelMeter = toEmbeddedIdentity(entry);
        return;
    case InstrumentKind::Preamp:
        instruments.preamp = toEmbeddedIdentity(entry);
        return;
    case InstrumentKind::Microphone: {
        const EmbeddedMicrophone microphone = toEmbeddedMicrophone(entry);
        microphoneForCoupler(instruments, place.slot) = microphone;
        for (int later = place.slot + 1; later < MicrophonePlaces; ++later) {
            EmbeddedMicrophone& slot = microphoneForCoupler(instruments, later);
            if (!isChosen(slot.identity))
                slot = microphone;
        }
        return;
    }
    case InstrumentKind::Calibrator:
        instruments.calibrator = toEmbeddedCalibrator(entry);
        return;
    case InstrumentKind::Mastoid:
        instruments.mastoid = toEmbeddedMastoid(entry);
        instruments.mastoidTail = toEmbeddedMastoidTail(entry);
        return;
    }
}

void clearInstrument(TestInstruments& instruments, InstrumentPlace place) {
    InstrumentEntry none = emptyInstrumentEntry(place.kind);
    switch (place.kind) {
    case InstrumentKind::Microphone:
        microphoneForCoupler(instruments, place.slot) = toEmbeddedMicrophone(none);
        return;
    default:
        // Only a microphone spreads into other places, so the plain copy empties every other kind.
        chooseInstrument(instruments, place, none);
    }
}

} // namespace orvik
