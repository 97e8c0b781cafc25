#pragma once

#include "model/FrequencyTable.h"
#include "model/RecordResults.h"

namespace orvik {

// Which way a linearity run turns the dial. Auto and Down both descend from the maximum; Auto leaves out the levels
// that already hold a good reading, so that it finishes a run that was stopped or had unstable levels.
enum class LinearityDirection : int { Auto = 0, Down = 1, Up = 2 };

inline constexpr int LinearityTopLevel = LinearityLevelCount - 1; // 140 dB HL
inline constexpr int DefaultMaxDialLevel = 100;
inline constexpr int DefaultDialStep = 5;
inline constexpr FreqIndex DefaultLinearityFrequency = freqIndexOf(1000.0f);
// The gain setting at which the noise floor and every level below 40 dB HL are read (+30 dB).
inline constexpr int QuietLinearityGain = 5;

// "Max dBHL:" as typed: above the top of the table it is the top, a negative level means the usual 100 dB HL.
int clampMaxDialLevel(int typed);
// 1, 2, 5 or 10 dB; anything else (nothing chosen, a damaged record) is 5.
int dialStepOrDefault(int step);
// The frequency a stored or typed value stands for: the first table frequency at or above it (1000 Hz for none).
FreqIndex linearityFrequency(double hz);
// The noise floor as the level series uses it: whole dB, toward zero.
int truncatedNoiseFloor(float noiseFloor);
// The lowest level of an ascending run: the first level above the truncated noise floor on the grid of the
// maximum, so that the series ends exactly on the maximum.
int firstUpLevel(float noiseFloor, int maxLevel, int step);
// A level that was read and did not fail.
bool hasLinearityReading(float spl);

// The meter range a dial level needs: gain setting 5 below 40 dB HL, 2 up to 120, 0 above.
int gainSettingForLevel(int level);
// The gain in dB that "Q148" reports for a gain setting 0..7.
int gainValueOfSetting(int setting);

// How far a measured step may stray from the dial step: 0.3 dB for steps below 5 dB, 1.0 dB otherwise.
double stepToleranceDb(int step);
// Inclusive, with the slack that lets a value stored as a float sit on its bound.
bool stepPasses(double stepVariance, int step);
bool hearingLevelVariancePasses(double variance);

} // namespace orvik
