#pragma once
#include <string>
#include <string_view>

namespace calvorin::platform::win32 {

// The logic speaks UTF-8, Windows' W functions UTF-16; embedded NULs pass through both ways.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// The system's message for an error code, without the trailing line break.
std::string errorText(unsigned long code);

} // namespace calvorin::platform::win32
