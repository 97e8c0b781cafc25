#include "shell/MenuCommand.h"

namespace orvik {

bool isMenuEnabled(MenuCommand command, const MenuState& state) {
    const bool idle = state.view == ViewId::Idle;
    switch (command) {
    case MenuCommand::NewMeasurement:
    case MenuCommand::AudiometerTest:
    case MenuCommand::BoothTest:
    case MenuCommand::Instrumentation:
    case MenuCommand::StoredMeasurements:
        return idle;
    case MenuCommand::Save:
        return idle || state.view == ViewId::Summary;
    case MenuCommand::ImportMicMastoidSetup:
        return state.view == ViewId::Instrumentation && state.equipPageIsMicrophoneOrMastoid;
    case MenuCommand::Report:
    case MenuCommand::Certificate:
    case MenuCommand::Export:
    case MenuCommand::CompareWith:
        return state.view == ViewId::Ambient || state.view == ViewId::Summary;
    case MenuCommand::SlmConnect:
        return !state.portOpen;
    case MenuCommand::SlmDisconnect:
    case MenuCommand::SlmCheckBattery:
    case MenuCommand::SlmTurnOff:
        return state.portOpen;
    case MenuCommand::SlmCalibration:
        return state.portOpen && state.calibratorAndMicrophoneListed;
    // Always offered; the ones that cannot act now refuse with their own message.
    case MenuCommand::ChangeDatabase:
    case MenuCommand::PrinterSetup:
    case MenuCommand::Exit:
    case MenuCommand::AudiometerTestNotes:
    case MenuCommand::Preferences:
    case MenuCommand::MeasurementSummary:
    case MenuCommand::SlmSetPort:
    case MenuCommand::About:
        break;
    }
    return true;
}

} // namespace orvik
