#include "core/Settings.h"

namespace orvik {

int IntSetting::read(SettingsStore& store) const {
    return store.readInt(Section::Settings, QString::fromLatin1(name), defaultValue);
}

void IntSetting::write(SettingsStore& store, int value) const {
    store.writeInt(Section::Settings, QString::fromLatin1(name), value);
}

QString TextSetting::read(SettingsStore& store) const {
    return store.readText(Section::Settings, QString::fromLatin1(name), QString::fromLatin1(defaultValue));
}

void TextSetting::write(SettingsStore& store, const QString& value) const {
    store.writeText(Section::Settings, QString::fromLatin1(name), value);
}

ProgramOptions ProgramOptions::read(SettingsStore& store) {
    ProgramOptions options;
    options.saveAfterTest = Setting::SaveAfterTest.read(store) != 0;
    options.showSaveDialogAfterTest = Setting::ShowSaveDialogAfterTest.read(store) != 0;
    options.displayEarsNotCovered = Setting::DisplayEarsNotCovered.read(store) != 0;
    options.displayEmptyRetSpl = Setting::DisplayEmptyRetSpl.read(store) != 0;
    return options;
}

} // namespace orvik
