#pragma once

#include <QByteArray>

// The K37 commands the program sends, by what they do. A setting is completed with its value ("S46,2"); the
// spacing inside some commands is the meter's accepted form as the program has always sent it, kept so that
// recorded exchanges stay byte for byte the same. The simulator names the same parameters on its own side
// (sim/K37Parameters.h): a number wrong here cannot also be wrong there and still pass.
namespace orvik::k37 {

// Settings, completed with their value
inline constexpr char SetStoredBaudCode[] = "S9,";
inline constexpr char SetBaudRate[] = "S2283,";
inline constexpr char SetCalibrationLevel[] = "S41,";
inline constexpr char SetDetector[] = "S45,";
inline constexpr char SetWeighting[] = "S46,";
inline constexpr char SetTransducer[] = "S 51,";
inline constexpr char SetHighPass[] = "S134,";
inline constexpr char SetWeightingCompanion[] = "S135,";
inline constexpr char SetMode[] = "S143,";
inline constexpr char SetBandwidth[] = "S145,";
inline constexpr char SetFftWindow[] = "S147,";
inline constexpr char SetGain[] = "S 148,";
inline constexpr char SetDetectorCompanion[] = "S149,";
inline constexpr char SetCalibrationOffset[] = "S227,";
inline constexpr char SetBias[] = "S230,";

// Stops the analysis and resets the display; the meter takes set-up changes only while stopped.
inline constexpr char Reset[] = "S1,1";

// Queries; ",32" asks for the setting's index rather than its value
inline constexpr char QueryCalibrationLevel[] = "Q41";
inline constexpr char QueryWeighting[] = "Q46";
inline constexpr char QueryTransducer[] = "Q 51,32";
inline constexpr char QueryMode[] = "Q143";
inline constexpr char QueryBandwidth[] = "Q145,32";
inline constexpr char QueryFftWindow[] = "Q147";
inline constexpr char QueryGain[] = "Q148,32";
inline constexpr char QueryGainValue[] = "Q148"; // the gain in dB rather than its setting
inline constexpr char QueryCalibrationOffset[] = "Q227";

inline QByteArray setting(const char* command, int value) {
    return QByteArray(command) + QByteArray::number(value);
}

} // namespace orvik::k37
