#pragma once
#include <string>
#include <string_view>

namespace calvorin {

// Letter case of the ASCII letters alone, as Windows names compare here: other bytes, those
// of UTF-8 text included, stay as they are.
inline char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
inline std::string upperAscii(std::string s) {
    for (char& c : s)
        c = upperAscii(c);
    return s;
}
inline bool sameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (upperAscii(a[i]) != upperAscii(b[i])) return false;
    return true;
}

} // namespace calvorin
