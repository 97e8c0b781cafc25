#include "shell/SupraAuralCoupling.h"

#include "model/Coupler.h"
#include "model/FixedText.h"

namespace orvik::SupraAuralCoupling {

namespace {
constexpr quint16 SupraAural = 0;
}

QStringList offeredModels(const std::vector<EarphoneBlock>& earphones, quint16 selectedCoupler,
                          bool allowIncompatible) {
    QStringList models;
    for (const EarphoneBlock& earphone : earphones) {
        if (earphone.kind != SupraAural)
            continue;
        if (!allowIncompatible && earphone.coupler != selectedCoupler)
            continue;
        models << fixedText(earphone.model);
    }
    return models;
}

const EarphoneBlock* findModel(const std::vector<EarphoneBlock>& earphones, const QString& model) {
    for (const EarphoneBlock& earphone : earphones)
        if (earphone.kind == SupraAural && fixedText(earphone.model) == model)
            return &earphone;
    return nullptr;
}

std::optional<QString> incompatibility(const EarphoneBlock& earphone, quint16 selectedCoupler, bool allowIncompatible) {
    if (earphone.coupler == selectedCoupler ||
        (isIec60318Part1(earphone.coupler) && isIec60318Part1(selectedCoupler)))
        return std::nullopt;
    const QString text =
        allowIncompatible
            ? QStringLiteral("Earphone model %1 has not been certified with %2 standard coupler (%3). Continue?")
            : QStringLiteral("Earphone model %1 is not certified with %2 standard coupler (%3). If you continue, the "
                             "first earphone in the dropdown list will become the current earphone. Continue?");
    return text.arg(fixedText(earphone.model), couplerStandardText(selectedCoupler),
                    couplerDisplayName(selectedCoupler));
}

} // namespace orvik::SupraAuralCoupling
