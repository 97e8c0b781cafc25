#pragma once

#include "core/SettingsStore.h"
#include "meter/SlmCommander.h"
#include "meter/Status.h"

namespace orvik {

// Moves the meter's display by simulated key presses: the cursor onto a one-third-octave band, and the
// pulse/FM analysis keys.
class KeySimulator {
public:
    // Bound on the "R155" readiness polls and on the closing poll of the pulse/FM keys. The meter is ready
    // within a few polls when it works; each poll is a full exchange, so 50 is seconds, never minutes.
    static constexpr int ReadyPollLimit = 50;

    KeySimulator(SlmCommander& commander, SettingsStore& settings);

    // Index of the 39 test frequencies; 39 moves to band 0. A negative index only homes an unknown cursor.
    int goToFrequency(int frequencyIndex);
    // States 0, 2 and 4 of the pulse/FM display.
    int setPulseFmState(int state);

    void attach(SlmCommander& commander);
    int position() const { return m_position; }

private:
    int home();
    int waitKeyReady(int polls);
    int pollValue(const char* command);
    bool idleKeys();

    SlmCommander* m_commander;
    SettingsStore& m_settings;
    int m_position = -1;
};

} // namespace orvik
