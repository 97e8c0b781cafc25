#pragma once

#include "measure/Measurement.h"
#include "measure/TestCatalogue.h"

#include <memory>

namespace orvik {

// What a page is made for: the record and link it measures through, and the test, transducer and channel of
// its tab.
struct PageContext {
    AudiometerRecord& record;
    MeterLink& link;
    int test = 0;
    TransducerKind transducer = TransducerKind::SupraAural;
    Channel channel = Channel::Left;
};

// The measuring page of a kind; null for kinds that do not measure yet.
std::unique_ptr<Measurement> makePage(PageKind kind, const PageContext& context);

// Each page file offers its maker; the factory's table names them, which also keeps the page files (and the
// tests they register) in every program that runs the sheet.
std::unique_ptr<Measurement> makeTonePage(const PageContext& context);
std::unique_ptr<Measurement> makePulsePage(const PageContext& context);
std::unique_ptr<Measurement> makeCrossTalkPage(const PageContext& context);
std::unique_ptr<Measurement> makeDistortionPage(const PageContext& context);
std::unique_ptr<Measurement> makeBoneDistortionPage(const PageContext& context);
std::unique_ptr<Measurement> makeBoneLevelPage(const PageContext& context);
// Mono (channel Left or Right) and binaural (Both) alike; the test chooses warble tones or narrow band.
std::unique_ptr<Measurement> makeSoundFieldPage(const PageContext& context);
std::unique_ptr<Measurement> makeBroadBandPage(const PageContext& context);
std::unique_ptr<Measurement> makeSpeechPage(const PageContext& context);
std::unique_ptr<Measurement> makeLinearityPage(const PageContext& context);

} // namespace orvik
