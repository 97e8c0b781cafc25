#include "model/ChosenInstruments.h"

namespace orvik {

bool isChosen(const EmbeddedIdentity& identity) {
    return identity.dueDate[0] != '\0' && identity.serialNumber[0] != '\0';
}

EmbeddedMicrophone& microphoneForCoupler(TestInstruments& instruments, int coupler) {
    if (coupler >= 0 && coupler < MicrophoneSlots)
        return instruments.microphones[coupler];
    return instruments.spareMicrophone;
}

const EmbeddedMicrophone& microphoneForCoupler(const TestInstruments& instruments, int coupler) {
    return microphoneForCoupler(const_cast<TestInstruments&>(instruments), coupler);
}

} // namespace orvik
