#pragma once
#include "platform/status.h"

#include <string>

namespace calvorin::platform {

class SystemInfo {
  public:
    virtual ~SystemInfo() = default;
    // The user's temporary folder as the system reports it, with its trailing "\".
    virtual Status tempPath(std::string& path) = 0;
};

} // namespace calvorin::platform
