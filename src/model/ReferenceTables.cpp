#include "model/ReferenceTables.h"

#include <cstddef>

namespace orvik {

namespace {

// The tables are written row by row as frequency and values, the way the standards print them, and spread into
// FreqIndex arrays at compile time; a row naming a frequency outside the master list fails to compile.
template <std::size_t Columns> struct Row {
    float hz;
    std::array<float, Columns> values;
};

template <std::size_t Columns, std::size_t Rows>
constexpr std::array<LevelTable, Columns> spread(const std::array<Row<Columns>, Rows>& rows) {
    std::array<LevelTable, Columns> tables{};
    for (const auto& row : rows) {
        const FreqIndex index = freqIndexOf(row.hz);
        if (index < 0)
            throw "row frequency is not a test frequency"; // compile-time error only
        for (std::size_t c = 0; c < Columns; ++c)
            tables[c][static_cast<std::size_t>(index)] = row.values[c];
    }
    return tables;
}

constexpr float o = 0.f; // no value at this frequency

// Columns: TDH 39 (short), TDH 39 (one-third octave), TDH 50/49, HDA 280, DD45 318-3, DD45 318-1, HOLMBERG 8103,
// DT-48, HDA200, HV/1A.
constexpr std::array<Row<10>, 29> ModelRows{{
    {125, {45.0f, 45.0f, 47.5f, 38.5f, 47.5f, 45.5f, 39.5f, 47.5f, 30.5f, o}},
    {160, {o, 37.5f, o, o, 40.5f, 39.0f, o, o, 26.0f, o}},
    {200, {o, 31.5f, o, o, 33.5f, 33.5f, o, o, 22.0f, o}},
    {250, {25.5f, 25.5f, 26.5f, 25.0f, 27.0f, 28.0f, 25.0f, 28.5f, 18.0f, o}},
    {315, {o, 20.0f, o, o, 22.5f, 23.0f, o, o, 15.5f, o}},
    {400, {o, 15.0f, o, o, 17.5f, 18.5f, o, o, 13.5f, o}},
    {500, {11.5f, 11.5f, 13.5f, 13.0f, 13.0f, 14.0f, 18.5f, 14.5f, 11.0f, o}},
    {630, {o, 8.5f, o, o, 9.0f, 10.0f, o, o, 8.0f, o}},
    {750, {8.0f, 7.5f, 8.5f, 9.0f, 6.5f, 7.5f, 13.5f, 9.5f, 6.0f, o}},
    {800, {o, 7.0f, o, o, 6.5f, 7.5f, o, o, 6.0f, o}},
    {1000, {7.0f, 7.0f, 7.5f, 7.5f, 6.0f, 7.0f, 12.0f, 8.0f, 5.5f, 16.0f}},
    {1250, {o, 6.5f, o, o, 7.0f, 8.0f, o, o, 6.0f, o}},
    {1500, {6.5f, 6.5f, 7.5f, 9.5f, 8.0f, 9.0f, 10.0f, 7.5f, 5.5f, o}},
    {1600, {o, 7.0f, o, o, 8.0f, 9.0f, o, o, 5.5f, o}},
    {2000, {9.0f, 9.0f, 11.0f, 8.0f, 8.0f, 9.5f, 9.5f, 8.0f, 4.5f, o}},
    {2500, {o, 9.5f, o, o, 8.0f, 10.5f, o, o, 3.0f, o}},
    {3000, {10.0f, 10.0f, 9.5f, 6.5f, 8.0f, 11.0f, 9.0f, 6.0f, 2.5f, o}},
    {3150, {o, 10.0f, o, o, 8.0f, 11.5f, o, o, 4.0f, o}},
    {4000, {9.5f, 9.5f, 10.5f, 9.5f, 9.0f, 12.5f, 9.0f, 5.5f, 9.5f, 8.0f}},
    {5000, {o, 13.0f, o, 19.0f, 10.0f, 8.0f, o, o, 14.0f, o}},
    {6000, {15.5f, 15.5f, 13.5f, o, 20.5f, 18.5f, 19.5f, 8.0f, 17.0f, o}},
    {6300, {o, 15.0f, o, o, 19.0f, 18.0f, o, o, 17.5f, o}},
    {8000, {13.0f, 13.0f, 13.0f, 18.0f, 12.0f, 17.0f, 20.0f, 14.5f, 17.5f, 16.5f}},
    {9000, {o, o, o, o, o, o, o, o, 18.5f, 21.0f}},
    {10000, {o, o, o, 18.5f, o, o, o, o, 22.0f, 25.5f}},
    {11200, {o, o, o, o, o, o, o, o, 23.0f, 24.5f}},
    {12500, {o, o, o, 30.0f, o, o, o, o, 28.0f, 26.0f}},
    {14000, {o, o, o, o, o, o, o, o, 36.0f, 33.0f}},
    {16000, {o, o, o, o, o, o, o, o, 56.0f, 51.0f}},
}};

// Columns: G (IEC 60318-1, supra-aural), I3 (RKC314), I5 (HA-2), I4 (HA-1).
constexpr std::array<Row<4>, 23> CouplerRows{{
    {125, {45.0f, 28.0f, 26.0f, 26.5f}}, {160, {38.5f, 24.5f, 22.0f, 22.0f}}, {200, {32.5f, 21.5f, 18.0f, 19.5f}},
    {250, {27.0f, 17.5f, 14.0f, 14.5f}}, {315, {22.0f, 15.5f, 12.0f, 15.0f}}, {400, {17.0f, 13.0f, 9.0f, 10.5f}},
    {500, {13.5f, 9.5f, 5.5f, 6.0f}},    {630, {10.5f, 7.5f, 4.0f, 4.5f}},    {750, {9.0f, 6.0f, 2.0f, 2.0f}},
    {800, {8.5f, 5.5f, 1.5f, 1.5f}},     {1000, {7.5f, 5.5f, 0.0f, 0.0f}},    {1250, {7.5f, 8.5f, 2.0f, 1.0f}},
    {1500, {7.5f, 9.5f, 2.0f, 0.0f}},    {1600, {8.0f, 9.5f, 2.0f, 1.5f}},    {2000, {9.0f, 11.5f, 3.0f, 2.5f}},
    {2500, {10.5f, 13.5f, 5.0f, 4.5f}},  {3000, {11.5f, 13.0f, 3.5f, 2.5f}},  {3150, {11.5f, 13.0f, 4.0f, 2.5f}},
    {4000, {12.0f, 15.0f, 5.5f, 0.0f}},  {5000, {11.0f, 18.5f, 5.0f, 1.5f}},  {6000, {16.0f, 16.0f, 2.0f, -2.5f}},
    {6300, {21.0f, 16.0f, 2.0f, -2.0f}}, {8000, {15.5f, 15.5f, 0.0f, -3.5f}},
}};

// Columns: mastoid, forehead.
constexpr std::array<Row<2>, 20> RetflRows{{
    {250, {67.0f, 79.0f}},  {315, {64.0f, 76.5f}},  {400, {61.0f, 74.5f}},  {500, {58.0f, 72.0f}},
    {630, {52.5f, 66.0f}},  {750, {48.5f, 61.5f}},  {800, {47.0f, 59.0f}},  {1000, {42.5f, 51.0f}},
    {1250, {39.0f, 49.0f}}, {1500, {36.5f, 47.5f}}, {1600, {35.5f, 46.5f}}, {2000, {31.0f, 42.5f}},
    {2500, {29.5f, 41.5f}}, {3000, {30.0f, 42.0f}}, {3150, {31.0f, 42.5f}}, {4000, {35.5f, 43.5f}},
    {5000, {40.0f, 51.0f}}, {6000, {40.0f, 51.0f}}, {6300, {40.0f, 50.0f}}, {8000, {40.0f, 50.0f}},
}};

// Columns: binaural 0 degrees, monaural 0, 45 and 90 degrees.
constexpr std::array<Row<4>, 29> SoundFieldRows{{
    {125, {22.0f, 24.0f, 23.5f, 23.0f}},  {160, {18.0f, 20.0f, 19.0f, 18.5f}},  {200, {14.5f, 16.5f, 15.5f, 15.0f}},
    {250, {11.0f, 13.0f, 12.0f, 11.0f}},  {315, {8.5f, 10.5f, 9.0f, 8.0f}},     {400, {6.0f, 8.0f, 5.5f, 4.5f}},
    {500, {4.0f, 6.0f, 3.0f, 1.5f}},      {630, {2.5f, 4.5f, 1.0f, -0.5f}},     {750, {2.0f, 4.0f, 0.5f, -1.0f}},
    {800, {2.0f, 4.0f, 0.5f, -1.0f}},     {1000, {2.0f, 4.0f, 0.0f, -1.5f}},    {1250, {1.5f, 3.5f, -0.5f, -2.5f}},
    {1500, {0.5f, 2.5f, -1.0f, -2.5f}},   {1600, {0.0f, 2.0f, -1.5f, -2.5f}},   {2000, {-1.5f, 0.5f, -2.5f, -1.5f}},
    {2500, {-4.0f, -2.0f, -5.5f, -4.0f}}, {3000, {-6.0f, -4.0f, -9.0f, -6.5f}}, {3150, {-6.5f, -4.5f, -9.5f, -6.5f}},
    {4000, {-6.5f, -4.5f, -8.5f, -4.0f}}, {5000, {-3.0f, -1.0f, -7.0f, -5.0f}}, {6000, {2.5f, 4.5f, -3.0f, -5.0f}},
    {6300, {4.0f, 6.0f, -1.5f, -4.0f}},   {8000, {11.5f, 13.5f, 8.0f, 5.5f}},   {9000, {13.5f, 15.5f, 10.5f, 8.5f}},
    {10000, {13.5f, 15.5f, 11.0f, 9.5f}}, {11200, {12.0f, 14.0f, 10.0f, 7.0f}}, {12500, {11.0f, 13.0f, 11.5f, 5.0f}},
    {14000, {16.0f, 18.0f, o, o}},        {16000, {43.5f, 44.5f, o, o}},
}};

constexpr auto ModelTables = spread(ModelRows);
constexpr auto CouplerTables = spread(CouplerRows);
constexpr auto RetflTables = spread(RetflRows);
constexpr auto SoundFieldTables = spread(SoundFieldRows);

struct ModelName {
    const char* model;
    const char* manufacturer;
};
constexpr std::array<ModelName, EarphoneModelCount> ModelNames{{
    {"TDH 39", "Telephonics"},
    {"TDH 50/49", "Telephonics"},
    {"HDA 280 ", "Sennheiser"},
    {"DD45 318-3", "Interacoustics"},
    {"DD45 318-1", "Interacoustics"},
    {"HOLMBERG 8103", "Holmberg"},
    {"DT-48", "Beyer Dynamic"},
    {"HDA200", "Sennheiser"},
    {"HV/1A", "Koss"},
}};

const LevelTable NoLevels{};

} // namespace

EarphoneModel earphoneModelCode(const QString& modelText) {
    for (int i = 0; i < EarphoneModelCount; ++i)
        if (modelText == QLatin1String(ModelNames[static_cast<std::size_t>(i)].model))
            return static_cast<EarphoneModel>(i + 1);
    return EarphoneModel::Unknown;
}

QString earphoneModelText(EarphoneModel model) {
    const int code = static_cast<int>(model);
    return code >= 1 && code <= EarphoneModelCount
               ? QString::fromLatin1(ModelNames[static_cast<std::size_t>(code - 1)].model)
               : QString();
}

QString earphoneModelManufacturer(EarphoneModel model) {
    const int code = static_cast<int>(model);
    return code >= 1 && code <= EarphoneModelCount
               ? QString::fromLatin1(ModelNames[static_cast<std::size_t>(code - 1)].manufacturer)
               : QString();
}

const LevelTable& modelRetspl(EarphoneModel model, bool alternateMode) {
    const int code = static_cast<int>(model);
    if (code < 1 || code > EarphoneModelCount)
        return NoLevels;
    // Column 0 is the short TDH 39 form, column 1 its one-third-octave form; every later model sits one column on.
    if (model == EarphoneModel::Tdh39)
        return ModelTables[alternateMode ? 1 : 0];
    return ModelTables[static_cast<std::size_t>(code)];
}

const LevelTable& couplerTableG() {
    return CouplerTables[0];
}
const LevelTable& couplerTableI3() {
    return CouplerTables[1];
}
const LevelTable& couplerTableI5() {
    return CouplerTables[2];
}
const LevelTable& couplerTableI4() {
    return CouplerTables[3];
}

const LevelTable& mastoidRetfl() {
    return RetflTables[0];
}
const LevelTable& foreheadRetfl() {
    return RetflTables[1];
}

const LevelTable& soundFieldBinaural() {
    return SoundFieldTables[0];
}

const LevelTable& soundFieldMonaural(int angle) {
    switch (angle) {
    case 0:
        return SoundFieldTables[1];
    case 1:
        return SoundFieldTables[2];
    default:
        return SoundFieldTables[3];
    }
}

float narrowBandCorrection(FreqIndex index) {
    if (index < 2 || index > LastLowFrequency)
        return 0.f;
    if (index <= 8) // 125..500 Hz
        return 4.f;
    if (index <= 11) // 630..800 Hz
        return 5.f;
    if (index <= 19) // 1000..3150 Hz
        return 6.f;
    return 5.f; // 4000..8000 Hz
}

} // namespace orvik
