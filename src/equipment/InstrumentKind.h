#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>

namespace orvik {

// The 32-bit code every stored instrument entry begins with.
enum class InstrumentKind : qint32 {
    Calibrator = 0,
    SoundLevelMeter = 1,
    Microphone = 3,
    Mastoid = 7,
    Preamp = 9,
};

// The five kinds in the order of the instrumentation view's kind list (its selector 0..4).
inline constexpr std::array<InstrumentKind, 5> KindsInViewOrder{InstrumentKind::SoundLevelMeter,
                                                                InstrumentKind::Calibrator, InstrumentKind::Microphone,
                                                                InstrumentKind::Mastoid, InstrumentKind::Preamp};

// The five lists in the order the equipment block stores them.
inline constexpr std::array<InstrumentKind, 5> KindsInStoredOrder{
    InstrumentKind::Calibrator, InstrumentKind::Microphone, InstrumentKind::SoundLevelMeter, InstrumentKind::Preamp,
    InstrumentKind::Mastoid};

// A stored code as one of the five kinds; codes of the other stored lists have none.
std::optional<InstrumentKind> instrumentKindFromCode(qint32 code);

// Texts of the instrumentation view and the messages, by kind.
struct InstrumentKindTexts {
    const char* listName;    // kinds list: "Sound Level Meters"
    const char* label;       // "Current" label: "Microphone Preamps"
    const char* prompt;      // "Select available ... to add a new instrument."
    const char* messageName; // "sound level meter" in the add messages
    const char* word;        // one word for scripts: "slm", "calibrator", ...
};
const InstrumentKindTexts& kindTexts(InstrumentKind kind);

} // namespace orvik
