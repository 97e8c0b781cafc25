#pragma once

#include "ScriptedSerialDevice.h"
#include "TestServices.h"
#include "meter/ComPort.h"
#include "meter/SlmCommander.h"

namespace orvik::test {

// An open port with a command layer on a fake K37, all on virtual time.
struct MeterTestLink {
    TestServices t;
    ScriptedSerialDevice device{t.clock};
    ScriptedDeviceFactory factory{device};
    FakeK37 meter;
    ComPort port{1, factory, t.clock};
    SlmCommander commander{port, t.messages};

    MeterTestLink() {
        device.responder = std::ref(meter);
        port.open();
    }
};

} // namespace orvik::test
