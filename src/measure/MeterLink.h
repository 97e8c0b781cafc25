#pragma once

#include "core/AlternateMode.h"
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
    // The program's alternate mode, which changes the speech references and the broad-band page.
    AlternateModeKind alternateMode = AlternateModeKind::Off;

    // Only valid after attachToSession() said yes for the running procedure.
    SlmCommander& meter() { return *session.commander(); }
    MessageBox& messages() { return services.messageBox; }

    // True when the session holds an open, identified meter. A disconnect or a refused connection may have
    // replaced or deleted the command layer since the last run, so every procedure starts here, and the key
    // simulator is pointed at the layer in force.
    bool attachToSession() {
        SlmCommander* commander = session.commander();
        if (!commander || !session.isOpen())
            return false;
        keys.attach(*commander);
        return true;
    }
};

// Said when a procedure is asked to run without a connected meter.
inline QString meterNotConnectedText() {
    return QStringLiteral("The K37 is not connected; the test sheet needs it.");
}

} // namespace orvik
