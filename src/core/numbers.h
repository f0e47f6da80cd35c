#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace calvorin::core {

// Rounds to the nearest integer, a half to the even neighbour (2.5 -> 2, 3.5 -> 4); nothing
// when the result does not fit a 16-bit signed integer.
std::optional<std::int16_t> roundToInt16(double value);

// The number a text starts with, after leading blanks, tabs and line feeds: an optional sign,
// digits with at most one decimal point and an optional exponent, or &H / &O radix numbers.
// Blanks inside the digits are skipped. Text that starts with no number gives 0.
double leadingNumber(std::string_view text);

// The text without the blanks around it (blanks only: tabs and other white space stay).
std::string trimBlanks(std::string_view text);

} // namespace calvorin::core
