#pragma once

#include "core/SettingsStore.h"

#include <QString>

namespace orvik {

// "SLMDevicePath" in "Preferences": a device path that replaces the port number ("SLMComport") when it is
// not empty, for a USB adapter or the simulator's pseudo-terminal. Kept beside the port number so it
// survives a restart and a port number stays what the port page shows.
QString readMeterDevicePath(SettingsStore& store);
void writeMeterDevicePath(SettingsStore& store, const QString& path);

} // namespace orvik
