#pragma once

#include <QHash>
#include <QString>
#include <memory>

class QSettings;

namespace orvik {

// Persistent settings by section and name. Every read names its default: a missing value is never an error.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual int readInt(const QString& section, const QString& name, int defaultValue) = 0;
    virtual QString readText(const QString& section, const QString& name, const QString& defaultValue) = 0;
    virtual void writeInt(const QString& section, const QString& name, int value) = 0;
    virtual void writeText(const QString& section, const QString& name, const QString& value) = 0;
};

// The user's settings of organisation "Veltan-Quirn", application "Orvik" (QSettings' native place).
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore();
    explicit QSettingsStore(const QString& iniFile); // a file of the caller's, for demos and scripts
    ~QSettingsStore() override;

    int readInt(const QString& section, const QString& name, int defaultValue) override;
    QString readText(const QString& section, const QString& name, const QString& defaultValue) override;
    void writeInt(const QString& section, const QString& name, int value) override;
    void writeText(const QString& section, const QString& name, const QString& value) override;

private:
    std::unique_ptr<QSettings> m_settings;
};

// Settings held in memory only: tests, and runs that must leave the user's settings alone.
class MemorySettingsStore final : public SettingsStore {
public:
    int readInt(const QString& section, const QString& name, int defaultValue) override;
    QString readText(const QString& section, const QString& name, const QString& defaultValue) override;
    void writeInt(const QString& section, const QString& name, int value) override;
    void writeText(const QString& section, const QString& name, const QString& value) override;

    bool contains(const QString& section, const QString& name) const;
    int size() const { return static_cast<int>(m_ints.size() + m_texts.size()); }

private:
    static QString key(const QString& section, const QString& name) { return section + u'/' + name; }
    QHash<QString, int> m_ints;
    QHash<QString, QString> m_texts;
};

} // namespace orvik
