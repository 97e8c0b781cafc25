#pragma once

#include <QString>

namespace orvik {

// The coupler an earphone is measured with, as stored (16-bit) in every earphone block.
enum class CouplerCode : quint16 {
    None = 0,
    Rkc311 = 1, // IEC 60318-1 ear simulator
    Rkc310 = 2, // IEC 60318-3 (NBS 9A type)
    Rkc314 = 3, // insert-earphone coupler
    Rkc312 = 4, // HA-1
    Rkc313 = 5, // HA-2
    Rkc420 = 6, // IEC 60318-1 ear simulator
};
inline constexpr int CouplerCodeCount = 7;

// Codes 1 and 6 are the same standard coupler type; compatibility and the supra-aural defaults treat them alike.
bool isIec60318Part1(quint16 coupler);

// Display text through the name index; a stored code out of range shows "None" rather than reading past the list.
QString couplerDisplayName(quint16 coupler);
int couplerNameIndex(quint16 coupler);
QString couplerNameByIndex(int nameIndex);

// "318-1" for the IEC 60318-1 couplers, "318.3" for every other code.
QString couplerStandardText(quint16 coupler);

} // namespace orvik
