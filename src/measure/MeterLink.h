#pragma once

#include "core/AppServices.h"
#include "meter/KeySimulator.h"
#include "meter/MeterSession.h"

#include <QString>
#include <functional>

namespace orvik {

// What a measurement reaches the meter and the technician through: the session (for the command layer and
// link recovery), the key simulator that moves the meter's display, and the application seams. The test view
// owns one and hands it to every page.
struct MeterLink {
    MeterSession& session;
    KeySimulator& keys;
    AppServices services;
    // The model of the microphone the last meter calibration check chose, the one screwed onto the meter;
    // empty (or no source) until a check chose one.
    std::function<QString()> calibratedMicrophoneModel;

    SlmCommander& meter() { return *session.commander(); }
    MessageBox& messages() { return services.messageBox; }
};

} // namespace orvik
