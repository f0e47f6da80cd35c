#pragma once
#include <string>
#include <string_view>

namespace calvorin::platform::win32 {

// The logic speaks UTF-8, Windows' W functions UTF-16; embedded NULs pass through both ways.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// The system's message for an error code, without the trailing line break; `module` is the
// library that keeps the messages of its own codes (null: the system's).
std::string errorText(unsigned long code, void* module = nullptr);

} // namespace calvorin::platform::win32
