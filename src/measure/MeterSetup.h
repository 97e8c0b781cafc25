#pragma once

#include "core/ProgressWindow.h"
#include "measure/MeterLink.h"

#include <QString>

namespace orvik {

// The meter's analysis modes as the tests need them.
enum class MeterMode : int { SlmRta = 1, Fft = 2, PulseFm = 3 };

// The gain every level, frequency and FM measurement works at.
inline constexpr int WorkingGain = 2;
// Frequency index from which frequency reading uses the 20 kHz bandwidth (2000 Hz).
inline constexpr int FrequencyBandwidthThreshold = 16;

// Puts the meter into the audiometer application, the mode and the set-up of a variant (a test number;
// negative accepts any weighting). False after a message the technician has seen.
bool ensureMeterMode(MeterLink& link, MeterMode mode, int variant, bool showPortErrors);

int queryMeterGain(SlmCommander& meter, int& gain);
// `label`, when not empty, goes in front of the progress texts ("label: Setting the gain on the K37").
int setMeterGain(MeterLink& link, int gain, ProgressWindow* progress, const QString& label = {});

// The transducer setting a microphone needs: 1 for the models "R58...13", 0 for every other.
int transducerSettingFor(const QString& microphoneModel);
// Changes the meter's transducer setting when the microphone needs another, in the run's progress window.
int matchMeterTransducer(MeterLink& link, const QString& microphoneModel, ProgressWindow& progress);
int changeMeterTransducer(MeterLink& link, int setting, ProgressWindow* progress);

// 0 when set, Status::Cancelled when cancelled or failed.
int setFftBandwidth(MeterLink& link, int frequencyIndex, int thresholdIndex, ProgressWindow* progress);

// Prefixes a progress text with a page's label.
QString labelled(const QString& label, const QString& text);

} // namespace orvik
