#include "model/Coupler.h"

#include <array>

namespace orvik {

namespace {
constexpr std::array<const char*, 9> CouplerNames{"None",   "IEC 318", "NBS 9A", "RKC314", "RKC312",
                                                  "RKC313", "RKC311",  "RKC310", "RKC420"};
}

bool isIec60318Part1(quint16 coupler) {
    return coupler == static_cast<quint16>(CouplerCode::Rkc311) || coupler == static_cast<quint16>(CouplerCode::Rkc420);
}

int couplerNameIndex(quint16 coupler) {
    // No coupler is "None", not the name the arithmetic below would give it.
    if (coupler == static_cast<quint16>(CouplerCode::None))
        return 0;
    if (coupler < 3)
        return coupler + 5;
    if (coupler <= 5)
        return coupler;
    return coupler + 2;
}

QString couplerNameByIndex(int nameIndex) {
    if (nameIndex < 0 || nameIndex >= static_cast<int>(CouplerNames.size()))
        return QString::fromLatin1(CouplerNames[0]);
    return QString::fromLatin1(CouplerNames[static_cast<std::size_t>(nameIndex)]);
}

QString couplerDisplayName(quint16 coupler) {
    return couplerNameByIndex(couplerNameIndex(coupler));
}

QString couplerStandardText(quint16 coupler) {
    return isIec60318Part1(coupler) ? QStringLiteral("318-1") : QStringLiteral("318.3");
}

} // namespace orvik
