#pragma once

#include "core/Clock.h"
#include "core/MessageBox.h"
#include "core/ProgressWindow.h"
#include "core/SettingsStore.h"

namespace orvik {

// The seams through which procedures reach the technician, time and the settings. The program wires
// widgets and the system clock; tests wire scripted answers and a virtual clock; orvik-cli the terminal.
struct AppServices {
    MessageBox& messageBox;
    ProgressFactory& progress;
    Clock& clock;
    SettingsStore& settings;
};

} // namespace orvik
