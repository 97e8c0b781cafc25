#pragma once

#include "core/AlternateMode.h"
#include "model/EarphoneBlock.h"
#include "shell/SerialPortList.h"

#include <functional>
#include <vector>

namespace orvik {

class InstrumentLists;
class MessageBox;
class SettingsStore;
class ShellDocument;
class ViewSwitcher;

// What every view is handed when the main window creates it.
struct ViewContext {
    ShellDocument& document;
    MessageBox& messages;
    ViewSwitcher& views;
    SettingsStore& settings;
    std::function<QList<SerialPortInfo>()> enumeratePorts;
    InstrumentLists* instruments = nullptr;               // the document's lists
    std::function<std::vector<EarphoneBlock>()> earphones; // the earphones the set-up pages offer
    // The "Earphone - Coupler Incompatible" question: true to continue; sets the flag to stop asking.
    std::function<bool(const QString&, bool&)> askIncompatible;
    bool alternateMode = false; // the program-wide flag
    AlternateModeKind alternateModeKind = AlternateModeKind::Off; // what the speech references follow
    std::function<void()> writeInstruments;  // the lists into the database
    std::function<void()> reloadInstruments; // the lists back from the database, dropping edits
};

} // namespace orvik
