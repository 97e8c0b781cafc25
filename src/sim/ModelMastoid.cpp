#include "sim/ModelMastoid.h"

#include "model/FrequencyTable.h"

#include <cmath>

namespace orvik::sim {

namespace {
constexpr FreqIndex First = 5; // 250 Hz
constexpr FreqIndex Last = 24; // 8000 Hz
} // namespace

QMap<double, double> modelMastoidResponse(const TestSetup& setup) {
    const EmbeddedMastoid& mastoid = setup.instruments.mastoid;
    const bool makers = mastoid.identity.manufacturer[0] == 'V';
    const double microphone = setup.instruments.microphones[0].sensitivity;
    // Force in newtons turns into volts through the mastoid's mV/N; the meter reads them as pressure through a
    // microphone of mV/Pa, 20 uPa being 0 dB SPL where 1 uN is 0 dB force level.
    const double gain = !makers && microphone > 0.0 && mastoid.sensitivity > 0.0
                            ? 20.0 * std::log10(mastoid.sensitivity / (20.0 * microphone))
                            : 0.0;
    QMap<double, double> response;
    for (FreqIndex i = First; i <= Last; ++i)
        response.insert(frequencyHz(i), mastoid.response[i] + gain);
    return response;
}

} // namespace orvik::sim
