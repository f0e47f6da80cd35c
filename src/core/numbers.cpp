#include "core/numbers.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace calvorin::core {

std::optional<std::int16_t> roundToInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = std::nearbyint(value); // the default rounding mode is to nearest, ties even
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<std::int16_t>(r);
}

double leadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'))
        ++i;
    // Blanks, tabs and line feeds inside the number are skipped.
    std::string clean;
    for (; i < text.size(); ++i)
        if (text[i] != ' ' && text[i] != '\t' && text[i] != '\n' && text[i] != '\r')
            clean += text[i];
    if (clean.size() >= 2 && clean[0] == '&') {
        const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(clean[1])));
        const int base = kind == 'H' ? 16 : kind == 'O' ? 8 : 0;
        if (base != 0) {
            std::uint64_t v = 0;
            std::size_t k = 2;
            for (; k < clean.size() && k < 2 + (base == 16 ? 8 : 11); ++k) {
                const int c = std::toupper(static_cast<unsigned char>(clean[k]));
                int digit = -1;
                if (c >= '0' && c <= '9') digit = c - '0';
                else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
                if (digit < 0 || digit >= base) break;
                v = v * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
            }
            // Up to 16 bits the number reads as a signed 16-bit integer, past it as 32 bits.
            if (v <= 0xFFFF) return static_cast<double>(static_cast<std::int16_t>(v));
            return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(v)));
        }
    }
    std::size_t k = 0;
    std::string number;
    if (k < clean.size() && (clean[k] == '+' || clean[k] == '-')) number += clean[k++];
    bool digits = false, point = false;
    for (; k < clean.size(); ++k) {
        const char c = clean[k];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    if (k < clean.size() && (clean[k] == 'e' || clean[k] == 'E' || clean[k] == 'd' || clean[k] == 'D')) {
        std::string exponent = "e";
        std::size_t e = k + 1;
        if (e < clean.size() && (clean[e] == '+' || clean[e] == '-')) exponent += clean[e++];
        bool expDigits = false;
        while (e < clean.size() && std::isdigit(static_cast<unsigned char>(clean[e]))) {
            exponent += clean[e++];
            expDigits = true;
        }
        if (expDigits) number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

std::string trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

std::optional<double> wholeNumber(std::string_view text) {
    const std::string t = trimBlanks(text);
    std::size_t k = 0;
    if (k < t.size() && (t[k] == '+' || t[k] == '-')) ++k;
    bool digits = false, point = false;
    for (; k < t.size(); ++k) {
        if (std::isdigit(static_cast<unsigned char>(t[k])))
            digits = true;
        else if (t[k] == '.' && !point)
            point = true;
        else
            break;
    }
    if (!digits) return std::nullopt;
    if (k < t.size() && (t[k] == 'e' || t[k] == 'E')) {
        std::size_t e = k + 1;
        if (e < t.size() && (t[e] == '+' || t[e] == '-')) ++e;
        const std::size_t expStart = e;
        while (e < t.size() && std::isdigit(static_cast<unsigned char>(t[e]))) ++e;
        if (e == expStart) return std::nullopt;
        k = e;
    }
    if (k != t.size()) return std::nullopt;
    return std::strtod(t.c_str(), nullptr);
}

std::optional<bool> truthValue(std::string_view text) {
    std::string lower = trimBlanks(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "true") return true;
    if (lower == "false") return false;
    if (auto n = wholeNumber(lower)) return *n != 0.0;
    return std::nullopt;
}

std::string strText(std::int64_t value) {
    return (value < 0 ? "" : " ") + std::to_string(value);
}

std::uint64_t roundedQuotient(std::uint64_t numerator, std::uint64_t denominator) {
    const std::uint64_t whole = numerator / denominator;
    const std::uint64_t rest = numerator % denominator;
    const std::uint64_t other = denominator - rest; // no overflow, unlike rest * 2
    if (rest > other || (rest == other && whole % 2 == 1)) return whole + 1;
    return whole;
}

} // namespace calvorin::core
