#include "VirtualClock.h"
#include "core/PumpWait.h"

#include <gtest/gtest.h>

using namespace orvik;

namespace {

// Waits pump messages on the clock until `seconds` after the start: the call's own moment or the one given.
TEST(PumpWait, EndsTheGivenSecondsAfterTheStart) {
    const struct {
        qint64 before; // virtual time already passed
        qint64 start;  // -1: the wait starts now
        double seconds;
        qint64 endMs;
        qint64 pumps;
    } cases[] = {
        {500, -1, 2.0, 2500, 2000}, // pumps until the end time
        {700, 500, 1.0, 1500, 800}, // counts from the caller's start time
        {0, -1, 0.01, 10, 10},      // a short wait is ten milliseconds
        {5000, 0, 1.0, 5000, 0},    // an elapsed start returns at once
    };
    for (const auto& c : cases) {
        test::VirtualClock clock;
        clock.advance(c.before);
        if (c.start < 0)
            PumpWait(clock, c.seconds);
        else
            PumpWait(clock, c.start, c.seconds);
        EXPECT_EQ(clock.milliseconds(), c.endMs) << c.before << " " << c.seconds;
        EXPECT_EQ(clock.pumps(), c.pumps) << c.before << " " << c.seconds;
    }
}

} // namespace
