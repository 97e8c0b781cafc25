#include "meter/MeterDevicePath.h"

#include "core/Settings.h"

namespace orvik {

namespace {
const QString Name = QStringLiteral("SLMDevicePath");
}

QString readMeterDevicePath(SettingsStore& store) {
    return store.readText(Section::Preferences, Name, {}).trimmed();
}

void writeMeterDevicePath(SettingsStore& store, const QString& path) {
    store.writeText(Section::Preferences, Name, path.trimmed());
}

} // namespace orvik
