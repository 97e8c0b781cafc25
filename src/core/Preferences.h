#pragma once

#include "core/SettingsStore.h"

#include <QString>

namespace orvik {

// The program preferences record of the document and the "Preferences" section it is kept in.
struct Preferences {
    static constexpr int MaxTextLength = 40; // company name and header lines

    QString companyName;
    QString header1;
    QString header2;
    qint16 slmComPort = 1;
    qint32 slmBaudRate = 9600;
    qint16 audComPort = 2; // kept and edited for an audiometer link; never opened
    qint32 audBaudRate = 9600;

    QString databaseDir;
    QString databaseName = QStringLiteral("OrvikDb.mdb");
    QString audCertPath;
    QString ambCertPath;
    bool loaded = false;

    // Reads the section over the document's start values (the program folder and "OrvikDb.mdb").
    static Preferences read(SettingsStore& store, const QString& programFolder);
    void write(SettingsStore& store) const;

    // Folder, a separator when the folder does not end in one, then the name.
    QString databasePath() const;
};

// "DatabaseDir" when nothing is stored: the machine's application-data folder, then "Quenmark/Orvik/".
QString defaultDatabaseDir();

inline const QString DefaultDatabaseName = QStringLiteral("OrvikDB.mdb");

} // namespace orvik
