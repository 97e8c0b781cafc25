// Microphone and mastoid setup files, read with either delimiter and mapped onto the instrument pages. A file
// that is accepted must leave nothing a report or a measurement could not use.
#include "FuzzSupport.h"
#include "equipment/SetupFileImport.h"

#include <cmath>

using namespace orvik;

namespace {
void checkAccepted(const SetupFileData& data) {
    double previous = -HUGE_VAL;
    for (const ResponsePoint& point : data.points) {
        fuzz::require(std::isfinite(point.frequency) && std::isfinite(point.response), "finite points");
        fuzz::require(point.frequency > previous, "ascending frequencies");
        previous = point.frequency;
    }
    fuzz::require(std::isfinite(data.sensitivity), "finite sensitivity");
    fuzz::require(data.dueDate.size() == 10, "a whole due date");
}

void checkApplied(const SetupFileData& data) {
    InstrumentEntry pages = emptyInstrumentEntry(data.kind);
    if (!applySetupFile(data, 2, pages).isEmpty())
        return;
    const float* responses = data.kind == InstrumentKind::Mastoid ? pages.mastoidResponseSet(2)
                                                                  : pages.values.microphone.pressureResponse;
    for (int i = 0; i < FrequencyCount; ++i)
        fuzz::require(std::isfinite(responses[i]), "finite mapped responses");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    for (SetupDelimiter delimiter : {SetupDelimiter::Comma, SetupDelimiter::Tab}) {
        const SetupFileResult result = parseSetupText(text, delimiter);
        fuzz::require(result.ok == result.message.isEmpty(), "a refusal says why");
        if (!result.ok)
            continue;
        checkAccepted(result.data);
        checkApplied(result.data);
    }
    return 0;
}
