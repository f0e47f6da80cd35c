#pragma once
#include "platform/system_info.h"

namespace calvorin::platform::win32 {

class SystemInfo final : public platform::SystemInfo {
  public:
    Status tempPath(std::string& path) override;
    Status version(VersionRecord& record) override;
    Status processor(ProcessorRecord& record) override;
    Status memory(MemoryStatus& status) override;
};

} // namespace calvorin::platform::win32
