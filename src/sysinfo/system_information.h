#pragma once
#include "core/main_form.h"
#include "platform/platform.h"

#include <cstdint>
#include <string>

namespace calvorin::sysinfo {

// What the system tells about its memory, processors and version, in the words and numbers
// the "Startup" page shows.
namespace mdSubApI {

// The processor's name by architecture and level; empty for one the table does not know.
std::string processorName(std::uint16_t architecture, std::uint16_t level);
// The Windows product name for a version; empty for one the table does not know.
std::string productName(const platform::VersionRecord& version);
// major "." two-digit minor "." build, as 5.01.2600.
std::string versionNumberText(const platform::VersionRecord& version);

// The running Windows' product name; empty when the version cannot be read, which is
// reported.
std::string FindOS(platform::Platform& platform);
// Each reader gives false, and leaves its results empty or 0, when the system would not say.
bool ReadMemoryStatus(platform::Platform& platform, std::uint64_t& totalKilobytes,
                      std::uint64_t& availableKilobytes);
bool ReadProcessorInfo(platform::Platform& platform, std::string& name, std::uint32_t& count);
bool ReadVersionNumbers(platform::Platform& platform, std::string& text);

} // namespace mdSubApI

// Reads everything afresh and fills the six value labels of the "Startup" page.
void GetSystemInformation(core::frmMain& form, platform::Platform& platform);

// Gives the main window its system information step for the "Startup" page.
void plugSystemInformation(core::frmMain& form, platform::Platform& platform);

} // namespace calvorin::sysinfo
