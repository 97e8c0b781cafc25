#pragma once

#include "shell/ViewId.h"

namespace orvik {

// Every entry of the main window's menu whose enabling depends on the program's state.
enum class MenuCommand {
    ChangeDatabase,
    NewMeasurement,
    Save,
    ImportMicMastoidSetup,
    PrinterSetup,
    Exit,
    AudiometerTest,
    AudiometerTestNotes,
    BoothTest,
    Instrumentation,
    Preferences,
    StoredMeasurements,
    MeasurementSummary,
    Report,
    Certificate,
    Export,
    CompareWith,
    SlmConnect,
    SlmDisconnect,
    SlmCheckBattery,
    SlmCalibration,
    SlmTurnOff,
    SlmSetPort,
    About,
};

// What the enabling rules look at.
struct MenuState {
    ViewId view = ViewId::Idle;
    bool portOpen = false;
    bool calibratorAndMicrophoneListed = false;
    bool equipPageIsMicrophoneOrMastoid = false;
};

bool isMenuEnabled(MenuCommand command, const MenuState& state);

} // namespace orvik
