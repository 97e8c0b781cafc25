#include "core/Preferences.h"

#include "core/ServerLocation.h"
#include "core/Settings.h"

#include <QDir>
#include <QStandardPaths>

namespace orvik {

namespace {
QString withSeparator(QString folder) {
    if (!folder.isEmpty() && !folder.endsWith(u'/') && !folder.endsWith(u'\\'))
        folder += u'/';
    return folder;
}

QString readText(SettingsStore& store, const char* name, const QString& defaultValue = {}) {
    return store.readText(Section::Preferences, QString::fromLatin1(name), defaultValue);
}

int readInt(SettingsStore& store, const char* name, int defaultValue) {
    return store.readInt(Section::Preferences, QString::fromLatin1(name), defaultValue);
}
} // namespace

QString defaultDatabaseDir() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return withSeparator(data) + QStringLiteral("Quenmark/Orvik/");
}

Preferences Preferences::read(SettingsStore& store, const QString& programFolder) {
    Preferences p;
    p.databaseDir = withSeparator(programFolder);
    const QString dir = readText(store, "DatabaseDir", defaultDatabaseDir());
    if (!dir.isEmpty())
        p.databaseDir = dir;
    p.databaseName = readText(store, "DatabaseName", DefaultDatabaseName);
    if (p.databaseName.isEmpty())
        p.databaseName = DefaultDatabaseName;
    p.audCertPath = readText(store, "AudCertPath");
    p.ambCertPath = readText(store, "AmbCertPath");
    p.companyName = readText(store, "CompanyName").left(MaxTextLength);
    p.header1 = readText(store, "Header1").left(MaxTextLength);
    p.header2 = readText(store, "Header2").left(MaxTextLength);
    p.slmComPort = static_cast<qint16>(readInt(store, "SLMComport", 1));
    p.slmBaudRate = readInt(store, "SLMBaudRate", 9600);
    p.audComPort = static_cast<qint16>(readInt(store, "AudComport", 2));
    p.audBaudRate = readInt(store, "AudBaudRate", 9600);
    p.loaded = true;
    return p;
}

void Preferences::write(SettingsStore& store) const {
    const QString& s = Section::Preferences;
    store.writeText(s, QStringLiteral("DatabaseDir"), databaseDir);
    store.writeText(s, QStringLiteral("DatabaseName"), databaseName);
    store.writeText(s, QStringLiteral("AudCertPath"), audCertPath);
    store.writeText(s, QStringLiteral("AmbCertPath"), ambCertPath);
    store.writeText(s, QStringLiteral("CompanyName"), companyName.left(MaxTextLength));
    store.writeText(s, QStringLiteral("Header1"), header1.left(MaxTextLength));
    store.writeText(s, QStringLiteral("Header2"), header2.left(MaxTextLength));
    store.writeInt(s, QStringLiteral("SLMComport"), slmComPort);
    store.writeInt(s, QStringLiteral("SLMBaudRate"), slmBaudRate);
    store.writeInt(s, QStringLiteral("AudComport"), audComPort);
    store.writeInt(s, QStringLiteral("AudBaudRate"), audBaudRate);
}

QString Preferences::databasePath() const {
    // A server database's name is its whole address; the folder stays the last file's, where Browse starts.
    return isServerLocation(databaseName) ? databaseName : withSeparator(databaseDir) + databaseName;
}

} // namespace orvik
