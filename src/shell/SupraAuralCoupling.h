#pragma once

#include "model/EarphoneBlock.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace orvik {

// Which supra-aural earphones go with which coupler on the set-up page, and what the technician is told when
// an earphone is used with a coupler it was not certified for.
namespace SupraAuralCoupling {

// The models the page offers for the selected coupler, in list order. Without "allow incompatible" only
// earphones certified for exactly that coupler qualify (1 and 6 count as different here).
QStringList offeredModels(const std::vector<EarphoneBlock>& earphones, quint16 selectedCoupler,
                          bool allowIncompatible);

// The supra-aural entry with this model text, if the list has one.
const EarphoneBlock* findModel(const std::vector<EarphoneBlock>& earphones, const QString& model);

// Nothing when the earphone's coupler matches the selected one or both are IEC 60318-1 ear simulators;
// otherwise the question for the "Earphone - Coupler Incompatible" dialog.
std::optional<QString> incompatibility(const EarphoneBlock& earphone, quint16 selectedCoupler, bool allowIncompatible);

} // namespace SupraAuralCoupling

} // namespace orvik
