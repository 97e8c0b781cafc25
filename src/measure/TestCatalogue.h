#pragma once

#include "measure/MeterSetup.h"
#include "model/RecordHeader.h"
#include "model/Transducer.h"

#include <QList>
#include <QString>

namespace orvik {

// The kinds of page the test sheet shows. Only the hearing-level/frequency page and the dial-level pages are
// built so far; the sheet reports the others as not available rather than pretend to measure.
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
    bool available() const;
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
