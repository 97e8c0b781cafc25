#pragma once

#include "model/FrequencyTable.h"
#include "model/RecordResults.h"

#include <QByteArray>

namespace orvik {

// One "&R7" reply of the pulse/FM analysis as the pulse test reads it: times in milliseconds, levels in dB.
struct PulseReply {
    qint16 status[2]{};
    qint32 count = 0;
    float rise = 0.0f, fall = 0.0f, on = 0.0f, off = 0.0f, plateau = 0.0f;
    float level1 = 0.0f;
    float level2 = 0.0f; // with the calibration offset
    float frequency[4]{};
    // While the analysis has seen no pulse yet, the count and every whole time are zero.
    bool isPulse() const;
};

// False for a block too short to hold the pulse part.
bool parsePulseReply(const QByteArray& block, float calibrationOffset, PulseReply& reply);

// The reply into the page's block; the frequency values and status bytes belong to the 1000 Hz entry.
void storePulse(const PulseReply& reply, PulseBlock& block, FreqIndex at);

// The pulse list row's limits.
inline constexpr float PulseEdgeLowMs = 20.0f, PulseEdgeHighMs = 50.0f;
inline constexpr float PulseOnOffLowMs = 190.0f, PulseOnOffHighMs = 260.0f;
inline constexpr float PulsePlateauLowMs = 150.0f;
// Bit of the first status byte the meter sets when the tone does not drop far enough between pulses.
inline constexpr qint16 PulseRatioFailed = 0x20;

} // namespace orvik
