#pragma once
#include <compare>
#include <cstdint>

namespace calvorin::platform {

// A calendar date as the Gregorian calendar counts it.
struct Date {
    int year = 1970;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    auto operator<=>(const Date&) const = default;
};

// Local wall-clock time, as the system's clock reports it.
struct DateTime {
    Date date;
    int hour = 0;
    int minute = 0;
    int second = 0;
    auto operator<=>(const DateTime&) const = default;
};

bool isValidDate(const Date& d);
int daysInMonth(int year, int month);
// Days since 1970-01-01 (negative before), and back.
std::int64_t toDayNumber(const Date& d);
Date fromDayNumber(std::int64_t days);
// 0 = Sunday .. 6 = Saturday.
int dayOfWeek(const Date& d);

} // namespace calvorin::platform
