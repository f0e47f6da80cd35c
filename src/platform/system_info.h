#pragma once
#include "platform/status.h"

#include <string>

namespace calvorin::platform {

class SystemInfo {
  public:
    virtual ~SystemInfo() = default;
    // The user's temporary folder as the system reports it, with its trailing "\".
    virtual Status tempPath(std::string& path) = 0;
    // Text in the system's ANSI code page and back; a character the code page cannot hold
    // becomes "?".
    virtual Status toAnsi(const std::string& text, std::string& ansi) = 0;
    virtual Status fromAnsi(const std::string& ansi, std::string& text) = 0;
};

} // namespace calvorin::platform
