#pragma once

#include "app/SerialPortList.h"

#include <functional>

namespace orvik {

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
    std::function<QList<SSerInfo>()> enumeratePorts;
};

} // namespace orvik
