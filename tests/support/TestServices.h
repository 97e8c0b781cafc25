#pragma once

#include "RecordingProgress.h"
#include "ScriptedMessageBox.h"
#include "VirtualClock.h"
#include "core/AppServices.h"

namespace orvik::test {

// Everything a procedure needs to run headless: scripted answers, recorded progress, virtual time and
// settings in memory.
struct TestServices {
    ScriptedMessageBox messages;
    RecordingProgress progress;
    VirtualClock clock;
    MemorySettingsStore settings;

    AppServices services() { return AppServices{messages, progress, clock, settings}; }
};

} // namespace orvik::test
