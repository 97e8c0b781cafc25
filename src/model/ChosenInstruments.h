#pragma once

#include "model/TestSetup.h"

namespace orvik {

// An instrument of a test counts as chosen once it has a due date and a serial number.
bool isChosen(const EmbeddedIdentity& identity);

// The record keeps one microphone per coupler code; code 6 (RKC420) has the seventh microphone entry.
inline constexpr int MicrophonePlaces = MicrophoneSlots + 1;
EmbeddedMicrophone& microphoneForCoupler(TestInstruments& instruments, int coupler);
const EmbeddedMicrophone& microphoneForCoupler(const TestInstruments& instruments, int coupler);

} // namespace orvik
