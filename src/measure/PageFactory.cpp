#include "measure/PageFactory.h"

#include <map>

namespace orvik {

namespace {
using PageMaker = std::unique_ptr<Measurement> (*)(const PageContext&);

const std::map<PageKind, PageMaker>& makers() {
    static const std::map<PageKind, PageMaker> table = {
        {PageKind::Tone, makeTonePage},
        {PageKind::Pulse, makePulsePage},
        {PageKind::CrossTalk, makeCrossTalkPage},
        {PageKind::Distortion, makeDistortionPage},
        {PageKind::BoneDistortion, makeBoneDistortionPage},
        {PageKind::BoneLevel, makeBoneLevelPage},
        {PageKind::SoundField, makeSoundFieldPage},
        {PageKind::BinauralSoundField, makeSoundFieldPage},
        {PageKind::BroadBand, makeBroadBandPage},
        {PageKind::Speech, makeSpeechPage},
        {PageKind::Linearity, makeLinearityPage},
    };
    return table;
}
} // namespace

std::unique_ptr<Measurement> makePage(PageKind kind, const PageContext& context) {
    const auto found = makers().find(kind);
    return found == makers().end() ? nullptr : found->second(context);
}

} // namespace orvik
