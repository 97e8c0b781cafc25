#pragma once

#include "measure/MeterSetup.h"
#include "model/RecordHeader.h"
#include "model/Transducer.h"

#include <QList>
#include <QString>

namespace orvik {

// The kinds of page the test sheet shows. A kind measures once its page is in the page factory; the sheet reports
// the others as not available rather than pretend to measure.
enum class PageKind {
    Tone,
    LowInputLevels,
    HighInputLevels,
    BoneLevel,
    BoneInputLevels,
    SoundField,
    BinauralSoundField,
    Linearity,
    Distortion,
    BoneDistortion,
    Pulse,
    CrossTalk,
    BroadBand,
    Speech,
};

struct PageSlot {
    PageKind kind;
    QString title;
    Channel channel = Channel::Left;
    bool measures() const;
};

QString testName(int test); // "Hearing Level" .. "Speech Harmonic Distortion"
MeterMode testMeterMode(int test);
QString transducerName(TransducerKind transducer); // "Supra-aural Earphone" .. "Circumaural Earphone"
// The transducers a test offers, in list order.
QList<TransducerKind> transducersOffered(int test);
// The pages of a test for a transducer, in tab order.
QList<PageSlot> pagesFor(int test, TransducerKind transducer);
QString pageKindName(PageKind kind);

} // namespace orvik
