#include "model/TransducersInUse.h"

#include "model/FixedText.h"

namespace orvik {

namespace {
template <std::size_t N> bool named(const char (&serialNumber)[N]) {
    return !fixedText(serialNumber).trimmed().isEmpty();
}
} // namespace

bool transducerInUse(const TestSetup& setup, TransducerKind transducer) {
    switch (transducer) {
    case TransducerKind::BoneVibrator:
        return named(setup.boneVibrator.serialNumber);
    case TransducerKind::SoundField:
        return named(setup.speakers[0].serialNumber) || named(setup.speakers[1].serialNumber);
    default: {
        EarphoneKind kind{};
        earphoneKindOf(transducer, kind);
        const EarphoneBlock& block = earphoneSlot(setup, kind);
        return named(block.leftSerial) || named(block.rightSerial);
    }
    }
}

} // namespace orvik
