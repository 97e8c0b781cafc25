#pragma once

#include "model/AudiometerRecord.h"
#include "model/ChosenInstruments.h"
#include "model/FrequencyTable.h"

#include <array>

namespace orvik {

// The mastoid coupler the bone measurements use until the bone page lets the technician choose one: RKC310,
// whose response is the mastoid's first table.
inline constexpr quint16 DefaultMastoidCoupler = 2;

// The microphone a transducer is measured with: the coupler's for earphones, the open-air one (slot 0) for
// speakers, the mastoid coupler's for the bone vibrator.
const EmbeddedMicrophone& microphoneOfTransducer(const TestSetup& setup, TransducerKind transducer,
                                                 quint16 mastoidCoupler = DefaultMastoidCoupler);
// The maker's own mastoid (its manufacturer begins with "V") needs the climate correction and a coupler
// microphone; any other maker's mastoid is corrected through the two sensitivities.
bool isMakersMastoid(const TestSetup& setup);

// Records from this data version on carry the maker's mastoid's response for each of its three couplers.
inline constexpr quint16 FirstThreeCouplerMastoidVersion = 147;
// The mastoid's response table for the coupler in use (RKC310 code 2, RKC311 code 1, RKC420 code 6), dB by
// FreqIndex; the first table for any other code and for older records.
const float* mastoidResponse(const TestSetup& setup, quint16 coupler);

struct MastoidClimate {
    double temperature = 23.0; // degrees C
    int humidity = 50;         // codes 0..3 stand for 30, 50, 70, 90 %; any other value is a percentage
    double pressure = 101.325; // below 36 inches of mercury, up to 500 kPa, above that mm of mercury
    quint16 coupler = DefaultMastoidCoupler;
    int modelNumber = 0; // leading digits of the mastoid's model name
};

inline constexpr int MastoidFrequencies = 20;     // 250..8000 Hz, FreqIndex 5..24
inline constexpr int MastoidTemperatureRows = 13; // one a degree, 17..29 degrees C
using MastoidRow = std::array<double, MastoidFrequencies>;

// The characterisation of one mastoid generation: climate by temperature node (17, 23, 29 degrees C) and
// humidity node (30, 50, 70, 90 %), and temperature by whole degree.
struct MastoidTableSet {
    std::array<std::array<MastoidRow, 4>, 3> climate{};
    std::array<MastoidRow, MastoidTemperatureRows> temperature{};
};

// The three generations (model numbers below 4000, below 5000, from 5000) and the pressure coefficients by
// frequency and coupler column (RKC310, RKC311, RKC420), dB per kPa.
struct MastoidTables {
    std::array<MastoidTableSet, 3> sets{};
    std::array<std::array<double, 3>, MastoidFrequencies> pressure{};
    static const MastoidTables& builtIn();
};

// The maker's mastoid's climate, temperature and pressure correction at a test frequency, dB; 0 away from the
// twenty frequencies 250..8000 Hz the mastoid is characterised at.
double mastoidEnvironmentCorrection(FreqIndex index, const MastoidClimate& climate,
                                    const MastoidTables& tables = MastoidTables::builtIn());
// The three terms of that correction: the climate table's (interpolated by humidity), the temperature table's and
// the pressure term.
struct MastoidEnvironmentParts {
    double humidity = 0.0;
    double temperature = 0.0;
    double pressure = 0.0;
};
MastoidEnvironmentParts mastoidEnvironmentParts(FreqIndex index, const MastoidClimate& climate,
                                                const MastoidTables& tables = MastoidTables::builtIn());
MastoidClimate mastoidClimateOf(const TestSetup& setup, quint16 coupler = DefaultMastoidCoupler);

// What comes off a band level to give the sound pressure (or force) level the transducer produced, dB.
double microphoneCorrection(TransducerKind transducer, FreqIndex index, const TestSetup& setup,
                     quint16 mastoidCoupler = DefaultMastoidCoupler);

// The bone vibrator's correction in the parts the bone list shows; they add up to microphoneCorrection. The coupler
// microphone has no part of its own: the mastoid's chart was measured through it.
struct MastoidCorrectionParts {
    double mastoid = 0.0; // the chart of the coupler in use, less the sensitivity term for another maker's mastoid
    double microphone = 0.0;
    MastoidEnvironmentParts environment;
    double total() const {
        return mastoid + microphone + environment.humidity + environment.temperature + environment.pressure;
    }
};
MastoidCorrectionParts mastoidCorrectionParts(FreqIndex index, const TestSetup& setup,
                                              quint16 mastoidCoupler = DefaultMastoidCoupler);

} // namespace orvik
