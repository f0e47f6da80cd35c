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

// The number a whole text is, blanks around it aside: an optional sign, digits with at most
// one decimal point and an optional exponent. Nothing when any other character is left over,
// as a conversion of the text to a number fails.
std::optional<double> wholeNumber(std::string_view text);

// "True" or "False" in any letter case, or a number (true when not 0); nothing otherwise.
std::optional<bool> truthValue(std::string_view text);

// The text without the blanks around it (blanks only: tabs and other white space stay).
std::string trimBlanks(std::string_view text);

// A number as Str writes it: a blank in the sign's place for 0 and above, "-" below.
std::string strText(std::int64_t value);

// numerator / denominator rounded to the nearest whole number, a half to the even neighbour;
// denominator must not be 0.
std::uint64_t roundedQuotient(std::uint64_t numerator, std::uint64_t denominator);

} // namespace calvorin::core
