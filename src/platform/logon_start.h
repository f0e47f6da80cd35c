#pragma once
#include "platform/registry.h"

#include <string>

// Start at logon through the Run keys Windows reads when a user logs on: the machine's, for
// every user, and the user's own. Shared by the Windows and the emulated Process.
namespace calvorin::platform::logon {

inline constexpr const char* kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// Writes the value under the machine's Run key; a user who may not write there (every
// standard user since Windows Vista) gets it under the user's own Run key instead. After a
// machine-wide write a leftover user entry goes, so the program never starts twice.
Status registerRunEntry(Registry& registry, const std::string& name,
                        const std::string& commandLine);
// Removes the value from both Run keys. A missing value is no failure; the first real failure
// is returned once both were tried.
Status unregisterRunEntry(Registry& registry, const std::string& name);

} // namespace calvorin::platform::logon
