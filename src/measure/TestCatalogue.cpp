#include "measure/TestCatalogue.h"

#include <array>

namespace orvik {

namespace {
using T = TransducerKind;
constexpr std::array<const char*, TestCount> TestNames{"Hearing Level",
                                                       "Frequency Accuracy",
                                                       "Linearity",
                                                       "Harmonic Distortion",
                                                       "Pulse",
                                                       "Cross Talk",
                                                       "Frequency Modulation",
                                                       "Narrow Band Level",
                                                       "Broad Band Masking",
                                                       "Speech",
                                                       "Speech Harmonic Distortion"};
constexpr std::array<MeterMode, TestCount> TestModes{
    MeterMode::SlmRta,  MeterMode::Fft,    MeterMode::SlmRta, MeterMode::Fft,    MeterMode::PulseFm, MeterMode::SlmRta,
    MeterMode::PulseFm, MeterMode::SlmRta, MeterMode::Fft,    MeterMode::SlmRta, MeterMode::Fft};

bool isEarphone(TransducerKind t) {
    return t == T::SupraAural || t == T::Insert || t == T::Circumaural;
}

QList<PageSlot> leftAndRight(PageKind kind) {
    return {{kind, QStringLiteral("Left"), Channel::Left}, {kind, QStringLiteral("Right"), Channel::Right}};
}

PageSlot binauralPage() {
    return {PageKind::BinauralSoundField, pageKindName(PageKind::BinauralSoundField), Channel::Both};
}

QList<PageSlot> dialLevelPages() {
    return {{PageKind::LowInputLevels, pageKindName(PageKind::LowInputLevels)},
            {PageKind::HighInputLevels, pageKindName(PageKind::HighInputLevels)}};
}
} // namespace

bool PageSlot::measures() const {
    return kind != PageKind::LowInputLevels && kind != PageKind::HighInputLevels && kind != PageKind::BoneInputLevels;
}

QString testName(int test) {
    return test >= 0 && test < TestCount ? QString::fromLatin1(TestNames[std::size_t(test)]) : QString();
}

MeterMode testMeterMode(int test) {
    return test >= 0 && test < TestCount ? TestModes[std::size_t(test)] : MeterMode::SlmRta;
}

QString transducerName(TransducerKind transducer) {
    static const std::array<const char*, TransducerCount> Names{"Supra-aural Earphone", "Bone Vibrator", "Speakers",
                                                                "Insert Earphone", "Circumaural Earphone"};
    return QString::fromLatin1(Names[std::size_t(transducer)]);
}

QList<TransducerKind> transducersOffered(int test) {
    switch (test) {
    case 0:
        return {T::SupraAural, T::BoneVibrator, T::SoundField, T::Insert, T::Circumaural};
    case 3:
        return {T::SupraAural, T::BoneVibrator, T::Insert, T::Circumaural};
    case 7:
        return {T::SupraAural, T::SoundField, T::Insert, T::Circumaural};
    case 9:
    case 10:
        return {T::SupraAural, T::BoneVibrator, T::SoundField, T::Insert};
    default:
        return {T::SupraAural, T::Insert, T::Circumaural};
    }
}

QList<PageSlot> pagesFor(int test, TransducerKind transducer) {
    const bool earphone = isEarphone(transducer);
    switch (test) {
    case 0:
        if (earphone)
            return leftAndRight(PageKind::Tone) + dialLevelPages();
        if (transducer == T::BoneVibrator)
            return {{PageKind::BoneLevel, pageKindName(PageKind::BoneLevel)},
                    {PageKind::BoneInputLevels, pageKindName(PageKind::BoneInputLevels)}};
        return leftAndRight(PageKind::SoundField) + dialLevelPages() + QList<PageSlot>{binauralPage()};
    case 1:
    case 6:
        return leftAndRight(PageKind::Tone);
    case 2:
        return leftAndRight(PageKind::Linearity);
    case 3:
        if (transducer == T::BoneVibrator)
            return {{PageKind::BoneDistortion, pageKindName(PageKind::BoneDistortion)}};
        return leftAndRight(PageKind::Distortion);
    case 4:
        return {{PageKind::Pulse, QStringLiteral("Left/Right")}};
    case 5:
        return {{PageKind::CrossTalk, pageKindName(PageKind::CrossTalk)}};
    case 7:
        if (transducer == T::SoundField)
            return leftAndRight(PageKind::SoundField) + QList<PageSlot>{binauralPage()} + dialLevelPages();
        return leftAndRight(PageKind::Tone) + dialLevelPages();
    case 8:
        return leftAndRight(PageKind::BroadBand);
    default:
        if (transducer == T::BoneVibrator)
            return {{PageKind::Speech, pageKindName(PageKind::Speech)}};
        return leftAndRight(PageKind::Speech);
    }
}

QString pageKindName(PageKind kind) {
    switch (kind) {
    case PageKind::Tone:
        return QStringLiteral("Hearing level and frequency");
    case PageKind::LowInputLevels:
        return QStringLiteral("Low Freq. Input Levels");
    case PageKind::HighInputLevels:
        return QStringLiteral("High Freq. Input Levels");
    case PageKind::BoneLevel:
        return QStringLiteral("Bone Vibrator Levels");
    case PageKind::BoneInputLevels:
        return QStringLiteral("Bone Input Levels");
    case PageKind::SoundField:
        return QStringLiteral("Mono Sound Field");
    case PageKind::BinauralSoundField:
        return QStringLiteral("Binaural Sound Field");
    case PageKind::Linearity:
        return QStringLiteral("Linearity");
    case PageKind::Distortion:
        return QStringLiteral("Harmonic Distortion");
    case PageKind::BoneDistortion:
        return QStringLiteral("Bone Vibrator Harmonic Distortion");
    case PageKind::Pulse:
        return QStringLiteral("Pulse");
    case PageKind::CrossTalk:
        return QStringLiteral("Cross Talk");
    case PageKind::BroadBand:
        return QStringLiteral("Broad Band Masking");
    case PageKind::Speech:
        return QStringLiteral("Speech");
    }
    return {};
}

} // namespace orvik
