#pragma once
#include "platform/system_info.h"

namespace calvorin::platform::win32 {

class SystemInfo final : public platform::SystemInfo {
  public:
    Status tempPath(std::string& path) override;
    Status toAnsi(const std::string& text, std::string& ansi) override;
    Status fromAnsi(const std::string& ansi, std::string& text) override;
    Status version(VersionRecord& record) override;
    Status processor(ProcessorRecord& record) override;
    Status memory(MemoryStatus& status) override;
};

} // namespace calvorin::platform::win32
