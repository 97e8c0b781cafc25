#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvik::sim {

// What a fault changes on the simulated audiometer.
enum class FaultQuantity {
    Level,        // output error, dB
    Frequency,    // frequency error, percent
    FmRate,       // actual modulation rate, Hz
    FmDeviation,  // actual sweep from lowest to highest frequency, percent of the carrier
    H2,           // harmonic levels relative to the fundamental, dB
    H3,
    H4,
    H5,
    CrossTalk,    // attenuation of the channel away from the coupler, dB
    Rise,         // pulse timing, ms
    Fall,
    On,
    Off,
    Noise,        // residual output with the tone off, dB SPL
    Tilt,         // slope of the noise signals' spectra around 1000 Hz, dB per octave
};

// Where the audiometer stands when a fault is asked whether it applies.
struct AudiometerSetting {
    int transducer = 0; // as VirtualAudiometer::transducer
    int channel = 0;    // 0 Left, 1 Right, 2 Both
    double frequencyHz = 1000.0;
    int dialHl = 0;
};

// One fault, limited to a transducer, an ear, a frequency and a dial level; an empty limit means every one.
struct AudiometerFault {
    FaultQuantity quantity = FaultQuantity::Level;
    std::optional<int> transducer;
    std::optional<int> channel;
    std::optional<double> frequencyHz; // matched within 1 %, as the audiometer's dial frequencies are
    std::optional<int> dialHl;
    double value = 0.0;

    bool appliesAt(const AudiometerSetting& setting) const;
};

// Reads QUANTITY[:TRANSDUCER[:EAR[:HZ[@DIAL]]]]=VALUE, e.g. "level:supra:left:4000=4.5" or
// "level:::1000@70=-6". Nothing and a message naming the bad part when it cannot be read.
std::optional<AudiometerFault> parseAudiometerFault(const QString& text, QString& error);

// The words the parser knows, for usage texts.
QStringList faultQuantityNames();
QStringList faultTransducerNames();

// The value of a quantity at a setting: output and frequency errors add up over every fault that applies; the
// other quantities are the audiometer's actual figures, so the last fault that applies wins over `healthy`.
double withFaults(const QList<AudiometerFault>& faults, FaultQuantity quantity, double healthy,
                  const AudiometerSetting& setting);

} // namespace orvik::sim
