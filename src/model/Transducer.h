#pragma once

#include <QString>

namespace orvik {

// Index of the transducer in result arrays, input-level settings and the reference lookup.
enum class TransducerKind : int { SupraAural = 0, BoneVibrator = 1, SoundField = 2, Insert = 3, Circumaural = 4 };
inline constexpr int TransducerCount = 5;

// Also the position of an earphone block among the three earphone slots of a test set-up.
enum class EarphoneKind : quint16 { SupraAural = 0, Insert = 1, Circumaural = 2 };
inline constexpr int EarphoneKindCount = 3;

// The ear (or speaker) a measurement drives.
enum class Channel : int { Left = 0, Right = 1, Both = 2 };

inline constexpr bool isTransducerKind(int kind) {
    return kind >= 0 && kind < TransducerCount;
}

// The earphone kind of an earphone transducer; false for the bone vibrator and the speakers.
bool earphoneKindOf(TransducerKind transducer, EarphoneKind& kind);

QString transducerPageLabel(TransducerKind transducer); // "Supra-aural", "Bone Vibrator", "Speaker", ...
QString channelName(Channel channel);                   // "Left", "Right", "Both": also the ear word of prompts

} // namespace orvik
