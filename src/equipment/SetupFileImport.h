#pragma once

#include "equipment/InstrumentEntry.h"

#include <QString>
#include <vector>

namespace orvik {

// A microphone or mastoid setup file: a header line (data type, manufacturer, model, serial number,
// sensitivity, calibration due date, for a mastoid an optional coupler) and up to 200 lines of frequency and
// response, fields separated by a comma or a tab.
struct ResponsePoint {
    double frequency; // Hz
    double response;  // dB
};

struct SetupFileData {
    InstrumentKind kind = InstrumentKind::Microphone;
    QString manufacturer;
    QString model;
    QString serialNumber;
    float sensitivity = 0.0f;
    QString dueDate; // "%04d-%02d-%02d"
    int coupler = 0; // mastoid response set 1..3 named in the file; 0 when the file names none
    std::vector<ResponsePoint> points;
};

struct SetupFileResult {
    bool ok = false;
    QString message; // the failure, as the technician is told
    SetupFileData data;
};

enum class SetupDelimiter { Comma = 0, Tab = 1 };

inline constexpr int MaxSetupFrequencies = 200;

// The refusal of a header whose data type is missing, unknown or read with the wrong delimiter.
QString badDataTypeMessage(SetupDelimiter delimiter);

SetupFileResult readSetupFile(const QString& path, SetupDelimiter delimiter);
SetupFileResult parseSetupText(const QByteArray& text, SetupDelimiter delimiter);

// Maps file points onto the 39 frequencies from `firstTarget` on (0 for a microphone, 5 = 250 Hz for a
// mastoid), into `values`; targets past the file keep their values. Returns an empty text or the failure.
QString mapResponses(const std::vector<ResponsePoint>& points, int firstTarget, float* values);

// Puts an import into the pages: identity, due date, sensitivity and the mapped responses (a mastoid's into
// the response set `responseSet` 1..3). The pages stay as they were when the mapping fails.
QString applySetupFile(const SetupFileData& data, int responseSet, InstrumentEntry& pages);

} // namespace orvik
