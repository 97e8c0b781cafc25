#include "model/DefaultRetspl.h"

#include "model/Coupler.h"
#include "model/FixedText.h"
#include "model/ReferenceTables.h"
#include "model/Transducer.h"

#include <cstring>

namespace orvik {

namespace {
void copyLevels(EarphoneBlock& block, const LevelTable& table) {
    for (int i = 0; i < FrequencyCount; ++i)
        block.retspl[i] = table[static_cast<std::size_t>(i)];
}

const LevelTable* insertCouplerTable(quint16 coupler) {
    switch (static_cast<CouplerCode>(coupler)) {
    case CouplerCode::Rkc314:
        return &couplerTableI3();
    case CouplerCode::Rkc312:
        return &couplerTableI4();
    case CouplerCode::Rkc313:
        return &couplerTableI5();
    default:
        return nullptr;
    }
}

EarphoneBlock listEntry(const char* manufacturer, const char* model, EarphoneKind kind, CouplerCode coupler) {
    EarphoneBlock block;
    std::memset(&block, 0, sizeof block);
    setFixedText(block.manufacturer, QString::fromLatin1(manufacturer));
    setFixedText(block.model, QString::fromLatin1(model));
    block.kind = static_cast<quint16>(kind);
    block.coupler = static_cast<quint16>(coupler);
    block.standard = 1;
    return block;
}

EarphoneBlock modelEntry(EarphoneModel model, EarphoneKind kind, CouplerCode coupler, bool alternateMode) {
    EarphoneBlock block = listEntry("", "", kind, coupler);
    setFixedText(block.manufacturer, earphoneModelManufacturer(model));
    setFixedText(block.model, earphoneModelText(model));
    copyLevels(block, modelRetspl(model, alternateMode));
    return block;
}
} // namespace

void defaultRetspl(EarphoneBlock& block, bool alternateMode) {
    // Every path marks the block standard, the ear-simulator table included: these are the values a technician
    // expects for that coupler, and a flag left from earlier values would misdescribe the new ones on reports.
    block.standard = 1;
    if (block.kind == static_cast<quint16>(EarphoneKind::SupraAural) && isIec60318Part1(block.coupler)) {
        copyLevels(block, couplerTableG());
        return;
    }
    const EarphoneModel model = earphoneModelCode(fixedText(block.model));
    if (model != EarphoneModel::Unknown) {
        copyLevels(block, modelRetspl(model, alternateMode));
        return;
    }
    const LevelTable* table = insertCouplerTable(block.coupler);
    copyLevels(block, table ? *table : LevelTable{});
}

bool ensureRetspl(EarphoneBlock& block, bool force, bool alternateMode) {
    bool hasRetspl = false;
    for (int i = 0; i < FrequencyCount; ++i)
        hasRetspl = hasRetspl || block.retspl[i] != 0.f;
    if (hasRetspl && !force)
        return true;
    defaultRetspl(block, alternateMode);
    return hasRetspl;
}

std::vector<EarphoneBlock> defaultEarphoneList(bool alternateMode) {
    constexpr auto supra = EarphoneKind::SupraAural;
    constexpr auto circum = EarphoneKind::Circumaural;
    std::vector<EarphoneBlock> list;
    list.reserve(12);
    for (const EarphoneModel model :
         {EarphoneModel::Tdh39, EarphoneModel::Tdh50, EarphoneModel::Hda280, EarphoneModel::Dd45Iec3,
          EarphoneModel::Dd45Iec1, EarphoneModel::Holmberg8103, EarphoneModel::Dt48}) {
        const auto coupler = model == EarphoneModel::Dd45Iec1 ? CouplerCode::Rkc420 : CouplerCode::Rkc310;
        list.push_back(modelEntry(model, supra, coupler, alternateMode));
    }
    // Inserts carry no RETSPL here: choosing one on a set-up page fills it from its coupler's table.
    list.push_back(listEntry("Etymotic", "ER-3A", EarphoneKind::Insert, CouplerCode::Rkc314));
    list.push_back(listEntry("EARtone", "3A", EarphoneKind::Insert, CouplerCode::Rkc313));
    list.push_back(listEntry("EARtone", "5A", EarphoneKind::Insert, CouplerCode::Rkc313));
    list.push_back(modelEntry(EarphoneModel::Hda200, circum, CouplerCode::Rkc311, alternateMode));
    list.push_back(modelEntry(EarphoneModel::Hv1a, circum, CouplerCode::Rkc311, alternateMode));
    return list;
}

} // namespace orvik
