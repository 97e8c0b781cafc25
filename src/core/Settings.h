#pragma once

#include "core/SettingsStore.h"

#include <QString>

namespace orvik {

namespace Section {
inline const QString Preferences = QStringLiteral("Preferences");
inline const QString Settings = QStringLiteral("Settings");
} // namespace Section

// An integer option of the "Settings" section with the default every read supplies.
struct IntSetting {
    const char* name;
    int defaultValue;

    int read(SettingsStore& store) const;
    void write(SettingsStore& store, int value) const;
};

// A text option of the "Settings" section.
struct TextSetting {
    const char* name;
    const char* defaultValue;

    QString read(SettingsStore& store) const;
    void write(SettingsStore& store, const QString& value) const;
};

namespace Setting {
inline constexpr IntSetting SaveAfterTest{"Save After Test", 1};
inline constexpr IntSetting ShowSaveDialogAfterTest{"Show Save Dialog After Test", 1};
inline constexpr IntSetting DisplayEarsNotCovered{"Display Ears Not Covered", 1};
inline constexpr IntSetting DisplayEmptyRetSpl{"Display Empty RetSpl", 1};
inline constexpr IntSetting ShowRetsplWarn{"Show RETSPL Warn", 1};
inline constexpr IntSetting ShowCouplerWarn{"Show Coupler Warn", 1};
inline constexpr IntSetting AllowIncompatible{"Allow Incompatible", 0};
// The measurement pages read "Ask For Grid" with 1; the grid question itself reads it with 0.
inline constexpr IntSetting AskForGrid{"Ask For Grid", 1};
inline constexpr IntSetting AskForGridInQuestion{"Ask For Grid", 0};
inline constexpr IntSetting LinDirection{"Lin Direction", 1};
inline constexpr IntSetting LastFm{"Last FM", 0};
inline constexpr IntSetting AmbShowPage{"Amb Show Page", 0};
inline constexpr IntSetting AmbShowFail{"Amb Show Fail", 1};
inline constexpr IntSetting ExportDelimiter{"Export Delimiter", 0};
inline constexpr IntSetting ExportReportType{"Export Report Type", 0};
inline constexpr TextSetting DefaultExportFolder{"Default Export Folder", ""};
inline constexpr IntSetting ImportDelimiter{"Import Delimiter", 0};
inline constexpr TextSetting ImportFilePathname{"Import File Pathname", ""};
inline constexpr IntSetting CurrentSlm{"CURRENT SLM", 0};
inline constexpr IntSetting CurrentCalibrator{"CURRENT CALIBRATOR", 0};
inline constexpr IntSetting CurrentMike{"CURRENT MIKE", 0};
inline constexpr IntSetting CurrentMastoid{"CURRENT MASTOID", 0};
inline constexpr IntSetting CurrentPreamp{"CURRENT PREAMP", 0};
inline constexpr TextSetting SnLastCalibrator{"SN Last Calibrator", "0"};
inline constexpr TextSetting SnLastMike{"SN Last Mike", "0"};
inline constexpr IntSetting DataWasModified{"Data Was Modified", 0};
inline constexpr IntSetting AdjustBasis{"Adjust Basis", 0}; // the speech Adjust display: 0 the 1000 Hz band, 1 overall
} // namespace Setting

// The four options the whole program reads; loaded at start-up, with every new test record and by the
// preferences page.
struct ProgramOptions {
    bool saveAfterTest = true;
    bool showSaveDialogAfterTest = true;
    bool displayEarsNotCovered = true;
    bool displayEmptyRetSpl = true;

    static ProgramOptions read(SettingsStore& store);
};

} // namespace orvik
