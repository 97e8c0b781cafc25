#include "core/SettingsStore.h"

#include <QSettings>

namespace orvik {

namespace {
const QString Organisation = QStringLiteral("Veltan-Quirn");
const QString Application = QStringLiteral("Orvik");

QString settingsKey(const QString& section, const QString& name) { return section + u'/' + name; }
} // namespace

QSettingsStore::QSettingsStore() : m_settings(std::make_unique<QSettings>(Organisation, Application)) {}

QSettingsStore::QSettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QSettingsStore::~QSettingsStore() = default;

int QSettingsStore::readInt(const QString& section, const QString& name, int defaultValue) {
    bool ok = false;
    const int value = m_settings->value(settingsKey(section, name), defaultValue).toInt(&ok);
    return ok ? value : defaultValue;
}

QString QSettingsStore::readText(const QString& section, const QString& name, const QString& defaultValue) {
    return m_settings->value(settingsKey(section, name), defaultValue).toString();
}

void QSettingsStore::writeInt(const QString& section, const QString& name, int value) {
    m_settings->setValue(settingsKey(section, name), value);
}

void QSettingsStore::writeText(const QString& section, const QString& name, const QString& value) {
    m_settings->setValue(settingsKey(section, name), value);
}

int MemorySettingsStore::readInt(const QString& section, const QString& name, int defaultValue) {
    return m_ints.value(key(section, name), defaultValue);
}

QString MemorySettingsStore::readText(const QString& section, const QString& name, const QString& defaultValue) {
    return m_texts.value(key(section, name), defaultValue);
}

void MemorySettingsStore::writeInt(const QString& section, const QString& name, int value) {
    m_ints.insert(key(section, name), value);
}

void MemorySettingsStore::writeText(const QString& section, const QString& name, const QString& value) {
    m_texts.insert(key(section, name), value);
}

bool MemorySettingsStore::contains(const QString& section, const QString& name) const {
    const QString k = key(section, name);
    return m_ints.contains(k) || m_texts.contains(k);
}

} // namespace orvik
