#include "equipment/InstrumentValueFields.h"

#include "model/FrequencyTable.h"

#include <algorithm>
#include <cmath>

namespace orvik {

namespace {
void addRun(std::vector<InstrumentValueField>& fields, int page, FreqIndex first, const float* values, int count) {
    for (int i = 0; i < count; ++i)
        fields.push_back({page, QStringLiteral("%1 Hz").arg(frequencyLabel(first + i).trimmed()), values[i]});
}
} // namespace

std::vector<InstrumentValueField> valueFields(const InstrumentEntry& entry) {
    std::vector<InstrumentValueField> fields;
    switch (static_cast<InstrumentKind>(entry.kind)) {
    case InstrumentKind::Calibrator:
        fields.push_back({0, QStringLiteral("Frequency"), entry.values.calibrator.frequency});
        fields.push_back({0, QStringLiteral("Output Level"), entry.values.calibrator.level});
        break;
    case InstrumentKind::Microphone: {
        const MicrophoneValues& mic = entry.values.microphone;
        fields.push_back({0, QStringLiteral("Sensitivity"), mic.sensitivity});
        addRun(fields, 1, 0, mic.pressureResponse, FirstHighFrequency);
        addRun(fields, 2, FirstHighFrequency, mic.pressureResponse + FirstHighFrequency,
               FrequencyCount - FirstHighFrequency);
        addRun(fields, 3, FirstHighFrequency, mic.gridCorrection, GridCorrectionCount);
        break;
    }
    case InstrumentKind::Mastoid:
        fields.push_back({0, QStringLiteral("Sensitivity"), entry.values.mastoid.sensitivity});
        // The pages show 250 to 8000 Hz, but an import fills the set up to 20000 Hz: all of it is read.
        for (int set = 1; set <= MastoidResponseSets; ++set)
            addRun(fields, set, 0, entry.mastoidResponseSet(set), FrequencyCount);
        break;
    case InstrumentKind::SoundLevelMeter:
    case InstrumentKind::Preamp:
        break;
    }
    return fields;
}

bool hasFiniteValues(const InstrumentEntry& entry) {
    const auto fields = valueFields(entry);
    return std::all_of(fields.begin(), fields.end(), [](const auto& field) { return std::isfinite(field.value); });
}

} // namespace orvik
