// The shipped program's clock and timers, on the real event loop.

#include "scheduler/agent/SystemClock.h"
#include "scheduler/EventPump.h"

#include <gtest/gtest.h>

#include <chrono>

using namespace std::chrono_literals;

namespace dovrel {
namespace {

TEST(SystemClock, TimersFireOnTheEventLoopUntilStopped) {
    agent::SystemClock clock;
    auto repeating = clock.makeTimer();
    auto single = clock.makeTimer();
    EXPECT_FALSE(repeating->isActive());
    int ticks = 0;
    int shots = 0;
    repeating->start(5ms, true, [&] { ++ticks; });
    single->start(5ms, false, [&] { ++shots; });
    EXPECT_TRUE(repeating->isActive());
    ASSERT_TRUE(test::EventPump::until([&] { return ticks >= 3 && shots >= 1; }));
    EXPECT_FALSE(single->isActive());
    EXPECT_TRUE(repeating->isActive());

    repeating->stop();
    EXPECT_FALSE(repeating->isActive());
    const int stoppedAt = ticks;
    test::EventPump::forMs(50);
    EXPECT_EQ(ticks, stoppedAt);
    EXPECT_EQ(shots, 1);
}

} // namespace
} // namespace dovrel
