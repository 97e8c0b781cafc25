#include "measure/LevelCorrections.h"

#include "model/FixedText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvik {

namespace {
constexpr FreqIndex FirstMastoidIndex = 5;

int tableSetOf(int modelNumber) {
    if (modelNumber < 4000)
        return 0;
    return modelNumber < 5000 ? 1 : 2;
}

int pressureColumn(quint16 coupler) {
    switch (coupler) {
    case 2:
        return 0;
    case 1:
        return 1;
    case 6:
        return 2;
    default:
        return -1;
    }
}

double humidityPercent(int humidity) {
    static constexpr std::array<double, 4> Codes{30.0, 50.0, 70.0, 90.0};
    return humidity >= 0 && humidity < 4 ? Codes[std::size_t(humidity)] : double(humidity);
}

double pressureKpa(double pressure) {
    constexpr double MmHgToKpa = 101.325 / 760.0;
    if (pressure < 36.0)
        return pressure * 25.4 * MmHgToKpa;
    return pressure <= 500.0 ? pressure : pressure * MmHgToKpa;
}

double climateTerm(const MastoidTableSet& set, int k, double t, double h) {
    const int tLow = t < 23.0 ? 0 : t < 27.0 ? 1 : 2;
    const int tHigh = t < 23.0 ? 1 : 2;
    const int hLow = h < 50.0 ? 0 : h < 70.0 ? 1 : 2;
    const double hBase = 30.0 + 20.0 * hLow;
    const double a = set.climate[tLow][hLow][k], b = set.climate[tLow][hLow + 1][k];
    const double c = set.climate[tHigh][hLow][k], d = set.climate[tHigh][hLow + 1][k];
    double lo = a, hi = c;
    if (std::abs(b - a) >= 0.1 || std::abs(d - c) >= 0.1) {
        // The segment's own slope also carries the values below 30 % and above 90 %.
        lo = a + (b - a) * (h - hBase) / 20.0;
        hi = c + (d - c) * (h - hBase) / 20.0;
    }
    double weight = 0.0;
    if (std::abs(hi - lo) >= 0.1 && t > 18.0 && t < 28.0)
        weight = t < 23.0 ? (t - 18.0) / 5.0 : (t - 23.0) / 5.0;
    return lo + (hi - lo) * weight;
}

int leadingNumber(const QString& text) {
    int value = 0;
    for (QChar c : text) {
        if (!c.isDigit() || value > 100000)
            break;
        value = value * 10 + c.digitValue();
    }
    return value;
}
} // namespace

// Only the first rows of the pressure coefficients are known here; the climate and temperature tables of the three
// generations are not. Zero entries give no correction, and measured tables drop into the same shape.
const MastoidTables& MastoidTables::builtIn() {
    static const MastoidTables tables = [] {
        MastoidTables t;
        t.pressure[0] = {0.0714, 0.096, 0.0531};
        t.pressure[1] = {0.0721, 0.104, 0.0903};
        t.pressure[2] = {0.0661, 0.0965, 0.1081};
        return t;
    }();
    return tables;
}

const EmbeddedMicrophone& microphoneOfTransducer(const TestSetup& setup, TransducerKind transducer,
                                                 quint16 mastoidCoupler) {
    EarphoneKind earphone{};
    if (earphoneKindOf(transducer, earphone))
        return microphoneForCoupler(setup.instruments, earphoneSlot(setup, earphone).coupler);
    if (transducer == TransducerKind::BoneVibrator)
        return microphoneForCoupler(setup.instruments, mastoidCoupler);
    return setup.instruments.microphones[0];
}

bool isMakersMastoid(const TestSetup& setup) {
    return setup.instruments.mastoid.identity.manufacturer[0] == 'V';
}

const float* mastoidResponse(const TestSetup& setup, quint16 coupler) {
    const TestInstruments& i = setup.instruments;
    // Records older than the three-coupler mastoid charts hold nothing usable in the second and third tables.
    if (setup.dataVersion < FirstThreeCouplerMastoidVersion)
        return i.mastoid.response;
    switch (coupler) {
    case 1:
        return i.mastoidTail.response2;
    case 6:
        return i.mastoidTail.response3;
    default:
        return i.mastoid.response;
    }
}

MastoidEnvironmentParts mastoidEnvironmentParts(FreqIndex index, const MastoidClimate& climate,
                                                const MastoidTables& tables) {
    const int k = index - FirstMastoidIndex;
    if (k < 0 || k >= MastoidFrequencies)
        return {};
    const double t = std::clamp(climate.temperature, 17.0, 29.0);
    const MastoidTableSet& set = tables.sets[std::size_t(tableSetOf(climate.modelNumber))];
    MastoidEnvironmentParts parts;
    parts.humidity = climateTerm(set, k, t, humidityPercent(climate.humidity));
    const int row = std::clamp(int(t + 0.5 - 17.0), 0, MastoidTemperatureRows - 1);
    parts.temperature = set.temperature[std::size_t(row)][k];
    const int column = pressureColumn(climate.coupler);
    parts.pressure =
        column < 0 ? 0.0
                   : tables.pressure[std::size_t(k)][std::size_t(column)] * (pressureKpa(climate.pressure) - 101.325);
    return parts;
}

double mastoidEnvironmentCorrection(FreqIndex index, const MastoidClimate& climate, const MastoidTables& tables) {
    const MastoidEnvironmentParts parts = mastoidEnvironmentParts(index, climate, tables);
    return parts.humidity + parts.temperature + parts.pressure;
}

MastoidClimate mastoidClimateOf(const TestSetup& setup, quint16 coupler) {
    MastoidClimate climate;
    climate.temperature = setup.temperature;
    climate.humidity = setup.humidity;
    climate.pressure = setup.pressure;
    climate.coupler = coupler;
    climate.modelNumber = leadingNumber(fixedText(setup.instruments.mastoid.identity.model));
    return climate;
}

double microphoneCorrection(TransducerKind transducer, FreqIndex index, const TestSetup& setup,
                            quint16 mastoidCoupler) {
    if (!isFreqIndex(index))
        return 0.0;
    switch (transducer) {
    case TransducerKind::SoundField:
        return 0.0;
    case TransducerKind::BoneVibrator:
        return mastoidCorrectionParts(index, setup, mastoidCoupler).total();
    default: {
        const EmbeddedMicrophone& microphone = microphoneOfTransducer(setup, transducer);
        double correction = microphone.pressureResponse[index];
        if (transducer == TransducerKind::Circumaural && index >= FirstHighFrequency)
            correction += microphone.gridCorrection[index - FirstHighFrequency];
        return correction;
    }
    }
}

MastoidCorrectionParts mastoidCorrectionParts(FreqIndex index, const TestSetup& setup, quint16 mastoidCoupler) {
    MastoidCorrectionParts parts;
    if (!isFreqIndex(index))
        return parts;
    parts.mastoid = mastoidResponse(setup, mastoidCoupler)[index];
    if (isMakersMastoid(setup)) {
        parts.environment = mastoidEnvironmentParts(index, mastoidClimateOf(setup, mastoidCoupler));
        return parts;
    }
    const double microphone = setup.instruments.microphones[0].sensitivity;
    const double mastoid = setup.instruments.mastoid.sensitivity;
    // Without both sensitivities the equipment check refuses the run before anything is measured.
    if (microphone > 0.0 && mastoid > 0.0)
        parts.mastoid -= 20.0 * std::log10(20.0 * microphone / mastoid);
    return parts;
}

} // namespace orvik
