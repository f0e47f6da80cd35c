#pragma once
#include <string>

namespace calvorin::platform::emulated {

// Windows-1252, the ANSI code page of a Western European Windows: UTF-8 text to its bytes and
// back. A character outside the code page, or a byte that is no UTF-8, becomes "?", as
// Windows' own conversion writes its default character.
std::string utf8ToWindows1252(const std::string& text);
std::string windows1252ToUtf8(const std::string& bytes);

} // namespace calvorin::platform::emulated
