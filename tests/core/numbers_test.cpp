#include "core/clock_text.h"
#include "core/numbers.h"

#include <gtest/gtest.h>

using namespace calvorin::core;

TEST(Numbers, RoundingTakesHalvesToTheEvenNeighbour) {
    EXPECT_EQ(roundToInt16(2.5), 2);
    EXPECT_EQ(roundToInt16(3.5), 4);
    EXPECT_EQ(roundToInt16(-2.5), -2);
    EXPECT_EQ(roundToInt16(333.33), 333);
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_FALSE(roundToInt16(32767.5).has_value());
    EXPECT_FALSE(roundToInt16(-32769).has_value());
    EXPECT_FALSE(roundToInt16(std::numeric_limits<double>::quiet_NaN()).has_value());
}

TEST(Numbers, TheLeadingNumberOfAText) {
    EXPECT_EQ(leadingNumber(""), 0);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber("  12abc"), 12);
    EXPECT_EQ(leadingNumber("1 2 3"), 123);
    EXPECT_EQ(leadingNumber("-7.5x"), -7.5);
    EXPECT_EQ(leadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(leadingNumber("2e3"), 2000);
    EXPECT_EQ(leadingNumber("2e"), 2);
    EXPECT_EQ(leadingNumber("&HFF"), 255);
    EXPECT_EQ(leadingNumber("&HFFFF"), -1);
    EXPECT_EQ(leadingNumber("&O17"), 15);
    EXPECT_EQ(leadingNumber("True"), 0);
}

TEST(Numbers, TrimmingTakesBlanksOnly) {
    EXPECT_EQ(trimBlanks("  10 "), "10");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks("\t1 "), "\t1");
}

TEST(Numbers, AWholeTextAsANumberOrNothing) {
    EXPECT_EQ(wholeNumber(" 12 "), 12.0);
    EXPECT_EQ(wholeNumber("-0.5"), -0.5);
    EXPECT_EQ(wholeNumber("1e3"), 1000.0);
    for (const char* bad : {"", "  ", "12a", "1 2", "e3", "1e", ".", "+"})
        EXPECT_FALSE(wholeNumber(bad).has_value()) << bad;
}

TEST(Numbers, ATruthValueIsTrueFalseOrANumber) {
    EXPECT_EQ(truthValue("True"), true);
    EXPECT_EQ(truthValue(" fALSE "), false);
    EXPECT_EQ(truthValue("-1"), true);
    EXPECT_EQ(truthValue("0"), false);
    EXPECT_FALSE(truthValue("yes").has_value());
    EXPECT_FALSE(truthValue("").has_value());
}

TEST(Numbers, TheClockShowsTheTwelveHourTime) {
    EXPECT_EQ(timeOfDayText({{2026, 12, 6}, 0, 0, 0}), "12:00:00 AM");
    EXPECT_EQ(timeOfDayText({{2026, 12, 6}, 9, 5, 7}), "9:05:07 AM");
    EXPECT_EQ(timeOfDayText({{2026, 12, 6}, 12, 30, 0}), "12:30:00 PM");
    EXPECT_EQ(timeOfDayText({{2026, 12, 6}, 23, 59, 59}), "11:59:59 PM");
}

TEST(Numbers, StrTextKeepsAPlaceForTheSign) {
    EXPECT_EQ(strText(0), " 0");
    EXPECT_EQ(strText(261616), " 261616");
    EXPECT_EQ(strText(-3), "-3");
    EXPECT_EQ(strText(16777216), " 16777216");
}

TEST(Numbers, AQuotientRoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(roundedQuotient(1536, 1024), 2u); // 1.5
    EXPECT_EQ(roundedQuotient(2560, 1024), 2u); // 2.5
    EXPECT_EQ(roundedQuotient(2561, 1024), 3u);
    EXPECT_EQ(roundedQuotient(511, 1024), 0u);
    EXPECT_EQ(roundedQuotient(0, 1024), 0u);
    // Near the top of the range the rounding must not overflow.
    EXPECT_EQ(roundedQuotient(~0ull, 2), 1ull << 63);
    EXPECT_EQ(roundedQuotient(~0ull, 1024), (~0ull >> 10) + 1);
}
