#pragma once

#include "model/DefaultRetspl.h"
#include "model/FixedText.h"

#include <cstring>

namespace orvik::test {

// A zeroed earphone slot of the given kind on the given coupler, holding nothing but its model text.
inline EarphoneBlock blankEarphone(quint16 kind, quint16 coupler, const char* model) {
    EarphoneBlock block;
    std::memset(&block, 0, sizeof block);
    block.kind = kind;
    block.coupler = coupler;
    setFixedText(block.model, QString::fromLatin1(model));
    return block;
}

// The same slot carrying the default reference levels of its model and coupler.
inline EarphoneBlock defaultEarphone(quint16 kind, quint16 coupler, const char* model) {
    EarphoneBlock block = blankEarphone(kind, coupler, model);
    defaultRetspl(block, false);
    return block;
}

} // namespace orvik::test
