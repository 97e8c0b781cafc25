#include "VirtualClock.h"
#include "app/PumpWait.h"

#include <gtest/gtest.h>

using namespace orvik;

namespace {

TEST(PumpWait, PumpsMessagesUntilTheEndTime) {
    test::VirtualClock clock;
    clock.advance(500);
    PumpWait(clock, 2.0);
    EXPECT_EQ(clock.milliseconds(), 2500);
    EXPECT_EQ(clock.pumps(), 2000);
}

TEST(PumpWait, CountsFromTheCallersStartTime) {
    test::VirtualClock clock;
    clock.advance(700);
    PumpWait(clock, 500, 1.0);
    EXPECT_EQ(clock.milliseconds(), 1500);
}

TEST(PumpWait, ShortWaitIsTenMilliseconds) {
    test::VirtualClock clock;
    PumpWait(clock, 0.01);
    EXPECT_EQ(clock.milliseconds(), 10);
}

TEST(PumpWait, AnElapsedStartReturnsAtOnce) {
    test::VirtualClock clock;
    clock.advance(5000);
    PumpWait(clock, 0, 1.0);
    EXPECT_EQ(clock.pumps(), 0);
}

} // namespace
