#pragma once
#include "platform/platform.h"

#include <cstdint>
#include <string>

namespace calvorin::cleaners {

// The text of a REG_SZ value, up to its first NUL; "" for a missing key or value and for
// every other type (REG_EXPAND_SZ included).
std::string ReadRegString(platform::Platform& p, platform::RegKey root, const std::string& keyPath,
                          const std::string& valueName);
// Writes the text as a REG_SZ (type 1) or REG_BINARY (type 3) value, without a terminating
// NUL, creating the key when it is missing. Other types write nothing.
void SetRegValue(platform::Platform& p, platform::RegKey root, const std::string& keyPath,
                 const std::string& valueName, const std::string& value, std::uint32_t type);

} // namespace calvorin::cleaners
