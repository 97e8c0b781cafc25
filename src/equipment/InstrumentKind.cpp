#include "equipment/InstrumentKind.h"

namespace orvik {

std::optional<InstrumentKind> instrumentKindFromCode(qint32 code) {
    for (InstrumentKind kind : KindsInStoredOrder) {
        if (static_cast<qint32>(kind) == code)
            return kind;
    }
    return std::nullopt;
}

const InstrumentKindTexts& kindTexts(InstrumentKind kind) {
    static const InstrumentKindTexts slm{"Sound Level Meters", "Sound Level Meters",
                                         "Select available Sound Level Meter or enter data to add a new instrument.",
                                         "sound level meter", "slm"};
    static const InstrumentKindTexts calibrator{"Calibrators", "Calibrators",
                                                "Select available Calibrator or enter data to add a new instrument.",
                                                "calibrator", "calibrator"};
    static const InstrumentKindTexts microphone{"Microphones", "Microphones",
                                                "Select available Microphone or enter data to add a new instrument.",
                                                "microphone", "microphone"};
    static const InstrumentKindTexts mastoid{"Mastoids", "Mastoids",
                                             "Select available Mastoid or enter data to add a new instrument.",
                                             "mastoid", "mastoid"};
    static const InstrumentKindTexts preamp{"Preamps", "Microphone Preamps",
                                            "Select available Preamp or enter data to add a new instrument", "preamp",
                                            "preamp"};
    switch (kind) {
    case InstrumentKind::Calibrator:
        return calibrator;
    case InstrumentKind::SoundLevelMeter:
        return slm;
    case InstrumentKind::Microphone:
        return microphone;
    case InstrumentKind::Mastoid:
        return mastoid;
    case InstrumentKind::Preamp:
        return preamp;
    }
    return slm;
}

} // namespace orvik
