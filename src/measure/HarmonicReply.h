#pragma once

#include <QByteArray>

namespace orvik {

// The meter answers a harmonic query with " --- " when it could not find the harmonics (a fundamental too weak,
// or an overloaded input).
bool harmonicsNotComputed(const QByteArray& reply);

// A harmonic's level relative to the fundamental, dB. The meter's field has two integer digits: a level 100 dB
// or more down comes as a minus, a zero, a digit and the decimal point ("-05.3" for -105.3 dB).
double relativeHarmonicDb(const QByteArray& reply);

} // namespace orvik
