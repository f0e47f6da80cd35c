#include "platform/date_time.h"

#include <gtest/gtest.h>

using namespace calvorin::platform;

TEST(DateTime, DayNumbersRoundTripAcrossCenturiesAndLeapDays) {
    for (const Date d : {Date{1970, 1, 1}, Date{2000, 2, 29}, Date{1900, 3, 1}, Date{2026, 12, 6},
                         Date{1601, 1, 1}, Date{9999, 12, 31}})
        EXPECT_EQ(fromDayNumber(toDayNumber(d)), d);
    EXPECT_EQ(toDayNumber({1970, 1, 2}), 1);
    EXPECT_EQ(toDayNumber({1969, 12, 31}), -1);
}

TEST(DateTime, WeekdaysAndValidity) {
    EXPECT_EQ(dayOfWeek({2026, 12, 6}), 0); // a Sunday
    EXPECT_EQ(dayOfWeek({1970, 1, 1}), 4);
    EXPECT_TRUE(isValidDate({2024, 2, 29}));
    EXPECT_FALSE(isValidDate({1900, 2, 29}));
    EXPECT_FALSE(isValidDate({2026, 13, 1}));
    EXPECT_FALSE(isValidDate({2026, 4, 31}));
}
