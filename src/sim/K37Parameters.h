#pragma once

// The K37's parameter numbers as the simulated meter reads them from "Q<n>" and "S<n>,<value>" commands, and
// its read items of "R<n>". The program names the same commands on its own side (meter/K37Commands.h); the two
// are written apart on purpose, so that one wrong number cannot pass on both sides.
namespace orvik::sim::k37 {

enum Parameter : int {
    Reset = 1,
    StoredBaudCode = 9,
    CalibrationLevel = 41,
    Detector = 45,
    Weighting = 46,
    Transducer = 51,
    HighPass = 134,
    WeightingCompanion = 135,
    Mode = 143,
    Bandwidth = 145,
    FftWindow = 147,
    Gain = 148,
    DetectorCompanion = 149,
    CalibrationOffset = 227,
    Bias = 230,
    BaudRate = 2283,
};

enum ReadItem : int {
    Identity = 1,
    RunState = 3,
    OverallLevel = 4,
    BatteryPercent = 86,
    PowerSource = 87,
    Firmware = 90,
    ToneFrequency = 116,
    KeyReadiness = 155,
    SupplyVolts = 170,
    LoadedInstrument = 180,
    AnalysisValue = 241,
};

} // namespace orvik::sim::k37
