#include "core/pause.h"
#include "platform/emulated/event_loop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace calvorin;

TEST(EmulatedEventLoop, TimersAndScheduledEventsRunInTimeOrder) {
    platform::emulated::EventLoop loop;
    std::vector<std::string> log;
    const auto t0 = loop.tickCount();
    loop.startTimer(300, [&] { log.push_back("timer@" + std::to_string(loop.tickCount() - t0)); });
    loop.at(t0 + 450, [&] { log.push_back("click@" + std::to_string(loop.tickCount() - t0)); });
    loop.waitUntil(t0 + 1000);
    EXPECT_EQ(log, (std::vector<std::string>{"timer@300", "click@450", "timer@600", "timer@900"}));
    EXPECT_EQ(loop.tickCount(), t0 + 1000);
}

TEST(EmulatedEventLoop, TheWallClockMovesWithTheTicks) {
    platform::emulated::EventLoop loop;
    loop.setNow({{2026, 12, 31}, 23, 59, 59});
    loop.waitUntil(loop.tickCount() + 1500);
    EXPECT_EQ(loop.now(), (platform::DateTime{{2027, 1, 1}, 0, 0, 0}));
}

TEST(EmulatedEventLoop, ShortDatesFollowThePattern) {
    platform::emulated::EventLoop loop;
    EXPECT_EQ(loop.shortDate({2026, 3, 4}), "3/4/2026");
    loop.setShortDatePattern("dd.MM.yy");
    EXPECT_EQ(loop.shortDate({2026, 3, 4}), "04.03.26");
    EXPECT_EQ(loop.parseDate("04.03.26"), (platform::Date{2026, 3, 4}));
}

TEST(PauseSeconds, WaitsOnceWithoutSpinningAndSurvivesTheOld32BitWrap) {
    platform::emulated::EventLoop loop;
    loop.setTick(0xFFFFFFFFull - 500); // 49.7 days of uptime: a 32-bit tick would wrap here
    const auto before = loop.processCount();
    std::int32_t seconds = 2;
    core::PauseSeconds(loop, seconds);
    EXPECT_EQ(loop.tickCount(), 0xFFFFFFFFull - 500 + 2000);
    EXPECT_LE(loop.processCount() - before, 2u);
    seconds = 0;
    core::PauseSeconds(loop, seconds);
    seconds = -5;
    core::PauseSeconds(loop, seconds);
    EXPECT_EQ(loop.tickCount(), 0xFFFFFFFFull - 500 + 2000);
}
