#include "contract/test_platform.h"

#include <gtest/gtest.h>

using namespace calvorin::platform;

namespace {

class EventLoopContract : public ::testing::Test {
  protected:
    EventLoop& loop() { return p_->events(); }
    std::unique_ptr<calvorin::test::TestPlatform> p_ = calvorin::test::makeTestPlatform();
};

TEST_F(EventLoopContract, WaitingReachesTheTickWithoutOvershootingMuch) {
    const std::uint64_t start = loop().tickCount();
    loop().waitUntil(start + 300);
    const std::uint64_t end = loop().tickCount();
    EXPECT_GE(end, start + 300);
    EXPECT_LT(end, start + 1500);
    loop().waitUntil(start); // already passed: returns at once
    EXPECT_LT(loop().tickCount(), end + 200);
}

TEST_F(EventLoopContract, TimersFireWhileWaitingAndStopWhenStopped) {
    int fired = 0;
    const TimerId id = loop().startTimer(50, [&] { ++fired; });
    loop().waitUntil(loop().tickCount() + 500);
    EXPECT_GE(fired, 3);
    EXPECT_LE(fired, 11);
    loop().stopTimer(id);
    const int atStop = fired;
    loop().waitUntil(loop().tickCount() + 200);
    loop().processEvents();
    EXPECT_EQ(fired, atStop);
}

TEST_F(EventLoopContract, ATimerMayStopItselfFromItsHandler) {
    int fired = 0;
    TimerId id = 0;
    id = loop().startTimer(20, [&] {
        ++fired;
        loop().stopTimer(id);
    });
    loop().waitUntil(loop().tickCount() + 200);
    EXPECT_EQ(fired, 1);
}

TEST_F(EventLoopContract, TheLocalDateIsARealDate) {
    const DateTime now = loop().now();
    EXPECT_TRUE(isValidDate(now.date));
    EXPECT_GE(now.date.year, 2000);
    EXPECT_LT(now.hour, 24);
    EXPECT_LT(now.minute, 60);
}

TEST_F(EventLoopContract, ShortDatesReadBackAsTheSameDate) {
    for (const Date d : {Date{2026, 12, 6}, Date{2024, 2, 29}, Date{1999, 1, 31}, Date{2030, 10, 1}}) {
        const std::string text = loop().shortDate(d);
        EXPECT_FALSE(text.empty());
        const auto back = loop().parseDate(text);
        ASSERT_TRUE(back.has_value()) << text;
        EXPECT_EQ(*back, d) << text;
    }
}

TEST_F(EventLoopContract, TextThatIsNoDateIsRefused) {
    EXPECT_FALSE(loop().parseDate("not a date").has_value());
    EXPECT_FALSE(loop().parseDate("").has_value());
    EXPECT_FALSE(loop().parseDate("13/45/2026").has_value());
}

TEST_F(EventLoopContract, TimesShowTheirMinutesAndSecondsAndTellMorningFromAfternoon) {
    const std::string morning = loop().timeText({{2026, 12, 7}, 9, 5, 7});
    const std::string afternoon = loop().timeText({{2026, 12, 7}, 21, 5, 7});
    EXPECT_NE(morning.find("05"), std::string::npos) << morning;
    EXPECT_NE(morning.find("07"), std::string::npos) << morning;
    EXPECT_NE(morning, afternoon);
}

} // namespace
