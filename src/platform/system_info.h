#pragma once
#include "platform/status.h"

#include <cstdint>
#include <string>

namespace calvorin::platform {

// The running Windows' version, as the system reports it without a compatibility layer
// pretending to be an older one.
struct VersionRecord {
    std::uint32_t major = 0, minor = 0;
    std::uint32_t build = 0; // on the Windows 95 family the high half holds the version
    std::uint32_t platformId = 0; // 0 Win32s, 1 the Windows 95 family, 2 NT
};

// The machine's processors as the system information record gives them.
struct ProcessorRecord {
    std::uint16_t architecture = 0; // 0 Intel x86, 5 ARM, 6 Itanium, 9 x64, 12 ARM64, 0xFFFF unknown
    std::uint32_t count = 0;
    std::uint16_t level = 0;
};

// Physical memory in bytes, at its full 64-bit size.
struct MemoryStatus {
    std::uint64_t totalPhysical = 0;
    std::uint64_t availablePhysical = 0;
};

namespace platform_id {
inline constexpr std::uint32_t Win32s = 0;
inline constexpr std::uint32_t Windows = 1;
inline constexpr std::uint32_t NT = 2;
} // namespace platform_id

class SystemInfo {
  public:
    virtual ~SystemInfo() = default;
    // The user's temporary folder as the system reports it, with its trailing "\".
    virtual Status tempPath(std::string& path) = 0;
    // Text in the system's ANSI code page and back; a character the code page cannot hold
    // becomes "?".
    virtual Status toAnsi(const std::string& text, std::string& ansi) = 0;
    virtual Status fromAnsi(const std::string& ansi, std::string& text) = 0;
    virtual Status version(VersionRecord& record) = 0;
    virtual Status processor(ProcessorRecord& record) = 0;
    virtual Status memory(MemoryStatus& status) = 0;
};

} // namespace calvorin::platform
