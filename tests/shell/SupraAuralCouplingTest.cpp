#include "shell/SupraAuralCoupling.h"
#include "model/DefaultRetspl.h"

#include <gtest/gtest.h>

namespace orvik {
namespace {

using namespace SupraAuralCoupling;

const std::vector<EarphoneBlock>& earphones() {
    static const std::vector<EarphoneBlock> list = defaultEarphoneList(false);
    return list;
}

TEST(SupraAuralCouplingTest, OfferedModelsByCoupler) {
    EXPECT_TRUE(offeredModels(earphones(), 1, false).isEmpty()); // RKC311: nothing certified for exactly it
    EXPECT_EQ(offeredModels(earphones(), 6, false), QStringList{"DD45 318-1"});
    EXPECT_EQ(offeredModels(earphones(), 2, false).size(), 6);
    for (quint16 coupler : {1, 2, 6})
        EXPECT_EQ(offeredModels(earphones(), coupler, true).size(), 7) << coupler;
    EXPECT_FALSE(offeredModels(earphones(), 2, true).contains("HDA200")); // circumaural, never on this page
}

TEST(SupraAuralCouplingTest, WarningsBySelectedCoupler) {
    const EarphoneBlock* dd45 = findModel(earphones(), "DD45 318-1");
    const EarphoneBlock* tdh39 = findModel(earphones(), "TDH 39");
    ASSERT_TRUE(dd45 && tdh39);
    EXPECT_FALSE(incompatibility(*dd45, 1, true)); // both IEC 60318-1
    EXPECT_FALSE(incompatibility(*dd45, 6, false));
    EXPECT_FALSE(incompatibility(*tdh39, 2, false));
    EXPECT_EQ(incompatibility(*tdh39, 6, true).value_or(""),
              "Earphone model TDH 39 has not been certified with 318-1 standard coupler (RKC420). Continue?");
    EXPECT_EQ(incompatibility(*dd45, 2, false).value_or(""),
              "Earphone model DD45 318-1 is not certified with 318.3 standard coupler (RKC310). If you continue, the "
              "first earphone in the dropdown list will become the current earphone. Continue?");
}

TEST(SupraAuralCouplingTest, FindsOnlySupraAuralModelsByExactText) {
    EXPECT_NE(findModel(earphones(), "TDH 39"), nullptr);
    EXPECT_EQ(findModel(earphones(), "tdh 39"), nullptr);
    EXPECT_EQ(findModel(earphones(), "HDA200"), nullptr);
}

} // namespace
} // namespace orvik
